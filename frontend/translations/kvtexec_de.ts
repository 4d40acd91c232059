<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;English</source>
        <translation>&amp;Englisch</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Spanisch</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italienisch</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Französisch</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>&amp;Chinesisch</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The demonstration unit could not be started: %1</source>
        <translation>Das Demonstrationsgerät konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The KVT-80 engine could not be started (status %1). Please reinstall the program.</source>
        <translation>Die KVT-80-Engine konnte nicht gestartet werden (Status %1). Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Date and signature</source>
        <translation>Datum und Unterschrift</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>not connected (the configuration is the engine&apos;s)</source>
        <translation>nicht verbunden (die Konfiguration ist die des Programms)</translation>
    </message>
    <message>
        <source>connected, configuration read</source>
        <translation>verbunden, Konfiguration gelesen</translation>
    </message>
    <message>
        <source>connected, configuration not read</source>
        <translation>verbunden, Konfiguration nicht gelesen</translation>
    </message>
    <message>
        <source>system muted</source>
        <translation>System stummgeschaltet</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>nicht stummgeschaltet</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>aktives Format %1</translation>
    </message>
    <message>
        <source>fader %1</source>
        <translation>Fader %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Unit clock</source>
        <translation>Geräteuhr</translation>
    </message>
    <message>
        <source>Controller firmware</source>
        <translation>Controller-Firmware</translation>
    </message>
    <message>
        <source>Processor controller</source>
        <translation>Prozessor-Controller</translation>
    </message>
    <message>
        <source>Output controller</source>
        <translation>Ausgangs-Controller</translation>
    </message>
    <message>
        <source>Matrix DSP</source>
        <translation>Matrix-DSP</translation>
    </message>
    <message>
        <source>NR DSP A / B</source>
        <translation>NR-DSP A / B</translation>
    </message>
    <message>
        <source>EQ DSP A / B</source>
        <translation>EQ-DSP A / B</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Saal</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projektor</translation>
    </message>
    <message>
        <source>Automation system</source>
        <translation>Automationssystem</translation>
    </message>
    <message>
        <source>Digital player 1</source>
        <translation>Digitaler Player 1</translation>
    </message>
    <message>
        <source>Digital player 2</source>
        <translation>Digitaler Player 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Überprüfung</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht überprüft</translation>
    </message>
    <message>
        <source>Passed: the unit holds the configuration in this report (verification mask 0).</source>
        <translation>Bestanden: Das Gerät enthält die Konfiguration dieses Berichts (Prüfmaske 0).</translation>
    </message>
    <message>
        <source>FAILED: the unit differs from the engine in: %1 (verification mask 0x%2). The configuration pages show the values read back from the unit.</source>
        <translation>FEHLGESCHLAGEN: Das Gerät weicht vom Programm ab in: %1 (Prüfmaske 0x%2). Die Konfigurationsseiten zeigen die aus dem Gerät zurückgelesenen Werte.</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>digital</translation>
    </message>
    <message>
        <source>slit EQ</source>
        <translation>Spalt-EQ</translation>
    </message>
    <message>
        <source>mono EQ</source>
        <translation>Mono-EQ</translation>
    </message>
    <message>
        <source>matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>mic inverted</source>
        <translation>Mikro invertiert</translation>
    </message>
    <message>
        <source>Format table</source>
        <translation>Formattabelle</translation>
    </message>
    <message>
        <source>Formats in use</source>
        <translation>Belegte Formate</translation>
    </message>
    <message>
        <source>Power-on format</source>
        <translation>Einschaltformat</translation>
    </message>
    <message>
        <source>Buttons (button: format)</source>
        <translation>Tasten (Taste: Format)</translation>
    </message>
    <message>
        <source>keep</source>
        <translation>bleibt</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Zeile 2</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <source>Fader</source>
        <translation>Fader</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Inputs and system settings</source>
        <translation>Eingänge und Systemeinstellungen</translation>
    </message>
    <message>
        <source>Projector 1 gain L / R</source>
        <translation>Projektor 1 Pegel L / R</translation>
    </message>
    <message>
        <source>Projector 2 gain L / R</source>
        <translation>Projektor 2 Pegel L / R</translation>
    </message>
    <message>
        <source>Aux gain L / R</source>
        <translation>Aux-Pegel L / R</translation>
    </message>
    <message>
        <source>Mic gain L / R</source>
        <translation>Mikro-Pegel L / R</translation>
    </message>
    <message>
        <source>Non-sync gain</source>
        <translation>Non-Sync-Pegel</translation>
    </message>
    <message>
        <source>Slit EQ P1 / P2</source>
        <translation>Spalt-EQ P1 / P2</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>Mono-EQ</translation>
    </message>
    <message>
        <source>Surround gain</source>
        <translation>Surround-Pegel</translation>
    </message>
    <message>
        <source>Surround delay</source>
        <translation>Surround-Verzögerung</translation>
    </message>
    <message>
        <source>Subwoofer gain</source>
        <translation>Subwoofer-Pegel</translation>
    </message>
    <message>
        <source>Subwoofer crossover</source>
        <translation>Sub-Trennfrequenz</translation>
    </message>
    <message>
        <source>Sub parametric EQ</source>
        <translation>Sub-Parametrik-EQ</translation>
    </message>
    <message>
        <source>Digital input delay</source>
        <translation>Verz. Digitaleingang</translation>
    </message>
    <message>
        <source>Digital surround delay</source>
        <translation>Verz. Digital-Surround</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Headroom</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Kanalkonfiguration</translation>
    </message>
    <message>
        <source>Digital fallback</source>
        <translation>Digital-Fallback</translation>
    </message>
    <message>
        <source>Channels: equaliser curves</source>
        <translation>Kanäle: Equalizer-Kurven</translation>
    </message>
    <message>
        <source>The 27 third-octave band settings of each output channel (dB). Bass and treble shelves are given under each plot.</source>
        <translation>Die 27 Terzband-Einstellungen jedes Ausgangskanals (dB). Bass- und Höhenfilter stehen unter jeder Kurve.</translation>
    </message>
    <message>
        <source>Bass %1   Treble %2   Output %3</source>
        <translation>Bass %1   Höhen %2   Ausgang %3</translation>
    </message>
    <message>
        <source>Delay %1 ms   Mute %2   Invert %3</source>
        <translation>Verzögerung %1 ms   Stumm %2   Invertiert %3</translation>
    </message>
    <message>
        <source>Output levels, delays, mute and invert</source>
        <translation>Ausgangspegel, Verzögerungen, Stumm und Invertierung</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Output level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Digital delay</source>
        <translation>Verz. digital</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Höhen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>The event log was not read.</source>
        <translation>Das Ereignisprotokoll wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is empty.</source>
        <translation>Das Ereignisprotokoll des Geräts ist leer.</translation>
    </message>
    <message>
        <source>The %1 most recent of %2 entries, oldest first.</source>
        <translation>Die %1 neuesten von %2 Einträgen, älteste zuerst.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Changes during the visit</source>
        <translation>Änderungen während des Einsatzes</translation>
    </message>
    <message>
        <source>No configuration from the start of the visit was given, so the changes are not known.</source>
        <translation>Es wurde keine Konfiguration vom Beginn des Einsatzes angegeben, daher sind die Änderungen nicht bekannt.</translation>
    </message>
    <message>
        <source>No changes: the configuration is the one the unit held when the visit began.</source>
        <translation>Keine Änderungen: Die Konfiguration ist die, die das Gerät zu Beginn des Einsatzes hatte.</translation>
    </message>
    <message>
        <source>%1 fields differ from the configuration at the start of the visit.</source>
        <translation>%1 Felder weichen von der Konfiguration zu Beginn des Einsatzes ab.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Zu Beginn</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Room EQ assistant</source>
        <translation>Raum-EQ-Assistent</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Not completed</source>
        <translation>Nicht abgeschlossen</translation>
    </message>
    <message>
        <source>dry run, nothing written</source>
        <translation>Probelauf, nichts geschrieben</translation>
    </message>
    <message>
        <source>stored in the unit</source>
        <translation>im Gerät gespeichert</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>Zielkurve %1</translation>
    </message>
    <message>
        <source>%1. Red: measured before; blue: %2; grey dashed: target (dB, third-octave bands).</source>
        <translation>%1. Rot: vorher gemessen; blau: %2; grau gestrichelt: Zielkurve (dB, Terzbänder).</translation>
    </message>
    <message>
        <source>predicted after</source>
        <translation>nachher vorhergesagt</translation>
    </message>
    <message>
        <source>measured after</source>
        <translation>nachher gemessen</translation>
    </message>
    <message>
        <source>deviation %1 → %2 dB, %3</source>
        <translation>Abweichung %1 → %2 dB, %3</translation>
    </message>
    <message>
        <source>within tolerance</source>
        <translation>in Toleranz</translation>
    </message>
    <message>
        <source>OUT OF TOLERANCE</source>
        <translation>AUSSER TOLERANZ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround links</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround rechts</translation>
    </message>
    <message>
        <source>Left EX</source>
        <translation>EX links</translation>
    </message>
    <message>
        <source>Right EX</source>
        <translation>EX rechts</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>KVT-80 service report %1</source>
        <translation>KVT-80 Wartungsbericht %1</translation>
    </message>
    <message>
        <source>screen %1</source>
        <translation>Saal %1</translation>
    </message>
    <message>
        <source>KVT-80 service report · %1 · %2</source>
        <translation>KVT-80 Wartungsbericht · %1 · %2</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>keine Seriennummer</translation>
    </message>
    <message>
        <source>KVT-80 Service Report</source>
        <translation>KVT-80 Wartungsbericht</translation>
    </message>
    <message>
        <source>Technician&apos;s notes</source>
        <translation>Notizen des Technikers</translation>
    </message>
    <message>
        <source>the verification cannot run through this engine</source>
        <translation>die Überprüfung ist mit diesem Programmteil nicht möglich</translation>
    </message>
    <message>
        <source>not verified: the unit is not connected</source>
        <translation>nicht überprüft: Das Gerät ist nicht verbunden</translation>
    </message>
    <message>
        <source>not verified: changes were still being sent to the unit</source>
        <translation>nicht überprüft: Änderungen wurden noch an das Gerät gesendet</translation>
    </message>
    <message>
        <source>Verify was not run for this report</source>
        <translation>Für diesen Bericht wurde keine Überprüfung ausgeführt</translation>
    </message>
    <message>
        <source>memory (formats, profile)</source>
        <translation>Speicher (Formate, Profil)</translation>
    </message>
    <message>
        <source>preamp processors</source>
        <translation>Vorverstärker-Prozessoren</translation>
    </message>
    <message>
        <source>matrix processor</source>
        <translation>Matrix-Prozessor</translation>
    </message>
    <message>
        <source>equaliser processors</source>
        <translation>Equalizer-Prozessoren</translation>
    </message>
    <message>
        <source>output card</source>
        <translation>Ausgangskarte</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>KVT-80 Laptop Interface Software</source>
        <translation>KVT-80 Laptop-Schnittstellensoftware</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CCtlRTA</name>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Diff.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Sum + Diff</source>
        <translation>Summe + Diff.</translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>Links + Rechts</translation>
    </message>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Echtzeit-Analysator</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>10 dB/div</source>
        <translation>10 dB/Teil</translation>
    </message>
    <message>
        <source>5 dB/div</source>
        <translation>5 dB/Teil</translation>
    </message>
    <message>
        <source>2 dB/div</source>
        <translation>2 dB/Teil</translation>
    </message>
    <message>
        <source>1 dB/div</source>
        <translation>1 dB/Teil</translation>
    </message>
    <message>
        <source>X-Curve</source>
        <translation>X-Kurve</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Diff</source>
        <translation>Summe &amp;&amp; Diff.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CFlowFrame</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::ConnectionFlows</name>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Saving Preamp Parameters...</source>
        <translation>Vorverstärkerparameter werden gespeichert...</translation>
    </message>
    <message>
        <source>Saving EQ Parameters...</source>
        <translation>EQ-Parameter werden gespeichert...</translation>
    </message>
    <message>
        <source>Retrieving Preamp Parameters...</source>
        <translation>Vorverstärkerparameter werden gelesen...</translation>
    </message>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>EQ-Parameter werden gelesen...</translation>
    </message>
    <message>
        <source>Retrieving Front Panel Parameters...</source>
        <translation>Frontplattenparameter werden gelesen...</translation>
    </message>
    <message>
        <source>Retrieving Profile Information...</source>
        <translation>Profilinformationen werden gelesen...</translation>
    </message>
    <message>
        <source>Waiting to upload...</source>
        <translation>Warten auf Übertragung...</translation>
    </message>
    <message>
        <source>Uploading unit parameters, please wait...</source>
        <translation>Geräteparameter werden übertragen, bitte warten...</translation>
    </message>
    <message>
        <source>Initializing Personality Module, please wait a few moments...</source>
        <translation>Personality-Modul wird initialisiert, bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Speichern im Personality-Modul, bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Überprüfung...</translation>
    </message>
    <message>
        <source>Data verification has failed.  Please upload and save your data file again.  (%1)</source>
        <translation>Die Datenüberprüfung ist fehlgeschlagen.  Bitte übertragen und speichern Sie Ihre Datendatei erneut.  (%1)</translation>
    </message>
    <message>
        <source>Failed to communicate with a KVT unit.  Please verify that your KVT unit is powered on and that your communication settings and cabling are correct.</source>
        <translation>Keine Kommunikation mit einem KVT-Gerät möglich.  Bitte prüfen Sie, ob das KVT-Gerät eingeschaltet ist und ob Kommunikationseinstellungen und Verkabelung korrekt sind.</translation>
    </message>
    <message>
        <source>Failed to save DSP parameters due to an internal error.</source>
        <translation>Die DSP-Parameter konnten wegen eines internen Fehlers nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>Verbindung zur Remote-Adresse fehlgeschlagen.  Bitte prüfen Sie die Kommunikationseinstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>Der Kommunikationsanschluss (%1) konnte nicht geöffnet werden.  Bitte prüfen Sie die Konfiguration und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Saving to the Personality Module did not finish.  The unit stays connected; check the module and the connection, then disconnect again.</source>
        <translation>Das Speichern im Personality-Modul wurde nicht abgeschlossen.  Das Gerät bleibt verbunden; prüfen Sie Modul und Verbindung und trennen Sie dann erneut.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current KVT-80 unit configuration.  Do you want to perform this operation?</source>
        <translation>Dieser Vorgang überschreibt die aktuelle Konfiguration des KVT-80-Geräts.  Möchten Sie den Vorgang ausführen?</translation>
    </message>
    <message>
        <source>Failed to create the specified parameter file.  The file may be in use by another application.</source>
        <translation>Die angegebene Parameterdatei konnte nicht erstellt werden.  Die Datei wird möglicherweise von einer anderen Anwendung verwendet.</translation>
    </message>
    <message>
        <source>Failed to load the specified parameter file.  The file may not be a valid parameter file or might be corrupted.</source>
        <translation>Die angegebene Parameterdatei konnte nicht geladen werden.  Die Datei ist möglicherweise keine gültige Parameterdatei oder beschädigt.</translation>
    </message>
    <message>
        <source>Failed to save to the specified parameter file.  The file may be in use by another application.</source>
        <translation>In der angegebenen Parameterdatei konnte nicht gespeichert werden.  Die Datei wird möglicherweise von einer anderen Anwendung verwendet.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current data stored on the Personality Module.  Do you want to perform this operation?</source>
        <translation>Dieser Vorgang überschreibt die aktuell im Personality-Modul gespeicherten Daten.  Möchten Sie den Vorgang ausführen?</translation>
    </message>
    <message>
        <source>Personality module initialization failed.  Please verify that media is present and writeable.</source>
        <translation>Die Initialisierung des Personality-Moduls ist fehlgeschlagen.  Bitte prüfen Sie, ob ein Datenträger vorhanden und beschreibbar ist.</translation>
    </message>
    <message>
        <source>Communication with the KVT unit has been lost.  If the unit was powered off without disconnecting your recent settings have been lost.</source>
        <translation>Die Kommunikation mit dem KVT-Gerät wurde unterbrochen.  Wenn das Gerät ohne vorheriges Trennen ausgeschaltet wurde, sind Ihre letzten Einstellungen verloren.</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgAbout</name>
    <message>
        <source>About KVTExecCE</source>
        <translation>Über KVTExecCE</translation>
    </message>
    <message>
        <source>KVTExecCE</source>
        <translation>KVTExecCE</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Kommunikation konfigurieren</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Anschluss:</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCopyEQ</name>
    <message>
        <source>Copy EQ</source>
        <translation>EQ kopieren</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Kopieren von</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Kopieren nach</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Kopieren &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgDigitalDelays</name>
    <message>
        <source>Digital Delays</source>
        <translation>Digitale Verzögerungen</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Eingangsverzögerung</translation>
    </message>
    <message>
        <source>Surround Delay</source>
        <translation>Surround-Verzögerung</translation>
    </message>
    <message>
        <source>Digital input and surround delays apply to all digital enabled formats</source>
        <translation>Digitale Eingangs- und Surround-Verzögerungen gelten für alle digitalen Formate</translation>
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
        <translation>Profil</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Optisch</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Equalizer</translation>
    </message>
    <message>
        <source>Format Setup</source>
        <translation>Format-Einrichtung</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
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
        <translation>Ext 1 (Analog)</translation>
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
        <translation>Mikro</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Trennen und Änderungen im KVT-80 speichern?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Im Personality-Modul speichern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Copy EQ Settings...</source>
        <translation>EQ-Einstellungen kopieren...</translation>
    </message>
    <message>
        <source>Headroom Configuration...</source>
        <translation>Headroom-Konfiguration...</translation>
    </message>
    <message>
        <source>Input Configuration...</source>
        <translation>Eingangskonfiguration...</translation>
    </message>
    <message>
        <source>Digital Delays...</source>
        <translation>Digitale Verzögerungen...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>Komm</translation>
    </message>
    <message>
        <source>Communication Settings...</source>
        <translation>Kommunikationseinstellungen...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT-Konfigurationsdateien (*.kvt)</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldRTA</name>
    <message>
        <source>Power Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Difference</source>
        <translation>Summe &amp;&amp; Differenz</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
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
        <translation>Pegel</translation>
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
        <translation>Bass</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Höhen</translation>
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
        <translation>Mikro</translation>
    </message>
    <message>
        <source>Last Selected</source>
        <translation>Zuletzt gewählt</translation>
    </message>
    <message>
        <source>Power On Format</source>
        <translation>Einschaltformat</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Format-
