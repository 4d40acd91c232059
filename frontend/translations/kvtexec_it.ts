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
    <name>DialogControls</name>
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
    <name>QDialog</name>
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
    <name>ServiceReport</name>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Tecnico</translation>
    </message>
    <message>
        <source>Date and signature</source>
        <translation>Data e firma</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non letto</translation>
    </message>
    <message>
        <source>not connected (the configuration is the engine&apos;s)</source>
        <translation>non collegato (la configurazione è quella del programma)</translation>
    </message>
    <message>
        <source>connected, configuration read</source>
        <translation>collegato, configurazione letta</translation>
    </message>
    <message>
        <source>connected, configuration not read</source>
        <translation>collegato, configurazione non letta</translation>
    </message>
    <message>
        <source>system muted</source>
        <translation>sistema muto</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>non muto</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>in riproduzione %1</translation>
    </message>
    <message>
        <source>fader %1</source>
        <translation>fader %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Unit clock</source>
        <translation>Orologio dell&apos;unità</translation>
    </message>
    <message>
        <source>Controller firmware</source>
        <translation>Firmware del controller</translation>
    </message>
    <message>
        <source>Processor controller</source>
        <translation>Controller dei processori</translation>
    </message>
    <message>
        <source>Output controller</source>
        <translation>Controller delle uscite</translation>
    </message>
    <message>
        <source>Matrix DSP</source>
        <translation>DSP matrice</translation>
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
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>Cinema</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Proiettore</translation>
    </message>
    <message>
        <source>Automation system</source>
        <translation>Sistema di automazione</translation>
    </message>
    <message>
        <source>Digital player 1</source>
        <translation>Lettore digitale 1</translation>
    </message>
    <message>
        <source>Digital player 2</source>
        <translation>Lettore digitale 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificato</translation>
    </message>
    <message>
        <source>Passed: the unit holds the configuration in this report (verification mask 0).</source>
        <translation>Superata: l&apos;unità contiene la configurazione di questo rapporto (maschera di verifica 0).</translation>
    </message>
    <message>
        <source>FAILED: the unit differs from the engine in: %1 (verification mask 0x%2). The configuration pages show the values read back from the unit.</source>
        <translation>NON SUPERATA: l&apos;unità differisce dal programma in: %1 (maschera di verifica 0x%2). Le pagine della configurazione mostrano i valori riletti dall&apos;unità.</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>digitale</translation>
    </message>
    <message>
        <source>slit EQ</source>
        <translation>EQ fessura</translation>
    </message>
    <message>
        <source>mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>matrix</source>
        <translation>matrice</translation>
    </message>
    <message>
        <source>mic inverted</source>
        <translation>micro invertito</translation>
    </message>
    <message>
        <source>Format table</source>
        <translation>Tabella dei formati</translation>
    </message>
    <message>
        <source>Formats in use</source>
        <translation>Formati in uso</translation>
    </message>
    <message>
        <source>Power-on format</source>
        <translation>Formato all&apos;accensione</translation>
    </message>
    <message>
        <source>Buttons (button: format)</source>
        <translation>Tasti (tasto: formato)</translation>
    </message>
    <message>
        <source>keep</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Cod.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Riga 2</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Fader</source>
        <translation>Fader</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Inputs and system settings</source>
        <translation>Ingressi e impostazioni di sistema</translation>
    </message>
    <message>
        <source>Projector 1 gain L / R</source>
        <translation>Guad. proiett. 1 L / R</translation>
    </message>
    <message>
        <source>Projector 2 gain L / R</source>
        <translation>Guad. proiett. 2 L / R</translation>
    </message>
    <message>
        <source>Aux gain L / R</source>
        <translation>Guadagno Aux L / R</translation>
    </message>
    <message>
        <source>Mic gain L / R</source>
        <translation>Guadagno micro L / R</translation>
    </message>
    <message>
        <source>Non-sync gain</source>
        <translation>Guadagno non-sync</translation>
    </message>
    <message>
        <source>Slit EQ P1 / P2</source>
        <translation>EQ fessura P1 / P2</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>Surround gain</source>
        <translation>Guadagno surround</translation>
    </message>
    <message>
        <source>Surround delay</source>
        <translation>Ritardo surround</translation>
    </message>
    <message>
        <source>Subwoofer gain</source>
        <translation>Guadagno subwoofer</translation>
    </message>
    <message>
        <source>Subwoofer crossover</source>
        <translation>Crossover subwoofer</translation>
    </message>
    <message>
        <source>Sub parametric EQ</source>
        <translation>EQ parametrico sub</translation>
    </message>
    <message>
        <source>Digital input delay</source>
        <translation>Ritardo ingr. digitale</translation>
    </message>
    <message>
        <source>Digital surround delay</source>
        <translation>Ritardo surround dig.</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Headroom</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Config. dei canali</translation>
    </message>
    <message>
        <source>Digital fallback</source>
        <translation>Fallback digitale</translation>
    </message>
    <message>
        <source>Channels: equaliser curves</source>
        <translation>Canali: curve di equalizzazione</translation>
    </message>
    <message>
        <source>The 27 third-octave band settings of each output channel (dB). Bass and treble shelves are given under each plot.</source>
        <translation>Le 27 impostazioni di banda a terzi d&apos;ottava di ogni canale di uscita (dB). I filtri bassi e acuti sono indicati sotto ogni grafico.</translation>
    </message>
    <message>
        <source>Bass %1   Treble %2   Output %3</source>
        <translation>Bassi %1   Acuti %2   Uscita %3</translation>
    </message>
    <message>
        <source>Delay %1 ms   Mute %2   Invert %3</source>
        <translation>Ritardo %1 ms   Muto %2   Invertito %3</translation>
    </message>
    <message>
        <source>Output levels, delays, mute and invert</source>
        <translation>Livelli di uscita, ritardi, muto e inversione</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Output level</source>
        <translation>Livello uscita</translation>
    </message>
    <message>
        <source>Digital delay</source>
        <translation>Ritardo digitale</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bassi</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Acuti</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>The event log was not read.</source>
        <translation>Il registro eventi non è stato letto.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is empty.</source>
        <translation>Il registro eventi dell&apos;unità è vuoto.</translation>
    </message>
    <message>
        <source>The %1 most recent of %2 entries, oldest first.</source>
        <translation>Le %1 voci più recenti di %2, dalla più vecchia.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Changes during the visit</source>
        <translation>Modifiche durante l&apos;intervento</translation>
    </message>
    <message>
        <source>No configuration from the start of the visit was given, so the changes are not known.</source>
        <translation>Non è stata fornita la configurazione di inizio intervento, quindi le modifiche non sono note.</translation>
    </message>
    <message>
        <source>No changes: the configuration is the one the unit held when the visit began.</source>
        <translation>Nessuna modifica: la configurazione è quella che l&apos;unità aveva all&apos;inizio dell&apos;intervento.</translation>
    </message>
    <message>
        <source>%1 fields differ from the configuration at the start of the visit.</source>
        <translation>%1 campi differiscono dalla configurazione di inizio intervento.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>All&apos;inizio</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Room EQ assistant</source>
        <translation>Assistente EQ ambiente</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Not completed</source>
        <translation>Non completato</translation>
    </message>
    <message>
        <source>dry run, nothing written</source>
        <translation>prova, nulla è stato scritto</translation>
    </message>
    <message>
        <source>stored in the unit</source>
        <translation>salvato nell&apos;unità</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>non salvato</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>curva obiettivo %1</translation>
    </message>
    <message>
        <source>%1. Red: measured before; blue: %2; grey dashed: target (dB, third-octave bands).</source>
        <translation>%1. Rosso: misurato prima; blu: %2; grigio tratteggiato: obiettivo (dB, bande a terzi d&apos;ottava).</translation>
    </message>
    <message>
        <source>predicted after</source>
        <translation>previsto dopo</translation>
    </message>
    <message>
        <source>measured after</source>
        <translation>misurato dopo</translation>
    </message>
    <message>
        <source>deviation %1 → %2 dB, %3</source>
        <translation>scostamento %1 → %2 dB, %3</translation>
    </message>
    <message>
        <source>within tolerance</source>
        <translation>entro tolleranza</translation>
    </message>
    <message>
        <source>OUT OF TOLERANCE</source>
        <translation>FUORI TOLLERANZA</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround sinistro</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround destro</translation>
    </message>
    <message>
        <source>Left EX</source>
        <translation>EX sinistro</translation>
    </message>
    <message>
        <source>Right EX</source>
        <translation>EX destro</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centrale sinistro</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centrale destro</translation>
    </message>
    <message>
        <source>KVT-80 service report %1</source>
        <translation>Rapporto di intervento KVT-80 %1</translation>
    </message>
    <message>
        <source>screen %1</source>
        <translation>sala %1</translation>
    </message>
    <message>
        <source>KVT-80 service report · %1 · %2</source>
        <translation>Rapporto di intervento KVT-80 · %1 · %2</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>nessun numero di serie</translation>
    </message>
    <message>
        <source>KVT-80 Service Report</source>
        <translation>Rapporto di intervento KVT-80</translation>
    </message>
    <message>
        <source>Technician&apos;s notes</source>
        <translation>Note del tecnico</translation>
    </message>
    <message>
        <source>the verification cannot run through this engine</source>
        <translation>la verifica non può essere eseguita con questo motore</translation>
    </message>
    <message>
        <source>not verified: the unit is not connected</source>
        <translation>non verificato: l&apos;unità non è collegata</translation>
    </message>
    <message>
        <source>not verified: changes were still being sent to the unit</source>
        <translation>non verificato: le modifiche erano ancora in invio all&apos;unità</translation>
    </message>
    <message>
        <source>Verify was not run for this report</source>
        <translation>La verifica non è stata eseguita per questo rapporto</translation>
    </message>
    <message>
        <source>memory (formats, profile)</source>
        <translation>memoria (formati, profilo)</translation>
    </message>
    <message>
        <source>preamp processors</source>
        <translation>processori del preamplificatore</translation>
    </message>
    <message>
        <source>matrix processor</source>
        <translation>processore della matrice</translation>
    </message>
    <message>
        <source>equaliser processors</source>
        <translation>processori di equalizzazione</translation>
    </message>
    <message>
        <source>output card</source>
        <translation>scheda di uscita</translation>
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
    <name>kvt::frontend::CFlowFrame</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
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
    <name>kvt::handheld::CDlgAbout</name>
    <message>
        <source>About KVTExecCE</source>
        <translation>Informazioni su KVTExecCE</translation>
    </message>
    <message>
        <source>KVTExecCE</source>
        <translation>KVTExecCE</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCommSettings</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configura comunicazioni</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCopyEQ</name>
    <message>
        <source>Copy EQ</source>
        <translation>Copia EQ</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copia da</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copia su</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canale %1</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copia &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgDigitalDelays</name>
    <message>
        <source>Digital Delays</source>
        <translation>Ritardi digitali</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Ritardo ingresso</translation>
    </message>
    <message>
        <source>Surround Delay</source>
        <translation>Ritardo surround</translation>
    </message>
    <message>
        <source>Digital input and surround delays apply to all digital enabled formats</source>
        <translation>I ritardi digitali di ingresso e surround valgono per tutti i formati digitali</translation>
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
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Ottico</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Equalizzatore</translation>
    </message>
    <message>
        <source>Format Setup</source>
        <translation>Impostazione formati</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1 (Analog)</source>
        <translation>Ext 1 (analogico)</translation>
    </message>
    <message>
        <source>Ext 2 (Digital)</source>
        <translation>Ext 2 (digitale)</translation>
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
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Disconnettere e salvare le modifiche nel KVT-80?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Salva nel modulo di personalità</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Copy EQ Settings...</source>
        <translation>Copia impostazioni EQ...</translation>
    </message>
    <message>
        <source>Headroom Configuration...</source>
        <translation>Configurazione headroom...</translation>
    </message>
    <message>
        <source>Input Configuration...</source>
        <translation>Configurazione ingressi...</translation>
    </message>
    <message>
        <source>Digital Delays...</source>
        <translation>Ritardi digitali...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>Com</translation>
    </message>
    <message>
        <source>Communication Settings...</source>
        <translation>Impostazioni di comunicazione...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Pannello</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Uscire davvero dal programma?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>File di configurazione KVT (*.kvt)</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldRTA</name>
    <message>
        <source>Power Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Difference</source>
        <translation>Somma &amp;&amp; differenza</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linee</translation>
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
        <translation>Livello</translation>
    </message>
    <message>
        <source> Q</source>
        <translation> Q</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bassi</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Acuti</translation>
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
        <translation>Stereo</translation>
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
        <source>Last Selected</source>
        <translation>Ultimo scelto</translation>
    </message>
    <message>
        <source>Power On Format</source>
        <translation>Formato all&apos;accensione</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Livello
