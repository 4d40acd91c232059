#include "CMainFrame.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>

#include "AppSettings.h"
#include "CompanionLink.h"
#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "RemoteAddresses.h"
#include "ServiceReport.h"
#include "Texts.h"
#include "dialogs/CDlgCompareFile.h"
#include "dialogs/CDlgConfigComm.h"
#include "dialogs/CDlgConfigPreview.h"
#include "dialogs/CDlgConnectionStatus.h"
#include "dialogs/CDlgCopyEQ.h"
#include "dialogs/CDlgDisconnectPrompt.h"
#include "dialogs/CDlgHeadroomAdjust.h"
#include "dialogs/CDlgInputConfiguration.h"
#include "dialogs/CDlgPassword.h"
#include "dialogs/CDlgProgressStatus.h"
#include "dialogs/CDlgSaveMMCStatus.h"
#include "dialogs/CDlgSaveStatus.h"
#include "dialogs/CDlgServiceReport.h"
#include "dialogs/CDlgSetDateTime.h"
#include "dialogs/CDlgSplash.h"
#include "dialogs/CDlgUploadStatus.h"
#include "pages/CDlgDownloadPIC.h"
#include "pages/CDlgEQForm.h"
#include "pages/CDlgEventLog.h"
#include "pages/CDlgFormatsForm.h"
#include "pages/CDlgInputForm.h"
#include "pages/CDlgProfileForm.h"
#include "pages/CDlgRoomLevels.h"
#include "pages/CDlgTerminalForm.h"
#include "pages/CDlgZoomedSLA.h"
#include "roomeq/CDlgRoomEQ.h"
#include "widgets/CFaderValueDisplay.h"
#include "widgets/CMainFader.h"

namespace kvt::laptop {

using frontend::StatusDialog;

namespace {

// Menu and toolbar command identifiers.
enum Command : int {
    kNew = 32773,
    kOpen = 32774,
    kSave = 32775,
    kSaveAs = 32776,
    kSavePersonalityModule = 32787,
    kSystemMute = 32788,
    kExit = 32768,
    kCommunicationSettings = 32777,
    kConnect = 32778,
    kDisconnect = 32779,
    kCopyEQ = 32772,
    kHeadroomAdjustment = 32820,
    kChannelConfiguration = 32821,
    kSetDateTime = 32883,
    kCompareWithFile = 32890,
    kServiceReport = 32891,
    kRoomEQ = 32884,
    kViewProfile = 32791,
    kViewFormats = 32793,
    kViewInputs = 32771,
    kViewEqualizer = 32792,
    kViewOutputs = 32819,
    kHelp = 32881,
    kChecklist = 32882,
    kUnlockDiagnostics = 32790,
    kAbout = 32769,
};

struct LanguageItem {
    int id;
    int code;
    const char* name;
};
constexpr std::array<LanguageItem, 6> kLanguages{{
    {32875, 9, QT_TRANSLATE_NOOP("CMainFrame", "&English")},
    {32876, 10, QT_TRANSLATE_NOOP("CMainFrame", "&Spanish")},
    {32877, 16, QT_TRANSLATE_NOOP("CMainFrame", "&Italian")},
    {32878, 12, QT_TRANSLATE_NOOP("CMainFrame", "&French")},
    {32879, 7, QT_TRANSLATE_NOOP("CMainFrame", "&German")},
    {32880, 4, QT_TRANSLATE_NOOP("CMainFrame", "&Chinese")},
}};

// The tab pages in their order on the tab strip, with their View command (0: none) and icon.
struct PageItem {
    int viewId;
    const char* icon;
};
constexpr std::array<PageItem, CMainFrame::kPageCount> kPageItems{{
    {kViewProfile, "tab-profile"},
    {kViewFormats, "tab-formats"},
    {kViewInputs, "tab-inputs"},
    {kViewEqualizer, "tab-equalizer"},
    {kViewOutputs, "tab-outputs"},
    {0, "tab-diagnostics"},
    {0, "tab-diagnostics"},
    {0, "tab-diagnostics"},
}};

constexpr const char* kDiagnosticsPassword = "mivok";
constexpr int kPasswordTries = 3;

QIcon Icon(const char* name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

}  // namespace

const std::array<CMainFrame::FormatKey, 8>& CMainFrame::FormatKeys() {
    // F8 is labelled with format 8 but selects what the fifth button holds.
    static const std::array<FormatKey, 8> keys{{
        {32795, Qt::Key_F4, 0, 0},
        {32796, Qt::Key_F5, 1, 1},
        {32797, Qt::Key_F6, 2, 2},
        {32798, Qt::Key_F7, 3, 3},
        {32799, Qt::Key_F8, 8, 4},
        {32794, Qt::Key_F9, 4, 5},
        {32800, Qt::Key_F10, 5, 6},
        {32801, Qt::Key_F11, 6, 7},
    }};
    return keys;
}

CMainFrame::CMainFrame(IKVT80& engine, int languageCode, QWidget* parent)
    : CFlowFrame(parent),
      engine_(engine),
      bridge_(std::make_unique<frontend::EngineBridge>(engine)),
      companion_(std::make_unique<frontend::CompanionLink>()),
      languageCode_(languageCode) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(Icon("kvtexec"));
    flows_ = new frontend::ConnectionFlows(engine_, *bridge_, *this, this);
    connect(flows_, &frontend::ConnectionFlows::currentPathChanged, this, &CMainFrame::UpdateTitle);
    connect(flows_, &frontend::ConnectionFlows::flowFinished, this, &CMainFrame::UpdateMenus);
    connect(flows_, &frontend::ConnectionFlows::flowFinished, this, &CMainFrame::KeepVisitStart);
    connect(companion_.get(), &frontend::CompanionLink::channelChangeReceived, this,
            &CMainFrame::companionChannelChange);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreatePages();
    ConnectEngineEvents();