Pegel</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Preset ein</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Eingangs-
typ</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>SPDIF</source>
        <translation>SPDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Mikrofon-
kanal</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Digital Delay</source>
        <translation>Digitale Verzögerung</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Digitaler Ersatz</translation>
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
        <translation>Sur
Verz.</translation>
    </message>
    <message>
        <source>Sur
Gain</source>
        <translation>Sur
Pegel</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Sub
Pegel</translation>
    </message>
    <message>
        <source>Sub
Freq</source>
        <translation>Sub
Freq</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Verst.</translation>
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
        <translation>Mikro</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOptical</name>
    <message>
        <source>Left
Gain</source>
        <translation>Links
Pegel</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Rechts
Pegel</translation>
    </message>
    <message>
        <source>Slit
EQ</source>
        <translation>Spalt
EQ</translation>
    </message>
    <message>
        <source>Mono
EQ</source>
        <translation>Mono
EQ</translation>
    </message>
    <message>
        <source>Projector %1</source>
        <translation>Projektor %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
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
        <translation>Stumm</translation>
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
        <translation>Digitaler Player 1</translation>
    </message>
    <message>
        <source>Digital Player 2</source>
        <translation>Digitaler Player 2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Theater Name</source>
        <translation>Kinoname</translation>
    </message>
    <message>
        <source>Screen Number</source>
        <translation>Saalnummer</translation>
    </message>
    <message>
        <source>Projector Model Number</source>
        <translation>Projektormodell</translation>
    </message>
    <message>
        <source>Automation System</source>
        <translation>Automationssystem</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgChangeFormatName</name>
    <message>
        <source>Change Format Name</source>
        <translation>Formatnamen ändern</translation>
    </message>
    <message>
        <source>Format Name:</source>
        <translation>Formatname:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCompareFile</name>
    <message>
        <source>Compare With File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The file %1 could not be compared: %2</source>
        <translation>Die Datei %1 konnte nicht verglichen werden: %2</translation>
    </message>
    <message>
        <source>Not taken from the file: %1</source>
        <translation>Nicht aus der Datei übernommen: %1</translation>
    </message>
    <message>
        <source>The engine&apos;s configuration and %1 are the same.</source>
        <translation>Die Konfiguration des Programms und %1 sind gleich.</translation>
    </message>
    <message>
        <source>Fields in which the engine&apos;s configuration differs from %1: %2</source>
        <translation>Felder, in denen sich die Konfiguration des Programms von %1 unterscheidet: %2</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigComm</name>
    <message>
        <source>Configure Communications</source>
        <translation>Kommunikation konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Communications Port:</source>
        <translation>&amp;Kommunikationsanschluss:</translation>
    </message>
    <message>
        <source>Remote addresses</source>
        <translation>Remote-Adressen</translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation>Einfügen...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigPreview</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT-Konfigurationsdateien (*.kvt)</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Kinoname:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Saalnummer:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConnectionStatus</name>
    <message>
        <source>Connecting...</source>
        <translation>Verbindungsaufbau...</translation>
    </message>
    <message>
        <source>Connecting to KVT unit, please wait a few moments...</source>
        <translation>Verbindung zum KVT-Gerät wird hergestellt, bitte einen Moment warten...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCopyEQ</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround links</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround rechts</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Back-Surround links</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Back-Surround rechts</translation>
    </message>
    <message>
        <source>Copy EQ Settings</source>
        <translation>EQ-Einstellungen kopieren</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Kopieren von</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Kopieren nach</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Kopieren &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDisconnectPrompt</name>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Trennen und Änderungen im KVT-80 speichern?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Im Personality-Modul speichern</translation>
    </message>
    <message>
        <source>Do Not Save Settings</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDownloadPIC</name>
    <message>
        <source>Control Card</source>
        <translation>Steuerkarte</translation>
    </message>
    <message>
        <source>INHEX32 Files (*.HEX)</source>
        <translation>INHEX32-Dateien (*.HEX)</translation>
    </message>
    <message>
        <source>NR Left</source>
        <translation>NR links</translation>
    </message>
    <message>
        <source>NR Files (*.NR)</source>
        <translation>NR-Dateien (*.NR)</translation>
    </message>
    <message>
        <source>NR Right</source>
        <translation>NR rechts</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Matrix Files (*.MAT,*.MTX)</source>
        <translation>Matrix-Dateien (*.MAT,*.MTX)</translation>
    </message>
    <message>
        <source>EQ 1</source>
        <translation>EQ 1</translation>
    </message>
    <message>
        <source>EQ Files (*.EQ)</source>
        <translation>EQ-Dateien (*.EQ)</translation>
    </message>
    <message>
        <source>EQ 2</source>
        <translation>EQ 2</translation>
    </message>
    <message>
        <source>A download error has occured.  Please verify that all cabling and settings are correct and try again.</source>
        <translation>Beim Herunterladen ist ein Fehler aufgetreten.  Bitte prüfen Sie, ob alle Kabel und Einstellungen korrekt sind, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The firmware download has completed successfully.</source>
        <translation>Das Herunterladen der Firmware wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Erasing PIC program memory...</source>
        <translation>PIC-Programmspeicher wird gelöscht...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Writing to PIC program memory, this can take almost 5 minutes to complete...</source>
        <translation>PIC-Programmspeicher wird beschrieben, dies kann fast 5 Minuten dauern...</translation>
    </message>
    <message>
        <source>Writing PIC EEPROM data...</source>
        <translation>PIC-EEPROM-Daten werden geschrieben...</translation>
    </message>
    <message>
        <source>Writing EEPROM</source>
        <translation>EEPROM schreiben</translation>
    </message>
    <message>
        <source>Waiting for response from DSP</source>
        <translation>Warten auf Antwort vom DSP</translation>
    </message>
    <message>
        <source>Initializing DSP for download</source>
        <translation>DSP wird für das Herunterladen vorbereitet</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisieren</translation>
    </message>
    <message>
        <source>Writing to DSP program memory, this can take almost 2 minutes to complete...</source>
        <translation>DSP-Programmspeicher wird beschrieben, dies kann fast 2 Minuten dauern...</translation>
    </message>
    <message>
        <source>Verifying DSP data...</source>
        <translation>DSP-Daten werden überprüft...</translation>
    </message>
    <message>
        <source>DSP CRC Verification has failed,  Please try the download again.</source>
        <translation>Die CRC-Prüfung des DSP ist fehlgeschlagen.  Bitte laden Sie erneut herunter.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>Schritt %1:</translation>
    </message>
    <message>
        <source>Make sure you are disconnected from the KVT unit and that all recent modifications have been saved.</source>
        <translation>Stellen Sie sicher, dass die Verbindung zum KVT-Gerät getrennt ist und alle letzten Änderungen gespeichert wurden.</translation>
    </message>
    <message>
        <source>Select the file to be downloaded:</source>
        <translation>Wählen Sie die herunterzuladende Datei:</translation>
    </message>
    <message>
        <source>File to be downloaded</source>
        <translation>Herunterzuladende Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Click the Download button:</source>
        <translation>Klicken Sie auf die Schaltfläche Herunterladen:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Turn OFF the power to the KVT unit that will be updated.</source>
        <translation>Schalten Sie das zu aktualisierende KVT-Gerät AUS.</translation>
    </message>
    <message>
        <source>Power the KVT unit back ON while holding down S5 on the KVT-80 control card. Release the S5 switch after five seconds.</source>
        <translation>Schalten Sie das KVT-Gerät wieder EIN und halten Sie dabei S5 auf der KVT-80-Steuerkarte gedrückt. Lassen Sie S5 nach fünf Sekunden los.</translation>
    </message>
    <message>
        <source>Power Cycle with S5 Held</source>
        <translation>Aus/Ein mit S5</translation>
    </message>
    <message>
        <source>Switches the demonstration unit off and on again holding S5</source>
        <translation>Schaltet das Demonstrationsgerät bei gedrücktem S5 aus und wieder ein</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>Meldungen beim Herunterladen</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Fortschritt beim Herunterladen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The selected file is not a valid firmware image or has been corrupted.</source>
        <translation>Die gewählte Datei ist kein gültiges Firmware-Abbild oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The filename entered is not valid.  Please make sure you have the correct file selected.</source>
        <translation>Der eingegebene Dateiname ist ungültig.  Bitte stellen Sie sicher, dass die richtige Datei gewählt ist.</translation>
    </message>
    <message>
        <source>The program is connected to the KVT unit.  Please disconnect before downloading.</source>
        <translation>Das Programm ist mit dem KVT-Gerät verbunden.  Bitte trennen Sie die Verbindung vor dem Herunterladen.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>Verbindung zur Remote-Adresse fehlgeschlagen.  Bitte prüfen Sie die Kommunikationseinstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>Der Kommunikationsanschluss (%1) konnte nicht geöffnet werden.  Bitte prüfen Sie die Konfiguration und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Ursache: %1</translation>
    </message>
    <message>
        <source>%p% (%v of %m)</source>
        <translation>%p% (%v von %m)</translation>
    </message>
    <message>
        <source>PIC program memory: %1 of %2 records written (%3%)</source>
        <translation>PIC-Programmspeicher: %1 von %2 Datensätzen geschrieben (%3%)</translation>
    </message>
    <message>
        <source>PIC EEPROM data: %1 of %2 records written (%3%)</source>
        <translation>PIC-EEPROM-Daten: %1 von %2 Datensätzen geschrieben (%3%)</translation>
    </message>
    <message>
        <source>DSP program memory: %1 of %2 words written (%3%)</source>
        <translation>DSP-Programmspeicher: %1 von %2 Wörtern geschrieben (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3%)</source>
        <translation>%1 von %2 geschrieben (%3%)</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEQForm</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround links</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Subwoofer</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround rechts</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Back-Surround links</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Back-Surround rechts</translation>
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
        <source>Flat</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rosa Rauschen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Höhen</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>SET ALL EQ SETTINGS TO 0dB?</source>
        <translation>ALLE EQ-EINSTELLUNGEN AUF 0 dB SETZEN?</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEventLog</name>
    <message>
        <source>Event Log:</source>
        <translation>Ereignisprotokoll:</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Set Date/Time...</source>
        <translation>Datum/Uhrzeit einstellen...</translation>
    </message>
    <message>
        <source>Save to Disk...</source>
        <translation>Auf Datenträger speichern...</translation>
    </message>
    <message>
        <source>The unit is not ready; the event log cannot be read now.</source>
        <translation>Das Gerät ist nicht bereit; das Ereignisprotokoll kann jetzt nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reading the event log from the unit...  Entries so far: %1</source>
        <translation>Ereignisprotokoll wird vom Gerät gelesen...  Bisherige Einträge: %1</translation>
    </message>
    <message>
        <source>Entries read: %1</source>
        <translation>Gelesene Einträge: %1</translation>
    </message>
    <message>
        <source>No entries arrived from the unit: its log is empty, or it did not answer.</source>
        <translation>Vom Gerät kamen keine Einträge: Sein Protokoll ist leer, oder es hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is being cleared.</source>
        <translation>Das Ereignisprotokoll des Geräts wird gelöscht.</translation>
    </message>
    <message>
        <source>Clear the event log in the KVT unit?  Its entries are erased and cannot be read again; save them to disk first if they are needed.</source>
        <translation>Ereignisprotokoll im KVT-Gerät löschen?  Die Einträge werden gelöscht und können nicht wieder gelesen werden; speichern Sie sie vorher auf einem Datenträger, wenn sie gebraucht werden.</translation>
    </message>
    <message>
        <source>The event log could not be saved to %1.

