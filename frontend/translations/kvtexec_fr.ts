<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;English</source>
        <translation>&amp;Anglais</translation>
    </message>
    <message>
        <source>&amp;Spanish</source>
        <translation>&amp;Espagnol</translation>
    </message>
    <message>
        <source>&amp;Italian</source>
        <translation>&amp;Italien</translation>
    </message>
    <message>
        <source>&amp;French</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>A&amp;llemand</translation>
    </message>
    <message>
        <source>&amp;Chinese</source>
        <translation>&amp;Chinois</translation>
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
        <translation>Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The demonstration unit could not be started: %1</source>
        <translation>Impossible de démarrer l&apos;unité de démonstration&#xa0;: %1</translation>
    </message>
    <message>
        <source>The KVT-80 engine could not be started (status %1). Please reinstall the program.</source>
        <translation>Impossible de démarrer le moteur du KVT-80 (état %1). Veuillez réinstaller le programme.</translation>
    </message>
</context>
<context>
    <name>ServiceReport</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technicien</translation>
    </message>
    <message>
        <source>Date and signature</source>
        <translation>Date et signature</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lue</translation>
    </message>
    <message>
        <source>not connected (the configuration is the engine&apos;s)</source>
        <translation>non connecté (la configuration est celle du programme)</translation>
    </message>
    <message>
        <source>connected, configuration read</source>
        <translation>connecté, configuration lue</translation>
    </message>
    <message>
        <source>connected, configuration not read</source>
        <translation>connecté, configuration non lue</translation>
    </message>
    <message>
        <source>system muted</source>
        <translation>système muet</translation>
    </message>
    <message>
        <source>not muted</source>
        <translation>non muet</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>format actif %1</translation>
    </message>
    <message>
        <source>fader %1</source>
        <translation>fader %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Unit clock</source>
        <translation>Horloge de l&apos;appareil</translation>
    </message>
    <message>
        <source>Controller firmware</source>
        <translation>Firmware du contrôleur</translation>
    </message>
    <message>
        <source>Processor controller</source>
        <translation>Contrôleur des processeurs</translation>
    </message>
    <message>
        <source>Output controller</source>
        <translation>Contrôleur des sorties</translation>
    </message>
    <message>
        <source>Matrix DSP</source>
        <translation>DSP de matrice</translation>
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
        <translation>Profil</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Salle</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>Automation system</source>
        <translation>Système d&apos;automation</translation>
    </message>
    <message>
        <source>Digital player 1</source>
        <translation>Lecteur numérique 1</translation>
    </message>
    <message>
        <source>Digital player 2</source>
        <translation>Lecteur numérique 2</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>Passed: the unit holds the configuration in this report (verification mask 0).</source>
        <translation>Réussie : l&apos;appareil contient la configuration de ce rapport (masque de vérification 0).</translation>
    </message>
    <message>
        <source>FAILED: the unit differs from the engine in: %1 (verification mask 0x%2). The configuration pages show the values read back from the unit.</source>
        <translation>ÉCHEC : l&apos;appareil diffère du programme pour : %1 (masque de vérification 0x%2). Les pages de configuration montrent les valeurs relues dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>digital</source>
        <translation>numérique</translation>
    </message>
    <message>
        <source>slit EQ</source>
        <translation>EQ fente</translation>
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
        <translation>micro inversé</translation>
    </message>
    <message>
        <source>Format table</source>
        <translation>Table des formats</translation>
    </message>
    <message>
        <source>Formats in use</source>
        <translation>Formats utilisés</translation>
    </message>
    <message>
        <source>Power-on format</source>
        <translation>Format à l&apos;allumage</translation>
    </message>
    <message>
        <source>Buttons (button: format)</source>
        <translation>Touches (touche : format)</translation>
    </message>
    <message>
        <source>keep</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>Ligne 2</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>NR</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Fader</source>
        <translation>Fader</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Inputs and system settings</source>
        <translation>Entrées et réglages système</translation>
    </message>
    <message>
        <source>Projector 1 gain L / R</source>
        <translation>Gain projecteur 1 L / R</translation>
    </message>
    <message>
        <source>Projector 2 gain L / R</source>
        <translation>Gain projecteur 2 L / R</translation>
    </message>
    <message>
        <source>Aux gain L / R</source>
        <translation>Gain Aux L / R</translation>
    </message>
    <message>
        <source>Mic gain L / R</source>
        <translation>Gain micro L / R</translation>
    </message>
    <message>
        <source>Non-sync gain</source>
        <translation>Gain non-sync</translation>
    </message>
    <message>
        <source>Slit EQ P1 / P2</source>
        <translation>EQ de fente P1 / P2</translation>
    </message>
    <message>
        <source>Mono EQ</source>
        <translation>EQ mono</translation>
    </message>
    <message>
        <source>Surround gain</source>
        <translation>Gain surround</translation>
    </message>
    <message>
        <source>Surround delay</source>
        <translation>Retard surround</translation>
    </message>
    <message>
        <source>Subwoofer gain</source>
        <translation>Gain caisson de basses</translation>
    </message>
    <message>
        <source>Subwoofer crossover</source>
        <translation>Coupure caisson</translation>
    </message>
    <message>
        <source>Sub parametric EQ</source>
        <translation>EQ param. caisson</translation>
    </message>
    <message>
        <source>Digital input delay</source>
        <translation>Retard entrée num.</translation>
    </message>
    <message>
        <source>Digital surround delay</source>
        <translation>Retard surround num.</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Channel configuration</source>
        <translation>Config. des canaux</translation>
    </message>
    <message>
        <source>Digital fallback</source>
        <translation>Repli numérique</translation>
    </message>
    <message>
        <source>Channels: equaliser curves</source>
        <translation>Voies : courbes d&apos;égalisation</translation>
    </message>
    <message>
        <source>The 27 third-octave band settings of each output channel (dB). Bass and treble shelves are given under each plot.</source>
        <translation>Les 27 réglages de bande en tiers d&apos;octave de chaque voie de sortie (dB). Les correcteurs graves et aigus sont indiqués sous chaque courbe.</translation>
    </message>
    <message>
        <source>Bass %1   Treble %2   Output %3</source>
        <translation>Graves %1   Aigus %2   Sortie %3</translation>
    </message>
    <message>
        <source>Delay %1 ms   Mute %2   Invert %3</source>
        <translation>Retard %1 ms   Muet %2   Inversé %3</translation>
    </message>
    <message>
        <source>Output levels, delays, mute and invert</source>
        <translation>Niveaux de sortie, retards, muet et inversion</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Output level</source>
        <translation>Niveau de sortie</translation>
    </message>
    <message>
        <source>Digital delay</source>
        <translation>Retard numérique</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Aigus</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inv.</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>The event log was not read.</source>
        <translation>Le journal des événements n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is empty.</source>
        <translation>Le journal des événements de l&apos;appareil est vide.</translation>
    </message>
    <message>
        <source>The %1 most recent of %2 entries, oldest first.</source>
        <translation>Les %1 entrées les plus récentes sur %2, la plus ancienne en premier.</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Changes during the visit</source>
        <translation>Modifications pendant l&apos;intervention</translation>
    </message>
    <message>
        <source>No configuration from the start of the visit was given, so the changes are not known.</source>
        <translation>Aucune configuration du début de l&apos;intervention n&apos;a été fournie : les modifications ne sont pas connues.</translation>
    </message>
    <message>
        <source>No changes: the configuration is the one the unit held when the visit began.</source>
        <translation>Aucune modification : la configuration est celle de l&apos;appareil au début de l&apos;intervention.</translation>
    </message>
    <message>
        <source>%1 fields differ from the configuration at the start of the visit.</source>
        <translation>%1 champs diffèrent de la configuration du début de l&apos;intervention.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Au début</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Room EQ assistant</source>
        <translation>Assistant EQ de salle</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not completed</source>
        <translation>Non terminé</translation>
    </message>
    <message>
        <source>dry run, nothing written</source>
        <translation>essai, rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>stored in the unit</source>
        <translation>enregistré dans l&apos;appareil</translation>
    </message>
    <message>
        <source>not stored</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>courbe cible %1</translation>
    </message>
    <message>
        <source>%1. Red: measured before; blue: %2; grey dashed: target (dB, third-octave bands).</source>
        <translation>%1. Rouge : mesure avant ; bleu : %2 ; gris pointillé : cible (dB, bandes de tiers d&apos;octave).</translation>
    </message>
    <message>
        <source>predicted after</source>
        <translation>prévision après</translation>
    </message>
    <message>
        <source>measured after</source>
        <translation>mesure après</translation>
    </message>
    <message>
        <source>deviation %1 → %2 dB, %3</source>
        <translation>écart %1 → %2 dB, %3</translation>
    </message>
    <message>
        <source>within tolerance</source>
        <translation>dans la tolérance</translation>
    </message>
    <message>
        <source>OUT OF TOLERANCE</source>
        <translation>HORS TOLÉRANCE</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround gauche</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Caisson de basses</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround droit</translation>
    </message>
    <message>
        <source>Left EX</source>
        <translation>EX gauche</translation>
    </message>
    <message>
        <source>Right EX</source>
        <translation>EX droit</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centre gauche</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centre droit</translation>
    </message>
    <message>
        <source>KVT-80 service report %1</source>
        <translation>Rapport d&apos;intervention KVT-80 %1</translation>
    </message>
    <message>
        <source>screen %1</source>
        <translation>salle %1</translation>
    </message>
    <message>
        <source>KVT-80 service report · %1 · %2</source>
        <translation>Rapport d&apos;intervention KVT-80 · %1 · %2</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>sans numéro de série</translation>
    </message>
    <message>
        <source>KVT-80 Service Report</source>
        <translation>Rapport d&apos;intervention KVT-80</translation>
    </message>
    <message>
        <source>Technician&apos;s notes</source>
        <translation>Notes du technicien</translation>
    </message>
    <message>
        <source>the verification cannot run through this engine</source>
        <translation>la vérification ne peut pas être lancée avec ce moteur</translation>
    </message>
    <message>
        <source>not verified: the unit is not connected</source>
        <translation>non vérifié : l&apos;appareil n&apos;est pas connecté</translation>
    </message>
    <message>
        <source>not verified: changes were still being sent to the unit</source>
        <translation>non vérifié : des modifications étaient encore en cours d&apos;envoi à l&apos;appareil</translation>
    </message>
    <message>
        <source>Verify was not run for this report</source>
        <translation>La vérification n&apos;a pas été lancée pour ce rapport</translation>
    </message>
    <message>
        <source>memory (formats, profile)</source>
        <translation>mémoire (formats, profil)</translation>
    </message>
    <message>
        <source>preamp processors</source>
        <translation>processeurs du préampli</translation>
    </message>
    <message>
        <source>matrix processor</source>
        <translation>processeur de matrice</translation>
    </message>
    <message>
        <source>equaliser processors</source>
        <translation>processeurs d&apos;égalisation</translation>
    </message>
    <message>
        <source>output card</source>
        <translation>carte de sortie</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>KVT-80 Laptop Interface Software</source>
        <translation>Logiciel d&apos;interface pour portable KVT-80</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CCtlRTA</name>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Diff.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Sum + Diff</source>
        <translation>Somme + Diff.</translation>
    </message>
    <message>
        <source>Left + Right</source>
        <translation>Gauche + Droite</translation>
    </message>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analyseur temps réel</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
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
        <translation>Courbe X</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Diff</source>
        <translation>Somme &amp;&amp; Diff.</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::CFlowFrame</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>kvt::frontend::ConnectionFlows</name>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Saving Preamp Parameters...</source>
        <translation>Enregistrement des paramètres du préampli...</translation>
    </message>
    <message>
        <source>Saving EQ Parameters...</source>
        <translation>Enregistrement des paramètres EQ...</translation>
    </message>
    <message>
        <source>Retrieving Preamp Parameters...</source>
        <translation>Lecture des paramètres du préampli...</translation>
    </message>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Lecture des paramètres EQ...</translation>
    </message>
    <message>
        <source>Retrieving Front Panel Parameters...</source>
        <translation>Lecture des paramètres de la face avant...</translation>
    </message>
    <message>
        <source>Retrieving Profile Information...</source>
        <translation>Lecture des informations du profil...</translation>
    </message>
    <message>
        <source>Waiting to upload...</source>
        <translation>En attente du transfert...</translation>
    </message>
    <message>
        <source>Uploading unit parameters, please wait...</source>
        <translation>Transfert des paramètres vers l&apos;unité, veuillez patienter...</translation>
    </message>
    <message>
        <source>Initializing Personality Module, please wait a few moments...</source>
        <translation>Initialisation du module de personnalité, veuillez patienter quelques instants...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Enregistrement dans le module de personnalité, veuillez patienter quelques instants...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Data verification has failed.  Please upload and save your data file again.  (%1)</source>
        <translation>La vérification des données a échoué.  Veuillez transférer et enregistrer à nouveau votre fichier de données.  (%1)</translation>
    </message>
    <message>
        <source>Failed to communicate with a KVT unit.  Please verify that your KVT unit is powered on and that your communication settings and cabling are correct.</source>
        <translation>Impossible de communiquer avec une unité KVT.  Vérifiez que l&apos;unité KVT est sous tension et que les paramètres de communication et le câblage sont corrects.</translation>
    </message>
    <message>
        <source>Failed to save DSP parameters due to an internal error.</source>
        <translation>Impossible d&apos;enregistrer les paramètres DSP en raison d&apos;une erreur interne.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>Impossible de se connecter à l&apos;adresse distante.  Vérifiez les paramètres de communication et réessayez.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>Impossible d&apos;ouvrir le port de communication (%1).  Vérifiez la configuration et réessayez.</translation>
    </message>
    <message>
        <source>Saving to the Personality Module did not finish.  The unit stays connected; check the module and the connection, then disconnect again.</source>
        <translation>L&apos;enregistrement dans le module de personnalité ne s&apos;est pas terminé.  L&apos;unité reste connectée&#xa0;; vérifiez le module et la connexion, puis déconnectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current KVT-80 unit configuration.  Do you want to perform this operation?</source>
        <translation>Cette opération va écraser la configuration actuelle de l&apos;unité KVT-80.  Voulez-vous effectuer cette opération&#xa0;?</translation>
    </message>
    <message>
        <source>Failed to create the specified parameter file.  The file may be in use by another application.</source>
        <translation>Impossible de créer le fichier de paramètres indiqué.  Le fichier est peut-être utilisé par une autre application.</translation>
    </message>
    <message>
        <source>Failed to load the specified parameter file.  The file may not be a valid parameter file or might be corrupted.</source>
        <translation>Impossible de charger le fichier de paramètres indiqué.  Il ne s&apos;agit peut-être pas d&apos;un fichier de paramètres valide, ou il est endommagé.</translation>
    </message>
    <message>
        <source>Failed to save to the specified parameter file.  The file may be in use by another application.</source>
        <translation>Impossible d&apos;enregistrer dans le fichier de paramètres indiqué.  Le fichier est peut-être utilisé par une autre application.</translation>
    </message>
    <message>
        <source>This operation will overwrite the current data stored on the Personality Module.  Do you want to perform this operation?</source>
        <translation>Cette opération va écraser les données actuellement enregistrées dans le module de personnalité.  Voulez-vous effectuer cette opération&#xa0;?</translation>
    </message>
    <message>
        <source>Personality module initialization failed.  Please verify that media is present and writeable.</source>
        <translation>L&apos;initialisation du module de personnalité a échoué.  Vérifiez qu&apos;un support est présent et accessible en écriture.</translation>
    </message>
    <message>
        <source>Communication with the KVT unit has been lost.  If the unit was powered off without disconnecting your recent settings have been lost.</source>
        <translation>La communication avec l&apos;unité KVT a été perdue.  Si l&apos;unité a été mise hors tension sans déconnexion préalable, vos derniers réglages ont été perdus.</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgAbout</name>
    <message>
        <source>About KVTExecCE</source>
        <translation>À propos de KVTExecCE</translation>
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
        <translation>Configurer les communications</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgCopyEQ</name>
    <message>
        <source>Copy EQ</source>
        <translation>Copier l&apos;EQ</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copier depuis</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copier vers</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copier &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CDlgDigitalDelays</name>
    <message>
        <source>Digital Delays</source>
        <translation>Retards numériques</translation>
    </message>
    <message>
        <source>Input Delay</source>
        <translation>Retard d&apos;entrée</translation>
    </message>
    <message>
        <source>Surround Delay</source>
        <translation>Retard surround</translation>
    </message>
    <message>
        <source>Digital input and surround delays apply to all digital enabled formats</source>
        <translation>Les retards numériques d&apos;entrée et surround s&apos;appliquent à tous les formats numériques</translation>
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
        <translation>Optique</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Égaliseur</translation>
    </message>
    <message>
        <source>Format Setup</source>
        <translation>Réglage des formats</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>Ext 1 (Analog)</source>
        <translation>Ext 1 (analogique)</translation>
    </message>
    <message>
        <source>Ext 2 (Digital)</source>
        <translation>Ext 2 (numérique)</translation>
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
        <translation>Micro</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Déconnecter et enregistrer les modifications dans le KVT-80 ?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Enregistrer dans le module de personnalité</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Copy EQ Settings...</source>
        <translation>Copier les réglages d&apos;EQ...</translation>
    </message>
    <message>
        <source>Headroom Configuration...</source>
        <translation>Configuration de la réserve...</translation>
    </message>
    <message>
        <source>Input Configuration...</source>
        <translation>Configuration des entrées...</translation>
    </message>
    <message>
        <source>Digital Delays...</source>
        <translation>Retards numériques...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Comm</source>
        <translation>Comm</translation>
    </message>
    <message>
        <source>Communication Settings...</source>
        <translation>Paramètres de communication...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panneau</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Fichiers de configuration KVT (*.kvt)</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CHandheldRTA</name>
    <message>
        <source>Power Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Sum &amp;&amp; Difference</source>
        <translation>Somme &amp;&amp; différence</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
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
        <translation>Niveau</translation>
    </message>
    <message>
        <source> Q</source>
        <translation> Q</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Fréq</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Aigus</translation>
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
        <translation>Stéréo</translation>
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
        <translation>Micro</translation>
    </message>
    <message>
        <source>Last Selected</source>
        <translation>Dernier choisi</translation>
    </message>
    <message>
        <source>Power On Format</source>
        <translation>Format à la mise sous tension</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Niveau du
