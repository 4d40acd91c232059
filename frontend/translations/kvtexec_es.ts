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
    <name>DialogControls</name>
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
    <name>QDialog</name>
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
    <name>ServiceReport</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Técnico</translation>
    </message>
    <message>
        <source>Date and signature</source>
        <translation>Fecha y firma</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>not connected (the configuration is the engine&apos;s)</source>
        <translation>no conectado (la configuración es la del programa)</translation>
    </message>
    <message>
        <source>connected, configuration read</source>
        <translation>conectado, configuración leída</translation>
    </message>
    <message>
        <source>connected, configuration not read</source>
        <translation>conectado, configuración no leída</translation>
    </message>
    <message>
        <source>system muted</source>
        <translation>sistema silenciado</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>no silenciado</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>reproduciendo %1</translation>
    </message>
    <message>
        <source>fader %1</source>
        <translation>fader %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Unit clock</source>
        <translation>Reloj de la unidad</translation>
    </message>
    <message>
        <source>Controller firmware</source>
        <translation>Firmware del controlador</translation>
    </message>
    <message>
        <source>Processor controller</source>
        <translation>Controlador de procesadores</translation>
    </message>
    <message>
        <source>Output controller</source>
        <translation>Controlador de salidas</translation>
    </message>
    <message>
        <source>Matrix DSP</source>
        <translation>DSP de matriz</translation>
    </message>
    <message>
        <source>NR DSP A / B</source>
        <translation>DSP NR A / B</translation>
    </message>
    <message>
        <source>EQ DSP A / B</source>
        <translation>DSP EQ A / B</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Proyector</translation>
    </message>
    <message>
        <source>Automation system</source>
        <translation>Sistema de automatización</translation>
    </message>
    <message>
        <source>Digital player 1</source>
        <translation>Reproductor digital 1</translation>
    </message>
    <message>
        <source>Digital player 2</source>
        <translation>Reproductor digital 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>no verificado</translation>
    </message>
    <message>
        <source>Passed: the unit holds the configuration in this report (verification mask 0).</source>
        <translation>Correcto: la unidad contiene la configuración de este informe (máscara de verificación 0).</translation>
    </message>
    <message>
        <source>FAILED: the unit differs from the engine in: %1 (verification mask 0x%2). The configuration pages show the values read back from the unit.</source>
        <translation>FALLO: la unidad difiere del programa en: %1 (máscara de verificación 0x%2). Las páginas de configuración muestran los valores leídos de la unidad.</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>digital</translation>
    </message>
    <message>
        <source>slit EQ</source>
        <translation>EQ rendija</translation>
    </message>
    <message>
        <source>mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>matrix</source>
        <translation>matriz</translation>
    </message>
    <message>
        <source>mic inverted</source>
        <translation>micro invertido</translation>
    </message>
    <message>
        <source>Format table</source>
        <translation>Tabla de formatos</translation>
    </message>
    <message>
        <source>Formats in use</source>
        <translation>Formatos en uso</translation>
    </message>
    <message>
        <source>Power-on format</source>
        <translation>Formato al encender</translation>
    </message>
    <message>
        <source>Buttons (button: format)</source>
        <translation>Botones (botón: formato)</translation>
    </message>
    <message>
        <source>keep</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Cód.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Línea 2</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Fader</source>
        <translation>Fader</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Botón</translation>
    </message>
    <message>
        <source>Inputs and system settings</source>
        <translation>Entradas y ajustes del sistema</translation>
    </message>
    <message>
        <source>Projector 1 gain L / R</source>
        <translation>Ganancia proy. 1 L / R</translation>
    </message>
    <message>
        <source>Projector 2 gain L / R</source>
        <translation>Ganancia proy. 2 L / R</translation>
    </message>
    <message>
        <source>Aux gain L / R</source>
        <translation>Ganancia Aux L / R</translation>
    </message>
    <message>
        <source>Mic gain L / R</source>
        <translation>Ganancia micro L / R</translation>
    </message>
    <message>
        <source>Non-sync gain</source>
        <translation>Ganancia non-sync</translation>
    </message>
    <message>
        <source>Slit EQ P1 / P2</source>
        <translation>EQ de rendija P1 / P2</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>Surround gain</source>
        <translation>Ganancia surround</translation>
    </message>
    <message>
        <source>Surround delay</source>
        <translation>Retardo surround</translation>
    </message>
    <message>
        <source>Subwoofer gain</source>
        <translation>Ganancia subwoofer</translation>
    </message>
    <message>
        <source>Subwoofer crossover</source>
        <translation>Cruce del subwoofer</translation>
    </message>
    <message>
        <source>Sub parametric EQ</source>
        <translation>EQ paramétrico sub</translation>
    </message>
    <message>
        <source>Digital input delay</source>
        <translation>Retardo entrada digital</translation>
    </message>
    <message>
        <source>Digital surround delay</source>
        <translation>Retardo surround dig.</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Config. de canales</translation>
    </message>
    <message>
        <source>Digital fallback</source>
        <translation>Respaldo digital</translation>
    </message>
    <message>
        <source>Channels: equaliser curves</source>
        <translation>Canales: curvas de ecualización</translation>
    </message>
    <message>
        <source>The 27 third-octave band settings of each output channel (dB). Bass and treble shelves are given under each plot.</source>
        <translation>Los 27 ajustes de banda de tercio de octava de cada canal de salida (dB). Los filtros de graves y agudos se indican bajo cada gráfico.</translation>
    </message>
    <message>
        <source>Bass %1   Treble %2   Output %3</source>
        <translation>Graves %1   Agudos %2   Salida %3</translation>
    </message>
    <message>
        <source>Delay %1 ms   Mute %2   Invert %3</source>
        <translation>Retardo %1 ms   Silencio %2   Invertido %3</translation>
    </message>
    <message>
        <source>Output levels, delays, mute and invert</source>
        <translation>Niveles de salida, retardos, silencio e inversión</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Output level</source>
        <translation>Nivel de salida</translation>
    </message>
    <message>
        <source>Digital delay</source>
        <translation>Retardo digital</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Agudos</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>The event log was not read.</source>
        <translation>No se leyó el registro de eventos.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is empty.</source>
        <translation>El registro de eventos de la unidad está vacío.</translation>
    </message>
    <message>
        <source>The %1 most recent of %2 entries, oldest first.</source>
        <translation>Las %1 entradas más recientes de %2, la más antigua primero.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Changes during the visit</source>
        <translation>Cambios durante la visita</translation>
    </message>
    <message>
        <source>No configuration from the start of the visit was given, so the changes are not known.</source>
        <translation>No se indicó la configuración del inicio de la visita, por lo que no se conocen los cambios.</translation>
    </message>
    <message>
        <source>No changes: the configuration is the one the unit held when the visit began.</source>
        <translation>Sin cambios: la configuración es la que tenía la unidad al comenzar la visita.</translation>
    </message>
    <message>
        <source>%1 fields differ from the configuration at the start of the visit.</source>
        <translation>%1 campos difieren de la configuración al inicio de la visita.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Al inicio</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Room EQ assistant</source>
        <translation>Asistente de EQ de sala</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Not completed</source>
        <translation>No completado</translation>
    </message>
    <message>
        <source>dry run, nothing written</source>
        <translation>prueba, no se escribió nada</translation>
    </message>
    <message>
        <source>stored in the unit</source>
        <translation>guardado en la unidad</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>no guardado</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>curva objetivo %1</translation>
    </message>
    <message>
        <source>%1. Red: measured before; blue: %2; grey dashed: target (dB, third-octave bands).</source>
        <translation>%1. Rojo: medido antes; azul: %2; gris discontinuo: objetivo (dB, bandas de tercio de octava).</translation>
    </message>
    <message>
        <source>predicted after</source>
        <translation>previsto después</translation>
    </message>
    <message>
        <source>measured after</source>
        <translation>medido después</translation>
    </message>
    <message>
        <source>deviation %1 → %2 dB, %3</source>
        <translation>desviación %1 → %2 dB, %3</translation>
    </message>
    <message>
        <source>within tolerance</source>
        <translation>dentro de tolerancia</translation>
    </message>
    <message>
        <source>OUT OF TOLERANCE</source>
        <translation>FUERA DE TOLERANCIA</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround izquierdo</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround derecho</translation>
    </message>
    <message>
        <source>Left EX</source>
        <translation>EX izquierdo</translation>
    </message>
    <message>
        <source>Right EX</source>
        <translation>EX derecho</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Central izquierdo</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Central derecho</translation>
    </message>
    <message>
        <source>KVT-80 service report %1</source>
        <translation>Informe de servicio KVT-80 %1</translation>
    </message>
    <message>
        <source>screen %1</source>
        <translation>sala %1</translation>
    </message>
    <message>
        <source>KVT-80 service report · %1 · %2</source>
        <translation>Informe de servicio KVT-80 · %1 · %2</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>sin número de serie</translation>
    </message>
    <message>
        <source>KVT-80 Service Report</source>
        <translation>Informe de servicio KVT-80</translation>
    </message>
    <message>
        <source>Technician&apos;s notes</source>
        <translation>Notas del técnico</translation>
    </message>
    <message>
        <source>the verification cannot run through this engine</source>
        <translation>la verificación no puede ejecutarse con este motor</translation>
    </message>
    <message>
        <source>not verified: the unit is not connected</source>
        <translation>no verificado: la unidad no está conectada</translation>
    </message>
    <message>
        <source>not verified: changes were still being sent to the unit</source>
        <translation>no verificado: aún se estaban enviando cambios a la unidad</translation>
    </message>
    <message>
        <source>Verify was not run for this report</source>
        <translation>No se ejecutó la verificación para este informe</translation>
    </message>
    <message>
        <source>memory (formats, profile)</source>
        <translation>memoria (formatos, perfil)</translation>
    </message>
    <message>
        <source>preamp processors</source>
        <translation>procesadores del preamplificador</translation>
    </message>
    <message>
        <source>matrix processor</source>
        <translation>procesador de matriz</translation>
    </message>
    <message>
        <source>equaliser processors</source>
        <translation>procesadores de ecualización</translation>
    </message>
    <message>
        <source>output card</source>
        <translation>tarjeta de salida</translation>
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
    <name>kvt::frontend::CFlowFrame</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
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
    <name>kvt::handheld::CDlgAbout</name>
    <message>
        <source>About KVTExecCE</source>
        <translation>Acerca de KVTExecCE</translation>
    </message>
    <message>
        <source>KVTExecCE</source>
        <translation>KVTExecCE</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCommSettings</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configurar comunicaciones</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCopyEQ</name>
    <message>
        <source>Copy EQ</source>
        <translation>Copiar EQ</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copiar de</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copiar a</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copiar &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgDigitalDelays</name>
    <message>
        <source>Digital Delays</source>
        <translation>Retardos digitales</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Retardo de entrada</translation>
    </message>
    <message>
        <source>Surround Delay</source>
        <translation>Retardo surround</translation>
    </message>
    <message>
        <source>Digital input and surround delays apply to all digital enabled formats</source>
        <translation>Los retardos digitales de entrada y surround se aplican a todos los formatos digitales</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldFrame</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Óptico</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matriz</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Ecualizador</translation>
    </message>
    <message>
        <source>Format Setup</source>
        <translation>Ajuste de formato</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1 (Analog)</source>
        <translation>Ext 1 (Analógica)</translation>
    </message>
    <message>
        <source>Ext 2 (Digital)</source>
        <translation>Ext 2 (Digital)</translation>
    </message>
    <message>
        <source>Non-Sync</source>
        <translation>Non-Sync</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mic</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>¿Desconectar y guardar los cambios en el KVT-80?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Guardar en el módulo de personalidad</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Copy EQ Settings...</source>
        <translation>Copiar ajustes de EQ...</translation>
    </message>
    <message>
        <source>Headroom Configuration...</source>
        <translation>Configuración de headroom...</translation>
    </message>
    <message>
        <source>Input Configuration...</source>
        <translation>Configuración de entradas...</translation>
    </message>
    <message>
        <source>Digital Delays...</source>
        <translation>Retardos digitales...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>Com</translation>
    </message>
    <message>
        <source>Communication Settings...</source>
        <translation>Configuración de comunicaciones...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Archivos de configuración KVT (*.kvt)</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldRTA</name>
    <message>
        <source>Power Off</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Difference</source>
        <translation>Suma &amp;&amp; diferencia</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
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
        <translation>Nivel</translation>
    </message>
    <message>
        <source> Q</source>
        <translation> Q</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Agudos</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelFormatSetup</name>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1</source>
        <translation>Ext 1</translation>
    </message>
    <message>
        <source>Ext 2</source>
        <translation>Ext 2</translation>
    </message>
    <message>
        <source>NON/Sync</source>
        <translation>NO/Sinc</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mic</translation>
    </message>
    <message>
        <source>Last Selected</source>
        <translation>Último elegido</translation>
    </message>
    <message>
        <source>Power On Format</source>
        <translation>Formato al encender</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Nivel del