%2</source>
        <translation>Das Ereignisprotokoll konnte nicht unter %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Event Logs (*.log)</source>
        <translation>Ereignisprotokolle (*.log)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save to Disk</source>
        <translation>Auf Datenträger speichern</translation>
    </message>
    <message>
        <source>The service report is reading the event log; press Update again once the report is written.</source>
        <translation>Der Wartungsbericht liest gerade das Ereignisprotokoll; drücken Sie erneut Aktualisieren, sobald der Bericht geschrieben ist.</translation>
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
        <translation>Zuletzt gewählt</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Preset ein</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Format-
Pegel</translation>
    </message>
    <message>
        <source>Format Level</source>
        <translation>Formatpegel</translation>
    </message>
    <message>
        <source>Power on Format</source>
        <translation>Einschaltformat</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Eingangs-
typ</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Mikrofon-
kanal</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Advanced Options:</source>
        <translation>Erweiterte Optionen:</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Rauschunterdrückung:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>A Type</source>
        <translation>Typ A</translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation>Typ SR</translation>
    </message>
    <message>
        <source>Audio Decode:</source>
        <translation>Audiodekodierung:</translation>
    </message>
    <message>
        <source>5.1 Stereo</source>
        <translation>5.1 Stereo</translation>
    </message>
    <message>
        <source>2.0 Stereo</source>
        <translation>2.0 Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>L,C,R Only</source>
        <translation>Nur L,C,R</translation>
    </message>
    <message>
        <source>L,R Only</source>
        <translation>Nur L,R</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Eingang:</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projektor</translation>
    </message>
    <message>
        <source>Analog N/S</source>
        <translation>Analog N/S</translation>
    </message>
    <message>
        <source>Analog Aux</source>
        <translation>Analog Aux</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>Diskret</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Projector Delays</source>
        <translation>Projektor-Delays</translation>
    </message>
    <message>
        <source>Input
