<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;English</source>
        <translation>&amp;Inglese</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spagnolo</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>It&amp;aliano</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Francese</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Tedesco</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>&amp;Cinese</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The demonstration unit could not be started: %1</source>
        <translation>Impossibile avviare l&apos;unità dimostrativa: %1</translation>
    </message>
    <message>
        <source>The KVT-80 engine could not be started (status %1). Please reinstall the program.</source>
        <translation>Impossibile avviare il motore del KVT-80 (stato %1). Reinstallare il programma.</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>KVT-80 Laptop Interface Software</source>
        <translation>Software di interfaccia per portatile KVT-80</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CCtlRTA</name>
    <message>
        <source>Sum</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Diff.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Sum + Diff</source>
        <translation>Somma + Diff.</translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>Sin. + Des.</translation>
    </message>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analizzatore in tempo reale</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barre</translation>
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
        <translation>Somma &amp;&amp; Diff.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::ConnectionFlows</name>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Saving Preamp Parameters...</source>
        <translation>Salvataggio parametri del preamplificatore...</translation>
    </message>
    <message>
        <source>Saving EQ Parameters...</source>
        <translation>Salvataggio parametri EQ...</translation>
    </message>
    <message>
        <source>Retrieving Preamp Parameters...</source>
        <translation>Lettura parametri del preamplificatore...</translation>
    </message>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Lettura parametri EQ...</translation>
    </message>
    <message>
        <source>Retrieving Front Panel Parameters...</source>
        <translation>Lettura parametri del pannello frontale...</translation>
    </message>
    <message>
        <source>Retrieving Profile Information...</source>
        <translation>Lettura informazioni del profilo...</translation>
    </message>
    <message>
        <source>Waiting to upload...</source>
        <translation>In attesa del trasferimento...</translation>
    </message>
    <message>
        <source>Uploading unit parameters, please wait...</source>
        <translation>Trasferimento dei parametri all&apos;unità, attendere...</translation>
    </message>
    <message>
        <source>Initializing Personality Module, please wait a few moments...</source>
        <translation>Inizializzazione del modulo di personalità, attendere qualche istante...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Salvataggio nel modulo di personalità, attendere qualche istante...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Data verification has failed.  Please upload and save your data file again.  (%1)</source>
        <translation>Verifica dei dati non riuscita.  Trasferire e salvare nuovamente il file di dati.  (%1)</translation>
    </message>
    <message>
        <source>Failed to communicate with a KVT unit.  Please verify that your KVT unit is powered on and that your communication settings and cabling are correct.</source>
        <translation>Impossibile comunicare con un&apos;unità KVT.  Verificare che l&apos;unità KVT sia accesa e che le impostazioni di comunicazione e i cavi siano corretti.</translation>
    </message>
    <message>
        <source>Failed to save DSP parameters due to an internal error.</source>
        <translation>Impossibile salvare i parametri DSP a causa di un errore interno.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>Impossibile connettersi all&apos;indirizzo remoto.  Verificare le impostazioni di comunicazione e riprovare.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>Impossibile aprire la porta di comunicazione (%1).  Verificare la configurazione e riprovare.</translation>
    </message>
    <message>
        <source>Saving to the Personality Module did not finish.  The unit stays connected; check the module and the connection, then disconnect again.</source>
        <translation>Il salvataggio nel modulo di personalità non è stato completato.  L&apos;unità resta connessa; controllare il modulo e la connessione, quindi disconnettere di nuovo.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current KVT-80 unit configuration.  Do you want to perform this operation?</source>
        <translation>Questa operazione sovrascriverà la configurazione attuale dell&apos;unità KVT-80.  Eseguire l&apos;operazione?</translation>
    </message>
    <message>
        <source>Failed to create the specified parameter file.  The file may be in use by another application.</source>
        <translation>Impossibile creare il file dei parametri specificato.  Il file potrebbe essere in uso da parte di un&apos;altra applicazione.</translation>
    </message>
    <message>
        <source>Failed to load the specified parameter file.  The file may not be a valid parameter file or might be corrupted.</source>
        <translation>Impossibile caricare il file dei parametri specificato.  Il file potrebbe non essere un file dei parametri valido o essere danneggiato.</translation>
    </message>
    <message>
        <source>Failed to save to the specified parameter file.  The file may be in use by another application.</source>
        <translation>Impossibile salvare nel file dei parametri specificato.  Il file potrebbe essere in uso da parte di un&apos;altra applicazione.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current data stored on the Personality Module.  Do you want to perform this operation?</source>
        <translation>Questa operazione sovrascriverà i dati attualmente memorizzati nel modulo di personalità.  Eseguire l&apos;operazione?</translation>
    </message>
    <message>
        <source>Personality module initialization failed.  Please verify that media is present and writeable.</source>
        <translation>Inizializzazione del modulo di personalità non riuscita.  Verificare che il supporto sia presente e scrivibile.</translation>
    </message>
    <message>
        <source>Communication with the KVT unit has been lost.  If the unit was powered off without disconnecting your recent settings have been lost.</source>
        <translation>La comunicazione con l&apos;unità KVT è stata interrotta.  Se l&apos;unità è stata spenta senza prima disconnetterla, le impostazioni recenti sono andate perse.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigComm</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configura comunicazioni</translation>
    </message>
    <message>
        <source>&amp;Communications Port:</source>
        <translation>&amp;Porta di comunicazione:</translation>
    </message>
    <message>
        <source>Remote addresses</source>
        <translation>Indirizzi remoti</translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation>Inserisci...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigPreview</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>File di configurazione KVT (*.kvt)</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Nome progetto:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nome cinema:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Numero sala:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConnectionStatus</name>
    <message>
        <source>Connecting...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Connecting to KVT unit, please wait a few moments...</source>
        <translation>Connessione all&apos;unità KVT in corso, attendere qualche istante...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDisconnectPrompt</name>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Disconnettere e salvare le modifiche nel KVT-80?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Salva nel modulo di personalità</translation>
    </message>
    <message>
        <source>Do Not Save Settings</source>
        <translation>Non salvare impostazioni</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgHeadroomAdjust</name>
    <message>
        <source>Headroom Adjustment</source>
        <translation>Regolazione headroom</translation>
    </message>
    <message>
        <source>26 db of Headroom (THX)</source>
        <translation>26 dB di headroom (THX)</translation>
    </message>
    <message>
        <source>29 db of Headroom</source>
        <translation>29 dB di headroom</translation>
    </message>
    <message>
        <source>32 db of Headroom</source>
        <translation>32 dB di headroom</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Headroom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgIPAddress</name>
    <message>
        <source>Insert/Modify IP Address</source>
        <translation>Inserisci/modifica indirizzo IP</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Indirizzo IP:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputConfiguration</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Configurazione dei canali</translation>
    </message>
    <message>
        <source>Back Surround Channels</source>
        <translation>Canali surround posteriori</translation>
    </message>
    <message>
        <source>Stage Channels</source>
        <translation>Canali di palco</translation>
    </message>
    <message>
        <source>Center/Mono Surround</source>
        <translation>Centrale/surround mono</translation>
    </message>
    <message>
        <source>LCR/Mono Surround</source>
        <translation>LCR/surround mono</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The unit cannot use the channel configuration &quot;%1&quot;.  Its configuration is unchanged.</source>
        <translation>L&apos;unità non può usare la configurazione dei canali &quot;%1&quot;.  La sua configurazione è invariata.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputForm</name>
    <message>
        <source>Left