formato</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Activar preset</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Tipo de
entrada</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógica</translation>
    </message>
    <message>
        <source>SPDIF</source>
        <translation>SPDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canal del
micrófono</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Digital Delay</source>
        <translation>Retardo digital</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Respaldo digital</translation>
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
        <translation>Retardo
sur</translation>
    </message>
    <message>
        <source>Sur
Gain</source>
        <translation>Ganancia
sur</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Ganancia
sub</translation>
    </message>
    <message>
        <source>Sub
Freq</source>
        <translation>Frec
sub</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Ganancia</translation>
    </message>
    <message>
        <source>NSync</source>
        <translation>NSinc</translation>
    </message>
    <message>
        <source>Aux</source>
        <translation>Aux</translation>
    </message>
    <message>
        <source>Mic</source>
        <translation>Mic</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOptical</name>
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
        <source>Slit
EQ</source>
        <translation>EQ
rendija</translation>
    </message>
    <message>
        <source>Mono
EQ</source>
        <translation>EQ
mono</translation>
    </message>
    <message>
        <source>Projector %1</source>
        <translation>Proyector %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
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
        <translation>Rosa</translation>
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
        <translation>Silen.</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>Inv</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelProfile</name>
    <message>
        <source>Digital Player 1</source>
        <translation>Reproductor digital 1</translation>
    </message>
    <message>
        <source>Digital Player 2</source>
        <translation>Reproductor digital 2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Theater Name</source>
        <translation>Nombre del cine</translation>
    </message>
    <message>
        <source>Screen Number</source>
        <translation>Número de sala</translation>
    </message>
    <message>
        <source>Projector Model Number</source>
        <translation>Modelo de proyector</translation>
    </message>
    <message>
        <source>Automation System</source>
        <translation>Sistema de automatización</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgChangeFormatName</name>
    <message>
        <source>Change Format Name</source>
        <translation>Cambiar nombre del formato</translation>
    </message>
    <message>
        <source>Format Name:</source>
        <translation>Nombre del formato:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCompareFile</name>
    <message>
        <source>Compare With File</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The file %1 could not be compared: %2</source>
        <translation>No se pudo comparar el archivo %1: %2</translation>
    </message>
    <message>
        <source>Not taken from the file: %1</source>
        <translation>No tomado del archivo: %1</translation>
    </message>
    <message>
        <source>The engine&apos;s configuration and %1 are the same.</source>
        <translation>La configuración del programa y %1 son iguales.</translation>
    </message>
    <message>
        <source>Fields in which the engine&apos;s configuration differs from %1: %2</source>
        <translation>Campos en los que la configuración del programa difiere de %1: %2</translation>
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
    <name>kvt::laptop::CDlgCopyEQ</name>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround izquierdo</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround derecho</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Central izquierdo</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround trasero izq.</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Central derecho</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround trasero der.</translation>
    </message>
    <message>
        <source>Copy EQ Settings</source>
        <translation>Copiar ajustes de EQ</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copiar de</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copiar a</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copiar &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
    <name>kvt::laptop::CDlgDownloadPIC</name>
    <message>
        <source>Control Card</source>
        <translation>Tarjeta de control</translation>
    </message>
    <message>
        <source>INHEX32 Files (*.HEX)</source>
        <translation>Archivos INHEX32 (*.HEX)</translation>
    </message>
    <message>
        <source>NR Left</source>
        <translation>NR izquierdo</translation>
    </message>
    <message>
        <source>NR Files (*.NR)</source>
        <translation>Archivos NR (*.NR)</translation>
    </message>
    <message>
        <source>NR Right</source>
        <translation>NR derecho</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matriz</translation>
    </message>
    <message>
        <source>Matrix Files (*.MAT,*.MTX)</source>
        <translation>Archivos de matriz (*.MAT,*.MTX)</translation>
    </message>
    <message>
        <source>EQ 1</source>
        <translation>EQ 1</translation>
    </message>
    <message>
        <source>EQ Files (*.EQ)</source>
        <translation>Archivos EQ (*.EQ)</translation>
    </message>
    <message>
        <source>EQ 2</source>
        <translation>EQ 2</translation>
    </message>
    <message>
        <source>A download error has occured.  Please verify that all cabling and settings are correct and try again.</source>
        <translation>Se ha producido un error en la descarga.  Compruebe que todo el cableado y la configuración son correctos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The firmware download has completed successfully.</source>
        <translation>La descarga del firmware ha finalizado correctamente.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Erasing PIC program memory...</source>
        <translation>Borrando la memoria de programa del PIC...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Borrando</translation>
    </message>
    <message>
        <source>Writing to PIC program memory, this can take almost 5 minutes to complete...</source>
        <translation>Escribiendo en la memoria de programa del PIC, puede tardar casi 5 minutos...</translation>
    </message>
    <message>
        <source>Writing PIC EEPROM data...</source>
        <translation>Escribiendo los datos de la EEPROM del PIC...</translation>
    </message>
    <message>
        <source>Writing EEPROM</source>
        <translation>Escribiendo EEPROM</translation>
    </message>
    <message>
        <source>Waiting for response from DSP</source>
        <translation>Esperando respuesta del DSP</translation>
    </message>
    <message>
        <source>Initializing DSP for download</source>
        <translation>Preparando el DSP para la descarga</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inicializando</translation>
    </message>
    <message>
        <source>Writing to DSP program memory, this can take almost 2 minutes to complete...</source>
        <translation>Escribiendo en la memoria de programa del DSP, puede tardar casi 2 minutos...</translation>
    </message>
    <message>
        <source>Verifying DSP data...</source>
        <translation>Verificando los datos del DSP...</translation>
    </message>
    <message>
        <source>DSP CRC Verification has failed,  Please try the download again.</source>
        <translation>La verificación CRC del DSP ha fallado.  Vuelva a intentar la descarga.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>Paso %1:</translation>
    </message>
    <message>
        <source>Make sure you are disconnected from the KVT unit and that all recent modifications have been saved.</source>
        <translation>Asegúrese de estar desconectado de la unidad KVT y de haber guardado todas las modificaciones recientes.</translation>
    </message>
    <message>
        <source>Select the file to be downloaded:</source>
        <translation>Seleccione el archivo que desea descargar:</translation>
    </message>
    <message>
        <source>File to be downloaded</source>
        <translation>Archivo que se descargará</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Click the Download button:</source>
        <translation>Haga clic en el botón Descargar:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Turn OFF the power to the KVT unit that will be updated.</source>
        <translation>APAGUE la unidad KVT que se va a actualizar.</translation>
    </message>
    <message>
        <source>Power the KVT unit back ON while holding down S5 on the KVT-80 control card. Release the S5 switch after five seconds.</source>
        <translation>Vuelva a ENCENDER la unidad KVT manteniendo pulsado S5 en la tarjeta de control del KVT-80. Suelte el interruptor S5 después de cinco segundos.</translation>
    </message>
    <message>
        <source>Power Cycle with S5 Held</source>
        <translation>Reiniciar con S5</translation>
    </message>
    <message>
        <source>Switches the demonstration unit off and on again holding S5</source>
        <translation>Apaga y vuelve a encender la unidad de demostración con S5 pulsado</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>Mensajes de la descarga</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The selected file is not a valid firmware image or has been corrupted.</source>
        <translation>El archivo seleccionado no es una imagen de firmware válida o está dañado.</translation>
    </message>
    <message>
        <source>The filename entered is not valid.  Please make sure you have the correct file selected.</source>
        <translation>El nombre de archivo introducido no es válido.  Asegúrese de haber seleccionado el archivo correcto.</translation>
    </message>
    <message>
        <source>The program is connected to the KVT unit.  Please disconnect before downloading.</source>
        <translation>El programa está conectado a la unidad KVT.  Desconéctese antes de descargar.</translation>
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
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Causa: %1</translation>
    </message>
    <message>
        <source>%p% (%v of %m)</source>
        <translation>%p% (%v de %m)</translation>
    </message>
    <message>
        <source>PIC program memory: %1 of %2 records written (%3%)</source>
        <translation>Memoria de programa del PIC: %1 de %2 registros escritos (%3%)</translation>
    </message>
    <message>
        <source>PIC EEPROM data: %1 of %2 records written (%3%)</source>
        <translation>Datos de la EEPROM del PIC: %1 de %2 registros escritos (%3%)</translation>
    </message>
    <message>
        <source>DSP program memory: %1 of %2 words written (%3%)</source>
        <translation>Memoria de programa del DSP: %1 de %2 palabras escritas (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3%)</source>
        <translation>%1 de %2 escritos (%3%)</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEQForm</name>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround izquierdo</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround derecho</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround trasero izq.</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround trasero der.</translation>
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
        <translation>For SR</translation>
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
        <source>Flat</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Ruido rosa</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Agudos</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Central izquierdo</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Central derecho</translation>
    </message>
    <message>
        <source>SET ALL EQ SETTINGS TO 0dB?</source>
        <translation>¿PONER TODOS LOS AJUSTES DE EQ A 0 dB?</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEventLog</name>
    <message>
        <source>Event Log:</source>
        <translation>Registro de eventos:</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Set Date/Time...</source>
        <translation>Ajustar fecha/hora...</translation>
    </message>
    <message>
        <source>Save to Disk...</source>
        <translation>Guardar en disco...</translation>
    </message>
    <message>
        <source>The unit is not ready; the event log cannot be read now.</source>
        <translation>La unidad no está lista; el registro de eventos no se puede leer ahora.</translation>
    </message>
    <message>
        <source>Reading the event log from the unit...  Entries so far: %1</source>
        <translation>Leyendo el registro de eventos de la unidad...  Entradas hasta ahora: %1</translation>
    </message>
    <message>
        <source>Entries read: %1</source>
        <translation>Entradas leídas: %1</translation>
    </message>
    <message>
        <source>No entries arrived from the unit: its log is empty, or it did not answer.</source>
        <translation>No llegaron entradas de la unidad: su registro está vacío o no respondió.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is being cleared.</source>
        <translation>Se está borrando el registro de eventos de la unidad.</translation>
    </message>
    <message>
        <source>Clear the event log in the KVT unit?  Its entries are erased and cannot be read again; save them to disk first if they are needed.</source>
        <translation>¿Borrar el registro de eventos de la unidad KVT?  Sus entradas se eliminan y no se pueden volver a leer; guárdelas antes en disco si las necesita.</translation>
    </message>
    <message>
        <source>The event log could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el registro de eventos en %1.

