<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;English</source>
        <translation>英语(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>西班牙语(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>意大利语(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>法语(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>德语(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>中文(&amp;C)</translation>
    </message>
</context>
<context>
    <name>DialogControls</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The demonstration unit could not be started: %1</source>
        <translation>无法启动演示设备：%1</translation>
    </message>
    <message>
        <source>The KVT-80 engine could not be started (status %1). Please reinstall the program.</source>
        <translation>无法启动 KVT-80 引擎（状态 %1）。请重新安装本程序。</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>技术员</translation>
    </message>
    <message>
        <source>Date and signature</source>
        <translation>日期和签名</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>not connected (the configuration is the engine&apos;s)</source>
        <translation>未连接（配置来自程序）</translation>
    </message>
    <message>
        <source>connected, configuration read</source>
        <translation>已连接，已读取配置</translation>
    </message>
    <message>
        <source>connected, configuration not read</source>
        <translation>已连接，未读取配置</translation>
    </message>
    <message>
        <source>system muted</source>
        <translation>系统静音</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>未静音</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>正在播放 %1</translation>
    </message>
    <message>
        <source>fader %1</source>
        <translation>推子 %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Unit clock</source>
        <translation>设备时钟</translation>
    </message>
    <message>
        <source>Controller firmware</source>
        <translation>控制器固件</translation>
    </message>
    <message>
        <source>Processor controller</source>
        <translation>处理器控制器</translation>
    </message>
    <message>
        <source>Output controller</source>
        <translation>输出控制器</translation>
    </message>
    <message>
        <source>Matrix DSP</source>
        <translation>矩阵 DSP</translation>
    </message>
    <message>
        <source>NR DSP A / B</source>
        <translation>NR DSP A / B</translation>
    </message>
    <message>
        <source>EQ DSP A / B</source>
        <translation>EQ DSP A / B</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>概况</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>影院</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>影厅</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>放映机</translation>
    </message>
    <message>
        <source>Automation system</source>
        <translation>自动化系统</translation>
    </message>
    <message>
        <source>Digital player 1</source>
        <translation>数字播放器 1</translation>
    </message>
    <message>
        <source>Digital player 2</source>
        <translation>数字播放器 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>未校验</translation>
    </message>
    <message>
        <source>Passed: the unit holds the configuration in this report (verification mask 0).</source>
        <translation>通过：设备中的配置与本报告一致（校验掩码 0）。</translation>
    </message>
    <message>
        <source>FAILED: the unit differs from the engine in: %1 (verification mask 0x%2). The configuration pages show the values read back from the unit.</source>
        <translation>失败：设备与程序在以下部分不一致：%1（校验掩码 0x%2）。配置页显示的是从设备读回的值。</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>slit EQ</source>
        <translation>狭缝均衡</translation>
    </message>
    <message>
        <source>mono EQ</source>
        <translation>单声道均衡</translation>
    </message>
    <message>
        <source>matrix</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>mic inverted</source>
        <translation>话筒反相</translation>
    </message>
    <message>
        <source>Format table</source>
        <translation>格式表</translation>
    </message>
    <message>
        <source>Formats in use</source>
        <translation>已用格式</translation>
    </message>
    <message>
        <source>Power-on format</source>
        <translation>开机格式</translation>
    </message>
    <message>
        <source>Buttons (button: format)</source>
        <translation>按钮（按钮：格式）</translation>
    </message>
    <message>
        <source>keep</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>第 2 行</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>Fader</source>
        <translation>推子</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Inputs and system settings</source>
        <translation>输入和系统设置</translation>
    </message>
    <message>
        <source>Projector 1 gain L / R</source>
        <translation>放映机 1 增益 L / R</translation>
    </message>
    <message>
        <source>Projector 2 gain L / R</source>
        <translation>放映机 2 增益 L / R</translation>
    </message>
    <message>
        <source>Aux gain L / R</source>
        <translation>辅助增益 L / R</translation>
    </message>
    <message>
        <source>Mic gain L / R</source>
        <translation>话筒增益 L / R</translation>
    </message>
    <message>
        <source>Non-sync gain</source>
        <translation>非同步增益</translation>
    </message>
    <message>
        <source>Slit EQ P1 / P2</source>
        <translation>狭缝均衡 P1 / P2</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>单声道均衡</translation>
    </message>
    <message>
        <source>Surround gain</source>
        <translation>环绕增益</translation>
    </message>
    <message>
        <source>Surround delay</source>
        <translation>环绕延时</translation>
    </message>
    <message>
        <source>Subwoofer gain</source>
        <translation>低音炮增益</translation>
    </message>
    <message>
        <source>Subwoofer crossover</source>
        <translation>低音炮分频点</translation>
    </message>
    <message>
        <source>Sub parametric EQ</source>
        <translation>低音炮参量均衡</translation>
    </message>
    <message>
        <source>Digital input delay</source>
        <translation>数字输入延时</translation>
    </message>
    <message>
        <source>Digital surround delay</source>
        <translation>数字环绕延时</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>动态余量</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>声道配置</translation>
    </message>
    <message>
        <source>Digital fallback</source>
        <translation>数字回退</translation>
    </message>
    <message>
        <source>Channels: equaliser curves</source>
        <translation>声道：均衡曲线</translation>
    </message>
    <message>
        <source>The 27 third-octave band settings of each output channel (dB). Bass and treble shelves are given under each plot.</source>
        <translation>每个输出声道的 27 个三分之一倍频程频段设置（dB）。低音和高音搁架滤波器标在各图下方。</translation>
    </message>
    <message>
        <source>Bass %1   Treble %2   Output %3</source>
        <translation>低音 %1   高音 %2   输出 %3</translation>
    </message>
    <message>
        <source>Delay %1 ms   Mute %2   Invert %3</source>
        <translation>延时 %1 ms   静音 %2   反相 %3</translation>
    </message>
    <message>
        <source>Output levels, delays, mute and invert</source>
        <translation>输出电平、延时、静音和反相</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Output level</source>
        <translation>输出电平</translation>
    </message>
    <message>
        <source>Digital delay</source>
        <translation>数字延时</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>低音</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>高音</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>事件日志</translation>
    </message>
    <message>
        <source>The event log was not read.</source>
        <translation>未读取事件日志。</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is empty.</source>
        <translation>设备的事件日志为空。</translation>
    </message>
    <message>
        <source>The %1 most recent of %2 entries, oldest first.</source>
        <translation>共 %2 条记录中最近的 %1 条，按时间先后排列。</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Changes during the visit</source>
        <translation>本次服务中的更改</translation>
    </message>
    <message>
        <source>No configuration from the start of the visit was given, so the changes are not known.</source>
        <translation>未提供本次服务开始时的配置，因此无法得知更改。</translation>
    </message>
    <message>
        <source>No changes: the configuration is the one the unit held when the visit began.</source>
        <translation>无更改：配置与本次服务开始时设备中的配置相同。</translation>
    </message>
    <message>
        <source>%1 fields differ from the configuration at the start of the visit.</source>
        <translation>有 %1 个字段与本次服务开始时的配置不同。</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>开始时</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Room EQ assistant</source>
        <translation>房间均衡助手</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Not completed</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>dry run, nothing written</source>
        <translation>试运行，未写入</translation>
    </message>
    <message>
        <source>stored in the unit</source>
        <translation>已存入设备</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>未存储</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>目标曲线 %1</translation>
    </message>
    <message>
        <source>%1. Red: measured before; blue: %2; grey dashed: target (dB, third-octave bands).</source>
        <translation>%1。红色：之前的测量；蓝色：%2；灰色虚线：目标曲线（dB，三分之一倍频程频段）。</translation>
    </message>
    <message>
        <source>predicted after</source>
        <translation>之后（预测）</translation>
    </message>
    <message>
        <source>measured after</source>
        <translation>之后（测量）</translation>
    </message>
    <message>
        <source>deviation %1 → %2 dB, %3</source>
        <translation>偏差 %1 → %2 dB，%3</translation>
    </message>
    <message>
        <source>within tolerance</source>
        <translation>在容差内</translation>
    </message>
    <message>
        <source>OUT OF TOLERANCE</source>
        <translation>超出容差</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>左环绕</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>低音炮</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>右环绕</translation>
    </message>
    <message>
        <source>Left EX</source>
        <translation>左 EX</translation>
    </message>
    <message>
        <source>Right EX</source>
        <translation>右 EX</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>左中置</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>右中置</translation>
    </message>
    <message>
        <source>KVT-80 service report %1</source>
        <translation>KVT-80 服务报告 %1</translation>
    </message>
    <message>
        <source>screen %1</source>
        <translation>影厅 %1</translation>
    </message>
    <message>
        <source>KVT-80 service report · %1 · %2</source>
        <translation>KVT-80 服务报告 · %1 · %2</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>无序列号</translation>
    </message>
    <message>
        <source>KVT-80 Service Report</source>
        <translation>KVT-80 服务报告</translation>
    </message>
    <message>
        <source>Technician&apos;s notes</source>
        <translation>技术员备注</translation>
    </message>
    <message>
        <source>the verification cannot run through this engine</source>
        <translation>无法通过此引擎进行校验</translation>
    </message>
    <message>
        <source>not verified: the unit is not connected</source>
        <translation>未校验：设备未连接</translation>
    </message>
    <message>
        <source>not verified: changes were still being sent to the unit</source>
        <translation>未校验：更改仍在发送到设备</translation>
    </message>
    <message>
        <source>Verify was not run for this report</source>
        <translation>本报告未运行校验</translation>
    </message>
    <message>
        <source>memory (formats, profile)</source>
        <translation>存储器（格式、概况）</translation>
    </message>
    <message>
        <source>preamp processors</source>
        <translation>前级处理器</translation>
    </message>
    <message>
        <source>matrix processor</source>
        <translation>矩阵处理器</translation>
    </message>
    <message>
        <source>equaliser processors</source>
        <translation>均衡处理器</translation>
    </message>
    <message>
        <source>output card</source>
        <translation>输出卡</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>KVT-80 Laptop Interface Software</source>
        <translation>KVT-80 笔记本电脑接口软件</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CCtlRTA</name>
    <message>
        <source>Sum</source>
        <translation>和</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Sum + Diff</source>
        <translation>和 + 差</translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>左 + 右</translation>
    </message>
    <message>
        <source>Real Time Analyzer</source>
        <translation>实时分析仪</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>条形</translation>
    </message>
    <message>
        <source>10 dB/div</source>
        <translation>10 dB/格</translation>
    </message>
    <message>
        <source>5 dB/div</source>
        <translation>5 dB/格</translation>
    </message>
    <message>
        <source>2 dB/div</source>
        <translation>2 dB/格</translation>
    </message>
    <message>
        <source>1 dB/div</source>
        <translation>1 dB/格</translation>
    </message>
    <message>
        <source>X-Curve</source>
        <translation>X 曲线</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Diff</source>
        <translation>和 &amp;&amp; 差</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>线形</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CFlowFrame</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::ConnectionFlows</name>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Saving Preamp Parameters...</source>
        <translation>正在保存前置放大器参数...</translation>
    </message>
    <message>
        <source>Saving EQ Parameters...</source>
        <translation>正在保存 EQ 参数...</translation>
    </message>
    <message>
        <source>Retrieving Preamp Parameters...</source>
        <translation>正在读取前置放大器参数...</translation>
    </message>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>正在读取 EQ 参数...</translation>
    </message>
    <message>
        <source>Retrieving Front Panel Parameters...</source>
        <translation>正在读取前面板参数...</translation>
    </message>
    <message>
        <source>Retrieving Profile Information...</source>
        <translation>正在读取概况信息...</translation>
    </message>
    <message>
        <source>Waiting to upload...</source>
        <translation>正在等待上传...</translation>
    </message>
    <message>
        <source>Uploading unit parameters, please wait...</source>
        <translation>正在上传设备参数，请稍候...</translation>
    </message>
    <message>
        <source>Initializing Personality Module, please wait a few moments...</source>
        <translation>正在初始化个性模块，请稍候...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>正在保存到个性模块，请稍候...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>正在校验...</translation>
    </message>
    <message>
        <source>Data verification has failed.  Please upload and save your data file again.  (%1)</source>
        <translation>数据校验失败。请重新上传并保存数据文件。(%1)</translation>
    </message>
    <message>
        <source>Failed to communicate with a KVT unit.  Please verify that your KVT unit is powered on and that your communication settings and cabling are correct.</source>
        <translation>无法与 KVT 设备通信。请确认 KVT 设备已通电，且通信设置和线缆连接正确。</translation>
    </message>
    <message>
        <source>Failed to save DSP parameters due to an internal error.</source>
        <translation>由于内部错误，无法保存 DSP 参数。</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>无法连接到远程地址。请检查通信设置后重试。</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>无法打开通信端口（%1）。请检查配置后重试。</translation>
    </message>
    <message>
        <source>Saving to the Personality Module did not finish.  The unit stays connected; check the module and the connection, then disconnect again.</source>
        <translation>保存到个性模块未完成。设备仍保持连接；请检查模块和连接，然后再次断开连接。</translation>
    </message>
    <message>
        <source>This operation will overwrite the current KVT-80 unit configuration.  Do you want to perform this operation?</source>
        <translation>此操作将覆盖 KVT-80 设备的当前配置。是否执行此操作？</translation>
    </message>
    <message>
        <source>Failed to create the specified parameter file.  The file may be in use by another application.</source>
        <translation>无法创建指定的参数文件。该文件可能正被其他应用程序使用。</translation>
    </message>
    <message>
        <source>Failed to load the specified parameter file.  The file may not be a valid parameter file or might be corrupted.</source>
        <translation>无法加载指定的参数文件。该文件可能不是有效的参数文件，或已损坏。</translation>
    </message>
    <message>
        <source>Failed to save to the specified parameter file.  The file may be in use by another application.</source>
        <translation>无法保存到指定的参数文件。该文件可能正被其他应用程序使用。</translation>
    </message>
    <message>
        <source>This operation will overwrite the current data stored on the Personality Module.  Do you want to perform this operation?</source>
        <translation>此操作将覆盖个性模块中当前存储的数据。是否执行此操作？</translation>
    </message>
    <message>
        <source>Personality module initialization failed.  Please verify that media is present and writeable.</source>
        <translation>个性模块初始化失败。请确认存储介质已插入且可写。</translation>
    </message>
    <message>
        <source>Communication with the KVT unit has been lost.  If the unit was powered off without disconnecting your recent settings have been lost.</source>
        <translation>与 KVT 设备的通信已中断。如果设备在未断开连接的情况下被关闭，您最近的设置已丢失。</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgAbout</name>
    <message>
        <source>About KVTExecCE</source>
        <translation>关于 KVTExecCE</translation>
    </message>
    <message>
        <source>KVTExecCE</source>
        <translation>KVTExecCE</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCommSettings</name>
    <message>
        <source>Configure Communications</source>
        <translation>配置通信</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCopyEQ</name>
    <message>
        <source>Copy EQ</source>
        <translation>复制均衡</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>复制自</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>通道 %1</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>复制 &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgDigitalDelays</name>
    <message>
        <source>Digital Delays</source>
        <translation>数字延时</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>输入延时</translation>
    </message>
    <message>
        <source>Surround Delay</source>
        <translation>环绕延时</translation>
    </message>
    <message>
        <source>Digital input and surround delays apply to all digital enabled formats</source>
        <translation>数字输入和环绕延时适用于所有启用数字输入的格式</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 毫秒</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldFrame</name>
    <message>
        <source>Profile</source>
        <translation>概况</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>光学</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>均衡器</translation>
    </message>
    <message>
        <source>Format Setup</source>
        <translation>格式设置</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1 (Analog)</source>
        <translation>外部 1（模拟）</translation>
    </message>
    <message>
        <source>Ext 2 (Digital)</source>
        <translation>外部 2（数字）</translation>
    </message>
    <message>
        <source>Non-Sync</source>
        <translation>非同步</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>辅助</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>断开连接并将更改保存到 KVT-80？</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>保存到个性模块</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Copy EQ Settings...</source>
        <translation>复制均衡设置...</translation>
    </message>
    <message>
        <source>Headroom Configuration...</source>
        <translation>动态余量配置...</translation>
    </message>
    <message>
        <source>Input Configuration...</source>
        <translation>输入配置...</translation>
    </message>
    <message>
        <source>Digital Delays...</source>
        <translation>数字延时...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Communication Settings...</source>
        <translation>通信设置...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT 配置文件 (*.kvt)</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldRTA</name>
    <message>
        <source>Power Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Difference</source>
        <translation>和 &amp;&amp; 差</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>和</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>条形</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>线条</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelEqualizer</name>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>LS</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>BL</source>
        <translation>BL</translation>
    </message>
    <message>
        <source>BR</source>
        <translation>BR</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>电平</translation>
    </message>
    <message>
        <source> Q</source>
        <translation> Q</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>低音</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>高音</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelFormatSetup</name>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1</source>
        <translation>外部 1</translation>
    </message>
    <message>
        <source>Ext 2</source>
        <translation>外部 2</translation>
    </message>
    <message>
        <source>NON/Sync</source>
        <translation>非同步</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>辅助</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Last Selected</source>
        <translation>上次所选</translation>
    </message>
    <message>
        <source>Power On Format</source>
        <translation>开机格式</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>格式
电平</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>启用预设</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>输入
类型</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>模拟</translation>
    </message>
    <message>
        <source>SPDIF</source>
        <translation>SPDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>话筒
声道</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>环绕</translation>
    </message>
    <message>
        <source>Digital Delay</source>
        <translation>数字延时</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>数字备用</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelMatrix</name>
    <message>
        <source>Sur
Delay</source>
        <translation>环绕
延时</translation>
    </message>
    <message>
        <source>Sur
Gain</source>
        <translation>环绕
增益</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>低音炮
增益</translation>
    </message>
    <message>
        <source>Sub
Freq</source>
        <translation>低音炮
频率</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
增益</translation>
    </message>
    <message>
        <source>NSync</source>
        <translation>非同步</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>辅助</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOptical</name>
    <message>
        <source>Left
Gain</source>
        <translation>左
增益</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>右
增益</translation>
    </message>
    <message>
        <source>Slit
EQ</source>
        <translation>狭缝
均衡</translation>
    </message>
    <message>
        <source>Mono
EQ</source>
        <translation>单声道
均衡</translation>
    </message>
    <message>
        <source>Projector %1</source>
        <translation>放映机 %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOutputs</name>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>LS</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>RS</translation>
    </message>
    <message>
        <source>BSL</source>
        <translation>BSL</translation>
    </message>
    <message>
        <source>BSR</source>
        <translation>BSR</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉红</translation>
    </message>
    <message>
        <source>100Hz</source>
        <translation>100Hz</translation>
    </message>
    <message>
        <source>1kHz</source>
        <translation>1kHz</translation>
    </message>
    <message>
        <source>10kHz</source>
        <translation>10kHz</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>发生</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelProfile</name>
    <message>
        <source>Digital Player 1</source>
        <translation>数字播放器 1</translation>
    </message>
    <message>
        <source>Digital Player 2</source>
        <translation>数字播放器 2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>项目名称</translation>
    </message>
    <message>
        <source>Theater Name</source>
        <translation>影院名称</translation>
    </message>
    <message>
        <source>Screen Number</source>
        <translation>影厅编号</translation>
    </message>
    <message>
        <source>Projector Model Number</source>
        <translation>放映机型号</translation>
    </message>
    <message>
        <source>Automation System</source>
        <translation>自动化系统</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgChangeFormatName</name>
    <message>
        <source>Change Format Name</source>
        <translation>更改格式名称</translation>
    </message>
    <message>
        <source>Format Name:</source>
        <translation>格式名称：</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCompareFile</name>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The file %1 could not be compared: %2</source>
        <translation>无法比较文件 %1：%2</translation>
    </message>
    <message>
        <source>Not taken from the file: %1</source>
        <translation>未从文件读取：%1</translation>
    </message>
    <message>
        <source>The engine&apos;s configuration and %1 are the same.</source>
        <translation>程序的配置与 %1 相同。</translation>
    </message>
    <message>
        <source>Fields in which the engine&apos;s configuration differs from %1: %2</source>
        <translation>程序配置与 %1 不同的字段：%2</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigComm</name>
    <message>
        <source>Configure Communications</source>
        <translation>配置通信</translation>
    </message>
    <message>
        <source>&amp;Communications Port:</source>
        <translation>通信端口(&amp;C)：</translation>
    </message>
    <message>
        <source>Remote addresses</source>
        <translation>远程地址</translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation>插入...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>修改...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigPreview</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT 配置文件 (*.kvt)</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>项目名称：</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>影院名称：</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>影厅编号：</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConnectionStatus</name>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Connecting to KVT unit, please wait a few moments...</source>
        <translation>正在连接 KVT 设备，请稍候...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCopyEQ</name>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>左环绕</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>低音炮</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>右环绕</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>左中置</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>左后环绕</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>右中置</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>右后环绕</translation>
    </message>
    <message>
        <source>Copy EQ Settings</source>
        <translation>复制均衡设置</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>复制自</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>复制 &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDisconnectPrompt</name>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>断开连接并将更改保存到 KVT-80？</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>保存到个性模块</translation>
    </message>
    <message>
        <source>Do Not Save Settings</source>
        <translation>不保存设置</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDownloadPIC</name>
    <message>
        <source>Control Card</source>
        <translation>控制卡</translation>
    </message>
    <message>
        <source>INHEX32 Files (*.HEX)</source>
        <translation>INHEX32 文件 (*.HEX)</translation>
    </message>
    <message>
        <source>NR Left</source>
        <translation>NR 左</translation>
    </message>
    <message>
        <source>NR Files (*.NR)</source>
        <translation>NR 文件 (*.NR)</translation>
    </message>
    <message>
        <source>NR Right</source>
        <translation>NR 右</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>Matrix Files (*.MAT,*.MTX)</source>
        <translation>矩阵文件 (*.MAT,*.MTX)</translation>
    </message>
    <message>
        <source>EQ 1</source>
        <translation>EQ 1</translation>
    </message>
    <message>
        <source>EQ Files (*.EQ)</source>
        <translation>EQ 文件 (*.EQ)</translation>
    </message>
    <message>
        <source>EQ 2</source>
        <translation>EQ 2</translation>
    </message>
    <message>
        <source>A download error has occured.  Please verify that all cabling and settings are correct and try again.</source>
        <translation>下载时出错。请检查所有电缆和设置是否正确，然后重试。</translation>
    </message>
    <message>
        <source>The firmware download has completed successfully.</source>
        <translation>固件下载已成功完成。</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Erasing PIC program memory...</source>
        <translation>正在擦除 PIC 程序存储器...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>擦除</translation>
    </message>
    <message>
        <source>Writing to PIC program memory, this can take almost 5 minutes to complete...</source>
        <translation>正在写入 PIC 程序存储器，可能需要将近 5 分钟...</translation>
    </message>
    <message>
        <source>Writing PIC EEPROM data...</source>
        <translation>正在写入 PIC EEPROM 数据...</translation>
    </message>
    <message>
        <source>Writing EEPROM</source>
        <translation>写入 EEPROM</translation>
    </message>
    <message>
        <source>Waiting for response from DSP</source>
        <translation>等待 DSP 响应</translation>
    </message>
    <message>
        <source>Initializing DSP for download</source>
        <translation>正在为下载初始化 DSP</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>初始化</translation>
    </message>
    <message>
        <source>Writing to DSP program memory, this can take almost 2 minutes to complete...</source>
        <translation>正在写入 DSP 程序存储器，可能需要将近 2 分钟...</translation>
    </message>
    <message>
        <source>Verifying DSP data...</source>
        <translation>正在校验 DSP 数据...</translation>
    </message>
    <message>
        <source>DSP CRC Verification has failed,  Please try the download again.</source>
        <translation>DSP CRC 校验失败，请重新下载。</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>步骤 %1：</translation>
    </message>
    <message>
        <source>Make sure you are disconnected from the KVT unit and that all recent modifications have been saved.</source>
        <translation>请确认已断开与 KVT 设备的连接，并已保存所有最近的修改。</translation>
    </message>
    <message>
        <source>Select the file to be downloaded:</source>
        <translation>选择要下载的文件：</translation>
    </message>
    <message>
        <source>File to be downloaded</source>
        <translation>要下载的文件</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Click the Download button:</source>
        <translation>单击“下载”按钮：</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Turn OFF the power to the KVT unit that will be updated.</source>
        <translation>关闭要更新的 KVT 设备的电源。</translation>
    </message>
    <message>
        <source>Power the KVT unit back ON while holding down S5 on the KVT-80 control card. Release the S5 switch after five seconds.</source>
        <translation>按住 KVT-80 控制卡上的 S5 的同时重新打开 KVT 设备电源。五秒钟后松开 S5 开关。</translation>
    </message>
    <message>
        <source>Power Cycle with S5 Held</source>
        <translation>按住 S5 断电重启</translation>
    </message>
    <message>
        <source>Switches the demonstration unit off and on again holding S5</source>
        <translation>按住 S5 将演示设备关闭并重新打开</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>下载消息</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>The selected file is not a valid firmware image or has been corrupted.</source>
        <translation>所选文件不是有效的固件映像，或已损坏。</translation>
    </message>
    <message>
        <source>The filename entered is not valid.  Please make sure you have the correct file selected.</source>
        <translation>输入的文件名无效。请确认已选择正确的文件。</translation>
    </message>
    <message>
        <source>The program is connected to the KVT unit.  Please disconnect before downloading.</source>
        <translation>程序已连接到 KVT 设备。请在下载前断开连接。</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>无法连接到远程地址。请检查通信设置后重试。</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>无法打开通信端口（%1）。请检查配置后重试。</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>%p% (%v of %m)</source>
        <translation>%p% (%v / %m)</translation>
    </message>
    <message>
        <source>PIC program memory: %1 of %2 records written (%3%)</source>
        <translation>PIC 程序存储器：已写入 %1/%2 条记录 (%3%)</translation>
    </message>
    <message>
        <source>PIC EEPROM data: %1 of %2 records written (%3%)</source>
        <translation>PIC EEPROM 数据：已写入 %1/%2 条记录 (%3%)</translation>
    </message>
    <message>
        <source>DSP program memory: %1 of %2 words written (%3%)</source>
        <translation>DSP 程序存储器：已写入 %1/%2 个字 (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3%)</source>
        <translation>已写入 %1/%2 (%3%)</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEQForm</name>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>左环绕</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>低音炮</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>右环绕</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>左后环绕</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>右后环绕</translation>
    </message>
    <message>
        <source>MONO</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>外部 1 (模拟)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>外部 2 (数字)</translation>
    </message>
    <message>
        <source>NON/SYNC</source>
        <translation>非同步</translation>
    </message>
    <message>
        <source>AUX</source>
        <translation>辅助</translation>
    </message>
    <message>
        <source>MIC</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>平直</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>粉红噪声</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>低音</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>高音</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>左中置</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>右中置</translation>
    </message>
    <message>
        <source>SET ALL EQ SETTINGS TO 0dB?</source>
        <translation>将所有均衡设置设为 0dB？</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEventLog</name>
    <message>
        <source>Event Log:</source>
        <translation>事件日志：</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>事件日志</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Set Date/Time...</source>
        <translation>设置日期/时间...</translation>
    </message>
    <message>
        <source>Save to Disk...</source>
        <translation>保存到磁盘...</translation>
    </message>
    <message>
        <source>The unit is not ready; the event log cannot be read now.</source>
        <translation>设备未就绪，现在无法读取事件日志。</translation>
    </message>
    <message>
        <source>Reading the event log from the unit...  Entries so far: %1</source>
        <translation>正在从设备读取事件日志...  已读条目：%1</translation>
    </message>
    <message>
        <source>Entries read: %1</source>
        <translation>已读条目：%1</translation>
    </message>
    <message>
        <source>No entries arrived from the unit: its log is empty, or it did not answer.</source>
        <translation>设备未发来任何条目：其日志为空，或设备没有应答。</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is being cleared.</source>
        <translation>正在清除设备的事件日志。</translation>
    </message>
    <message>
        <source>Clear the event log in the KVT unit?  Its entries are erased and cannot be read again; save them to disk first if they are needed.</source>
        <translation>清除 KVT 设备中的事件日志吗？  条目将被删除且无法再读取；如需保留，请先保存到磁盘。</translation>
    </message>
    <message>
        <source>The event log could not be saved to %1.

%2</source>
        <translation>无法将事件日志保存到 %1。

%2</translation>
    </message>
    <message>
        <source>Event Logs (*.log)</source>
        <translation>事件日志 (*.log)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Save to Disk</source>
        <translation>保存到磁盘</translation>
    </message>
    <message>
        <source>The service report is reading the event log; press Update again once the report is written.</source>
        <translation>服务报告正在读取事件日志；报告写好后请再次按“更新”。</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgFormatsForm</name>
    <message>
        <source>MONO</source>
        <translation>MONO</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>STEREO</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1（模拟）</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2（数字）</translation>
    </message>
    <message>
        <source>NON/SYNC</source>
        <translation>NON/SYNC</translation>
    </message>
    <message>
        <source>AUX</source>
        <translation>AUX</translation>
    </message>
    <message>
        <source>MIC</source>
        <translation>MIC</translation>
    </message>
    <message>
        <source>Last Selected</source>
        <translation>上次所选</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>启用预设</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>格式
电平</translation>
    </message>
    <message>
        <source>Format Level</source>
        <translation>格式电平</translation>
    </message>
    <message>
        <source>Power on Format</source>
        <translation>开机格式</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>输入
类型</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>模拟</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>话筒
声道</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中置</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>环绕</translation>
    </message>
    <message>
        <source>Advanced Options:</source>
        <translation>高级选项：</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>降噪：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>A Type</source>
        <translation>A 型</translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation>SR 型</translation>
    </message>
    <message>
        <source>Audio Decode:</source>
        <translation>音频解码：</translation>
    </message>
    <message>
        <source>5.1 Stereo</source>
        <translation>5.1 立体声</translation>
    </message>
    <message>
        <source>2.0 Stereo</source>
        <translation>2.0 立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>L,C,R Only</source>
        <translation>仅 L,C,R</translation>
    </message>
    <message>
        <source>L,R Only</source>
        <translation>仅 L,R</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>输入：</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>放映机</translation>
    </message>
    <message>
        <source>Analog N/S</source>
        <translation>模拟 N/S</translation>
    </message>
    <message>
        <source>Analog Aux</source>
        <translation>模拟 Aux</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>分立</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Projector Delays</source>
        <translation>放映机延时</translation>
    </message>
    <message>
        <source>Input
Delay</source>
        <translation>输入
延时</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>环绕
延时</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>数字备用</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgHeadroomAdjust</name>
    <message>
        <source>Headroom Adjustment</source>
        <translation>动态余量调整</translation>
    </message>
    <message>
        <source>26 db of Headroom (THX)</source>
        <translation>26 dB 动态余量 (THX)</translation>
    </message>
    <message>
        <source>29 db of Headroom</source>
        <translation>29 dB 动态余量</translation>
    </message>
    <message>
        <source>32 db of Headroom</source>
        <translation>32 dB 动态余量</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>动态余量</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgIPAddress</name>
    <message>
        <source>Insert/Modify IP Address</source>
        <translation>插入/修改 IP 地址</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 地址：</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputConfiguration</name>
    <message>
        <source>Channel Configuration</source>
        <translation>声道配置</translation>
    </message>
    <message>
        <source>Back Surround Channels</source>
        <translation>后环绕声道</translation>
    </message>
    <message>
        <source>Stage Channels</source>
        <translation>舞台声道</translation>
    </message>
    <message>
        <source>Center/Mono Surround</source>
        <translation>中置/单声道环绕</translation>
    </message>
    <message>
        <source>LCR/Mono Surround</source>
        <translation>LCR/单声道环绕</translation>
    </message>
    <message>
        <source>The unit cannot use the channel configuration &quot;%1&quot;.  Its configuration is unchanged.</source>
        <translation>设备无法使用声道配置“%1”。  其配置未改变。</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputForm</name>
    <message>
        <source>Left
Gain</source>
        <translation>左
增益</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>右
增益</translation>
    </message>
    <message>
        <source>Slit EQ</source>
        <translation>狭缝均衡</translation>
    </message>
    <message>
        <source>KHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>单声道均衡</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>环绕
延时</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Surround
Gain</source>
        <translation>环绕
增益</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>低音炮
增益</translation>
    </message>
    <message>
        <source>Sub
Freq.</source>
        <translation>低音炮
频率</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>MONO</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>用于 SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>外部 1 (模拟)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>外部 2 (数字)</translation>
    </message>
    <message>
        <source>NON/SYNC</source>
        <translation>非同步</translation>
    </message>
    <message>
        <source>AUX</source>
        <translation>辅助</translation>
    </message>
    <message>
        <source>MIC</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Input Format</source>
        <translation>输入格式</translation>
    </message>
    <message>
        <source>Projector 1</source>
        <translation>放映机 1</translation>
    </message>
    <message>
        <source>Projector 2</source>
        <translation>放映机 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Levels and Matrix</source>
        <translation>电平与矩阵</translation>
    </message>
    <message>
        <source>Input Levels</source>
        <translation>输入电平</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
增益</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>光学</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgPassword</name>
    <message>
        <source>Password Required</source>
        <translation>需要密码</translation>
    </message>
    <message>
        <source>A password is required to access the diagnostic features.  These features should only be accessed if instructed by RDM support personel.</source>
        <translation>访问诊断功能需要密码。仅应在 RDM 技术支持人员的指导下使用这些功能。</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProfileForm</name>
    <message>
        <source>Digital Player 1:</source>
        <translation>数字播放器 1：</translation>
    </message>
    <message>
        <source>Digital Player 2:</source>
        <translation>数字播放器 2：</translation>
    </message>
    <message>
        <source>Theater Number:</source>
        <translation>影院编号：</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>影院名称：</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>影厅编号：</translation>
    </message>
    <message>
        <source>Projector Model Number:</source>
        <translation>放映机型号：</translation>
    </message>
    <message>
        <source>Automation System:</source>
        <translation>自动化系统：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>KVT Serial Number:</source>
        <translation>KVT 序列号：</translation>
    </message>
    <message>
        <source>Theater Information</source>
        <translation>影院信息</translation>
    </message>
    <message>
        <source>Component Information</source>
        <translation>组件信息</translation>
    </message>
    <message>
        <source>PIC Firmware Version:</source>
        <translation>PIC 固件版本：</translation>
    </message>
    <message>
        <source>Matrix Firmware Version:</source>
        <translation>矩阵固件版本：</translation>
    </message>
    <message>
        <source>NR Firmware Version:</source>
        <translation>NR 固件版本：</translation>
    </message>
    <message>
        <source>EQ Firmware Version:</source>
        <translation>EQ 固件版本：</translation>
    </message>
    <message>
        <source>KVT Exec Version:</source>
        <translation>KVT Exec 版本：</translation>
    </message>
    <message>
        <source>KVT-80</source>
        <translation>KVT-80</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProgressStatus</name>
    <message>
        <source>Are you sure you want to cancel this action?</source>
        <translation>确定要取消此操作吗？</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomEQ</name>
    <message>
        <source>Room EQ Assistant</source>
        <translation>房间均衡助手</translation>
    </message>
    <message>
        <source>Place the measurement microphones in the seating area and make sure the room is quiet. The assistant plays pink noise on each chosen channel in turn, measures it with the unit&apos;s analyser and sets the channel&apos;s equalizer and output level.</source>
        <translation>请将测量麦克风放在观众席区域，并确保厅内安静。助手依次在每个所选声道上播放粉红噪声，用设备的分析仪测量，并设置该声道的均衡器和输出电平。</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>X-curve, moved by</source>
        <translation>X 曲线，偏移</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Target file:</source>
        <translation>目标文件：</translation>
    </message>
    <message>
        <source>One line per band: frequency in Hz and level in dB</source>
        <translation>每个频段一行：频率 (Hz) 和电平 (dB)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>目标文件</translation>
    </message>
    <message>
        <source>Target files (*.txt);;All files (*)</source>
        <translation>目标文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限制</translation>
    </message>
    <message>
        <source>Largest boost:</source>
        <translation>最大提升：</translation>
    </message>
    <message>
        <source>Deepest cut:</source>
        <translation>最大衰减：</translation>
    </message>
    <message>
        <source>The unit&apos;s equalizer reaches 6 dB either way.</source>
        <translation>设备的均衡器在两个方向上最多 6 dB。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Connect to the unit first.</source>
        <translation>请先连接设备。</translation>
    </message>
    <message>
        <source>Choose at least one channel.</source>
        <translation>请至少选择一个声道。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The target file cannot be used: %1</source>
        <translation>无法使用目标文件：%1</translation>
    </message>
    <message>
        <source>Measuring and equalizing. Keep the room quiet.</source>
        <translation>正在测量和均衡。请保持厅内安静。</translation>
    </message>
    <message>
        <source>Cancelling: switching the generator off...</source>
        <translation>正在取消：关闭信号发生器...</translation>
    </message>
    <message>
        <source>Undo Channel</source>
        <translation>撤销声道</translation>
    </message>
    <message>
        <source>Store in Unit</source>
        <translation>存入设备</translation>
    </message>
    <message>
        <source>New Run...</source>
        <translation>重新运行...</translation>
    </message>
    <message>
        <source>%1: undone</source>
        <translation>%1：已撤销</translation>
    </message>
    <message>
        <source>%1: not finished</source>
        <translation>%1：未完成</translation>
    </message>
    <message>
        <source>%1: %2 → %3 %4</source>
        <translation>%1：%2 → %3 %4</translation>
    </message>
    <message>
        <source>(ok)</source>
        <translation>(合格)</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(超出)</translation>
    </message>
    <message>
        <source>Every channel is within tolerance of the target.</source>
        <translation>所有声道均在目标容差之内。</translation>
    </message>
    <message>
        <source>Some channels are outside tolerance; see their curves.</source>
        <translation>部分声道超出容差；请查看其曲线。</translation>
    </message>
    <message>
        <source>The unit stopped answering. The generator may still be playing: it is switched off and the analyser put back as soon as the unit is connected again.</source>
        <translation>设备停止响应。信号发生器可能仍在播放：设备重新连接后将立即关闭它并恢复分析仪。</translation>
    </message>
    <message>
        <source>The run did not finish (%1). The generator is off and the analyser is as it was; the channels already changed can be undone.</source>
        <translation>运行未完成 (%1)。信号发生器已关闭，分析仪已恢复原状；已更改的声道可以撤销。</translation>
    </message>
    <message>
        <source>null</source>
        <translation>谷点</translation>
    </message>
    <message>
        <source>noise floor</source>
        <translation>本底噪声</translation>
    </message>
    <message>
        <source>Rounds: %1. Output level %2 → %3. Largest deviation %4 → %5.</source>
        <translation>轮数：%1。输出电平 %2 → %3。最大偏差 %4 → %5。</translation>
    </message>
    <message>
        <source>Parametric band: %1 Hz, Q %2, %3.</source>
        <translation>参数频段：%1 Hz，Q %2，%3。</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <translation>未校正：%1。</translation>
    </message>
    <message>
        <source>Storing the settings in the unit...</source>
        <translation>正在将设置存入设备...</translation>
    </message>
    <message>
        <source>The settings are stored in the unit.</source>
        <translation>设置已存入设备。</translation>
    </message>
    <message>
        <source>The unit did not store the settings.</source>
        <translation>设备未能存储设置。</translation>
    </message>
    <message>
        <source>The unit is back: the generator is off and the analyser is as it was.</source>
        <translation>设备已恢复：信号发生器已关闭，分析仪已恢复原状。</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomLevels</name>
    <message>
        <source>
Left</source>
        <translation>
左</translation>
    </message>
    <message>
        <source>
Center</source>
        <translation>
中置</translation>
    </message>
    <message>
        <source>
Right</source>
        <translation>
右</translation>
    </message>
    <message>
        <source>Left
Surround</source>
        <translation>左
环绕</translation>
    </message>
    <message>
        <source>
Sub</source>
        <translation>
低音</translation>
    </message>
    <message>
        <source>Right
Surround</source>
        <translation>右
环绕</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>左后环绕</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>右后环绕</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>粉红噪声</translation>
    </message>
    <message>
        <source>100 Hz Tone</source>
        <translation>100 Hz 音调</translation>
    </message>
    <message>
        <source>1 kHz Tone</source>
        <translation>1 kHz 音调</translation>
    </message>
    <message>
        <source>10 kHz Tone</source>
        <translation>10 kHz 音调</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉红</translation>
    </message>
    <message>
        <source>100 Hz</source>
        <translation>100 Hz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>10 kHz</source>
        <translation>10 kHz</translation>
    </message>
    <message>
        <source>Thump</source>
        <translation>脉冲</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>信号发生器</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>左中置</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>右中置</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveMMCStatus</name>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>正在保存到个性模块，请稍候...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveStatus</name>
    <message>
        <source>Saving...</source>
        <translation>正在保存...</translation>
    </message>
    <message>
        <source>Saving, please wait a few moments...</source>
        <translation>正在保存，请稍候...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgServiceReport</name>
    <message>
        <source>Service Report</source>
        <translation>服务报告</translation>
    </message>
    <message>
        <source>The report lists the unit, its profile, formats, equalizer curves, levels and delays, the recent event log, the result of Verify and the changes made since the unit was connected.</source>
        <translation>报告列出设备、其配置文件、格式、均衡器曲线、电平和延迟、最近的事件日志、校验结果以及连接以来所做的更改。</translation>
    </message>
    <message>
        <source>What was found and done during the visit</source>
        <translation>本次服务中发现的情况和所做的工作</translation>
    </message>
    <message>
        <source>Technician&apos;s notes:</source>
        <translation>技术员备注：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Room EQ report:</source>
        <translation>房间均衡报告：</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>报告文件：</translation>
    </message>
    <message>
        <source>Read the unit&apos;s event log</source>
        <translation>读取设备的事件日志</translation>
    </message>
    <message>
        <source>Verify the unit (reads its whole configuration back)</source>
        <translation>校验设备（回读全部配置）</translation>
    </message>
    <message>
        <source>The unit is not connected: the report shows the configuration the program holds.</source>
        <translation>设备未连接：报告显示程序中的配置。</translation>
    </message>
    <message>
        <source>Write Report</source>
        <translation>写入报告</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Room EQ report</source>
        <translation>房间均衡报告</translation>
    </message>
    <message>
        <source>Room EQ Reports (*.json)</source>
        <translation>房间均衡报告 (*.json)</translation>
    </message>
    <message>
        <source>Choose the file for the report.</source>
        <translation>请选择报告文件。</translation>
    </message>
    <message>
        <source>Reading the unit and verifying...</source>
        <translation>正在读取设备并校验...</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>正在写入报告...</translation>
    </message>
    <message>
        <source>Verify passed.</source>
        <translation>校验通过。</translation>
    </message>
    <message>
        <source>Verify found differences in: %1.</source>
        <translation>校验发现以下部分不同：%1。</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>报告未写入：%1</translation>
    </message>
    <message>
        <source>The report was written to %1 (%2 pages).</source>
        <translation>报告已写入 %1（%2 页）。</translation>
    </message>
    <message>
        <source>Not in the report: %1</source>
        <translation>报告中未包含：%1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSetDateTime</name>
    <message>
        <source>Set Date/Time</source>
        <translation>设置日期/时间</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Use System Time</source>
        <translation>使用系统时间</translation>
    </message>
    <message>
        <source>The KVT unit is not connected; its clock was not set.</source>
        <translation>KVT 设备未连接，其时钟未设置。</translation>
    </message>
    <message>
        <source>The KVT unit is busy (the terminal is in use); its clock was not set.  Try again when the unit is back in normal operation.</source>
        <translation>KVT 设备正忙（终端正在使用），其时钟未设置。  请在设备恢复正常运行后重试。</translation>
    </message>
    <message>
        <source>The date and time were not accepted; the unit&apos;s clock was not set.</source>
        <translation>日期和时间未被接受，设备的时钟未设置。</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSplash</name>
    <message>
        <source>About KVT-80 Laptop Interface Software</source>
        <translation>关于 KVT-80 笔记本电脑接口软件</translation>
    </message>
    <message>
        <source>KVT-80 Laptop Interface Software
Version: %1</source>
        <translation>KVT-80 笔记本电脑接口软件
版本：%1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSubParametricForm</name>
    <message>
        <source>Sub Bass Parametric Equalizer</source>
        <translation>超低音参量均衡器</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>电平</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgTerminalForm</name>
    <message>
        <source>Terminal</source>
        <translation>终端</translation>
    </message>
    <message>
        <source>Not connected.  The terminal works while the unit is connected.</source>
        <translation>未连接。  终端在设备连接时工作。</translation>
    </message>
    <message>
        <source>Reaching the unit&apos;s command prompt...</source>
        <translation>正在进入设备的命令提示符...</translation>
    </message>
    <message>
        <source>Connected to the unit&apos;s command interpreter.  Type a command and press Enter.</source>
        <translation>已连接到设备的命令解释器。  输入命令后按 Enter。</translation>
    </message>
    <message>
        <source>The unit did not show its command prompt.  What you type is still sent to it.</source>
        <translation>设备未显示其命令提示符。  您输入的内容仍会发送给它。</translation>
    </message>
    <message>
        <source>Terminal closed; the unit is back in normal operation.</source>
        <translation>终端已关闭，设备已恢复正常运行。</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>已输入：%1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgUploadStatus</name>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
    <message>
        <source>Uploading, please wait a few moments...</source>
        <translation>正在上传，请稍候...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgZoomedSLA</name>
    <message>
        <source>Real Time Analyzer</source>
        <translation>实时分析仪</translation>
    </message>
    <message>
        <source>X-Curve Adjust</source>
        <translation>X 曲线调整</translation>
    </message>
    <message>
        <source>Unlock the X-curve adjustment</source>
        <translation>解锁 X 曲线调整</translation>
    </message>
    <message>
        <source>Lock the X-curve adjustment</source>
        <translation>锁定 X 曲线调整</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFader</name>
    <message>
        <source>Main Fader</source>
        <translation>主推子</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Creates a new configuration file</source>
        <translation>创建新的配置文件</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Opens a configuration file and sends it to the unit</source>
        <translation>打开配置文件并将其发送到设备</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Saves the configuration to its file</source>
        <translation>将配置保存到其文件</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Saves the configuration to a file of a new name</source>
        <translation>将配置保存为新名称的文件</translation>
    </message>
    <message>
        <source>Save to &amp;Personality Module</source>
        <translation>保存到个性模块(&amp;P)</translation>
    </message>
    <message>
        <source>Copies the unit&apos;s configuration to its personality module</source>
        <translation>将设备配置复制到其个性模块</translation>
    </message>
    <message>
        <source>System &amp;Mute</source>
        <translation>系统静音(&amp;M)</translation>
    </message>
    <message>
        <source>Mutes or unmutes every output of the unit</source>
        <translation>将设备的所有输出静音或取消静音</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>关闭程序</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>通信(&amp;C)</translation>
    </message>
    <message>
        <source>Co&amp;mmunication Settings...</source>
        <translation>通信设置(&amp;M)...</translation>
    </message>
    <message>
        <source>Chooses the port or network address of the unit</source>
        <translation>选择设备的端口或网络地址</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>连接(&amp;C)</translation>
    </message>
    <message>
        <source>Connects to the unit and reads its configuration</source>
        <translation>连接设备并读取其配置</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>断开连接(&amp;D)</translation>
    </message>
    <message>
        <source>Stores the settings in the unit and disconnects</source>
        <translation>将设置存储到设备中并断开连接</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>概况(&amp;P)</translation>
    </message>
    <message>
        <source>Shows the Profile page</source>
        <translation>显示“概况”页面</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Chooses the language of the program&apos;s texts</source>
        <translation>选择程序文本的语言</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>帮助...</translation>
    </message>
    <message>
        <source>Opens the KVT-80 manual</source>
        <translation>打开 KVT-80 手册</translation>
    </message>
    <message>
        <source>Installation Checklist...</source>
        <translation>安装检查清单...</translation>
    </message>
    <message>
        <source>Opens the installation checklist</source>
        <translation>打开安装检查清单</translation>
    </message>
    <message>
        <source>Unlock Diagnostics...</source>
        <translation>解锁诊断...</translation>
    </message>
    <message>
        <source>Unlocks the diagnostic pages (support personnel only)</source>
        <translation>解锁诊断页面（仅限技术支持人员）</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>显示程序版本</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Main Fader</source>
        <translation>主推子</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>概况</translation>
    </message>
    <message>
        <source>The unit reports an error on its AES/EBU digital input.  Please check the digital source and its cable.</source>
        <translation>设备报告其 AES/EBU 数字输入出错。请检查数字信号源及其线缆。</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>信号发生器</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>格式 %1</translation>
    </message>
    <message>
        <source>Selects the %1 format</source>
        <translation>选择 %1 格式</translation>
    </message>
    <message>
        <source>The language change will take effect when the program restarts.</source>
        <translation>语言更改将在程序重新启动后生效。</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; is not installed.  It belongs in the program&apos;s folder (%2).</source>
        <translation>文档“%1”未安装。它应位于程序文件夹（%2）中。</translation>
    </message>
    <message>
        <source>PLW680 software is currently running.  Would you like to link the operation to the KVT software?</source>
        <translation>PLW680 软件正在运行。是否将其操作与 KVT 软件关联？</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT 配置文件 (*.kvt)</translation>
    </message>
    <message>
        <source>&amp;Copy EQ Settings...</source>
        <translation>复制均衡设置(&amp;C)...</translation>
    </message>
    <message>
        <source>Copies one channel&apos;s equalizer settings to other channels</source>
        <translation>将一个声道的均衡设置复制到其他声道</translation>
    </message>
    <message>
        <source>&amp;Headroom Adjustment...</source>
        <translation>余量调整(&amp;H)...</translation>
    </message>
    <message>
        <source>Adjusts the headroom of the unit&apos;s inputs</source>
        <translation>调整设备输入的余量</translation>
    </message>
    <message>
        <source>Channe&amp;l Configuration...</source>
        <translation>声道配置(&amp;L)...</translation>
    </message>
    <message>
        <source>Chooses the unit&apos;s channel configuration</source>
        <translation>选择设备的声道配置</translation>
    </message>
    <message>
        <source>S&amp;et Date/Time...</source>
        <translation>设置日期/时间(&amp;E)...</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock</source>
        <translation>设置设备的时钟</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>格式(&amp;F)</translation>
    </message>
    <message>
        <source>Shows the Formats page</source>
        <translation>显示格式页</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>输入(&amp;I)</translation>
    </message>
    <message>
        <source>Shows the Inputs page</source>
        <translation>显示输入页</translation>
    </message>
    <message>
        <source>&amp;Equalizer</source>
        <translation>均衡器(&amp;E)</translation>
    </message>
    <message>
        <source>Shows the Equalizer page</source>
        <translation>显示均衡器页</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>输出(&amp;O)</translation>
    </message>
    <message>
        <source>Shows the Outputs page</source>
        <translation>显示输出页</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>终端</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>事件日志</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>均衡器</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>与文件比较(&amp;W)...</translation>
    </message>
    <message>
        <source>Lists the differences between the current configuration and a file</source>
        <translation>列出当前配置与文件之间的差异</translation>
    </message>
    <message>
        <source>Service &amp;Report...</source>
        <translation>服务报告(&amp;R)...</translation>
    </message>
    <message>
        <source>Writes the report of this service visit as a PDF</source>
        <translation>将本次服务的报告写为 PDF</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All Files (*)</source>
        <translation>KVT 配置文件 (*.kvt);;JSON 格式的配置 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Room EQ Assistant...</source>
        <translation>房间均衡助手(&amp;R)...</translation>
    </message>
    <message>
        <source>Measures each channel and sets its equalizer toward a target curve</source>
        <translation>测量每个声道并将其均衡器调向目标曲线</translation>
    </message>
    <message>
        <source>The room EQ assistant is still working with the unit.  Cancel it in its window, or let it finish, before closing the program.</source>
        <translation>房间均衡助手仍在与设备通信。  请在其窗口中取消它，或等待其完成，然后再关闭程序。</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CRoomEQPlot</name>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之后</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::ScreenshotTour</name>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>正在读取 EQ 参数...</translation>
    </message>
</context>
</TS>