Delay</source>
        <translation>Eingangs-
verzögerung</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Surround-
verzögerung</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Digitaler Ersatz</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgHeadroomAdjust</name>
    <message>
        <source>Headroom Adjustment</source>
        <translation>Headroom-Anpassung</translation>
    </message>
    <message>
        <source>26 db of Headroom (THX)</source>
        <translation>26 dB Headroom (THX)</translation>
    </message>
    <message>
        <source>29 db of Headroom</source>
        <translation>29 dB Headroom</translation>
    </message>
    <message>
        <source>32 db of Headroom</source>
        <translation>32 dB Headroom</translation>
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
        <translation>IP-Adresse einfügen/ändern</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP-Adresse:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputConfiguration</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Kanalkonfiguration</translation>
    </message>
    <message>
        <source>Back Surround Channels</source>
        <translation>Back-Surround-Kanäle</translation>
    </message>
    <message>
        <source>Stage Channels</source>
        <translation>Bühnenkanäle</translation>
    </message>
    <message>
        <source>Center/Mono Surround</source>
        <translation>Center/Mono-Surround</translation>
    </message>
    <message>
        <source>LCR/Mono Surround</source>
        <translation>LCR/Mono-Surround</translation>
    </message>
    <message>
        <source>The unit cannot use the channel configuration &quot;%1&quot;.  Its configuration is unchanged.</source>
        <translation>Das Gerät kann die Kanalkonfiguration &quot;%1&quot; nicht verwenden.  Seine Konfiguration bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputForm</name>
    <message>
        <source>Left
