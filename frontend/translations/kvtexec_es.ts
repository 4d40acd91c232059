<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;English</source>
        <translation>&amp;Inglés</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Español</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>I&amp;taliano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francés</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Alemán</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>&amp;Chino</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The demonstration unit could not be started: %1</source>
        <translation>No se pudo iniciar la unidad de demostración: %1</translation>
    </message>
    <message>
        <source>The KVT-80 engine could not be started (status %1). Please reinstall the program.</source>
        <translation>No se pudo iniciar el motor del KVT-80 (estado %1). Vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>KVT-80 Laptop Interface Software</source>
        <translation>Software de interfaz para portátil KVT-80</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CCtlRTA</name>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Sum + Diff</source>
        <translation>Suma + Dif.</translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>Izq. + Der.</translation>
    </message>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analizador en tiempo real</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>10 dB/div</source>
        <translation>10 dB/div</translation>
    </message>
    <message>
        <source>5 dB/div</source>
        <translation>5 dB/div</translation>
    </message>
    <message>
        <source>2 dB/div</source>
        <translation>2 dB/div</translation>
    </message>
    <message>
        <source>1 dB/div</source>
        <translation>1 dB/div</translation>
    </message>
    <message>
        <source>X-Curve</source>
        <translation>Curva X</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Diff</source>
        <translation>Suma &amp;&amp; Dif.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::ConnectionFlows</name>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Saving Preamp Parameters...</source>
        <translation>Guardando parámetros del preamplificador...</translation>
    </message>
    <message>
        <source>Saving EQ Parameters...</source>
        <translation>Guardando parámetros de EQ...</translation>
    </message>
    <message>
        <source>Retrieving Preamp Parameters...</source>
        <translation>Leyendo parámetros del preamplificador...</translation>
    </message>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Leyendo parámetros de EQ...</translation>
    </message>
    <message>
        <source>Retrieving Front Panel Parameters...</source>
        <translation>Leyendo parámetros del panel frontal...</translation>
    </message>
    <message>
        <source>Retrieving Profile Information...</source>
        <translation>Leyendo información del perfil...</translation>
    </message>
    <message>
        <source>Waiting to upload...</source>
        <translation>Esperando para transferir...</translation>
    </message>
    <message>
        <source>Uploading unit parameters, please wait...</source>
        <translation>Transfiriendo los parámetros a la unidad, espere...</translation>
    </message>
    <message>
        <source>Initializing Personality Module, please wait a few moments...</source>
        <translation>Inicializando el módulo de personalidad, espere unos momentos...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Guardando en el módulo de personalidad, espere unos momentos...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Data verification has failed.  Please upload and save your data file again.  (%1)</source>
        <translation>Error en la verificación de datos.  Vuelva a transferir y guardar el archivo de datos.  (%1)</translation>
    </message>
    <message>
        <source>Failed to communicate with a KVT unit.  Please verify that your KVT unit is powered on and that your communication settings and cabling are correct.</source>
        <translation>No se pudo establecer comunicación con una unidad KVT.  Compruebe que la unidad KVT esté encendida y que la configuración de comunicación y el cableado sean correctos.</translation>
    </message>
    <message>
        <source>Failed to save DSP parameters due to an internal error.</source>
        <translation>No se pudieron guardar los parámetros del DSP debido a un error interno.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>No se pudo conectar con la dirección remota.  Compruebe la configuración de comunicación e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>No se pudo abrir el puerto de comunicaciones (%1).  Compruebe la configuración e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Saving to the Personality Module did not finish.  The unit stays connected; check the module and the connection, then disconnect again.</source>
        <translation>No se completó el guardado en el módulo de personalidad.  La unidad sigue conectada; compruebe el módulo y la conexión y vuelva a desconectar.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current KVT-80 unit configuration.  Do you want to perform this operation?</source>
        <translation>Esta operación sobrescribirá la configuración actual de la unidad KVT-80.  ¿Desea realizar esta operación?</translation>
    </message>
    <message>
        <source>Failed to create the specified parameter file.  The file may be in use by another application.</source>
        <translation>No se pudo crear el archivo de parámetros especificado.  Es posible que otra aplicación esté usando el archivo.</translation>
    </message>
    <message>
        <source>Failed to load the specified parameter file.  The file may not be a valid parameter file or might be corrupted.</source>
        <translation>No se pudo cargar el archivo de parámetros especificado.  Puede que no sea un archivo de parámetros válido o que esté dañado.</translation>
    </message>
    <message>
        <source>Failed to save to the specified parameter file.  The file may be in use by another application.</source>
        <translation>No se pudo guardar en el archivo de parámetros especificado.  Es posible que otra aplicación esté usando el archivo.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current data stored on the Personality Module.  Do you want to perform this operation?</source>
        <translation>Esta operación sobrescribirá los datos guardados actualmente en el módulo de personalidad.  ¿Desea realizar esta operación?</translation>
    </message>
    <message>
        <source>Personality module initialization failed.  Please verify that media is present and writeable.</source>
        <translation>Error al inicializar el módulo de personalidad.  Compruebe que haya un soporte insertado y que admita escritura.</translation>
    </message>
    <message>
        <source>Communication with the KVT unit has been lost.  If the unit was powered off without disconnecting your recent settings have been lost.</source>
        <translation>Se ha perdido la comunicación con la unidad KVT.  Si la unidad se apagó sin desconectarla antes, se han perdido los ajustes recientes.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigComm</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configurar comunicaciones</translation>
    </message>
    <message>
        <source>&amp;Communications Port:</source>
        <translation>&amp;Puerto de comunicaciones:</translation>
    </message>
    <message>
        <source>Remote addresses</source>
        <translation>Direcciones remotas</translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation>Insertar...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>Modificar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigPreview</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Archivos de configuración KVT (*.kvt)</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Nombre del proyecto:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nombre del cine:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Número de sala:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConnectionStatus</name>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Connecting to KVT unit, please wait a few moments...</source>
        <translation>Conectando con la unidad KVT, espere unos momentos...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDisconnectPrompt</name>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>¿Desconectar y guardar los cambios en el KVT-80?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Guardar en el módulo de personalidad</translation>
    </message>
    <message>
        <source>Do Not Save Settings</source>
        <translation>No guardar ajustes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgHeadroomAdjust</name>
    <message>
        <source>Headroom Adjustment</source>
        <translation>Ajuste de margen</translation>
    </message>
    <message>
        <source>26 db of Headroom (THX)</source>
        <translation>26 dB de margen (THX)</translation>
    </message>
    <message>
        <source>29 db of Headroom</source>
        <translation>29 dB de margen</translation>
    </message>
    <message>
        <source>32 db of Headroom</source>
        <translation>32 dB de margen</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgIPAddress</name>
    <message>
        <source>Insert/Modify IP Address</source>
        <translation>Insertar/modificar dirección IP</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputConfiguration</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Configuración de canales</translation>
    </message>
    <message>
        <source>Back Surround Channels</source>
        <translation>Canales envolventes traseros</translation>
    </message>
    <message>
        <source>Stage Channels</source>
        <translation>Canales de escenario</translation>
    </message>
    <message>
        <source>Center/Mono Surround</source>
        <translation>Central/envolvente mono</translation>
    </message>
    <message>
        <source>LCR/Mono Surround</source>
        <translation>LCR/envolvente mono</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The unit cannot use the channel configuration &quot;%1&quot;.  Its configuration is unchanged.</source>
        <translation>La unidad no puede usar la configuración de canales &quot;%1&quot;.  Su configuración no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputForm</name>
    <message>
        <source>Left