    // Wheel turns never reach a control: a scroll over a slider must not change the unit.
    qApp->installEventFilter(this);

    ShowConnectionState(false);
    UpdateTitle();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
}

QSize CMainFrame::FrameSizeForClient(QSize client) const {
    const int chrome = menuBar()->sizeHint().height() + toolBar_->sizeHint().height() +
                       statusBar()->sizeHint().height();
    // Never so narrow that the toolbar hides the fader's value behind its overflow button.
    return {std::max(client.width(), toolBar_->sizeHint().width()), client.height() + chrome};
}

// ---- Construction -------------------------------------------------------------------------------

QAction* CMainFrame::AddAction(QMenu* menu, int id, const QString& text, const QString& help,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(id));
    action->setStatusTip(help);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (menu != nullptr) {
        menu->addAction(action);
    }
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddAction(file, kNew, tr("&New"), tr("Creates a new configuration file"), QKeySequence::New)
        ->setIcon(Icon("new"));
    AddAction(file, kOpen, tr("&Open"), tr("Opens a configuration file and sends it to the unit"),
              QKeySequence::Open)
        ->setIcon(Icon("open"));
    AddAction(file, kSave, tr("&Save"), tr("Saves the configuration to its file"),
              QKeySequence::Save)
        ->setIcon(Icon("save"));
    AddAction(file, kSaveAs, tr("S&ave As..."),
              tr("Saves the configuration to a file of a new name"));
    AddAction(file, kSavePersonalityModule, tr("Save to &Personality Module"),
              tr("Copies the unit's configuration to its personality module"))
        ->setIcon(Icon("personality-module"));
    file->addSeparator();
    AddAction(file, kCopyEQ, tr("&Copy EQ Settings..."),
              tr("Copies one channel's equalizer settings to other channels"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))
        ->setIcon(Icon("copy-eq"));
    QAction* mute = AddAction(file, kSystemMute, tr("System &Mute"),
                              tr("Mutes or unmutes every output of the unit"),
                              QKeySequence(Qt::CTRL | Qt::Key_M));
    mute->setCheckable(true);
    mute->setIcon(Icon("mute-off"));
    AddAction(file, kHeadroomAdjustment, tr("&Headroom Adjustment..."),
              tr("Adjusts the headroom of the unit's inputs"));
    AddAction(file, kChannelConfiguration, tr("Channe&l Configuration..."),
              tr("Chooses the unit's channel configuration"));
    AddAction(file, kSetDateTime, tr("S&et Date/Time..."), tr("Sets the unit's clock"));
    file->addSeparator();
    AddAction(file, kCompareWithFile, tr("Compare &With File..."),
              tr("Lists the differences between the current configuration and a file"));
    AddAction(file, kServiceReport, tr("Service &Report..."),
              tr("Writes the report of this service visit as a PDF"));
    file->addSeparator();
    AddAction(file, kExit, tr("E&xit"), tr("Closes the program"),
              QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* communication = menuBar()->addMenu(tr("&Communication"));
    AddAction(communication, kCommunicationSettings, tr("Co&mmunication Settings..."),
              tr("Chooses the port or network address of the unit"))
        ->setIcon(Icon("comm-settings"));
    AddAction(communication, kConnect, tr("&Connect"),
              tr("Connects to the unit and reads its configuration"), QKeySequence(Qt::Key_F2))
        ->setIcon(Icon("connect"));
    AddAction(communication, kDisconnect, tr("&Disconnect"),
              tr("Stores the settings in the unit and disconnects"), QKeySequence(Qt::Key_F3))
        ->setIcon(Icon("disconnect"));

    QMenu* format = menuBar()->addMenu(tr("F&ormat"));
    formatGroup_ = new QActionGroup(this);
    formatGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const FormatKey& key : FormatKeys()) {
        QAction* action = AddAction(format, key.id, {}, {}, QKeySequence(key.key));
        action->setCheckable(true);
        formatGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] { SelectFormatKey(key); });
    }
    connect(format, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenus);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    AddAction(view, kViewProfile, tr("&Profile"), tr("Shows the Profile page"));
    AddAction(view, kViewFormats, tr("&Formats"), tr("Shows the Formats page"));
    AddAction(view, kViewInputs, tr("&Inputs"), tr("Shows the Inputs page"));
    AddAction(view, kViewEqualizer, tr("&Equalizer"), tr("Shows the Equalizer page"));
    AddAction(view, kViewOutputs, tr("&Outputs"), tr("Shows the Outputs page"));
    for (int page = 0; page < kPageCount; ++page) {
        if (QAction* item = Action(kPageItems[page].viewId)) {
            item->setCheckable(true);
            connect(item, &QAction::triggered, this,
                    [this, page] { ShowPage(static_cast<Page>(page)); });
        }
    }
    connect(view, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenus);

    QMenu* language = menuBar()->addMenu(tr("&Language"));
    for (const LanguageItem& item : kLanguages) {
        QAction* action =
            AddAction(language, item.id, QCoreApplication::translate("CMainFrame", item.name),
                      tr("Chooses the language of the program's texts"));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, item] { SelectLanguage(item.code); });
    }
    connect(language, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenus);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    AddAction(tools, kRoomEQ, tr("&Room EQ Assistant..."),
              tr("Measures each channel and sets its equalizer toward a target curve"));
    connect(Action(kRoomEQ), &QAction::triggered, this, &CMainFrame::ShowRoomEQ);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddAction(help, kHelp, tr("Help..."), tr("Opens the KVT-80 manual"));
    AddAction(help, kChecklist, tr("Installation Checklist..."),
              tr("Opens the installation checklist"));
    AddAction(help, kUnlockDiagnostics, tr("Unlock Diagnostics..."),
              tr("Unlocks the diagnostic pages (support personnel only)"))
        ->setCheckable(true);
    help->addSeparator();
    AddAction(help, kAbout, tr("&About..."), tr("Shows the program's version"))
        ->setIcon(Icon("about"));

    for (QMenu* menu : {file, communication}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenus);
    }

    // A field still being edited is written first: the toolbar and the keys do not take the
    // focus from it.
    connect(Action(kNew), &QAction::triggered, this, [this] {
        CommitPageEdits();
        flows_->New();
    });
    connect(Action(kOpen), &QAction::triggered, this, [this] {
        CommitPageEdits();
        flows_->Open();
    });
    connect(Action(kSave), &QAction::triggered, this, [this] {
        CommitPageEdits();
        if (!flows_->Busy()) {
            flows_->Save();
        }
    });
    connect(Action(kSaveAs), &QAction::triggered, this, [this] {
        CommitPageEdits();
        if (!flows_->Busy()) {
            flows_->SaveAs();
        }
    });
    connect(Action(kSavePersonalityModule), &QAction::triggered, this,
            [this] { flows_->SavePersonalityModule(); });
    connect(Action(kSystemMute), &QAction::triggered, this, &CMainFrame::ToggleSystemMute);
    connect(Action(kCopyEQ), &QAction::triggered, this, &CMainFrame::CopyEQ);
    connect(Action(kExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(kCommunicationSettings), &QAction::triggered, this,
            &CMainFrame::ShowCommunicationSettings);
    connect(Action(kConnect), &QAction::triggered, this, [this] { flows_->Connect(); });
    connect(Action(kDisconnect), &QAction::triggered, this, [this] {
        CommitPageEdits();
        flows_->Disconnect();
    });
    connect(Action(kHelp), &QAction::triggered, this,
            [this] { OpenHelpDocument(QStringLiteral("KVT-80 Manual.pdf")); });
    connect(Action(kChecklist), &QAction::triggered, this,
            [this] { OpenHelpDocument(QStringLiteral("KVT80Checklist.htm")); });
    connect(Action(kUnlockDiagnostics), &QAction::triggered, this, &CMainFrame::UnlockDiagnostics);
    connect(Action(kHeadroomAdjustment), &QAction::triggered, this,
            &CMainFrame::ShowHeadroomAdjustment);
    connect(Action(kChannelConfiguration), &QAction::triggered, this,
            &CMainFrame::ShowChannelConfiguration);
    connect(Action(kAbout), &QAction::triggered, this, &CMainFrame::ShowAbout);
    connect(Action(kSetDateTime), &QAction::triggered, this, &CMainFrame::ShowSetDateTime);
    connect(Action(kCompareWithFile), &QAction::triggered, this, &CMainFrame::CompareWithFile);
    connect(Action(kServiceReport), &QAction::triggered, this, &CMainFrame::ShowServiceReport);
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(32, 32));
    // The buttons sit edge to edge, so the fader and its value fit beside them at 755 pixels.
    toolBar_->layout()->setSpacing(0);
    for (int id : {kNew, kOpen, kSave, kSavePersonalityModule}) {
        toolBar_->addAction(Action(id));
    }
    toolBar_->addSeparator();
    toolBar_->addAction(Action(kCopyEQ));
    toolBar_->addSeparator();
    for (int id : {kCommunicationSettings, kConnect, kDisconnect}) {
        toolBar_->addAction(Action(id));
    }
    toolBar_->addSeparator();
    toolBar_->addAction(Action(kAbout));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(kSystemMute));
    for (QAction* action : toolBar_->actions()) {
        // The tooltip is the command's short name.
        action->setToolTip(action->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    }

    auto* spacer = new QWidget(toolBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);
    faderLabel_ = new QLabel(tr("Main Fader"), toolBar_);
    faderLabel_->setObjectName(QStringLiteral("faderLabel"));
    // A translation longer than the label's room takes two lines rather than pushing the value
    // display off the bar.
    constexpr int kFaderLabelWidth = 92;
    faderLabel_->setWordWrap(faderLabel_->fontMetrics().horizontalAdvance(faderLabel_->text()) >
                             kFaderLabelWidth);
    faderLabel_->setMaximumWidth(kFaderLabelWidth);
    faderLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    toolBar_->addWidget(faderLabel_);
    fader_ = new CMainFader(toolBar_);
    fader_->setFixedWidth(197);
    toolBar_->addWidget(fader_);
    faderValue_ = new CFaderValueDisplay(toolBar_);
    faderValue_->setObjectName(QStringLiteral("faderValue"));
    faderValue_->setFixedWidth(48);
    toolBar_->addWidget(faderValue_);
    connect(fader_, &CMainFader::levelDisplayed, faderValue_, &CFaderValueDisplay::SetPosition);
    connect(fader_, &CMainFader::levelWritten, this,
            [this](int level) { engine_.put_FaderLevel(level); });
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    formatPane_ = new QLabel(bar);
    formatPane_->setObjectName(QStringLiteral("formatPane"));
    formatPane_->setAlignment(Qt::AlignCenter);
    formatPane_->setMinimumWidth(120);
    formatPane_->setAutoFillBackground(true);
    formatPane_->setStyleSheet(QStringLiteral("QLabel { color: white; background: #0000ff; }"));
    bar->addPermanentWidget(formatPane_);
    connectionPane_ = new QLabel(bar);
    connectionPane_->setObjectName(QStringLiteral("connectionPane"));
    connectionPane_->setAlignment(Qt::AlignCenter);
    connectionPane_->setMinimumWidth(170);
    bar->addPermanentWidget(connectionPane_);
}