Gain</source>
        <translation>Verst.
links</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Verst.
rechts</translation>
    </message>
    <message>
        <source>Slit EQ</source>
        <translation>Spalt-EQ</translation>
    </message>
    <message>
        <source>KHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>Mono-EQ</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Surround-
Verzög.</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Surround
Gain</source>
        <translation>Surround-
Verst.</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Sub-
Verst.</translation>
    </message>
    <message>
        <source>Sub
Freq.</source>
        <translation>Sub-
Freq.</translation>
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
        <translation>Für SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1 (analog)</translation>
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
        <translation>Eingangsformat</translation>
    </message>
    <message>
        <source>Projector 1</source>
        <translation>Projektor 1</translation>
    </message>
    <message>
        <source>Projector 2</source>
        <translation>Projektor 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Levels and Matrix</source>
        <translation>Pegel und Matrix</translation>
    </message>
    <message>
        <source>Input Levels</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Verst.</translation>
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
        <translation>Optisch</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgPassword</name>
    <message>
        <source>Password Required</source>
        <translation>Kennwort erforderlich</translation>
    </message>
    <message>
        <source>A password is required to access the diagnostic features.  These features should only be accessed if instructed by RDM support personel.</source>
        <translation>Für den Zugriff auf die Diagnosefunktionen ist ein Kennwort erforderlich.  Diese Funktionen sollten nur auf Anweisung des RDM-Supportpersonals verwendet werden.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProfileForm</name>
    <message>
        <source>Digital Player 1:</source>
        <translation>Digitaler Player 1:</translation>
    </message>
    <message>
        <source>Digital Player 2:</source>
        <translation>Digitaler Player 2:</translation>
    </message>
    <message>
        <source>Theater Number:</source>
        <translation>Kinonummer:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Kinoname:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Saalnummer:</translation>
    </message>
    <message>
        <source>Projector Model Number:</source>
        <translation>Projektormodell:</translation>
    </message>
    <message>
        <source>Automation System:</source>
        <translation>Automationssystem:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>KVT Serial Number:</source>
        <translation>KVT-Seriennummer:</translation>
    </message>
    <message>
        <source>Theater Information</source>
        <translation>Kinoinformationen</translation>
    </message>
    <message>
        <source>Component Information</source>
        <translation>Komponenteninformationen</translation>
    </message>
    <message>
        <source>PIC Firmware Version:</source>
        <translation>PIC-Firmwareversion:</translation>
    </message>
    <message>
        <source>Matrix Firmware Version:</source>
        <translation>Matrix-Firmwareversion:</translation>
    </message>
    <message>
        <source>NR Firmware Version:</source>
        <translation>NR-Firmwareversion:</translation>
    </message>
    <message>
        <source>EQ Firmware Version:</source>
        <translation>EQ-Firmwareversion:</translation>
    </message>
    <message>
        <source>KVT Exec Version:</source>
        <translation>KVT-Exec-Version:</translation>
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
        <translation>Möchten Sie diesen Vorgang wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomEQ</name>
    <message>
        <source>Room EQ Assistant</source>
        <translation>Raum-EQ-Assistent</translation>
    </message>
    <message>
        <source>Place the measurement microphones in the seating area and make sure the room is quiet. The assistant plays pink noise on each chosen channel in turn, measures it with the unit&apos;s analyser and sets the channel&apos;s equalizer and output level.</source>
        <translation>Stellen Sie die Messmikrofone im Zuschauerbereich auf und sorgen Sie für Ruhe im Saal. Der Assistent gibt nacheinander rosa Rauschen auf jeden gewählten Kanal, misst ihn mit dem Analysator des Geräts und stellt Equalizer und Ausgangspegel des Kanals ein.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>X-curve, moved by</source>
        <translation>X-Kurve, verschoben um</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Target file:</source>
        <translation>Zieldatei:</translation>
    </message>
    <message>
        <source>One line per band: frequency in Hz and level in dB</source>
        <translation>Eine Zeile je Band: Frequenz in Hz und Pegel in dB</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>Zieldatei</translation>
    </message>
    <message>
        <source>Target files (*.txt);;All files (*)</source>
        <translation>Zieldateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Largest boost:</source>
        <translation>Größte Anhebung:</translation>
    </message>
    <message>
        <source>Deepest cut:</source>
        <translation>Tiefste Absenkung:</translation>
    </message>
    <message>
        <source>The unit&apos;s equalizer reaches 6 dB either way.</source>
        <translation>Der Equalizer des Geräts reicht 6 dB in beide Richtungen.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Connect to the unit first.</source>
        <translation>Verbinden Sie sich zuerst mit dem Gerät.</translation>
    </message>
    <message>
        <source>Choose at least one channel.</source>
        <translation>Wählen Sie mindestens einen Kanal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The target file cannot be used: %1</source>
        <translation>Die Zieldatei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Measuring and equalizing. Keep the room quiet.</source>
        <translation>Messen und Entzerren. Bitte Ruhe im Saal.</translation>
    </message>
    <message>
        <source>Cancelling: switching the generator off...</source>
        <translation>Abbruch: Der Generator wird ausgeschaltet...</translation>
    </message>
    <message>
        <source>Undo Channel</source>
        <translation>Kanal zurücksetzen</translation>
    </message>
    <message>
        <source>Store in Unit</source>
        <translation>Im Gerät speichern</translation>
    </message>
    <message>
        <source>New Run...</source>
        <translation>Neuer Durchlauf...</translation>
    </message>
    <message>
        <source>%1: undone</source>
        <translation>%1: zurückgesetzt</translation>
    </message>
    <message>
        <source>%1: not finished</source>
        <translation>%1: nicht beendet</translation>
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
        <translation>(außerhalb)</translation>
    </message>
    <message>
        <source>Every channel is within tolerance of the target.</source>
        <translation>Jeder Kanal liegt innerhalb der Toleranz zum Ziel.</translation>
    </message>
    <message>
        <source>Some channels are outside tolerance; see their curves.</source>
        <translation>Einige Kanäle liegen außerhalb der Toleranz; siehe ihre Kurven.</translation>
    </message>
    <message>
        <source>The unit stopped answering. The generator may still be playing: it is switched off and the analyser put back as soon as the unit is connected again.</source>
        <translation>Das Gerät antwortet nicht mehr. Der Generator läuft womöglich noch: Er wird ausgeschaltet und der Analysator zurückgestellt, sobald das Gerät wieder verbunden ist.</translation>
    </message>
    <message>
        <source>The run did not finish (%1). The generator is off and the analyser is as it was; the channels already changed can be undone.</source>
        <translation>Der Durchlauf wurde nicht beendet (%1). Der Generator ist aus und der Analysator wie zuvor; bereits geänderte Kanäle können zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>null</source>
        <translation>Auslöschung</translation>
    </message>
    <message>
        <source>noise floor</source>
        <translation>Grundrauschen</translation>
    </message>
    <message>
        <source>Rounds: %1. Output level %2 → %3. Largest deviation %4 → %5.</source>
        <translation>Durchgänge: %1. Ausgangspegel %2 → %3. Größte Abweichung %4 → %5.</translation>
    </message>
    <message>
        <source>Parametric band: %1 Hz, Q %2, %3.</source>
        <translation>Parametrisches Band: %1 Hz, Q %2, %3.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <translation>Nicht korrigiert: %1.</translation>
    </message>
    <message>
        <source>Storing the settings in the unit...</source>
        <translation>Die Einstellungen werden im Gerät gespeichert...</translation>
    </message>
    <message>
        <source>The settings are stored in the unit.</source>
        <translation>Die Einstellungen sind im Gerät gespeichert.</translation>
    </message>
    <message>
        <source>The unit did not store the settings.</source>
        <translation>Das Gerät hat die Einstellungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>The unit is back: the generator is off and the analyser is as it was.</source>
        <translation>Das Gerät ist wieder da: Der Generator ist aus und der Analysator wie zuvor.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomLevels</name>
    <message>
        <source>