format</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Type
d&apos;entrée</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>SPDIF</source>
        <translation>SPDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canal du
micro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Digital Delay</source>
        <translation>Retard numérique</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Repli numérique</translation>
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
        <translation>Retard
sur</translation>
    </message>
    <message>
        <source>Sur
Gain</source>
        <translation>Gain
sur</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Gain
sub</translation>
    </message>
    <message>
        <source>Sub
Freq</source>
        <translation>Fréq
sub</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Gain</translation>
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
        <translation>Micro</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelOptical</name>
    <message>
        <source>Left
Gain</source>
        <translation>Gain
gauche</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Gain
droit</translation>
    </message>
    <message>
        <source>Slit
EQ</source>
        <translation>EQ
fente</translation>
    </message>
    <message>
        <source>Mono
EQ</source>
        <translation>EQ
mono</translation>
    </message>
    <message>
        <source>Projector %1</source>
        <translation>Projecteur %1</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
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
        <translation>Rose</translation>
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
        <translation>Muet</translation>
    </message>
    <message>
        <source>Inv</source>
        <translation>Inv</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gén</translation>
    </message>
</context>
<context>
    <name>kvt::handheld::CPanelProfile</name>
    <message>
        <source>Digital Player 1</source>
        <translation>Lecteur numérique 1</translation>
    </message>
    <message>
        <source>Digital Player 2</source>
        <translation>Lecteur numérique 2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Theater Name</source>
        <translation>Nom du cinéma</translation>
    </message>
    <message>
        <source>Screen Number</source>
        <translation>Numéro de salle</translation>
    </message>
    <message>
        <source>Projector Model Number</source>
        <translation>Modèle du projecteur</translation>
    </message>
    <message>
        <source>Automation System</source>
        <translation>Système d&apos;automation</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgChangeFormatName</name>
    <message>
        <source>Change Format Name</source>
        <translation>Modifier le nom du format</translation>
    </message>
    <message>
        <source>Format Name:</source>
        <translation>Nom du format :</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCompareFile</name>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The file %1 could not be compared: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être comparé : %2</translation>
    </message>
    <message>
        <source>Not taken from the file: %1</source>
        <translation>Non repris du fichier : %1</translation>
    </message>
    <message>
        <source>The engine&apos;s configuration and %1 are the same.</source>
        <translation>La configuration du programme et %1 sont identiques.</translation>
    </message>
    <message>
        <source>Fields in which the engine&apos;s configuration differs from %1: %2</source>
        <translation>Champs où la configuration du programme diffère de %1 : %2</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigComm</name>
    <message>
        <source>Configure Communications</source>
        <translation>Configurer les communications</translation>
    </message>
    <message>
        <source>&amp;Communications Port:</source>
        <translation>&amp;Port de communication&#xa0;:</translation>
    </message>
    <message>
        <source>Remote addresses</source>
        <translation>Adresses distantes</translation>
    </message>
    <message>
        <source>Insert...</source>
        <translation>Insérer...</translation>
    </message>
    <message>
        <source>Modify...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConfigPreview</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Fichiers de configuration KVT (*.kvt)</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Nom du projet&#xa0;:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nom du cinéma&#xa0;:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Numéro de salle&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgConnectionStatus</name>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Connecting to KVT unit, please wait a few moments...</source>
        <translation>Connexion à l&apos;unité KVT, veuillez patienter quelques instants...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgCopyEQ</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround gauche</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Caisson de basses</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround droit</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centre gauche</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround arrière gauche</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centre droit</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround arrière droit</translation>
    </message>
    <message>
        <source>Copy EQ Settings</source>
        <translation>Copier les réglages d&apos;égaliseur</translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation>Copier depuis</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>Copier vers</translation>
    </message>
    <message>
        <source>Copy &gt;&gt;</source>
        <translation>Copier &gt;&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDisconnectPrompt</name>
    <message>
        <source>Disconnect and save changes to the KVT-80?</source>
        <translation>Déconnecter et enregistrer les modifications dans le KVT-80&#xa0;?</translation>
    </message>
    <message>
        <source>Save to Personality Module</source>
        <translation>Enregistrer dans le module de personnalité</translation>
    </message>
    <message>
        <source>Do Not Save Settings</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgDownloadPIC</name>
    <message>
        <source>Control Card</source>
        <translation>Carte de contrôle</translation>
    </message>
    <message>
        <source>INHEX32 Files (*.HEX)</source>
        <translation>Fichiers INHEX32 (*.HEX)</translation>
    </message>
    <message>
        <source>NR Left</source>
        <translation>NR gauche</translation>
    </message>
    <message>
        <source>NR Files (*.NR)</source>
        <translation>Fichiers NR (*.NR)</translation>
    </message>
    <message>
        <source>NR Right</source>
        <translation>NR droit</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrice</translation>
    </message>
    <message>
        <source>Matrix Files (*.MAT,*.MTX)</source>
        <translation>Fichiers de matrice (*.MAT,*.MTX)</translation>
    </message>
    <message>
        <source>EQ 1</source>
        <translation>EQ 1</translation>
    </message>
    <message>
        <source>EQ Files (*.EQ)</source>
        <translation>Fichiers EQ (*.EQ)</translation>
    </message>
    <message>
        <source>EQ 2</source>
        <translation>EQ 2</translation>
    </message>
    <message>
        <source>A download error has occured.  Please verify that all cabling and settings are correct and try again.</source>
        <translation>Une erreur de téléchargement s&apos;est produite.  Vérifiez que tous les câbles et paramètres sont corrects et réessayez.</translation>
    </message>
    <message>
        <source>The firmware download has completed successfully.</source>
        <translation>Le téléchargement du micrologiciel s&apos;est terminé avec succès.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Erasing PIC program memory...</source>
        <translation>Effacement de la mémoire programme du PIC...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Effacement</translation>
    </message>
    <message>
        <source>Writing to PIC program memory, this can take almost 5 minutes to complete...</source>
        <translation>Écriture dans la mémoire programme du PIC, cela peut prendre près de 5 minutes...</translation>
    </message>
    <message>
        <source>Writing PIC EEPROM data...</source>
        <translation>Écriture des données EEPROM du PIC...</translation>
    </message>
    <message>
        <source>Writing EEPROM</source>
        <translation>Écriture EEPROM</translation>
    </message>
    <message>
        <source>Waiting for response from DSP</source>
        <translation>Attente de la réponse du DSP</translation>
    </message>
    <message>
        <source>Initializing DSP for download</source>
        <translation>Préparation du DSP pour le téléchargement</translation>
    </message>
    <message>
        <source>Initializing</source>
        <translation>Initialisation</translation>
    </message>
    <message>
        <source>Writing to DSP program memory, this can take almost 2 minutes to complete...</source>
        <translation>Écriture dans la mémoire programme du DSP, cela peut prendre près de 2 minutes...</translation>
    </message>
    <message>
        <source>Verifying DSP data...</source>
        <translation>Vérification des données du DSP...</translation>
    </message>
    <message>
        <source>DSP CRC Verification has failed,  Please try the download again.</source>
        <translation>La vérification CRC du DSP a échoué.  Veuillez relancer le téléchargement.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>Étape %1 :</translation>
    </message>
    <message>
        <source>Make sure you are disconnected from the KVT unit and that all recent modifications have been saved.</source>
        <translation>Assurez-vous d&apos;être déconnecté de l&apos;appareil KVT et que toutes les modifications récentes ont été enregistrées.</translation>
    </message>
    <message>
        <source>Select the file to be downloaded:</source>
        <translation>Sélectionnez le fichier à télécharger :</translation>
    </message>
    <message>
        <source>File to be downloaded</source>
        <translation>Fichier à télécharger</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Click the Download button:</source>
        <translation>Cliquez sur le bouton Télécharger :</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Turn OFF the power to the KVT unit that will be updated.</source>
        <translation>ÉTEIGNEZ l&apos;appareil KVT à mettre à jour.</translation>
    </message>
    <message>
        <source>Power the KVT unit back ON while holding down S5 on the KVT-80 control card. Release the S5 switch after five seconds.</source>
        <translation>RALLUMEZ l&apos;appareil KVT en maintenant S5 enfoncé sur la carte de contrôle du KVT-80. Relâchez S5 après cinq secondes.</translation>
    </message>
    <message>
        <source>Power Cycle with S5 Held</source>
        <translation>Redémarrer avec S5</translation>
    </message>
    <message>
        <source>Switches the demonstration unit off and on again holding S5</source>
        <translation>Éteint et rallume l&apos;appareil de démonstration avec S5 enfoncé</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>Messages du téléchargement</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The selected file is not a valid firmware image or has been corrupted.</source>
        <translation>Le fichier sélectionné n&apos;est pas une image de micrologiciel valide ou il est endommagé.</translation>
    </message>
    <message>
        <source>The filename entered is not valid.  Please make sure you have the correct file selected.</source>
        <translation>Le nom de fichier saisi n&apos;est pas valide.  Vérifiez que vous avez sélectionné le bon fichier.</translation>
    </message>
    <message>
        <source>The program is connected to the KVT unit.  Please disconnect before downloading.</source>
        <translation>Le programme est connecté à l&apos;appareil KVT.  Déconnectez-vous avant le téléchargement.</translation>
    </message>
    <message>
        <source>Failed to connect to remote address.  Please verify your communication settings and try again.</source>
        <translation>Impossible de se connecter à l&apos;adresse distante.  Vérifiez les paramètres de communication et réessayez.</translation>
    </message>
    <message>
        <source>Failed to open the communication port (%1).  Please verify your configuration and try again.</source>
        <translation>Impossible d&apos;ouvrir le port de communication (%1).  Vérifiez la configuration et réessayez.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>What went wrong: %1</source>
        <translation>Cause : %1</translation>
    </message>
    <message>
        <source>%p% (%v of %m)</source>
        <translation>%p% (%v sur %m)</translation>
    </message>
    <message>
        <source>PIC program memory: %1 of %2 records written (%3%)</source>
        <translation>Mémoire programme du PIC : %1 enregistrements sur %2 écrits (%3%)</translation>
    </message>
    <message>
        <source>PIC EEPROM data: %1 of %2 records written (%3%)</source>
        <translation>Données EEPROM du PIC : %1 enregistrements sur %2 écrits (%3%)</translation>
    </message>
    <message>
        <source>DSP program memory: %1 of %2 words written (%3%)</source>
        <translation>Mémoire programme du DSP : %1 mots sur %2 écrits (%3%)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3%)</source>
        <translation>%1 sur %2 écrits (%3%)</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEQForm</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left Surround</source>
        <translation>Surround gauche</translation>
    </message>
    <message>
        <source>Subwoofer</source>
        <translation>Caisson de basses</translation>
    </message>
    <message>
        <source>Right Surround</source>
        <translation>Surround droit</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround arrière gauche</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround arrière droit</translation>
    </message>
    <message>
        <source>MONO</source>
        <translation>MONO</translation>
    </message>
    <message>
        <source>STEREO</source>
        <translation>STÉRÉO</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>For SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1 (analogique)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2 (numérique)</translation>
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
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Bruit rose</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Aigus</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centre gauche</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centre droit</translation>
    </message>
    <message>
        <source>SET ALL EQ SETTINGS TO 0dB?</source>
        <translation>METTRE TOUS LES RÉGLAGES D&apos;ÉGALISEUR À 0 dB ?</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgEventLog</name>
    <message>
        <source>Event Log:</source>
        <translation>Journal des événements :</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Set Date/Time...</source>
        <translation>Régler date/heure...</translation>
    </message>
    <message>
        <source>Save to Disk...</source>
        <translation>Enregistrer sur disque...</translation>
    </message>
    <message>
        <source>The unit is not ready; the event log cannot be read now.</source>
        <translation>L&apos;appareil n&apos;est pas prêt ; le journal des événements ne peut pas être lu maintenant.</translation>
    </message>
    <message>
        <source>Reading the event log from the unit...  Entries so far: %1</source>
        <translation>Lecture du journal des événements de l&apos;appareil...  Entrées lues : %1</translation>
    </message>
    <message>
        <source>Entries read: %1</source>
        <translation>Entrées lues : %1</translation>
    </message>
    <message>
        <source>No entries arrived from the unit: its log is empty, or it did not answer.</source>
        <translation>Aucune entrée reçue de l&apos;appareil : son journal est vide ou il n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The unit&apos;s event log is being cleared.</source>
        <translation>Le journal des événements de l&apos;appareil est en cours d&apos;effacement.</translation>
    </message>
    <message>
        <source>Clear the event log in the KVT unit?  Its entries are erased and cannot be read again; save them to disk first if they are needed.</source>
        <translation>Effacer le journal des événements de l&apos;appareil KVT ?  Ses entrées sont supprimées et ne peuvent plus être lues ; enregistrez-les d&apos;abord sur disque si vous en avez besoin.</translation>
    </message>
    <message>
        <source>The event log could not be saved to %1.