formato</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Attiva preset</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Tipo di
ingresso</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>SPDIF</source>
        <translation>SPDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canale
microfono</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Digital Delay</source>
        <translation>Ritardo digitale</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Riserva digitale</translation>
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
        <translation>Ritardo
sur</translation>
    </message>
    <message>
        <source>Sur
Gain</source>
        <translation>Guad.
sur</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Guad.
sub</translation>
    </message>
    <message>
        <source>Sub
Freq</source>
        <translation>Freq
sub</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Guadagno</translation>
    </message>
    <message>
        <source>NSync</source>
        <translation>NSync</translation>
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
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOptical</name>
    <message>
        <source>Left
Gain</source>
        <translation>Guad.
sin.</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Guad.
des.</translation>
    </message>
    <message>
        <source>Slit
EQ</source>
        <translation>EQ
fessura</translation>
    </message>
    <message>
        <source>Mono
EQ</source>
        <translation>EQ
mono</translation>
    </message>
    <message>
        <source>Projector %1</source>
        <translation>Proiettore %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
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
        <translation>Muto</translation>
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
        <translation>Lettore digitale 1</translation>
    </message>
    <message>
        <source>Digital Player 2</source>
        <translation>Lettore digitale 2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nome progetto</translation>
    </message>
    <message>
        <source>Theater Name</source>
        <translation>Nome cinema</translation>
    </message>
    <message>
        <source>Screen Number</source>
        <translation>Numero sala</translation>
    </message>
    <message>
        <source>Projector Model Number</source>
        <translation>Modello proiettore</translation>
    </message>
    <message>
        <source>Automation System</source>
        <translation>Sistema di automazione</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgChangeFormatName</name>
    <message>
        <source>Change Format Name</source>
        <translation>Cambia nome del formato</translation>
    </message>
    <message>
        <source>Format Name:</source>
        <translation>Nome del formato:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCompareFile</name>
    <message>
        <source>Compare With File</source>
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The file %1 could not be compared: %2</source>
        <translation>Impossibile confrontare il file %1: %2</translation>
    </message>
    <message>
        <source>Not taken from the file: %1</source>
        <translation>Non preso dal file: %1</translation>
    </message>
    <message>
        <source>The engine&apos;s configuration and %1 are the same.</source>
        <translation>La configurazione del programma e %1 sono uguali.</translation>
    </message>
    <message>
        <source>Fields in which the engine&apos;s configuration differs from %1: %2</source>
        <translation>Campi in cui la configurazione del programma differisce da %1: %2</translation>
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
    <name>kvt::laptop::CDlgCopyEQ</name>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround sinistro</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround destro</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centrale sinistro</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround post. sinistro</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centrale destro</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround post. destro</translation>
    </message>
    <message>
        <source>Copy EQ Settings</source>
        <translation>Copia impostazioni EQ</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copia da</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copia su</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copia &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
    <name>kvt::laptop::CDlgDownloadPIC</name>
    <message>
        <source>Control Card</source>
        <translation>Scheda di controllo</translation>
    </message>
    <message>
        <source>INHEX32 Files (*.HEX)</source>
        <translation>File INHEX32 (*.HEX)</translation>
    </message>
    <message>
        <source>NR Left</source>
        <translation>NR sinistro</translation>
    </message>
    <message>
        <source>NR Files (*.NR)</source>
        <translation>File NR (*.NR)</translation>
    </message>
    <message>
        <source>NR Right</source>
        <translation>NR destro</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Matrix Files (*.MAT,*.MTX)</source>
        <translation>File matrice (*.MAT,*.MTX)</translation>
    </message>
    <message>
        <source>EQ 1</source>
        <translation>EQ 1</translation>
    </message>
    <message>
        <source>EQ Files (*.EQ)</source>
        <translation>File EQ (*.EQ)</translation>
    </message>
    <message>
        <source>EQ 2</source>
        <translation>EQ 2</translation>
    </message>
    <message>
        <source>A download error has occured.  Please verify that all cabling and settings are correct and try again.</source>
        <translation>Si è verificato un errore durante il download.  Verificare che tutti i cavi e le impostazioni siano corretti e riprovare.</translation>
    </message>
    <message>
        <source>The firmware download has completed successfully.</source>
        <translation>Il download del firmware è stato completato correttamente.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Erasing PIC program memory...</source>
        <translation>Cancellazione della memoria di programma del PIC...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Cancellazione</translation>
    </message>
    <message>
        <source>Writing to PIC program memory, this can take almost 5 minutes to complete...</source>
        <translation>Scrittura nella memoria di programma del PIC, può richiedere quasi 5 minuti...</translation>
    </message>
    <message>
        <source>Writing PIC EEPROM data...</source>
        <translation>Scrittura dei dati EEPROM del PIC...</translation>
    </message>
    <message>
        <source>Writing EEPROM</source>
        <translation>Scrittura EEPROM</translation>
    </message>
    <message>
        <source>Waiting for response from DSP</source>
        <translation>In attesa di risposta dal DSP</translation>
    </message>
    <message>
        <source>Initializing DSP for download</source>
        <translation>Preparazione del DSP per il download</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Inizializzazione</translation>
    </message>
    <message>
        <source>Writing to DSP program memory, this can take almost 2 minutes to complete...</source>
        <translation>Scrittura nella memoria di programma del DSP, può richiedere quasi 2 minuti...</translation>
    </message>
    <message>
        <source>Verifying DSP data...</source>
        <translation>Verifica dei dati del DSP...</translation>
    </message>
    <message>
        <source>DSP CRC Verification has failed,  Please try the download again.</source>
        <translation>La verifica CRC del DSP non è riuscita.  Ripetere il download.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>Passo %1:</translation>
    </message>
    <message>
        <source>Make sure you are disconnected from the KVT unit and that all recent modifications have been saved.</source>
        <translation>Assicurarsi di essere disconnessi dall&apos;unità KVT e che tutte le modifiche recenti siano state salvate.</translation>
    </message>
    <message>
        <source>Select the file to be downloaded:</source>
        <translation>Selezionare il file da scaricare:</translation>
    </message>
    <message>
        <source>File to be downloaded</source>
        <translation>File da scaricare</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Click the Download button:</source>
        <translation>Fare clic sul pulsante Scarica:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Turn OFF the power to the KVT unit that will be updated.</source>
        <translation>SPEGNERE l&apos;unità KVT da aggiornare.</translation>
    </message>
    <message>
        <source>Power the KVT unit back ON while holding down S5 on the KVT-80 control card. Release the S5 switch after five seconds.</source>
        <translation>RIACCENDERE l&apos;unità KVT tenendo premuto S5 sulla scheda di controllo del KVT-80. Rilasciare S5 dopo cinque secondi.</translation>
    </message>
    <message>
        <source>Power Cycle with S5 Held</source>
        <translation>Riavvia con S5</translation>
    </message>
    <message>
        <source>Switches the demonstration unit off and on again holding S5</source>
        <translation>Spegne e riaccende l&apos;unità dimostrativa tenendo premuto S5</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>Messaggi del download</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Avanzamento del download</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>The selected file is not a valid firmware image or has been corrupted.</source>
        <translation>Il file selezionato non è un&apos;immagine firmware valida oppure è danneggiato.</translation>
    </message>
    <message>
        <source>The filename entered is not valid.  Please make sure you have the correct file selected.</source>
        <translation>Il nome file inserito non è valido.  Assicurarsi di aver selezionato il file corretto.</translation>
    </message>
    <message>
        <source>The program is connected to the KVT unit.  Please disconnect before downloading.</source>
        <translation>Il programma è connesso all&apos;unità KVT.  Disconnettersi prima del download.</translation>
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
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Causa: %1</translation>
    </message>
    <message>
        <source>%p% (%v of %m)</source>
        <translation>%p% (%v di %m)</translation>
    </message>
    <message>
        <source>PIC program memory: %1 of %2 records written (%3%)</source>
        <translation>Memoria di programma del PIC: %1 di %2 record scritti (%3%)</translation>
    </message>
    <message>
        <source>PIC EEPROM data: %1 of %2 records written (%3%)</source>
        <translation>Dati EEPROM del PIC: %1 di %2 record scritti (%3%)</translation>
    </message>
    <message>
        <source>DSP program memory: %1 of %2 words written (%3%)</source>
        <translation>Memoria di programma del DSP: %1 di %2 parole scritte (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3%)</source>
        <translation>%1 di %2 scritti (%3%)</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEQForm</name>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround sinistro</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround destro</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround post. sinistro</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround post. destro</translation>
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
        <translation>For SR</translation>
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
        <source>Flat</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rumore rosa</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bassi</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Acuti</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centrale sinistro</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centrale destro</translation>
    </message>
    <message>
        <source>SET ALL EQ SETTINGS TO 0dB?</source>
        <translation>PORTARE TUTTE LE IMPOSTAZIONI EQ A 0 dB?</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEventLog</name>
    <message>
        <source>Event Log:</source>
        <translation>Registro eventi:</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Set Date/Time...</source>
        <translation>Imposta data/ora...</translation>
    </message>
    <message>
        <source>Save to Disk...</source>
        <translation>Salva su disco...</translation>
    </message>
    <message>
        <source>The unit is not ready; the event log cannot be read now.</source>
        <translation>L&apos;unità non è pronta; il registro eventi non può essere letto ora.</translation>
    </message>
    <message>
        <source>Reading the event log from the unit...  Entries so far: %1</source>
        <translation>Lettura del registro eventi dall&apos;unità...  Voci finora: %1</translation>
    </message>
    <message>
        <source>Entries read: %1</source>
        <translation>Voci lette: %1</translation>
    </message>
    <message>
        <source>No entries arrived from the unit: its log is empty, or it did not answer.</source>
        <translation>Nessuna voce ricevuta dall&apos;unità: il suo registro è vuoto oppure non ha risposto.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is being cleared.</source>
        <translation>Il registro eventi dell&apos;unità viene cancellato.</translation>
    </message>
    <message>
        <source>Clear the event log in the KVT unit?  Its entries are erased and cannot be read again; save them to disk first if they are needed.</source>
        <translation>Cancellare il registro eventi dell&apos;unità KVT?  Le voci vengono eliminate e non possono più essere lette; salvarle prima su disco se servono.</translation>
    </message>
    <message>
        <source>The event log could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il registro eventi in %1.