void CMainFrame::CreatePages() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setIconSize(QSize(16, 16));
    setCentralWidget(tabs_);

    zoomedAnalyser_ =
        new CDlgZoomedSLA(engine_, *bridge_, languageCode_, frontend::SettingsFolder(), this);

    profilePage_ = new CDlgProfileForm(engine_, tabs_);
    AddPage(kProfilePage, profilePage_, tr("Profile"));
    connect(this, &CMainFrame::refreshRequested, profilePage_, &CDlgProfileForm::Refresh);
    connect(this, &CMainFrame::diagnosticsUnlocked, profilePage_,
            &CDlgProfileForm::SetDiagnosticsUnlocked);

    auto* formats = new CDlgFormatsForm(engine_, *bridge_, tabs_);
    AddPage(kFormatsPage, formats, tr("Formats"));
    connect(this, &CMainFrame::refreshRequested, formats, &CDlgFormatsForm::Refresh);
    connect(this, &CMainFrame::selectFormat, formats, &CDlgFormatsForm::SelectFormat);
    connect(formats, &CDlgFormatsForm::faderRequested, this,
            [this](int level) { SetFader(level, true); });
    // Posted: the page goes on showing the format while the frame and the other pages follow.
    connect(formats, &CDlgFormatsForm::inputFormatChanged, this, &CMainFrame::OnInputFormatChanged,
            Qt::QueuedConnection);

    inputPage_ = new CDlgInputForm(engine_, *bridge_, languageCode_, tabs_);
    AddPage(kInputsPage, inputPage_, tr("Inputs"));
    connect(this, &CMainFrame::refreshRequested, inputPage_, &CDlgInputForm::Refresh);
    connect(this, &CMainFrame::inputFormatChanged, inputPage_,
            &CDlgInputForm::OnInputFormatChanged);
    connect(inputPage_, &CDlgInputForm::inputFormatChanged, this,
            &CMainFrame::OnInputFormatChanged);
    connect(inputPage_, &CDlgInputForm::selectFormat, this, &CMainFrame::selectFormat);
    connect(inputPage_, &CDlgInputForm::showZoomedRequested, this, &CMainFrame::ShowZoomedAnalyser);

    eqPage_ = new CDlgEQForm(engine_, *bridge_, tabs_);
    AddPage(kEqualizerPage, eqPage_, tr("Equalizer"));
    connect(this, &CMainFrame::refreshRequested, eqPage_, &CDlgEQForm::Refresh);
    connect(this, &CMainFrame::inputFormatChanged, eqPage_, &CDlgEQForm::ShowInputFormat);
    connect(this, &CMainFrame::companionChannelChange, eqPage_,
            &CDlgEQForm::SelectCompanionChannel);
    connect(this, &CMainFrame::syncChannelLevel, eqPage_, &CDlgEQForm::SyncChannelLevel);
    connect(this, &CMainFrame::channelConfigChanged, eqPage_, &CDlgEQForm::SetChannelConfig);
    connect(eqPage_, &CDlgEQForm::channelLevelMoved, this, &CMainFrame::syncChannelLevel);
    connect(eqPage_, &CDlgEQForm::channelChosen, companion_.get(),
            &frontend::CompanionLink::SendChannelChange);
    connect(eqPage_, &CDlgEQForm::formatChosen, this, [this](int format) {
        OnInputFormatChanged(format);
        emit selectFormat(format);
    });

    auto* outputs = new CDlgRoomLevels(engine_, *bridge_, tabs_);
    AddPage(kOutputsPage, outputs, tr("Outputs"));
    connect(this, &CMainFrame::refreshRequested, outputs, &CDlgRoomLevels::Refresh);
    connect(outputs, &CDlgRoomLevels::channelLevelMoved, this, &CMainFrame::syncChannelLevel);
    connect(this, &CMainFrame::syncChannelLevel, outputs, &CDlgRoomLevels::SyncChannelLevel);
    connect(this, &CMainFrame::channelConfigChanged, outputs,
            &CDlgRoomLevels::ChannelConfigChanged);
    connect(outputs, &CDlgRoomLevels::channelSelected, companion_.get(),
            &frontend::CompanionLink::SendChannelChange);

    auto* download = new CDlgDownloadPIC(engine_, *bridge_, tabs_);
    AddPage(kDownloadPage, download, tr("Download"));
    // A download opens and closes the port itself: the connection pane and the menus follow.
    connect(download, &CDlgDownloadPIC::connectionStatus, this,
            [this](int w, int) { flows_->SetDownloadRunning(w != 0); });

    auto* terminal = new CDlgTerminalForm(engine_, *bridge_, tabs_);
    AddPage(kTerminalPage, terminal, tr("Terminal"));
    connect(this, &CMainFrame::refreshRequested, terminal, &CDlgTerminalForm::Refresh);

    auto* eventLog = new CDlgEventLog(engine_, *bridge_, tabs_);
    AddPage(kEventLogPage, eventLog, tr("Event Log"));
    connect(this, &CMainFrame::refreshRequested, eventLog, &CDlgEventLog::Refresh);
    connect(eventLog, &CDlgEventLog::setDateTimeRequested, this, &CMainFrame::ShowSetDateTime);

    connect(tabs_, &QTabWidget::currentChanged, this, &CMainFrame::OnTabChanged);
}