%2</source>
        <translation>Le journal des événements n&apos;a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Event Logs (*.log)</source>
        <translation>Journaux d&apos;événements (*.log)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save to Disk</source>
        <translation>Enregistrer sur disque</translation>
    </message>
    <message>
        <source>The service report is reading the event log; press Update again once the report is written.</source>
        <translation>Le rapport d&apos;intervention lit le journal des événements ; appuyez de nouveau sur Actualiser une fois le rapport écrit.</translation>
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
        <translation>Dernier choisi</translation>
    </message>
    <message>
        <source>Enable Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>Format
Level</source>
        <translation>Niveau du
format</translation>
    </message>
    <message>
        <source>Format Level</source>
        <translation>Niveau du format</translation>
    </message>
    <message>
        <source>Power on Format</source>
        <translation>Format au démarrage</translation>
    </message>
    <message>
        <source>Input
Type</source>
        <translation>Type
d&apos;entrée</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Mic
Channel</source>
        <translation>Canal du
micro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Surround</source>
        <translation>Surround</translation>
    </message>
    <message>
        <source>Advanced Options:</source>
        <translation>Options avancées :</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Réduction de bruit :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>A Type</source>
        <translation>Type A</translation>
    </message>
    <message>
        <source>SR Type</source>
        <translation>Type SR</translation>
    </message>
    <message>
        <source>Audio Decode:</source>
        <translation>Décodage audio :</translation>
    </message>
    <message>
        <source>5.1 Stereo</source>
        <translation>5.1 stéréo</translation>
    </message>
    <message>
        <source>2.0 Stereo</source>
        <translation>2.0 stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>L,C,R Only</source>
        <translation>L,C,R seuls</translation>
    </message>
    <message>
        <source>L,R Only</source>
        <translation>L,R seuls</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrée :</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>Analog N/S</source>
        <translation>Analogique N/S</translation>
    </message>
    <message>
        <source>Analog Aux</source>
        <translation>Analogique Aux</translation>
    </message>
    <message>
        <source>AES/EBU</source>
        <translation>AES/EBU</translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation>Discret</translation>
    </message>
    <message>
        <source>%1 mS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Projector Delays</source>
        <translation>Retards projecteur</translation>
    </message>
    <message>
        <source>Input