%2</translation>
    </message>
    <message>
        <source>Event Logs (*.log)</source>
        <translation>Registros de eventos (*.log)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save to Disk</source>
        <translation>Guardar en disco</translation>
    </message>
    <message>
        <source>The service report is reading the event log; press Update again once the report is written.</source>
        <translation>El informe de servicio está leyendo el registro de eventos; pulse Actualizar de nuevo cuando se haya escrito el informe.</translation>
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
        <translation>EXT 1 (Analog)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2 (Digital)</translation>
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
        <translation>Último elegido</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Activar preset</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Nivel del
formato</translation>
    </message>
    <message>
        <source>Format Level</source>
        <translation>Nivel del formato</translation>
    </message>
    <message>
        <source>Power on Format</source>
        <translation>Formato al encender</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Tipo de
entrada</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógica</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canal del
micrófono</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Advanced Options:</source>
        <translation>Opciones avanzadas:</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Reducción de ruido:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>A Type</source>
        <translation>Tipo A</translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation>Tipo SR</translation>
    </message>
    <message>
        <source>Audio Decode:</source>
        <translation>Decodificación:</translation>
    </message>
    <message>
        <source>5.1 Stereo</source>
        <translation>5.1 estéreo</translation>
    </message>
    <message>
        <source>2.0 Stereo</source>
        <translation>2.0 estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>L,C,R Only</source>
        <translation>Solo L,C,R</translation>
    </message>
    <message>
        <source>L,R Only</source>
        <translation>Solo L,R</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Proyector</translation>
    </message>
    <message>
        <source>Analog N/S</source>
        <translation>Analógica N/S</translation>
    </message>
    <message>
        <source>Analog Aux</source>
        <translation>Analógica Aux</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>Discreto</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Projector Delays</source>
        <translation>Retardos proyector</translation>
    </message>
    <message>
        <source>Input