Gain</source>
        <translation>Guadagno
sin.</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Guadagno
des.</translation>
    </message>
    <message>
        <source>Slit EQ</source>
        <translation>EQ fessura</translation>
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
        <translation>Ritardo
surround</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Surround
Gain</source>
        <translation>Guadagno
surround</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Guadagno
sub</translation>
    </message>
    <message>
        <source>Sub
Freq.</source>
        <translation>Freq.
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
        <translation>STEREO</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>Per SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1 (analogico)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2 (digitale)</translation>
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
        <translation>Formato d&apos;ingresso</translation>
    </message>
    <message>
        <source>Projector 1</source>
        <translation>Proiettore 1</translation>
    </message>
    <message>
        <source>Projector 2</source>
        <translation>Proiettore 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Levels and Matrix</source>
        <translation>Livelli e matrice</translation>
    </message>
    <message>
        <source>Input Levels</source>
        <translation>Livelli d&apos;ingresso</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Guadagno</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Ottico</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgPassword</name>
    <message>
        <source>Password Required</source>
        <translation>Password richiesta</translation>
    </message>
    <message>
        <source>A password is required to access the diagnostic features.  These features should only be accessed if instructed by RDM support personel.</source>
        <translation>Per accedere alle funzioni di diagnostica è necessaria una password.  Utilizzare queste funzioni solo su indicazione del personale di assistenza RDM.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProfileForm</name>
    <message>
        <source>Digital Player 1:</source>
        <translation>Lettore digitale 1:</translation>
    </message>
    <message>
        <source>Digital Player 2:</source>
        <translation>Lettore digitale 2:</translation>
    </message>
    <message>
        <source>Theater Number:</source>
        <translation>Numero cinema:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nome cinema:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Numero sala:</translation>
    </message>
    <message>
        <source>Projector Model Number:</source>
        <translation>Modello del proiettore:</translation>
    </message>
    <message>
        <source>Automation System:</source>
        <translation>Sistema di automazione:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commenti:</translation>
    </message>
    <message>
        <source>KVT Serial Number:</source>
        <translation>Numero di serie KVT:</translation>
    </message>
    <message>
        <source>Theater Information</source>
        <translation>Informazioni sul cinema</translation>
    </message>
    <message>
        <source>Component Information</source>
        <translation>Informazioni sui componenti</translation>
    </message>
    <message>
        <source>PIC Firmware Version:</source>
        <translation>Firmware PIC:</translation>
    </message>
    <message>
        <source>Matrix Firmware Version:</source>
        <translation>Firmware matrice:</translation>
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
        <translation>Versione KVT Exec:</translation>
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
        <translation>Annullare questa operazione?</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveMMCStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Salvataggio nel modulo di personalità, attendere qualche istante...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Saving, please wait a few moments...</source>
        <translation>Salvataggio in corso, attendere qualche istante...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSplash</name>
    <message>
        <source>About KVT-80 Laptop Interface Software</source>
        <translation>Informazioni sul software di interfaccia per portatile KVT-80</translation>
    </message>
    <message>
        <source>KVT-80 Laptop Interface Software