%2</translation>
    </message>
    <message>
        <source>Event Logs (*.log)</source>
        <translation>Registri eventi (*.log)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save to Disk</source>
        <translation>Salva su disco</translation>
    </message>
    <message>
        <source>The service report is reading the event log; press Update again once the report is written.</source>
        <translation>Il rapporto di intervento sta leggendo il registro eventi; premere di nuovo Aggiorna quando il rapporto è stato scritto.</translation>
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
        <translation>Ultimo scelto</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Attiva preset</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Livello
formato</translation>
    </message>
    <message>
        <source>Format Level</source>
        <translation>Livello del formato</translation>
    </message>
    <message>
        <source>Power on Format</source>
        <translation>Formato iniziale</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Tipo di
ingresso</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canale
microfono</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Advanced Options:</source>
        <translation>Opzioni avanzate:</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Riduzione rumore:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
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
        <translation>Decodifica audio:</translation>
    </message>
    <message>
        <source>5.1 Stereo</source>
        <translation>5.1 stereo</translation>
    </message>
    <message>
        <source>2.0 Stereo</source>
        <translation>2.0 stereo</translation>
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
        <translation>Ingresso:</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Proiettore</translation>
    </message>
    <message>
        <source>Analog N/S</source>
        <translation>Analogico N/S</translation>
    </message>
    <message>
        <source>Analog Aux</source>
        <translation>Analogico Aux</translation>
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
        <translation>Ritardi proiettore</translation>
    </message>
    <message>
        <source>Input