void CMainFrame::AddPage(Page page, QWidget* widget, const QString& text) {
    pages_[page] = {widget, text};
    if (page < kDownloadPage) {
        InsertTab(page);
    } else {
        // Out of sight until the unlock gives it its tab.
        widget->hide();
    }
}

void CMainFrame::InsertTab(Page page) {
    // After every tab of a lower place that is on the strip.
    int index = 0;
    for (int earlier = 0; earlier < page; ++earlier) {
        if (pages_[earlier].widget != nullptr && tabs_->indexOf(pages_[earlier].widget) >= 0) {
            ++index;
        }
    }
    tabs_->insertTab(index, pages_[page].widget, Icon(kPageItems[page].icon), pages_[page].text);
}

QWidget* CMainFrame::PageWidget(Page page) const {
    return pages_[page].widget;
}

void CMainFrame::ShowPage(Page page) {
    QWidget* widget = pages_[page].widget;
    if (widget != nullptr && tabs_->indexOf(widget) >= 0) {
        tabs_->setCurrentWidget(widget);
    }
}

void CMainFrame::ConnectEngineEvents() {
    connect(bridge_.get(), &frontend::EngineBridge::mainFaderUpdated, this,
            [this](int) { RefreshFrame(); });
    connect(bridge_.get(), &frontend::EngineBridge::systemMuteChanged, this,
            [this](bool muted) { UpdateMuteButton(frontend::IsConnected(engine_), muted); });
    connect(bridge_.get(), &frontend::EngineBridge::aesEbuErrorTrigger, this, [this](bool error) {
        if (error) {
            ShowWarning(
                tr("The unit reports an error on its AES/EBU digital input.  Please check "
                   "the digital source and its cable."));
        }
    });
    connect(bridge_.get(), &frontend::EngineBridge::inputFormatChanged, this,
            &CMainFrame::OnInputFormatChanged);
    connect(bridge_.get(), &frontend::EngineBridge::signalGenState, this, [this](int, int) {
        UpdateFormatPane(frontend::IntProperty(engine_, &IKVT80::get_Mode));
    });
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

// ---- State of the frame -------------------------------------------------------------------------

// While the room EQ assistant measures, stores or puts the analyser back, the unit is in use: the
// commands that would close the connection, replace the configuration under it or talk to the unit
// themselves wait until it ends.
void CMainFrame::EnableConnectionCommands(bool connected) {
    const bool assistant = RoomEQBusy();
    Action(kNew)->setEnabled(!assistant);
    Action(kOpen)->setEnabled(!assistant);
    Action(kCommunicationSettings)->setEnabled(!connected && !assistant);
    Action(kConnect)->setEnabled(!connected && !assistant);
    Action(kDisconnect)->setEnabled(connected && !assistant);
    Action(kSavePersonalityModule)->setEnabled(connected && !assistant);
    Action(kSystemMute)->setEnabled(connected);
    Action(kSetDateTime)->setEnabled(connected && !assistant);
    Action(kRoomEQ)->setEnabled(connected);
    // The report's Verify and log read would hold the unit's link in the middle of a measurement.
    Action(kServiceReport)->setEnabled(!assistant);
}

bool CMainFrame::RoomEQBusy() const {
    return roomEQ_ != nullptr && roomEQ_->Busy();
}

void CMainFrame::ShowUnitMute(bool connected) {
    UpdateMuteButton(connected, frontend::IsTrueProperty(engine_, &IKVT80::get_SystemMute));
}

void CMainFrame::ShowConnectionState(bool connected) {
    EnableConnectionCommands(connected);
    faderLabel_->setEnabled(connected);
    fader_->setEnabled(connected);
    faderValue_->setEnabled(connected);
    connectionPane_->setText(connected ? tr("Connected") : tr("Disconnected"));
    connectionPane_->setStyleSheet(
        connected ? QStringLiteral("QLabel { color: black; background: #00ff00; }")
                  : QStringLiteral("QLabel { color: #ffff00; background: #ff0000; }"));
    UpdateFormatPane(frontend::IntProperty(engine_, &IKVT80::get_Mode));
}

void CMainFrame::RefreshAll() {
    emit refreshRequested();
    RefreshFrame();
}

void CMainFrame::RefreshFrame() {
    const bool connected = frontend::IsConnected(engine_);
    int32_t level = 0;
    engine_.get_FaderLevel(&level);
    fader_->SetLevel(level, false);
    ShowUnitMute(connected);
    UpdateTitle();
}

void CMainFrame::UpdateMuteButton(bool connected, bool muted) {
    QAction* mute = Action(kSystemMute);
    const bool shown = connected && muted;
    mute->setChecked(shown);
    mute->setIcon(Icon(shown ? "mute-on" : "mute-off"));
}

void CMainFrame::UpdateTitle() {
    QString title = frontend::ProgramTitle();
    if (!flows_->CurrentPath().isEmpty()) {
        title += QStringLiteral(" - ") + flows_->DisplayName();
    }
    setWindowTitle(title);
}

int CMainFrame::GeneratorChannels() const {
    Variant channels;
    return engine_.get_GeneratorChannels(&channels) == status::Ok ? channels.Int32() : 0;
}

QString CMainFrame::FormatName(int format) const {
    std::u16string first;
    std::u16string second;
    engine_.get_FormatTxt1(Variant::Int(format), &first);
    engine_.get_FormatTxt2(Variant::Int(format), &second);
    return frontend::ToQString(first) + frontend::ToQString(second);
}

void CMainFrame::UpdateFormatPane(int format) {
    formatPane_->setText(GeneratorChannels() != 0 ? tr("GENERATOR") : FormatName(format));
}

void CMainFrame::OnInputFormatChanged(int format) {
    UpdateFormatPane(format);
    emit inputFormatChanged(format);
}

void CMainFrame::UpdateMenus() {
    const bool connected = frontend::IsConnected(engine_);
    EnableConnectionCommands(connected);

    const bool generator = GeneratorChannels() != 0;
    const int mode = frontend::IntProperty(engine_, &IKVT80::get_Mode);
    for (const FormatKey& key : FormatKeys()) {
        QAction* action = Action(key.id);
        const QString name = FormatName(key.shownFormat);
        const QString shown =
            name.trimmed().isEmpty() ? tr("Format %1").arg(key.shownFormat + 1) : name;
        action->setText(shown);
        action->setStatusTip(tr("Selects the %1 format").arg(shown.trimmed()));
        action->setEnabled(!generator);
        action->setChecked(key.shownFormat == mode);
    }

    for (int page = 0; page < kPageCount; ++page) {
        if (QAction* item = Action(kPageItems[page].viewId)) {
            item->setEnabled(pages_[page].widget != nullptr);
            item->setChecked(pages_[page].widget != nullptr &&
                             tabs_->currentWidget() == pages_[page].widget);
        }
    }
    for (const LanguageItem& item : kLanguages) {
        Action(item.id)->setChecked(item.code == languageCode_);
    }
    Action(kCopyEQ)->setEnabled(eqPage_ != nullptr);
    ShowUnitMute(connected);
}

// ---- Commands -----------------------------------------------------------------------------------

void CMainFrame::CommitPageEdits() {
    profilePage_->CommitEdits();
}

void CMainFrame::ToggleSystemMute() {
    const bool muted = frontend::IsTrueProperty(engine_, &IKVT80::get_SystemMute);
    engine_.put_SystemMute(Variant::Bool(!muted));
    UpdateMuteButton(true, !muted);
}

// The channel shown on the Equalizer page is offered as the source; the pages show the copy.
void CMainFrame::CopyEQ() {
    if (eqPage_ == nullptr || flows_->Busy()) {
        return;
    }
    CDlgCopyEQ dialog(engine_, eqPage_->SelectedChannel(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    dialog.Apply(engine_);
    RefreshAll();
}

void CMainFrame::SelectFormatKey(const FormatKey& key) {
    int32_t format = 0;
    if (engine_.get_ButtonFormat(Variant::Int(key.button), &format) != status::Ok) {
        return;
    }
    engine_.put_Mode(Variant::Int(format));
    emit selectFormat(format);
    UpdateFormatPane(format);
    UpdateMenus();
}

void CMainFrame::SetFader(int position, bool write) {
    fader_->SetLevel(position, write);
}

void CMainFrame::SelectLanguage(int code) {
    languageCode_ = code;
    languageChanged_ = true;
    UpdateMenus();
    ShowInformation(tr("The language change will take effect when the program restarts."));
}

void CMainFrame::OpenHelpDocument(const QString& fileName) {
    // Installed beside the program, or in the shared documents folder of an installation.
    const QDir programFolder(QApplication::applicationDirPath());
    const QStringList candidates = {
        programFolder.filePath(fileName),
        programFolder.filePath(QStringLiteral("../share/doc/kvt80/") + fileName),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath()));
            return;
        }
    }
    ShowInformation(tr("The document \"%1\" is not installed.  It belongs in the program's "
                       "folder (%2).")
                        .arg(fileName, QDir::toNativeSeparators(programFolder.absolutePath())));
}