Delay</source>
        <translation>Retard
d&apos;entrée</translation>
    </message>
    <message>
        <source>Surround
Delay</source>
        <translation>Retard
surround</translation>
    </message>
    <message>
        <source>Digital Fallback</source>
        <translation>Repli numérique</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgHeadroomAdjust</name>
    <message>
        <source>Headroom Adjustment</source>
        <translation>Réglage de la marge</translation>
    </message>
    <message>
        <source>26 db of Headroom (THX)</source>
        <translation>26 dB de marge (THX)</translation>
    </message>
    <message>
        <source>29 db of Headroom</source>
        <translation>29 dB de marge</translation>
    </message>
    <message>
        <source>32 db of Headroom</source>
        <translation>32 dB de marge</translation>
    </message>
    <message>
        <source>Headroom</source>
        <translation>Marge</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgIPAddress</name>
    <message>
        <source>Insert/Modify IP Address</source>
        <translation>Insérer/modifier l&apos;adresse IP</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>Adresse IP&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputConfiguration</name>
    <message>
        <source>Channel Configuration</source>
        <translation>Configuration des canaux</translation>
    </message>
    <message>
        <source>Back Surround Channels</source>
        <translation>Canaux surround arrière</translation>
    </message>
    <message>
        <source>Stage Channels</source>
        <translation>Canaux de scène</translation>
    </message>
    <message>
        <source>Center/Mono Surround</source>
        <translation>Centre/surround mono</translation>
    </message>
    <message>
        <source>LCR/Mono Surround</source>
        <translation>LCR/surround mono</translation>
    </message>
    <message>
        <source>The unit cannot use the channel configuration &quot;%1&quot;.  Its configuration is unchanged.</source>
        <translation>L&apos;appareil ne peut pas utiliser la configuration des canaux &quot;%1&quot;.  Sa configuration reste inchangée.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgInputForm</name>
    <message>
        <source>Left