Gain</source>
        <translation>Ganancia
izq.</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Ganancia
der.</translation>
    </message>
    <message>
        <source>Slit EQ</source>
        <translation>EQ de rendija</translation>
    </message>
    <message>
        <source>KHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Retardo
envolv.</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Surround
Gain</source>
        <translation>Ganancia
envolv.</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Ganancia
sub</translation>
    </message>
    <message>
        <source>Sub
Freq.</source>
        <translation>Frec.
sub</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>MONO</source>
        <translation>MONO</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>ESTÉREO</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>Para SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1 (analógica)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2 (digital)</translation>
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
        <source>Input Format</source>
        <translation>Formato de entrada</translation>
    </message>
    <message>
        <source>Projector 1</source>
        <translation>Proyector 1</translation>
    </message>
    <message>
        <source>Projector 2</source>
        <translation>Proyector 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Levels and Matrix</source>
        <translation>Niveles y matriz</translation>
    </message>
    <message>
        <source>Input Levels</source>
        <translation>Niveles de entrada</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Ganancia</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Óptica</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgPassword</name>
    <message>
        <source>Password Required</source>
        <translation>Contraseña requerida</translation>
    </message>
    <message>
        <source>A password is required to access the diagnostic features.  These features should only be accessed if instructed by RDM support personel.</source>
        <translation>Se requiere una contraseña para acceder a las funciones de diagnóstico.  Solo debe acceder a estas funciones si se lo indica el personal de asistencia técnica de RDM.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProfileForm</name>
    <message>
        <source>Digital Player 1:</source>
        <translation>Reproductor digital 1:</translation>
    </message>
    <message>
        <source>Digital Player 2:</source>
        <translation>Reproductor digital 2:</translation>
    </message>
    <message>
        <source>Theater Number:</source>
        <translation>Número de cine:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nombre del cine:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Número de sala:</translation>
    </message>
    <message>
        <source>Projector Model Number:</source>
        <translation>Modelo del proyector:</translation>
    </message>
    <message>
        <source>Automation System:</source>
        <translation>Sistema de automatización:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>KVT Serial Number:</source>
        <translation>Número de serie del KVT:</translation>
    </message>
    <message>
        <source>Theater Information</source>
        <translation>Información del cine</translation>
    </message>
    <message>
        <source>Component Information</source>
        <translation>Información de componentes</translation>
    </message>
    <message>
        <source>PIC Firmware Version:</source>
        <translation>Firmware PIC:</translation>
    </message>
    <message>
        <source>Matrix Firmware Version:</source>
        <translation>Firmware de matriz:</translation>
    </message>
    <message>
        <source>NR Firmware Version:</source>
        <translation>Firmware NR:</translation>
    </message>
    <message>
        <source>EQ Firmware Version:</source>
        <translation>Firmware EQ:</translation>
    </message>
    <message>
        <source>KVT Exec Version:</source>
        <translation>Versión de KVT Exec:</translation>
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
        <translation>¿Seguro que desea cancelar esta acción?</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveMMCStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Guardando en el módulo de personalidad, espere unos momentos...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Saving, please wait a few moments...</source>
        <translation>Guardando, espere unos momentos...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSplash</name>
    <message>
        <source>About KVT-80 Laptop Interface Software</source>
        <translation>Acerca del software de interfaz para portátil KVT-80</translation>
    </message>
    <message>
        <source>KVT-80 Laptop Interface Software