Delay</source>
        <translation>Ritardo
ingresso</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Ritardo
surround</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Riserva digitale</translation>
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
    <name>kvt::laptop::CDlgRoomEQ</name>
    <message>
        <source>Room EQ Assistant</source>
        <translation>Assistente equalizzazione sala</translation>
    </message>
    <message>
        <source>Place the measurement microphones in the seating area and make sure the room is quiet. The assistant plays pink noise on each chosen channel in turn, measures it with the unit&apos;s analyser and sets the channel&apos;s equalizer and output level.</source>
        <translation>Posizionare i microfoni di misura nella zona delle poltrone e assicurarsi che la sala sia silenziosa. L&apos;assistente riproduce a turno rumore rosa su ogni canale scelto, lo misura con l&apos;analizzatore dell&apos;unità e imposta l&apos;equalizzatore e il livello di uscita del canale.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>X-curve, moved by</source>
        <translation>Curva X, spostata di</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Target file:</source>
        <translation>File obiettivo:</translation>
    </message>
    <message>
        <source>One line per band: frequency in Hz and level in dB</source>
        <translation>Una riga per banda: frequenza in Hz e livello in dB</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>File obiettivo</translation>
    </message>
    <message>
        <source>Target files (*.txt);;All files (*)</source>
        <translation>File obiettivo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limiti</translation>
    </message>
    <message>
        <source>Largest boost:</source>
        <translation>Esaltazione massima:</translation>
    </message>
    <message>
        <source>Deepest cut:</source>
        <translation>Attenuazione massima:</translation>
    </message>
    <message>
        <source>The unit&apos;s equalizer reaches 6 dB either way.</source>
        <translation>L&apos;equalizzatore dell&apos;unità arriva a 6 dB in entrambi i sensi.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Connect to the unit first.</source>
        <translation>Collegarsi prima all&apos;unità.</translation>
    </message>
    <message>
        <source>Choose at least one channel.</source>
        <translation>Scegliere almeno un canale.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The target file cannot be used: %1</source>
        <translation>Impossibile usare il file obiettivo: %1</translation>
    </message>
    <message>
        <source>Measuring and equalizing. Keep the room quiet.</source>
        <translation>Misura ed equalizzazione in corso. Mantenere la sala silenziosa.</translation>
    </message>
    <message>
        <source>Cancelling: switching the generator off...</source>
        <translation>Annullamento: spegnimento del generatore...</translation>
    </message>
    <message>
        <source>Undo Channel</source>
        <translation>Annulla canale</translation>
    </message>
    <message>
        <source>Store in Unit</source>
        <translation>Memorizza nell&apos;unità</translation>
    </message>
    <message>
        <source>New Run...</source>
        <translation>Nuova passata...</translation>
    </message>
    <message>
        <source>%1: undone</source>
        <translation>%1: annullato</translation>
    </message>
    <message>
        <source>%1: not finished</source>
        <translation>%1: non terminato</translation>
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
        <translation>(fuori)</translation>
    </message>
    <message>
        <source>Every channel is within tolerance of the target.</source>
        <translation>Tutti i canali sono entro la tolleranza dell&apos;obiettivo.</translation>
    </message>
    <message>
        <source>Some channels are outside tolerance; see their curves.</source>
        <translation>Alcuni canali sono fuori tolleranza; vedere le loro curve.</translation>
    </message>
    <message>
        <source>The unit stopped answering. The generator may still be playing: it is switched off and the analyser put back as soon as the unit is connected again.</source>
        <translation>L&apos;unità ha smesso di rispondere. Il generatore potrebbe essere ancora attivo: verrà spento e l&apos;analizzatore ripristinato appena l&apos;unità sarà di nuovo collegata.</translation>
    </message>
    <message>
        <source>The run did not finish (%1). The generator is off and the analyser is as it was; the channels already changed can be undone.</source>
        <translation>La passata non è terminata (%1). Il generatore è spento e l&apos;analizzatore com&apos;era; i canali già modificati possono essere annullati.</translation>
    </message>
    <message>
        <source>null</source>
        <translation>cancellazione</translation>
    </message>
    <message>
        <source>noise floor</source>
        <translation>rumore di fondo</translation>
    </message>
    <message>
        <source>Rounds: %1. Output level %2 → %3. Largest deviation %4 → %5.</source>
        <translation>Passate: %1. Livello di uscita %2 → %3. Scarto massimo %4 → %5.</translation>
    </message>
    <message>
        <source>Parametric band: %1 Hz, Q %2, %3.</source>
        <translation>Banda parametrica: %1 Hz, Q %2, %3.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <translation>Non corretto: %1.</translation>
    </message>
    <message>
        <source>Storing the settings in the unit...</source>
        <translation>Memorizzazione delle impostazioni nell&apos;unità...</translation>
    </message>
    <message>
        <source>The settings are stored in the unit.</source>
        <translation>Le impostazioni sono memorizzate nell&apos;unità.</translation>
    </message>
    <message>
        <source>The unit did not store the settings.</source>
        <translation>L&apos;unità non ha memorizzato le impostazioni.</translation>
    </message>
    <message>
        <source>The unit is back: the generator is off and the analyser is as it was.</source>
        <translation>L&apos;unità è tornata: il generatore è spento e l&apos;analizzatore com&apos;era.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomLevels</name>
    <message>
        <source>