Delay</source>
        <translation>Retardo de
entrada</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Retardo
surround</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Respaldo digital</translation>
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
    <name>kvt::laptop::CDlgRoomEQ</name>
    <message>
        <source>Room EQ Assistant</source>
        <translation>Asistente de ecualización de sala</translation>
    </message>
    <message>
        <source>Place the measurement microphones in the seating area and make sure the room is quiet. The assistant plays pink noise on each chosen channel in turn, measures it with the unit&apos;s analyser and sets the channel&apos;s equalizer and output level.</source>
        <translation>Coloque los micrófonos de medida en la zona de butacas y asegúrese de que la sala esté en silencio. El asistente reproduce ruido rosa en cada canal elegido por turno, lo mide con el analizador de la unidad y ajusta el ecualizador y el nivel de salida del canal.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>X-curve, moved by</source>
        <translation>Curva X, desplazada</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Target file:</source>
        <translation>Archivo objetivo:</translation>
    </message>
    <message>
        <source>One line per band: frequency in Hz and level in dB</source>
        <translation>Una línea por banda: frecuencia en Hz y nivel en dB</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>Archivo objetivo</translation>
    </message>
    <message>
        <source>Target files (*.txt);;All files (*)</source>
        <translation>Archivos objetivo (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>Largest boost:</source>
        <translation>Realce máximo:</translation>
    </message>
    <message>
        <source>Deepest cut:</source>
        <translation>Corte máximo:</translation>
    </message>
    <message>
        <source>The unit&apos;s equalizer reaches 6 dB either way.</source>
        <translation>El ecualizador de la unidad llega a 6 dB en ambos sentidos.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Connect to the unit first.</source>
        <translation>Conéctese primero a la unidad.</translation>
    </message>
    <message>
        <source>Choose at least one channel.</source>
        <translation>Elija al menos un canal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The target file cannot be used: %1</source>
        <translation>No se puede usar el archivo objetivo: %1</translation>
    </message>
    <message>
        <source>Measuring and equalizing. Keep the room quiet.</source>
        <translation>Midiendo y ecualizando. Mantenga la sala en silencio.</translation>
    </message>
    <message>
        <source>Cancelling: switching the generator off...</source>
        <translation>Cancelando: apagando el generador...</translation>
    </message>
    <message>
        <source>Undo Channel</source>
        <translation>Deshacer canal</translation>
    </message>
    <message>
        <source>Store in Unit</source>
        <translation>Guardar en la unidad</translation>
    </message>
    <message>
        <source>New Run...</source>
        <translation>Nueva pasada...</translation>
    </message>
    <message>
        <source>%1: undone</source>
        <translation>%1: deshecho</translation>
    </message>
    <message>
        <source>%1: not finished</source>
        <translation>%1: sin terminar</translation>
    </message>
    <message>
        <source>%1: %2 → %3 %4</source>
        <translation>%1: %2 → %3 %4</translation>
    </message>
    <message>
        <source>(ok)</source>
        <translation>(ok)</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(fuera)</translation>
    </message>
    <message>
        <source>Every channel is within tolerance of the target.</source>
        <translation>Todos los canales están dentro de la tolerancia del objetivo.</translation>
    </message>
    <message>
        <source>Some channels are outside tolerance; see their curves.</source>
        <translation>Algunos canales están fuera de tolerancia; vea sus curvas.</translation>
    </message>
    <message>
        <source>The unit stopped answering. The generator may still be playing: it is switched off and the analyser put back as soon as the unit is connected again.</source>
        <translation>La unidad dejó de responder. El generador puede seguir sonando: se apagará y el analizador volverá a su estado en cuanto la unidad se conecte de nuevo.</translation>
    </message>
    <message>
        <source>The run did not finish (%1). The generator is off and the analyser is as it was; the channels already changed can be undone.</source>
        <translation>La pasada no terminó (%1). El generador está apagado y el analizador como estaba; los canales ya cambiados pueden deshacerse.</translation>
    </message>
    <message>
        <source>null</source>
        <translation>cancelación</translation>
    </message>
    <message>
        <source>noise floor</source>
        <translation>ruido de fondo</translation>
    </message>
    <message>
        <source>Rounds: %1. Output level %2 → %3. Largest deviation %4 → %5.</source>
        <translation>Pasadas: %1. Nivel de salida %2 → %3. Desviación máxima %4 → %5.</translation>
    </message>
    <message>
        <source>Parametric band: %1 Hz, Q %2, %3.</source>
        <translation>Banda paramétrica: %1 Hz, Q %2, %3.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <translation>Sin corregir: %1.</translation>
    </message>
    <message>
        <source>Storing the settings in the unit...</source>
        <translation>Guardando los ajustes en la unidad...</translation>
    </message>
    <message>
        <source>The settings are stored in the unit.</source>
        <translation>Los ajustes están guardados en la unidad.</translation>
    </message>
    <message>
        <source>The unit did not store the settings.</source>
        <translation>La unidad no guardó los ajustes.</translation>
    </message>
    <message>
        <source>The unit is back: the generator is off and the analyser is as it was.</source>
        <translation>La unidad ha vuelto: el generador está apagado y el analizador como estaba.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomLevels</name>
    <message>
        <source>
Left</source>
        <translation>
Izquierdo</translation>
    </message>
    <message>
        <source>
Center</source>
        <translation>
Central</translation>
    </message>
    <message>
        <source>
Right</source>
        <translation>
Derecho</translation>
    </message>
    <message>
        <source>Left
Surround</source>
        <translation>Surround
izquierdo</translation>
    </message>
    <message>
        <source>
Sub</source>
        <translation>
Sub</translation>
    </message>
    <message>
        <source>Right
Surround</source>
        <translation>Surround
derecho</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround trasero izquierdo</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround trasero derecho</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Ruido rosa</translation>
    </message>
    <message>
        <source>100 Hz Tone</source>
        <translation>Tono de 100 Hz</translation>
    </message>
    <message>
        <source>1 kHz Tone</source>
        <translation>Tono de 1 kHz</translation>
    </message>
    <message>
        <source>10 kHz Tone</source>
        <translation>Tono de 10 kHz</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
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
        <translation>Golpe</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>Generador</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Central izquierdo</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Central derecho</translation>
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
    <name>kvt::laptop::CDlgServiceReport</name>
    <message>
        <source>Service Report</source>
        <translation>Informe de servicio</translation>
    </message>
    <message>
        <source>The report lists the unit, its profile, formats, equalizer curves, levels and delays, the recent event log, the result of Verify and the changes made since the unit was connected.</source>
        <translation>El informe recoge la unidad, su perfil, los formatos, las curvas del ecualizador, niveles y retardos, el registro de eventos reciente, el resultado de la verificación y los cambios hechos desde la conexión.</translation>
    </message>
    <message>
        <source>What was found and done during the visit</source>
        <translation>Lo que se encontró y se hizo durante la visita</translation>
    </message>
    <message>
        <source>Technician&apos;s notes:</source>
        <translation>Notas del técnico:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Room EQ report:</source>
        <translation>Informe de EQ de sala:</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Archivo del informe:</translation>
    </message>
    <message>
        <source>Read the unit&apos;s event log</source>
        <translation>Leer el registro de eventos de la unidad</translation>
    </message>
    <message>
        <source>Verify the unit (reads its whole configuration back)</source>
        <translation>Verificar la unidad (vuelve a leer toda su configuración)</translation>
    </message>
    <message>
        <source>The unit is not connected: the report shows the configuration the program holds.</source>
        <translation>La unidad no está conectada: el informe muestra la configuración que tiene el programa.</translation>
    </message>
    <message>
        <source>Write Report</source>
        <translation>Escribir informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Room EQ report</source>
        <translation>Informe de EQ de sala</translation>
    </message>
    <message>
        <source>Room EQ Reports (*.json)</source>
        <translation>Informes de EQ de sala (*.json)</translation>
    </message>
    <message>
        <source>Choose the file for the report.</source>
        <translation>Elija el archivo del informe.</translation>
    </message>
    <message>
        <source>Reading the unit and verifying...</source>
        <translation>Leyendo la unidad y verificando...</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Escribiendo el informe...</translation>
    </message>
    <message>
        <source>Verify passed.</source>
        <translation>Verificación correcta.</translation>
    </message>
    <message>
        <source>Verify found differences in: %1.</source>
        <translation>La verificación encontró diferencias en: %1.</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>No se escribió el informe: %1</translation>
    </message>
    <message>
        <source>The report was written to %1 (%2 pages).</source>
        <translation>El informe se escribió en %1 (%2 páginas).</translation>
    </message>
    <message>
        <source>Not in the report: %1</source>
        <translation>No está en el informe: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSetDateTime</name>
    <message>
        <source>Set Date/Time</source>
        <translation>Ajustar fecha/hora</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Use System Time</source>
        <translation>Usar hora del sistema</translation>
    </message>
    <message>
        <source>The KVT unit is not connected; its clock was not set.</source>
        <translation>La unidad KVT no está conectada; su reloj no se ajustó.</translation>
    </message>
    <message>
        <source>The KVT unit is busy (the terminal is in use); its clock was not set.  Try again when the unit is back in normal operation.</source>
        <translation>La unidad KVT está ocupada (el terminal está en uso); su reloj no se ajustó.  Vuelva a intentarlo cuando la unidad haya vuelto al funcionamiento normal.</translation>
    </message>
    <message>
        <source>The date and time were not accepted; the unit&apos;s clock was not set.</source>
        <translation>La fecha y la hora no se aceptaron; el reloj de la unidad no se ajustó.</translation>
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
    <name>kvt::laptop::CDlgSubParametricForm</name>
    <message>
        <source>Sub Bass Parametric Equalizer</source>
        <translation>Ecualizador paramétrico de subgraves</translation>
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
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgTerminalForm</name>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Not connected.  The terminal works while the unit is connected.</source>
        <translation>Sin conexión.  El terminal funciona mientras la unidad está conectada.</translation>
    </message>
    <message>
        <source>Reaching the unit&apos;s command prompt...</source>
        <translation>Accediendo al indicador de comandos de la unidad...</translation>
    </message>
    <message>
        <source>Connected to the unit&apos;s command interpreter.  Type a command and press Enter.</source>
        <translation>Conectado al intérprete de comandos de la unidad.  Escriba un comando y pulse Intro.</translation>
    </message>
    <message>
        <source>The unit did not show its command prompt.  What you type is still sent to it.</source>
        <translation>La unidad no mostró su indicador de comandos.  Lo que escriba se le envía de todos modos.</translation>
    </message>
    <message>
        <source>Terminal closed; the unit is back in normal operation.</source>
        <translation>Terminal cerrado; la unidad vuelve al funcionamiento normal.</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Escrito: %1</translation>
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
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Ecualizador</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>Comparar con a&amp;rchivo...</translation>
    </message>
    <message>
        <source>Lists the differences between the current configuration and a file</source>
        <translation>Muestra las diferencias entre la configuración actual y un archivo</translation>
    </message>
    <message>
        <source>Service &amp;Report...</source>
        <translation>Informe de ser&amp;vicio...</translation>
    </message>
    <message>
        <source>Writes the report of this service visit as a PDF</source>
        <translation>Escribe el informe de esta visita de servicio en PDF</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All Files (*)</source>
        <translation>Archivos de configuración KVT (*.kvt);;Configuraciones en JSON (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Room EQ Assistant...</source>
        <translation>Asistente de &amp;ecualización de sala...</translation>
    </message>
    <message>
        <source>Measures each channel and sets its equalizer toward a target curve</source>
        <translation>Mide cada canal y ajusta su ecualizador hacia una curva objetivo</translation>
    </message>
    <message>
        <source>The room EQ assistant is still working with the unit.  Cancel it in its window, or let it finish, before closing the program.</source>
        <translation>El asistente de ecualización de sala todavía está trabajando con la unidad.  Cancélelo en su ventana, o deje que termine, antes de cerrar el programa.</translation>
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
        <translation>Antes</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
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