Version: %1</source>
        <translation>Software de interfaz para portátil KVT-80
Versión: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgUploadStatus</name>
    <message>
        <source>Uploading...</source>
        <translation>Transfiriendo...</translation>
    </message>
    <message>
        <source>Uploading, please wait a few moments...</source>
        <translation>Transfiriendo, espere unos momentos...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgZoomedSLA</name>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analizador en tiempo real</translation>
    </message>
    <message>
        <source>X-Curve Adjust</source>
        <translation>Ajuste de curva X</translation>
    </message>
    <message>
        <source>Unlock the X-curve adjustment</source>
        <translation>Desbloquear el ajuste de la curva X</translation>
    </message>
    <message>
        <source>Lock the X-curve adjustment</source>
        <translation>Bloquear el ajuste de la curva X</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFader</name>
    <message>
        <source>Main Fader</source>
        <translation>Fader principal</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Creates a new configuration file</source>
        <translation>Crea un archivo de configuración nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Opens a configuration file and sends it to the unit</source>
        <translation>Abre un archivo de configuración y lo envía a la unidad</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Saves the configuration to its file</source>
        <translation>Guarda la configuración en su archivo</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Saves the configuration to a file of a new name</source>
        <translation>Guarda la configuración en un archivo con otro nombre</translation>
    </message>
    <message>
        <source>Save to &amp;Personality Module</source>
        <translation>Guardar en módulo de &amp;personalidad</translation>
    </message>
    <message>
        <source>Copies the unit&apos;s configuration to its personality module</source>
        <translation>Copia la configuración de la unidad en su módulo de personalidad</translation>
    </message>
    <message>
        <source>System &amp;Mute</source>
        <translation>S&amp;ilenciar sistema</translation>
    </message>
    <message>
        <source>Mutes or unmutes every output of the unit</source>
        <translation>Silencia o reactiva todas las salidas de la unidad</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Comunicación</translation>
    </message>
    <message>
        <source>Co&amp;mmunication Settings...</source>
        <translation>Con&amp;figuración de comunicación...</translation>
    </message>
    <message>
        <source>Chooses the port or network address of the unit</source>
        <translation>Elige el puerto o la dirección de red de la unidad</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>Connects to the unit and reads its configuration</source>
        <translation>Se conecta a la unidad y lee su configuración</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>Stores the settings in the unit and disconnects</source>
        <translation>Almacena los ajustes en la unidad y se desconecta</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Perfil</translation>
    </message>
    <message>
        <source>Shows the Profile page</source>
        <translation>Muestra la página Perfil</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Chooses the language of the program&apos;s texts</source>
        <translation>Elige el idioma de los textos del programa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Ayuda...</translation>
    </message>
    <message>
        <source>Opens the KVT-80 manual</source>
        <translation>Abre el manual del KVT-80</translation>
    </message>
    <message>
        <source>Installation Checklist...</source>
        <translation>Lista de comprobación de la instalación...</translation>
    </message>
    <message>
        <source>Opens the installation checklist</source>
        <translation>Abre la lista de comprobación de la instalación</translation>
    </message>
    <message>
        <source>Unlock Diagnostics...</source>
        <translation>Desbloquear diagnóstico...</translation>
    </message>
    <message>
        <source>Unlocks the diagnostic pages (support personnel only)</source>
        <translation>Desbloquea las páginas de diagnóstico (solo personal de asistencia técnica)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>Muestra la versión del programa</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Main Fader</source>
        <translation>Fader principal</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>The unit reports an error on its AES/EBU digital input.  Please check the digital source and its cable.</source>
        <translation>La unidad indica un error en su entrada digital AES/EBU.  Compruebe la fuente digital y su cable.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>GENERADOR</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>Formato %1</translation>
    </message>
    <message>
        <source>Selects the %1 format</source>
        <translation>Selecciona el formato %1</translation>
    </message>
    <message>
        <source>The language change will take effect when the program restarts.</source>
        <translation>El cambio de idioma se aplicará cuando se reinicie el programa.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; is not installed.  It belongs in the program&apos;s folder (%2).</source>
        <translation>El documento «%1» no está instalado.  Debe encontrarse en la carpeta del programa (%2).</translation>
    </message>
    <message>
        <source>PLW680 software is currently running.  Would you like to link the operation to the KVT software?</source>
        <translation>El software PLW680 se está ejecutando.  ¿Desea vincular su funcionamiento con el software KVT?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Archivos de configuración KVT (*.kvt)</translation>
    </message>
    <message>
        <source>&amp;Copy EQ Settings...</source>
        <translation>Copiar ajustes de &amp;EQ...</translation>
    </message>
    <message>
        <source>Copies one channel&apos;s equalizer settings to other channels</source>
        <translation>Copia los ajustes del ecualizador de un canal a otros canales</translation>
    </message>
    <message>
        <source>&amp;Headroom Adjustment...</source>
        <translation>Ajuste de &amp;margen...</translation>
    </message>
    <message>
        <source>Adjusts the headroom of the unit&apos;s inputs</source>
        <translation>Ajusta el margen dinámico de las entradas de la unidad</translation>
    </message>
    <message>
        <source>Channe&amp;l Configuration...</source>
        <translation>Con&amp;figuración de canales...</translation>
    </message>
    <message>
        <source>Chooses the unit&apos;s channel configuration</source>
        <translation>Elige la configuración de canales de la unidad</translation>
    </message>
    <message>
        <source>S&amp;et Date/Time...</source>
        <translation>Ajustar fecha/&amp;hora...</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock</source>
        <translation>Ajusta el reloj de la unidad</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formatos</translation>
    </message>
    <message>
        <source>Shows the Formats page</source>
        <translation>Muestra la página Formatos</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>&amp;Entradas</translation>
    </message>
    <message>
        <source>Shows the Inputs page</source>
        <translation>Muestra la página Entradas</translation>
    </message>
    <message>
        <source>&amp;Equalizer</source>
        <translation>Ecuali&amp;zador</translation>
    </message>
    <message>
        <source>Shows the Equalizer page</source>
        <translation>Muestra la página Ecualizador</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Salidas</translation>
    </message>
    <message>
        <source>Shows the Outputs page</source>
        <translation>Muestra la página Salidas</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::ScreenshotTour</name>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Leyendo parámetros de EQ...</translation>
    </message>
</context>
</TS>