Left</source>
        <translation>
Sinistro</translation>
    </message>
    <message>
        <source>
Center</source>
        <translation>
Centrale</translation>
    </message>
    <message>
        <source>
Right</source>
        <translation>
Destro</translation>
    </message>
    <message>
        <source>Left
Surround</source>
        <translation>Surround
sinistro</translation>
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
destro</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround posteriore sinistro</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround posteriore destro</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rumore rosa</translation>
    </message>
    <message>
        <source>100 Hz Tone</source>
        <translation>Tono 100 Hz</translation>
    </message>
    <message>
        <source>1 kHz Tone</source>
        <translation>Tono 1 kHz</translation>
    </message>
    <message>
        <source>10 kHz Tone</source>
        <translation>Tono 10 kHz</translation>
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
        <translation>Impulso</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>Generatore</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centrale sinistro</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centrale destro</translation>
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
    <name>kvt::laptop::CDlgServiceReport</name>
    <message>
        <source>Service Report</source>
        <translation>Rapporto di intervento</translation>
    </message>
    <message>
        <source>The report lists the unit, its profile, formats, equalizer curves, levels and delays, the recent event log, the result of Verify and the changes made since the unit was connected.</source>
        <translation>Il rapporto riporta l&apos;unità, il suo profilo, i formati, le curve dell&apos;equalizzatore, livelli e ritardi, il registro eventi recente, l&apos;esito della verifica e le modifiche fatte dalla connessione.</translation>
    </message>
    <message>
        <source>What was found and done during the visit</source>
        <translation>Cosa è stato trovato e fatto durante l&apos;intervento</translation>
    </message>
    <message>
        <source>Technician&apos;s notes:</source>
        <translation>Note del tecnico:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Room EQ report:</source>
        <translation>Rapporto EQ ambiente:</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>File del rapporto:</translation>
    </message>
    <message>
        <source>Read the unit&apos;s event log</source>
        <translation>Leggi il registro eventi dell&apos;unità</translation>
    </message>
    <message>
        <source>Verify the unit (reads its whole configuration back)</source>
        <translation>Verifica l&apos;unità (rilegge tutta la configurazione)</translation>
    </message>
    <message>
        <source>The unit is not connected: the report shows the configuration the program holds.</source>
        <translation>L&apos;unità non è collegata: il rapporto mostra la configurazione del programma.</translation>
    </message>
    <message>
        <source>Write Report</source>
        <translation>Scrivi rapporto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Room EQ report</source>
        <translation>Rapporto EQ ambiente</translation>
    </message>
    <message>
        <source>Room EQ Reports (*.json)</source>
        <translation>Rapporti EQ ambiente (*.json)</translation>
    </message>
    <message>
        <source>Choose the file for the report.</source>
        <translation>Scegliere il file del rapporto.</translation>
    </message>
    <message>
        <source>Reading the unit and verifying...</source>
        <translation>Lettura dell&apos;unità e verifica...</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Scrittura del rapporto...</translation>
    </message>
    <message>
        <source>Verify passed.</source>
        <translation>Verifica superata.</translation>
    </message>
    <message>
        <source>Verify found differences in: %1.</source>
        <translation>La verifica ha trovato differenze in: %1.</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>Il rapporto non è stato scritto: %1</translation>
    </message>
    <message>
        <source>The report was written to %1 (%2 pages).</source>
        <translation>Il rapporto è stato scritto in %1 (%2 pagine).</translation>
    </message>
    <message>
        <source>Not in the report: %1</source>
        <translation>Non nel rapporto: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSetDateTime</name>
    <message>
        <source>Set Date/Time</source>
        <translation>Imposta data/ora</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Use System Time</source>
        <translation>Usa ora di sistema</translation>
    </message>
    <message>
        <source>The KVT unit is not connected; its clock was not set.</source>
        <translation>L&apos;unità KVT non è collegata; il suo orologio non è stato impostato.</translation>
    </message>
    <message>
        <source>The KVT unit is busy (the terminal is in use); its clock was not set.  Try again when the unit is back in normal operation.</source>
        <translation>L&apos;unità KVT è occupata (il terminale è in uso); il suo orologio non è stato impostato.  Riprovare quando l&apos;unità sarà tornata al funzionamento normale.</translation>
    </message>
    <message>
        <source>The date and time were not accepted; the unit&apos;s clock was not set.</source>
        <translation>Data e ora non sono state accettate; l&apos;orologio dell&apos;unità non è stato impostato.</translation>
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
    <name>kvt::laptop::CDlgSubParametricForm</name>
    <message>
        <source>Sub Bass Parametric Equalizer</source>
        <translation>Equalizzatore parametrico dei sub-bassi</translation>
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
        <translation>Livello</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgTerminalForm</name>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Not connected.  The terminal works while the unit is connected.</source>
        <translation>Non collegato.  Il terminale funziona mentre l&apos;unità è collegata.</translation>
    </message>
    <message>
        <source>Reaching the unit&apos;s command prompt...</source>
        <translation>Accesso al prompt dei comandi dell&apos;unità...</translation>
    </message>
    <message>
        <source>Connected to the unit&apos;s command interpreter.  Type a command and press Enter.</source>
        <translation>Collegato all&apos;interprete dei comandi dell&apos;unità.  Digitare un comando e premere Invio.</translation>
    </message>
    <message>
        <source>The unit did not show its command prompt.  What you type is still sent to it.</source>
        <translation>L&apos;unità non ha mostrato il suo prompt dei comandi.  Ciò che si digita le viene comunque inviato.</translation>
    </message>
    <message>
        <source>Terminal closed; the unit is back in normal operation.</source>
        <translation>Terminale chiuso; l&apos;unità è tornata al funzionamento normale.</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Digitato: %1</translation>
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
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Equalizzatore</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>Con&amp;fronta con file...</translation>
    </message>
    <message>
        <source>Lists the differences between the current configuration and a file</source>
        <translation>Elenca le differenze tra la configurazione attuale e un file</translation>
    </message>
    <message>
        <source>Service &amp;Report...</source>
        <translation>Rapporto di &amp;intervento...</translation>
    </message>
    <message>
        <source>Writes the report of this service visit as a PDF</source>
        <translation>Scrive il rapporto di questo intervento in PDF</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All Files (*)</source>
        <translation>File di configurazione KVT (*.kvt);;Configurazioni in JSON (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Room EQ Assistant...</source>
        <translation>Assistente &amp;equalizzazione sala...</translation>
    </message>
    <message>
        <source>Measures each channel and sets its equalizer toward a target curve</source>
        <translation>Misura ogni canale e imposta il suo equalizzatore verso una curva obiettivo</translation>
    </message>
    <message>
        <source>The room EQ assistant is still working with the unit.  Cancel it in its window, or let it finish, before closing the program.</source>
        <translation>L&apos;assistente di equalizzazione della sala sta ancora lavorando con l&apos;unità.  Annullarlo nella sua finestra, o lasciarlo terminare, prima di chiudere il programma.</translation>
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
        <translation>Prima</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
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