void CMainFrame::ShowAbout() {
    CDlgSplash about(CDlgSplash::Mode::About, this);
    about.exec();
}

// The room EQ assistant works beside the frame; a second request shows the open wizard.
CDlgRoomEQ* CMainFrame::ShowRoomEQ() {
    if (roomEQ_ == nullptr) {
        roomEQ_ = new CDlgRoomEQ(engine_, this);
        roomEQ_->setAttribute(Qt::WA_DeleteOnClose);
        connect(roomEQ_, &CDlgRoomEQ::busyChanged, this, [this] { UpdateMenus(); });
    }
    roomEQ_->show();
    roomEQ_->raise();
    roomEQ_->activateWindow();
    return roomEQ_;
}

void CMainFrame::ShowSetDateTime() {
    CDlgSetDateTime dialog(engine_, this);
    dialog.exec();
}

void CMainFrame::KeepVisitStart() {
    // The configuration as the connection found it, for the service report's list of changes;
    // it stays after the disconnect, when the report is usually written.
    const bool connected = frontend::IsConnected(engine_);
    VariantBool initialized = 0;
    if (connected && !visitConnected_ && engine_.get_Initialized(&initialized) == status::Ok &&
        initialized == VARIANT_TRUE) {
        visitStart_ = report::EngineImage(engine_);
        visitConnected_ = true;
    } else if (!connected) {
        visitConnected_ = false;
    }
}