Version: %1</source>
        <translation>Software di interfaccia per portatile KVT-80
Versione: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgUploadStatus</name>
    <message>
        <source>Uploading...</source>
        <translation>Trasferimento...</translation>
    </message>
    <message>
        <source>Uploading, please wait a few moments...</source>
        <translation>Trasferimento in corso, attendere qualche istante...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgZoomedSLA</name>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analizzatore in tempo reale</translation>
    </message>
    <message>
        <source>X-Curve Adjust</source>
        <translation>Regolazione curva X</translation>
    </message>
    <message>
        <source>Unlock the X-curve adjustment</source>
        <translation>Sblocca la regolazione della curva X</translation>
    </message>
    <message>
        <source>Lock the X-curve adjustment</source>
        <translation>Blocca la regolazione della curva X</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFader</name>
    <message>
        <source>Main Fader</source>
        <translation>Fader principale</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Creates a new configuration file</source>
        <translation>Crea un nuovo file di configurazione</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Opens a configuration file and sends it to the unit</source>
        <translation>Apre un file di configurazione e lo invia all&apos;unità</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Saves the configuration to its file</source>
        <translation>Salva la configurazione nel relativo file</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Saves the configuration to a file of a new name</source>
        <translation>Salva la configurazione in un file con un nuovo nome</translation>
    </message>
    <message>
        <source>Save to &amp;Personality Module</source>
        <translation>Salva nel &amp;modulo di personalità</translation>
    </message>
    <message>
        <source>Copies the unit&apos;s configuration to its personality module</source>
        <translation>Copia la configurazione dell&apos;unità nel suo modulo di personalità</translation>
    </message>
    <message>
        <source>System &amp;Mute</source>
        <translation>Silenziamento &amp;generale</translation>
    </message>
    <message>
        <source>Mutes or unmutes every output of the unit</source>
        <translation>Silenzia o riattiva tutte le uscite dell&apos;unità</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Comunicazione</translation>
    </message>
    <message>
        <source>Co&amp;mmunication Settings...</source>
        <translation>&amp;Impostazioni di comunicazione...</translation>
    </message>
    <message>
        <source>Chooses the port or network address of the unit</source>
        <translation>Sceglie la porta o l&apos;indirizzo di rete dell&apos;unità</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>Connects to the unit and reads its configuration</source>
        <translation>Si connette all&apos;unità e ne legge la configurazione</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>Stores the settings in the unit and disconnects</source>
        <translation>Memorizza le impostazioni nell&apos;unità e si disconnette</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormato</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profilo</translation>
    </message>
    <message>
        <source>Shows the Profile page</source>
        <translation>Mostra la pagina Profilo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Chooses the language of the program&apos;s texts</source>
        <translation>Sceglie la lingua dei testi del programma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Guida...</translation>
    </message>
    <message>
        <source>Opens the KVT-80 manual</source>
        <translation>Apre il manuale del KVT-80</translation>
    </message>
    <message>
        <source>Installation Checklist...</source>
        <translation>Elenco di controllo dell&apos;installazione...</translation>
    </message>
    <message>
        <source>Opens the installation checklist</source>
        <translation>Apre l&apos;elenco di controllo dell&apos;installazione</translation>
    </message>
    <message>
        <source>Unlock Diagnostics...</source>
        <translation>Sblocca diagnostica...</translation>
    </message>
    <message>
        <source>Unlocks the diagnostic pages (support personnel only)</source>
        <translation>Sblocca le pagine di diagnostica (solo personale di assistenza)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>Mostra la versione del programma</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Main Fader</source>
        <translation>Fader principale</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>The unit reports an error on its AES/EBU digital input.  Please check the digital source and its cable.</source>
        <translation>L&apos;unità segnala un errore sull&apos;ingresso digitale AES/EBU.  Controllare la sorgente digitale e il relativo cavo.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>GENERATORE</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>Formato %1</translation>
    </message>
    <message>
        <source>Selects the %1 format</source>
        <translation>Seleziona il formato %1</translation>
    </message>
    <message>
        <source>The language change will take effect when the program restarts.</source>
        <translation>La modifica della lingua avrà effetto al riavvio del programma.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; is not installed.  It belongs in the program&apos;s folder (%2).</source>
        <translation>Il documento &quot;%1&quot; non è installato.  Deve trovarsi nella cartella del programma (%2).</translation>
    </message>
    <message>
        <source>PLW680 software is currently running.  Would you like to link the operation to the KVT software?</source>
        <translation>Il software PLW680 è in esecuzione.  Collegare il funzionamento al software KVT?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>File di configurazione KVT (*.kvt)</translation>
    </message>
    <message>
        <source>&amp;Copy EQ Settings...</source>
        <translation>Copia impostazioni E&amp;Q...</translation>
    </message>
    <message>
        <source>Copies one channel&apos;s equalizer settings to other channels</source>
        <translation>Copia le impostazioni dell&apos;equalizzatore di un canale su altri canali</translation>
    </message>
    <message>
        <source>&amp;Headroom Adjustment...</source>
        <translation>Regolazione &amp;headroom...</translation>
    </message>
    <message>
        <source>Adjusts the headroom of the unit&apos;s inputs</source>
        <translation>Regola l&apos;headroom degli ingressi dell&apos;unità</translation>
    </message>
    <message>
        <source>Channe&amp;l Configuration...</source>
        <translation>Configu&amp;razione canali...</translation>
    </message>
    <message>
        <source>Chooses the unit&apos;s channel configuration</source>
        <translation>Sceglie la configurazione dei canali dell&apos;unità</translation>
    </message>
    <message>
        <source>S&amp;et Date/Time...</source>
        <translation>Imposta data/&amp;ora...</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock</source>
        <translation>Imposta l&apos;orologio dell&apos;unità</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formati</translation>
    </message>
    <message>
        <source>Shows the Formats page</source>
        <translation>Mostra la pagina Formati</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>&amp;Ingressi</translation>
    </message>
    <message>
        <source>Shows the Inputs page</source>
        <translation>Mostra la pagina Ingressi</translation>
    </message>
    <message>
        <source>&amp;Equalizer</source>
        <translation>&amp;Equalizzatore</translation>
    </message>
    <message>
        <source>Shows the Equalizer page</source>
        <translation>Mostra la pagina Equalizzatore</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Uscite</translation>
    </message>
    <message>
        <source>Shows the Outputs page</source>
        <translation>Mostra la pagina Uscite</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::ScreenshotTour</name>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Lettura parametri EQ...</translation>
    </message>
</context>
</TS>