Gain</source>
        <translation>Gain
gauche</translation>
    </message>
    <message>
        <source>Right
Gain</source>
        <translation>Gain
droit</translation>
    </message>
    <message>
        <source>Slit EQ</source>
        <translation>EQ de fente</translation>
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
        <translation>Retard
surround</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Surround
Gain</source>
        <translation>Gain
surround</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Sub
Gain</source>
        <translation>Gain
sub</translation>
    </message>
    <message>
        <source>Sub
Freq.</source>
        <translation>Fréq.
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
        <translation>STÉRÉO</translation>
    </message>
    <message>
        <source>For SR</source>
        <translation>Pour SR</translation>
    </message>
    <message>
        <source>EXT 1 (Analog)</source>
        <translation>EXT 1 (analogique)</translation>
    </message>
    <message>
        <source>EXT 2 (Digital)</source>
        <translation>EXT 2 (numérique)</translation>
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
        <translation>Format d&apos;entrée</translation>
    </message>
    <message>
        <source>Projector 1</source>
        <translation>Projecteur 1</translation>
    </message>
    <message>
        <source>Projector 2</source>
        <translation>Projecteur 2</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Levels and Matrix</source>
        <translation>Niveaux et matrice</translation>
    </message>
    <message>
        <source>Input Levels</source>
        <translation>Niveaux d&apos;entrée</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>
Gain</source>
        <translation>