Left</source>
        <translation>
Links</translation>
    </message>
    <message>
        <source>
Center</source>
        <translation>
Center</translation>
    </message>
    <message>
        <source>
Right</source>
        <translation>
Rechts</translation>
    </message>
    <message>
        <source>Left
Surround</source>
        <translation>Surround
links</translation>
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
rechts</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Back Surround links</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Back Surround rechts</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Rosa Rauschen</translation>
    </message>
    <message>
        <source>100 Hz Tone</source>
        <translation>100-Hz-Ton</translation>
    </message>
    <message>
        <source>1 kHz Tone</source>
        <translation>1-kHz-Ton</translation>
    </message>
    <message>
        <source>10 kHz Tone</source>
        <translation>10-kHz-Ton</translation>
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
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert.</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Center links</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Center rechts</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveMMCStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Speichern im Personality-Modul, bitte einen Moment warten...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Saving, please wait a few moments...</source>
        <translation>Speichern, bitte einen Moment warten...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgServiceReport</name>
    <message>
        <source>Service Report</source>
        <translation>Wartungsbericht</translation>
    </message>
    <message>
        <source>The report lists the unit, its profile, formats, equalizer curves, levels and delays, the recent event log, the result of Verify and the changes made since the unit was connected.</source>
        <translation>Der Bericht enthält das Gerät, sein Profil, die Formate, Equalizer-Kurven, Pegel und Verzögerungen, das jüngste Ereignisprotokoll, das Ergebnis der Überprüfung und die Änderungen seit dem Verbinden.</translation>
    </message>
    <message>
        <source>What was found and done during the visit</source>
        <translation>Was beim Einsatz vorgefunden und getan wurde</translation>
    </message>
    <message>
        <source>Technician&apos;s notes:</source>
        <translation>Notizen des Technikers:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Room EQ report:</source>
        <translation>Raum-EQ-Bericht:</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Berichtsdatei:</translation>
    </message>
    <message>
        <source>Read the unit&apos;s event log</source>
        <translation>Ereignisprotokoll des Geräts lesen</translation>
    </message>
    <message>
        <source>Verify the unit (reads its whole configuration back)</source>
        <translation>Gerät überprüfen (liest die ganze Konfiguration zurück)</translation>
    </message>
    <message>
        <source>The unit is not connected: the report shows the configuration the program holds.</source>
        <translation>Das Gerät ist nicht verbunden: Der Bericht zeigt die Konfiguration, die das Programm hält.</translation>
    </message>
    <message>
        <source>Write Report</source>
        <translation>Bericht schreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Room EQ report</source>
        <translation>Raum-EQ-Bericht</translation>
    </message>
    <message>
        <source>Room EQ Reports (*.json)</source>
        <translation>Raum-EQ-Berichte (*.json)</translation>
    </message>
    <message>
        <source>Choose the file for the report.</source>
        <translation>Wählen Sie die Datei für den Bericht.</translation>
    </message>
    <message>
        <source>Reading the unit and verifying...</source>
        <translation>Gerät wird gelesen und überprüft...</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Bericht wird geschrieben...</translation>
    </message>
    <message>
        <source>Verify passed.</source>
        <translation>Überprüfung bestanden.</translation>
    </message>
    <message>
        <source>Verify found differences in: %1.</source>
        <translation>Die Überprüfung fand Unterschiede in: %1.</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>Der Bericht wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The report was written to %1 (%2 pages).</source>
        <translation>Der Bericht wurde nach %1 geschrieben (%2 Seiten).</translation>
    </message>
    <message>
        <source>Not in the report: %1</source>
        <translation>Nicht im Bericht: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSetDateTime</name>
    <message>
        <source>Set Date/Time</source>
        <translation>Datum/Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Use System Time</source>
        <translation>Systemzeit verwenden</translation>
    </message>
    <message>
        <source>The KVT unit is not connected; its clock was not set.</source>
        <translation>Das KVT-Gerät ist nicht verbunden; seine Uhr wurde nicht gestellt.</translation>
    </message>
    <message>
        <source>The KVT unit is busy (the terminal is in use); its clock was not set.  Try again when the unit is back in normal operation.</source>
        <translation>Das KVT-Gerät ist belegt (das Terminal wird benutzt); seine Uhr wurde nicht gestellt.  Versuchen Sie es wieder, wenn das Gerät im Normalbetrieb ist.</translation>
    </message>
    <message>
        <source>The date and time were not accepted; the unit&apos;s clock was not set.</source>
        <translation>Datum und Uhrzeit wurden nicht angenommen; die Uhr des Geräts wurde nicht gestellt.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSplash</name>
    <message>
        <source>About KVT-80 Laptop Interface Software</source>
        <translation>Über KVT-80 Laptop-Schnittstellensoftware</translation>
    </message>
    <message>
        <source>KVT-80 Laptop Interface Software