void CMainFrame::CompareWithFile() {
    QFileDialog dialog(this, tr("Compare With File"), QString(),
                       tr("KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All "
                          "Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    CDlgCompareFile comparison(engine_, dialog.selectedFiles().constFirst(), this);
    comparison.exec();
}

void CMainFrame::ShowServiceReport() {
    CDlgServiceReport dialog(engine_, visitStart_, this);
    // The report reads the unit's log through the engine, which raises the entries to the Event
    // Log page too: the page leaves them to the report. Queued, so that entries of the page's own
    // dump raised before the report asks are still the page's.
    auto* eventLog = qobject_cast<CDlgEventLog*>(PageWidget(kEventLogPage));
    if (eventLog != nullptr) {
        connect(&dialog, &CDlgServiceReport::reportStarted, eventLog,
                &CDlgEventLog::SetReportReadingLog, Qt::QueuedConnection);
        connect(&dialog, &CDlgServiceReport::reportFinished, eventLog,
                [eventLog] { eventLog->SetReportReadingLog(false); });
    }
    dialog.exec();
    if (eventLog != nullptr) {
        eventLog->SetReportReadingLog(false);
    }
}

void CMainFrame::ShowCommunicationSettings() {
    frontend::RemoteAddressStore addresses(frontend::SettingsFolder());
    CDlgConfigComm dialog(engine_, addresses, this);
    dialog.exec();
}

void CMainFrame::ShowZoomedAnalyser() {
    zoomedAnalyser_->show();
    zoomedAnalyser_->raise();
    zoomedAnalyser_->activateWindow();
}

// The dialogs of the File menu belong to the window in front (the zoomed analyser may be).
void CMainFrame::ShowHeadroomAdjustment() {
    QWidget* front = QApplication::activeWindow();
    CDlgHeadroomAdjust dialog(engine_, front != nullptr ? front : this);
    dialog.exec();
}

void CMainFrame::ShowChannelConfiguration() {
    QWidget* front = QApplication::activeWindow();
    CDlgInputConfiguration dialog(engine_, front != nullptr ? front : this);
    connect(&dialog, &CDlgInputConfiguration::channelConfigChanged, this,
            &CMainFrame::channelConfigChanged);
    dialog.exec();
}

void CMainFrame::OnTabChanged(int) {
    // The unit reports input levels while the Inputs page is the one shown.
    const bool inputs = pages_[kInputsPage].widget != nullptr &&
                        tabs_->currentWidget() == pages_[kInputsPage].widget;
    engine_.put_InputMonitoring(Variant::Bool(inputs));
    UpdateMenus();
}

void CMainFrame::UnlockDiagnostics() {
    bool unlocked = diagnosticsUnlocked_;
    for (int tries = 0; !unlocked && tries < kPasswordTries; ++tries) {
        const auto password = AskPassword();
        if (!password) {
            break;
        }
        unlocked = *password == QLatin1String(kDiagnosticsPassword);
    }
    QAction* item = Action(kUnlockDiagnostics);
    if (unlocked && !diagnosticsUnlocked_) {
        diagnosticsUnlocked_ = true;
        item->setChecked(true);
        item->setEnabled(false);
        for (Page page : {kDownloadPage, kTerminalPage, kEventLogPage}) {
            if (pages_[page].widget != nullptr) {
                InsertTab(page);
            }
        }
    } else {
        item->setChecked(diagnosticsUnlocked_);
    }
    emit diagnosticsUnlocked(diagnosticsUnlocked_);
}

void CMainFrame::OfferCompanionLink() {
    if (!companion_->CompanionRunning()) {
        return;
    }
    if (AskYesNo(tr("PLW680 software is currently running.  Would you like to link the operation "
                    "to the KVT software?"))) {
        companion_->OfferLink();
    }
}

// ---- Window events ------------------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (destroying_) {
        event->accept();
        return;
    }
    // The flows decide; the window goes when the close flow has cleaned the engine up.
    event->ignore();
    if (RoomEQBusy()) {
        ShowInformation(
            tr("The room EQ assistant is still working with the unit.  Cancel it in "
               "its window, or let it finish, before closing the program."));
        return;
    }
    CommitPageEdits();
    flows_->Close();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !ScrollsByWheel(watched)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::ScrollsByWheel(const QObject* target) {
    // A list or a text view only scrolls (the terminal's console, the event log): the wheel may
    // move it, over its contents or its scroll bar.
    if (qobject_cast<const QScrollBar*>(target) != nullptr) {
        return true;
    }
    const auto* area =
        target != nullptr ? qobject_cast<const QAbstractScrollArea*>(target->parent()) : nullptr;
    return area != nullptr && area->viewport() == target;
}

// ---- FlowView -----------------------------------------------------------------------------------

frontend::DisconnectChoice CMainFrame::AskDisconnect() {
    if (answerAutomatically_) {
        return {frontend::DisconnectAnswer::Yes, false};
    }
    CDlgDisconnectPrompt prompt(this);
    const int result = prompt.exec();
    frontend::DisconnectChoice choice;
    choice.savePersonalityModule = prompt.SavePersonalityModule();
    if (result == CDlgDisconnectPrompt::kYes) {
        choice.answer = frontend::DisconnectAnswer::Yes;
    } else if (result == CDlgDisconnectPrompt::kDoNotSave) {
        choice.answer = frontend::DisconnectAnswer::DoNotSave;
    }
    return choice;
}

std::optional<QString> CMainFrame::AskSaveFileName(const QString& startFolder) {
    QFileDialog dialog(this, tr("Save As"), startFolder, tr("KVT Configuration Files (*.kvt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kvt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> CMainFrame::AskOpenFileName(const QString& startFolder) {
    CDlgConfigPreview dialog(engine_, startFolder, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.SelectedFile();
}

void CMainFrame::ShowInformation(const QString& text) {
    QMessageBox::information(this, frontend::ProgramTitle(), text);
}

std::optional<QString> CMainFrame::AskPassword() {
    CDlgPassword dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Password();
}

QString CMainFrame::Caption() const {
    return frontend::ProgramTitle();
}

void CMainFrame::ShowStatus(StatusDialog dialog, const QString& title) {
    CDlgProgressStatus* shown = statusDialogs_.Find(dialog);
    if (shown == nullptr) {
        switch (dialog) {
            case StatusDialog::Connection:
                shown = new CDlgConnectionStatus(this);
                break;
            case StatusDialog::Save:
                shown = new CDlgSaveStatus(this);
                break;
            case StatusDialog::Upload:
                shown = new CDlgUploadStatus(this);
                break;
            case StatusDialog::PersonalityModule:
                shown = new CDlgSaveMMCStatus(this);
                break;
        }
        shown->setAttribute(Qt::WA_DeleteOnClose);
        // Closed by the user (and confirmed): the frame is usable again, the flow goes on.
        connect(shown, &CDlgProgressStatus::cancelledByUser, this,
                [this] { SetFrameEnabled(true); });
        statusDialogs_.Add(dialog, shown);
    }
    if (!title.isEmpty()) {
        shown->setWindowTitle(title);
    }
    SetFrameEnabled(false);
    shown->show();
    shown->raise();
}

void CMainFrame::CloseStatus(StatusDialog dialog) {
    SetFrameEnabled(true);
    if (CDlgProgressStatus* shown = statusDialogs_.Take(dialog)) {
        shown->CloseQuietly();
    }
}

bool CMainFrame::StatusShown(StatusDialog dialog) const {
    return statusDialogs_.Find(dialog) != nullptr;
}

void CMainFrame::UpdateStatus(StatusDialog dialog, const QString& text, int position, int end) {
    if (CDlgProgressStatus* shown = statusDialogs_.Find(dialog)) {
        shown->SetProgress(text, position, end);
    }
}

void CMainFrame::SetFrameEnabled(bool enabled) {
    // The dialogs are the frame's children: disable what is inside the frame, not the dialogs.
    menuBar()->setEnabled(enabled);
    toolBar_->setEnabled(enabled);
    tabs_->setEnabled(enabled);
}

void CMainFrame::DestroyAll() {
    companion_->Terminate();
    destroying_ = true;
    statusDialogs_.CloseAllQuietly();
    close();
    QApplication::quit();
}

}  // namespace kvt::laptop