Gain</translation>
    </message>
    <message>
        <source>S/PDIF</source>
        <translation>S/PDIF</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Optical</source>
        <translation>Optique</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgPassword</name>
    <message>
        <source>Password Required</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>A password is required to access the diagnostic features.  These features should only be accessed if instructed by RDM support personel.</source>
        <translation>Un mot de passe est requis pour accéder aux fonctions de diagnostic.  N&apos;utilisez ces fonctions que sur instruction du personnel d&apos;assistance RDM.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgProfileForm</name>
    <message>
        <source>Digital Player 1:</source>
        <translation>Lecteur numérique 1&#xa0;:</translation>
    </message>
    <message>
        <source>Digital Player 2:</source>
        <translation>Lecteur numérique 2&#xa0;:</translation>
    </message>
    <message>
        <source>Theater Number:</source>
        <translation>Numéro du cinéma&#xa0;:</translation>
    </message>
    <message>
        <source>Theater Name:</source>
        <translation>Nom du cinéma&#xa0;:</translation>
    </message>
    <message>
        <source>Screen Number:</source>
        <translation>Numéro de salle&#xa0;:</translation>
    </message>
    <message>
        <source>Projector Model Number:</source>
        <translation>Modèle du projecteur&#xa0;:</translation>
    </message>
    <message>
        <source>Automation System:</source>
        <translation>Système d&apos;automatisation&#xa0;:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>KVT Serial Number:</source>
        <translation>Numéro de série KVT&#xa0;:</translation>
    </message>
    <message>
        <source>Theater Information</source>
        <translation>Informations sur le cinéma</translation>
    </message>
    <message>
        <source>Component Information</source>
        <translation>Informations sur les composants</translation>
    </message>
    <message>
        <source>PIC Firmware Version:</source>
        <translation>Firmware PIC&#xa0;:</translation>
    </message>
    <message>
        <source>Matrix Firmware Version:</source>
        <translation>Firmware matrice&#xa0;:</translation>
    </message>
    <message>
        <source>NR Firmware Version:</source>
        <translation>Firmware NR&#xa0;:</translation>
    </message>
    <message>
        <source>EQ Firmware Version:</source>
        <translation>Firmware EQ&#xa0;:</translation>
    </message>
    <message>
        <source>KVT Exec Version:</source>
        <translation>Version KVT Exec&#xa0;:</translation>
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
        <translation>Voulez-vous vraiment annuler cette action&#xa0;?</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomEQ</name>
    <message>
        <source>Room EQ Assistant</source>
        <translation>Assistant d&apos;égalisation de salle</translation>
    </message>
    <message>
        <source>Place the measurement microphones in the seating area and make sure the room is quiet. The assistant plays pink noise on each chosen channel in turn, measures it with the unit&apos;s analyser and sets the channel&apos;s equalizer and output level.</source>
        <translation>Placez les microphones de mesure dans la zone des fauteuils et veillez au silence dans la salle. L&apos;assistant envoie tour à tour un bruit rose sur chaque canal choisi, le mesure avec l&apos;analyseur de l&apos;appareil et règle l&apos;égaliseur et le niveau de sortie du canal.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>X-curve, moved by</source>
        <translation>Courbe X, décalée de</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source>Target file:</source>
        <translation>Fichier cible :</translation>
    </message>
    <message>
        <source>One line per band: frequency in Hz and level in dB</source>
        <translation>Une ligne par bande : fréquence en Hz et niveau en dB</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Target File</source>
        <translation>Fichier cible</translation>
    </message>
    <message>
        <source>Target files (*.txt);;All files (*)</source>
        <translation>Fichiers cibles (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Largest boost:</source>
        <translation>Accentuation maximale :</translation>
    </message>
    <message>
        <source>Deepest cut:</source>
        <translation>Atténuation maximale :</translation>
    </message>
    <message>
        <source>The unit&apos;s equalizer reaches 6 dB either way.</source>
        <translation>L&apos;égaliseur de l&apos;appareil va jusqu&apos;à 6 dB dans les deux sens.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Connect to the unit first.</source>
        <translation>Connectez-vous d&apos;abord à l&apos;appareil.</translation>
    </message>
    <message>
        <source>Choose at least one channel.</source>
        <translation>Choisissez au moins un canal.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The target file cannot be used: %1</source>
        <translation>Le fichier cible est inutilisable : %1</translation>
    </message>
    <message>
        <source>Measuring and equalizing. Keep the room quiet.</source>
        <translation>Mesure et égalisation en cours. Gardez le silence dans la salle.</translation>
    </message>
    <message>
        <source>Cancelling: switching the generator off...</source>
        <translation>Annulation : arrêt du générateur...</translation>
    </message>
    <message>
        <source>Undo Channel</source>
        <translation>Annuler le canal</translation>
    </message>
    <message>
        <source>Store in Unit</source>
        <translation>Enregistrer dans l&apos;appareil</translation>
    </message>
    <message>
        <source>New Run...</source>
        <translation>Nouvelle passe...</translation>
    </message>
    <message>
        <source>%1: undone</source>
        <translation>%1 : annulé</translation>
    </message>
    <message>
        <source>%1: not finished</source>
        <translation>%1 : non terminé</translation>
    </message>
    <message>
        <source>%1: %2 → %3 %4</source>
        <translation>%1 : %2 → %3 %4</translation>
    </message>
    <message>
        <source>(ok)</source>
        <translation>(ok)</translation>
    </message>
    <message>
        <source>(outside)</source>
        <translation>(hors tolérance)</translation>
    </message>
    <message>
        <source>Every channel is within tolerance of the target.</source>
        <translation>Tous les canaux sont dans la tolérance de la cible.</translation>
    </message>
    <message>
        <source>Some channels are outside tolerance; see their curves.</source>
        <translation>Certains canaux sont hors tolérance ; voyez leurs courbes.</translation>
    </message>
    <message>
        <source>The unit stopped answering. The generator may still be playing: it is switched off and the analyser put back as soon as the unit is connected again.</source>
        <translation>L&apos;appareil ne répond plus. Le générateur joue peut-être encore : il sera arrêté et l&apos;analyseur remis en place dès que l&apos;appareil sera reconnecté.</translation>
    </message>
    <message>
        <source>The run did not finish (%1). The generator is off and the analyser is as it was; the channels already changed can be undone.</source>
        <translation>La passe n&apos;est pas terminée (%1). Le générateur est arrêté et l&apos;analyseur comme avant ; les canaux déjà modifiés peuvent être annulés.</translation>
    </message>
    <message>
        <source>null</source>
        <translation>creux</translation>
    </message>
    <message>
        <source>noise floor</source>
        <translation>bruit de fond</translation>
    </message>
    <message>
        <source>Rounds: %1. Output level %2 → %3. Largest deviation %4 → %5.</source>
        <translation>Passes : %1. Niveau de sortie %2 → %3. Écart maximal %4 → %5.</translation>
    </message>
    <message>
        <source>Parametric band: %1 Hz, Q %2, %3.</source>
        <translation>Bande paramétrique : %1 Hz, Q %2, %3.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <translation>Non corrigé : %1.</translation>
    </message>
    <message>
        <source>Storing the settings in the unit...</source>
        <translation>Enregistrement des réglages dans l&apos;appareil...</translation>
    </message>
    <message>
        <source>The settings are stored in the unit.</source>
        <translation>Les réglages sont enregistrés dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>The unit did not store the settings.</source>
        <translation>L&apos;appareil n&apos;a pas enregistré les réglages.</translation>
    </message>
    <message>
        <source>The unit is back: the generator is off and the analyser is as it was.</source>
        <translation>L&apos;appareil est revenu : le générateur est arrêté et l&apos;analyseur comme avant.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgRoomLevels</name>
    <message>
        <source>
Left</source>
        <translation>
Gauche</translation>
    </message>
    <message>
        <source>
Center</source>
        <translation>
Centre</translation>
    </message>
    <message>
        <source>
Right</source>
        <translation>
Droite</translation>
    </message>
    <message>
        <source>Left
Surround</source>
        <translation>Surround
gauche</translation>
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
droit</translation>
    </message>
    <message>
        <source>Back Surround Left</source>
        <translation>Surround arrière gauche</translation>
    </message>
    <message>
        <source>Back Surround Right</source>
        <translation>Surround arrière droit</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>Bruit rose</translation>
    </message>
    <message>
        <source>100 Hz Tone</source>
        <translation>Ton 100 Hz</translation>
    </message>
    <message>
        <source>1 kHz Tone</source>
        <translation>Ton 1 kHz</translation>
    </message>
    <message>
        <source>10 kHz Tone</source>
        <translation>Ton 10 kHz</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
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
        <translation>Impulsion</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inv.</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>Générateur</translation>
    </message>
    <message>
        <source>Left Center</source>
        <translation>Centre gauche</translation>
    </message>
    <message>
        <source>Right Center</source>
        <translation>Centre droit</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveMMCStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Saving to Personality Module, please wait a few moments...</source>
        <translation>Enregistrement dans le module de personnalité, veuillez patienter quelques instants...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSaveStatus</name>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Saving, please wait a few moments...</source>
        <translation>Enregistrement, veuillez patienter quelques instants...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgServiceReport</name>
    <message>
        <source>Service Report</source>
        <translation>Rapport d&apos;intervention</translation>
    </message>
    <message>
        <source>The report lists the unit, its profile, formats, equalizer curves, levels and delays, the recent event log, the result of Verify and the changes made since the unit was connected.</source>
        <translation>Le rapport présente l&apos;appareil, son profil, les formats, les courbes d&apos;égaliseur, niveaux et retards, le journal d&apos;événements récent, le résultat de la vérification et les modifications faites depuis la connexion.</translation>
    </message>
    <message>
        <source>What was found and done during the visit</source>
        <translation>Ce qui a été constaté et fait pendant l&apos;intervention</translation>
    </message>
    <message>
        <source>Technician&apos;s notes:</source>
        <translation>Notes du technicien :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Room EQ report:</source>
        <translation>Rapport d&apos;égalisation de salle :</translation>
    </message>
    <message>
        <source>Report file:</source>
        <translation>Fichier du rapport :</translation>
    </message>
    <message>
        <source>Read the unit&apos;s event log</source>
        <translation>Lire le journal d&apos;événements de l&apos;appareil</translation>
    </message>
    <message>
        <source>Verify the unit (reads its whole configuration back)</source>
        <translation>Vérifier l&apos;appareil (relit toute sa configuration)</translation>
    </message>
    <message>
        <source>The unit is not connected: the report shows the configuration the program holds.</source>
        <translation>L&apos;appareil n&apos;est pas connecté : le rapport montre la configuration que détient le programme.</translation>
    </message>
    <message>
        <source>Write Report</source>
        <translation>Écrire le rapport</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Room EQ report</source>
        <translation>Rapport d&apos;égalisation de salle</translation>
    </message>
    <message>
        <source>Room EQ Reports (*.json)</source>
        <translation>Rapports d&apos;égalisation de salle (*.json)</translation>
    </message>
    <message>
        <source>Choose the file for the report.</source>
        <translation>Choisissez le fichier du rapport.</translation>
    </message>
    <message>
        <source>Reading the unit and verifying...</source>
        <translation>Lecture de l&apos;appareil et vérification...</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Écriture du rapport...</translation>
    </message>
    <message>
        <source>Verify passed.</source>
        <translation>Vérification réussie.</translation>
    </message>
    <message>
        <source>Verify found differences in: %1.</source>
        <translation>La vérification a trouvé des différences dans : %1.</translation>
    </message>
    <message>
        <source>The report was not written: %1</source>
        <translation>Le rapport n&apos;a pas été écrit : %1</translation>
    </message>
    <message>
        <source>The report was written to %1 (%2 pages).</source>
        <translation>Le rapport a été écrit dans %1 (%2 pages).</translation>
    </message>
    <message>
        <source>Not in the report: %1</source>
        <translation>Absent du rapport : %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSetDateTime</name>
    <message>
        <source>Set Date/Time</source>
        <translation>Régler date/heure</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Use System Time</source>
        <translation>Utiliser l&apos;heure du système</translation>
    </message>
    <message>
        <source>The KVT unit is not connected; its clock was not set.</source>
        <translation>L&apos;appareil KVT n&apos;est pas connecté ; son horloge n&apos;a pas été réglée.</translation>
    </message>
    <message>
        <source>The KVT unit is busy (the terminal is in use); its clock was not set.  Try again when the unit is back in normal operation.</source>
        <translation>L&apos;appareil KVT est occupé (le terminal est utilisé) ; son horloge n&apos;a pas été réglée.  Réessayez lorsque l&apos;appareil aura repris son fonctionnement normal.</translation>
    </message>
    <message>
        <source>The date and time were not accepted; the unit&apos;s clock was not set.</source>
        <translation>La date et l&apos;heure n&apos;ont pas été acceptées ; l&apos;horloge de l&apos;appareil n&apos;a pas été réglée.</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSplash</name>
    <message>
        <source>About KVT-80 Laptop Interface Software</source>
        <translation>À propos du logiciel d&apos;interface pour portable KVT-80</translation>
    </message>
    <message>
        <source>KVT-80 Laptop Interface Software
Version: %1</source>
        <translation>Logiciel d&apos;interface pour portable KVT-80
Version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgSubParametricForm</name>
    <message>
        <source>Sub Bass Parametric Equalizer</source>
        <translation>Égaliseur paramétrique du caisson de basses</translation>
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
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
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
        <translation>Non connecté.  Le terminal fonctionne lorsque l&apos;appareil est connecté.</translation>
    </message>
    <message>
        <source>Reaching the unit&apos;s command prompt...</source>
        <translation>Accès à l&apos;invite de commande de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Connected to the unit&apos;s command interpreter.  Type a command and press Enter.</source>
        <translation>Connecté à l&apos;interpréteur de commandes de l&apos;appareil.  Tapez une commande et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>The unit did not show its command prompt.  What you type is still sent to it.</source>
        <translation>L&apos;appareil n&apos;a pas affiché son invite de commande.  Ce que vous tapez lui est tout de même envoyé.</translation>
    </message>
    <message>
        <source>Terminal closed; the unit is back in normal operation.</source>
        <translation>Terminal fermé ; l&apos;appareil a repris son fonctionnement normal.</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Saisi : %1</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgUploadStatus</name>
    <message>
        <source>Uploading...</source>
        <translation>Transfert...</translation>
    </message>
    <message>
        <source>Uploading, please wait a few moments...</source>
        <translation>Transfert, veuillez patienter quelques instants...</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::CDlgZoomedSLA</name>
    <message>
        <source>Real Time Analyzer</source>
        <translation>Analyseur temps réel</translation>
    </message>
    <message>
        <source>X-Curve Adjust</source>
        <translation>Réglage de la courbe X</translation>
    </message>
    <message>
        <source>Unlock the X-curve adjustment</source>
        <translation>Déverrouiller le réglage de la courbe X</translation>
    </message>
    <message>
        <source>Lock the X-curve adjustment</source>
        <translation>Verrouiller le réglage de la courbe X</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Creates a new configuration file</source>
        <translation>Crée un nouveau fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Opens a configuration file and sends it to the unit</source>
        <translation>Ouvre un fichier de configuration et l&apos;envoie à l&apos;unité</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Saves the configuration to its file</source>
        <translation>Enregistre la configuration dans son fichier</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Saves the configuration to a file of a new name</source>
        <translation>Enregistre la configuration dans un fichier sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save to &amp;Personality Module</source>
        <translation>Enregistrer dans le module de &amp;personnalité</translation>
    </message>
    <message>
        <source>Copies the unit&apos;s configuration to its personality module</source>
        <translation>Copie la configuration de l&apos;unité dans son module de personnalité</translation>
    </message>
    <message>
        <source>System &amp;Mute</source>
        <translation>Sour&amp;dine système</translation>
    </message>
    <message>
        <source>Mutes or unmutes every output of the unit</source>
        <translation>Active ou désactive la sourdine de toutes les sorties de l&apos;unité</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Closes the program</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>Co&amp;mmunication Settings...</source>
        <translation>&amp;Paramètres de communication...</translation>
    </message>
    <message>
        <source>Chooses the port or network address of the unit</source>
        <translation>Choisit le port ou l&apos;adresse réseau de l&apos;unité</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>Connects to the unit and reads its configuration</source>
        <translation>Se connecte à l&apos;unité et lit sa configuration</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnexion</translation>
    </message>
    <message>
        <source>Stores the settings in the unit and disconnects</source>
        <translation>Enregistre les réglages dans l&apos;unité et se déconnecte</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>Shows the Profile page</source>
        <translation>Affiche la page Profil</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Chooses the language of the program&apos;s texts</source>
        <translation>Choisit la langue des textes du programme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Aide...</translation>
    </message>
    <message>
        <source>Opens the KVT-80 manual</source>
        <translation>Ouvre le manuel du KVT-80</translation>
    </message>
    <message>
        <source>Installation Checklist...</source>
        <translation>Liste de contrôle de l&apos;installation...</translation>
    </message>
    <message>
        <source>Opens the installation checklist</source>
        <translation>Ouvre la liste de contrôle de l&apos;installation</translation>
    </message>
    <message>
        <source>Unlock Diagnostics...</source>
        <translation>Déverrouiller les diagnostics...</translation>
    </message>
    <message>
        <source>Unlocks the diagnostic pages (support personnel only)</source>
        <translation>Déverrouille les pages de diagnostic (personnel d&apos;assistance uniquement)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version</source>
        <translation>Affiche la version du programme</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Main Fader</source>
        <translation>Fader principal</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The unit reports an error on its AES/EBU digital input.  Please check the digital source and its cable.</source>
        <translation>L&apos;unité signale une erreur sur son entrée numérique AES/EBU.  Vérifiez la source numérique et son câble.</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>GENERATOR</source>
        <translation>GÉNÉRATEUR</translation>
    </message>
    <message>
        <source>Format %1</source>
        <translation>Format %1</translation>
    </message>
    <message>
        <source>Selects the %1 format</source>
        <translation>Sélectionne le format %1</translation>
    </message>
    <message>
        <source>The language change will take effect when the program restarts.</source>
        <translation>Le changement de langue prendra effet au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>The document &quot;%1&quot; is not installed.  It belongs in the program&apos;s folder (%2).</source>
        <translation>Le document «&#xa0;%1&#xa0;» n&apos;est pas installé.  Il doit se trouver dans le dossier du programme (%2).</translation>
    </message>
    <message>
        <source>PLW680 software is currently running.  Would you like to link the operation to the KVT software?</source>
        <translation>Le logiciel PLW680 est en cours d&apos;exécution.  Voulez-vous lier son fonctionnement au logiciel KVT&#xa0;?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt)</source>
        <translation>Fichiers de configuration KVT (*.kvt)</translation>
    </message>
    <message>
        <source>&amp;Copy EQ Settings...</source>
        <translation>&amp;Copier les réglages d&apos;égaliseur...</translation>
    </message>
    <message>
        <source>Copies one channel&apos;s equalizer settings to other channels</source>
        <translation>Copie les réglages d&apos;égaliseur d&apos;une voie vers d&apos;autres voies</translation>
    </message>
    <message>
        <source>&amp;Headroom Adjustment...</source>
        <translation>&amp;Marge dynamique...</translation>
    </message>
    <message>
        <source>Adjusts the headroom of the unit&apos;s inputs</source>
        <translation>Règle la marge dynamique des entrées de l&apos;appareil</translation>
    </message>
    <message>
        <source>Channe&amp;l Configuration...</source>
        <translation>Configuration des &amp;voies...</translation>
    </message>
    <message>
        <source>Chooses the unit&apos;s channel configuration</source>
        <translation>Choisit la configuration des voies de l&apos;appareil</translation>
    </message>
    <message>
        <source>S&amp;et Date/Time...</source>
        <translation>Régler date/&amp;heure...</translation>
    </message>
    <message>
        <source>Sets the unit&apos;s clock</source>
        <translation>Règle l&apos;horloge de l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formats</translation>
    </message>
    <message>
        <source>Shows the Formats page</source>
        <translation>Affiche la page Formats</translation>
    </message>
    <message>
        <source>&amp;Inputs</source>
        <translation>&amp;Entrées</translation>
    </message>
    <message>
        <source>Shows the Inputs page</source>
        <translation>Affiche la page Entrées</translation>
    </message>
    <message>
        <source>&amp;Equalizer</source>
        <translation>Égal&amp;iseur</translation>
    </message>
    <message>
        <source>Shows the Equalizer page</source>
        <translation>Affiche la page Égaliseur</translation>
    </message>
    <message>
        <source>&amp;Outputs</source>
        <translation>&amp;Sorties</translation>
    </message>
    <message>
        <source>Shows the Outputs page</source>
        <translation>Affiche la page Sorties</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Equalizer</source>
        <translation>Égaliseur</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Compare &amp;With File...</source>
        <translation>Comparer avec un &amp;fichier...</translation>
    </message>
    <message>
        <source>Lists the differences between the current configuration and a file</source>
        <translation>Liste les différences entre la configuration actuelle et un fichier</translation>
    </message>
    <message>
        <source>Service &amp;Report...</source>
        <translation>&amp;Rapport d&apos;intervention...</translation>
    </message>
    <message>
        <source>Writes the report of this service visit as a PDF</source>
        <translation>Écrit le rapport de cette intervention en PDF</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>KVT Configuration Files (*.kvt);;Configurations as JSON (*.json);;All Files (*)</source>
        <translation>Fichiers de configuration KVT (*.kvt);;Configurations en JSON (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Ou&amp;tils</translation>
    </message>
    <message>
        <source>&amp;Room EQ Assistant...</source>
        <translation>Assistant d&apos;égalisation de &amp;salle...</translation>
    </message>
    <message>
        <source>Measures each channel and sets its equalizer toward a target curve</source>
        <translation>Mesure chaque canal et règle son égaliseur vers une courbe cible</translation>
    </message>
    <message>
        <source>The room EQ assistant is still working with the unit.  Cancel it in its window, or let it finish, before closing the program.</source>
        <translation>L&apos;assistant d&apos;égalisation de salle travaille encore avec l&apos;unité.  Annulez-le dans sa fenêtre, ou laissez-le terminer, avant de fermer le programme.</translation>
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
        <translation>Avant</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
</context>
<context>
    <name>kvt::laptop::ScreenshotTour</name>
    <message>
        <source>Retrieving EQ Parameters...</source>
        <translation>Lecture des paramètres EQ...</translation>
    </message>
</context>
</TS>