Version: %1</source>
        <translation>KVT-80 Laptop-Schnittstellensoftware
Version: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSubParametricForm</name>
    <message>
        <source>Sub Bass Parametric Equalizer</source>
        <translation>Parametrischer Subbass-Equalizer</translation>
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
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
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
        <translation>Nicht verbunden.  Das Terminal arbeitet, solange das Gerät verbunden ist.</translation>
    </message>
    <message>
        <source>Reaching the unit&apos;s command prompt...</source>
        <translation>Eingabeaufforderung des Geräts wird angesteuert...</translation>
    </message>
    <message>
        <source>Connected to the unit&apos;s command interpreter.  Type a command and press Enter.</source>
        <translation>Mit dem Befehlsinterpreter des Geräts verbunden.  Geben Sie einen Befehl ein und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>The unit did not show its command prompt.  What you type is still sent to it.</source>
        <translation>Das Gerät hat seine Eingabeaufforderung nicht gezeigt.  Was Sie eingeben, wird trotzdem gesendet.</translation>
    </message>
    <message>
        <source>Terminal closed; the unit is back in normal operation.</source>
        <translation>Terminal geschlossen; das Gerät ist wieder im Normalbetrieb.</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Eingegeben: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgUploadStatus</name>
    <message>
        <source>Uploading...</source>
        <translation>Übertragung...</translation>
    </message>
    <message>
        <source>Uploading, please wait a few moments...</source>
        <translation>Übertragung läuft, bitte einen Moment warten...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgZoomedSLA</name>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Echtzeit-Analysator</translation>
    </message>
    <message>
        <source>X-Curve Adjust</source>
        <translation>X-Kurve anpassen</translation>
    </message>
    <message>
        <source>Unlock the X-curve adjustment</source>
        <translation>X-Kurven-Anpassung entsperren</translation>
    </message>
    <message>
        <source>Lock the X-curve adjustment</source>
        <translation>X-Kurven-Anpassung sperren</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFader</name>
    <message>
        <source>Main Fader</source>
        <translation>Hauptfader</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Creates a new configuration file</source>
        <translation>Erstellt eine neue Konfigurationsdatei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens a configuration file and sends it to the unit</source>
        <translation>Öffnet eine Konfigurationsdatei und sendet sie an das Gerät</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Saves the configuration to its file</source>
        <translation>Speichert die Konfiguration in ihrer Datei</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Saves the configuration to a file of a new name</source>
        <translation>Speichert die Konfiguration in einer Datei mit neuem Namen</translation>
    </message>
    <message>
        <source>Save to &amp;Personality Module</source>
        <translation>Im &amp;Personality-Modul speichern</translation>
    </message>
    <message>
        <source>Copies the unit&apos;s configuration to its personality module</source>
        <translation>Kopiert die Gerätekonfiguration in das Personality-Modul des Geräts</translation>
    </message>
    <message>
        <source>System &amp;Mute</source>
        <translation>Systemstu&amp;mmschaltung</translation>
    </message>
    <message>
        <source>Mutes or unmutes every output of the unit</source>
        <translation>Schaltet alle Ausgänge des Geräts stumm oder wieder ein</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Kommunikation</translation>
    </message>
    <message>
        <source>Co&amp;mmunication Settings...</source>
        <translation>&amp;Kommunikationseinstellungen...</translation>
    </message>
    <message>
        <source>Chooses the port or network address of the unit</source>
        <translation>Wählt den Anschluss oder die Netzwerkadresse des Geräts</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connects to the unit and reads its configuration</source>
        <translation>Verbindet mit dem Gerät und liest seine Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Stores the settings in the unit and disconnects</source>
        <translation>Speichert die Einstellungen im Gerät und trennt die Verbindung</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>Shows the Profile page</source>
        <translation>Zeigt die Seite „Profil“</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Chooses the language of the program&apos;s texts</source>
        <translation>Wählt die Sprache der Programmtexte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe...</translation>
    </message>
    <message>
        <source>Opens the KVT-80 manual</source>
        <translation>Öffnet das KVT-80-Handbuch</translation>
    </message>
    <message>
        <source>Installation Checklist...</source>
        <translation>Installations-Checkliste...</translation>
    </message>
    <message>
        <source>Opens the installation checklist</source>
        <translation>Öffnet die Installations-Checkliste</translation>
    </message>
    <message>
        <source>Unlock Diagnostics...</source>
        <translation>Diagnose freischalten...</translation>
    </message>
    <message>
        <source>Unlocks the diagnostic pages (support personnel only)</source>
        <translation>Schaltet die Diagnoseseiten frei (nur für Supportpersonal)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>Zeigt die Programmversion</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Main Fader</source>
        <translation>Hauptfader</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The unit reports an error on its AES/EBU digital input.  Please check the digital source and its cable.</source>
        <translation>Das Gerät meldet einen Fehler am digitalen AES/EBU-Eingang.  Bitte prüfen Sie die digitale Quelle und ihr Kabel.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>GENERATOR</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>Format %1</translation>
    </message>
    <message>
        <source>Selects the %1 format</source>
        <translation>Wählt das Format %1</translation>
    </message>
    <message>
        <source>The language change will take effect when the program restarts.</source>
        <translation>Die Sprachänderung wird beim nächsten Programmstart wirksam.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; is not installed.  It belongs in the program&apos;s folder (%2).</source>
        <translation>Das Dokument „%1“ ist nicht installiert.  Es gehört in den Programmordner (%2).</translation>
    </message>
    <message>
        <source>PLW680 software is currently running.  Would you like to link the operation to the KVT software?</source>
        <translation>Die PLW680-Software wird gerade ausgeführt.  Möchten Sie den Betrieb mit der KVT-Software verknüpfen?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>KVT-Konfigurationsdateien (*.kvt)</translation>
    </message>
    <message>
        <source>&amp;Copy EQ Settings...</source>
        <translation>EQ-Einstellungen &amp;kopieren...</translation>
    </message>
    <message>
        <source>Copies one channel&apos;s equalizer settings to other channels</source>
        <translation>Kopiert die Equalizer-Einstellungen eines Kanals auf andere Kanäle</translation>
    </message>
    <message>
        <source>&amp;Headroom Adjustment...</source>
        <translation>&amp;Headroom-Anpassung...</translation>
    </message>
    <message>
        <source>Adjusts the headroom of the unit&apos;s inputs</source>
        <translation>Passt den Headroom der Eingänge des Geräts an</translation>
    </message>
    <message>
        <source>Channe&amp;l Configuration...</source>
        <translation>Kan&amp;alkonfiguration...</translation>
    </message>
    <message>
        <source>Chooses the unit&apos;s channel configuration</source>
        <translation>Wählt die Kanalkonfiguration des Geräts</translation>
    </message>
    <message>
        <source>S&amp;et Date/Time...</source>
        <translation>&amp;Datum/Uhrzeit einstellen...</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock</source>
        <translation>Stellt die Uhr des Geräts</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formate</translation>
    </message>
    <message>
        <source>Shows the Formats page</source>
        <translation>Zeigt die Seite Formate</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>&amp;Eingänge</translation>
    </message>
    <message>
        <source>Shows the Inputs page</source>
        <translation>Zeigt die Seite Eingänge</translation>
    </message>
    <message>
        <source>&amp;Equalizer</source>
        <translation>E&amp;qualizer</translation>
    </message>
    <message>
        <source>Shows the Equalizer page</source>
        <translation>Zeigt die Seite Equalizer</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Ausgänge</translation>
    </message>
    <message>
        <source>Shows the Outputs page</source>
        <translation>Zeigt die Seite Ausgänge</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Equalizer</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Lists the differences between the current configuration and a file</source>
        <translation>Listet die Unterschiede zwischen der aktuellen Konfiguration und einer Datei auf</translation>
    </message>
    <message>
        <source>Service &amp;Report...</source>
        <translation>&amp;Wartungsbericht...</translation>
    </message>
    <message>
        <source>Writes the report of this service visit as a PDF</source>
        <translation>Schreibt den Bericht dieses Wartungseinsatzes als PDF</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All Files (*)</source>
        <translation>KVT-Konfigurationsdateien (*.kvt);;Konfigurationen als JSON (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Room EQ Assistant...</source>
        <translation>&amp;Raum-EQ-Assistent...</translation>
    </message>
    <message>
        <source>Measures each channel and sets its equalizer toward a target curve</source>
        <translation>Misst jeden Kanal und stellt seinen Equalizer auf eine Zielkurve ein</translation>
    </message>
    <message>
        <source>The room EQ assistant is still working with the unit.  Cancel it in its window, or let it finish, before closing the program.</source>
        <translation>Der Raum-EQ-Assistent arbeitet noch mit dem Gerät.  Brechen Sie ihn in seinem Fenster ab oder lassen Sie ihn fertig werden, bevor Sie das Programm schließen.</translation>
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
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::ScreenshotTour</name>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>EQ-Parameter werden gelesen...</translation>
    </message>
</context>
</TS>
