<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Programmation du Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Outil de configuration des préleveurs automatiques d&apos;eau</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Lit, modifie et écrit le Connector du préleveur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Version : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty est un démon pour afficheurs braille qui s&apos;approprie les convertisseurs série USB ; sans afficheur braille, supprimez-le (sudo apt remove brltty) et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager le sonde comme un modem ; installez la règle udev du paquet Limnaset, qui lui indique de laisser l&apos;adaptateur tranquille, puis rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Fermez ce programme ou indiquez un autre périphérique avec LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT désigne %1, qui n&apos;existe pas. Indiquez le périphérique de l&apos;adaptateur, ou supprimez la variable LIMNASET_PORT pour rechercher par la description.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Aucun périphérique série n&apos;a la description %1. Branchez l&apos;adaptateur ; s&apos;il est déjà branché, essayez un autre port USB ou un autre câble.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 périphériques série ont la description %2 (%3). Débranchez-les tous sauf un, ou désignez-en un avec LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir %1 (groupe %2). Rejoignez le groupe (sudo adduser $USER %2, puis reconnectez-vous), ou installez la règle udev du paquet Limnaset et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 est occupé par %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 est occupé par un autre processus. Fermez-le, ou indiquez un autre périphérique avec LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 s&apos;ouvre, mais aucun adaptateur n&apos;y répond.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Ces lettres ne peuvent pas être enregistrées dans la page de codes %1 : %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Nom du Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Lu le</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Entrées du journal</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Dernière entrée</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Comparer avec :</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Fichier...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Lecture archivée...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Choisissez avec quoi comparer le document.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Ce document</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>L&apos;autre</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Différences seulement</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Les programmes sont identiques.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 champs diffèrent.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Données du Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Commentaire :</translation>
    </message>
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
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Commande par événement</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Mode événement</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Événements désactivés</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Entrée numérique</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Entrée analogique</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Entrée de niveau</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Délai :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inverser l&apos;événement</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Exécution</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Exécution sur événement</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Démarrage par événement</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Flacon suivant en fin d&apos;événement</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Activer le pré-prélèvement</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Échantillons :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Désactiver VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Limite basse :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Limite haute :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Température basse :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Température haute :</translation>
    </message>
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
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector :</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>La base de données de l&apos;historique est inutilisable :
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Échantillons</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacons</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porte</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Réparé</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Chaque enregistrement de chaque lecture d&apos;un Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Créer un nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Enregistrer le fichier sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Exporter le fichier en texte</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archives...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Images du Connector conservées à chaque lecture</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exporter le &amp;graphique</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Enregistrer le graphique du journal comme image</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>P&amp;ropriétés...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propriétés du programme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Lire les données de l&apos;adaptateur</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Écrire les données dans l&apos;adaptateur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Afficher la page État</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Afficher la page Préleveur</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Afficher le journal des événements</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informations sur le programme</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Préleveur</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Lire les données du Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Écrire les données dans le Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, tentatives : %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Entrées du journal dans le Connector : %1, toutes archivées.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>L&apos;en-tête du programme est endommagé ; ses entrées du journal (%1) sont archivées.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Le programme est d&apos;une autre version ; ses entrées du journal (%1) sont archivées.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Le Connector n&apos;a pas pu être lu entièrement ; rien n&apos;a été archivé.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Le Connector n&apos;a pas été sauvegardé (Fichier, Propriétés) ; son journal des événements sera perdu.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Configuration Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Exporter le fichier</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Fichier d&apos;export (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Fichier d&apos;export (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Exporter le pla&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Enregistrer le plan du programme en CSV ou en calendrier</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Afficher le plan du programme</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Exporter le plan</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plan (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendrier (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Imprimer le rapport du Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Afficher les pages du rapport du Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Enregistrer le rapport du Connector en PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>Co&amp;mparer...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Comparer le document avec un fichier, le Connector ou une lecture archivée</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;sans nom&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Le fichier existe déjà. Voulez-vous le remplacer ?</translation>
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
        <source>noname</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Fichier modifié, voulez-vous l&apos;enregistrer ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Erreur de communication, veuillez réessayer</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Erreur d&apos;accès au fichier</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Paramètre hors limites</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector ERREUR</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Format de paramètre invalide</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Voulez-vous vraiment écrire les données dans le Connector ?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>La nouvelle langue sera appliquée au redémarrage du programme</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptateur ?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>T externe</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T boîtier</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Fichier corrompu</translation>
    </message>
    <message>
        <source>export</source>
        <translation>export</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Immédiatement</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>At</source>
        <translation>À</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Selon calendrier</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Pas de détection d&apos;événement</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Exécution sur événement</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Démarrage par événement</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Aucune activité planifiée</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Entrée analogique VAR/FLOW désactivée</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Entrée analogique EVENT/AUX désactivée</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Version de fichier incorrecte</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Le Connector n&apos;a pas pu être lu pour sa sauvegarde, rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>La sauvegarde n&apos;a pas pu être enregistrée dans %1, rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Les données lues n&apos;ont pas pu être archivées dans %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Lecture annulée</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Écriture annulée</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Sauvegarde annulée, rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Le Connector contient un programme partiellement écrit et doit être réécrit avant utilisation</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Les octets tels que lus sont conservés dans l&apos;archive : %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Le Connector n&apos;a pas pu être lu pour sa sauvegarde : son journal sera perdu. Écrire quand même ?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>numérique</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analogique</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>température</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Changement de flacon</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributeur plein</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Fin du plan</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Anneau du journal plein</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 j</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>The program cannot be planned: %1 %2 is out of range.</source>
        <translation>Le programme ne peut pas être planifié : %1 %2 est hors limites.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Le plan couvre de 1 à %1 jours, pas %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Le plan doit commencer après le 1er janvier 2000 et finir avant 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Un débit supposé doit être entre 0 et 100 % du débit maximal, les impulsions entre 0 et 3600000 par heure, une capacité entre 1 et 24 flacons.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Démarre immédiatement, le %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Démarre après un délai de %1, le %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Démarre le %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Démarre selon le calendrier, d&apos;abord le %1 ; démarrages dans le plan : %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Le calendrier ne démarre le programme aucun jour du plan.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Le programme ne démarre pas dans le plan.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Les échantillons sont pris sur le signal de commande externe ; aucun n&apos;est planifié.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Prend un échantillon toutes les %1, le premier au démarrage.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Les échantillons suivent le débit : un toutes les %1 impulsions.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Les échantillons suivent le débit : %1 par heure au débit maximal.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Avec le débit supposé, un échantillon toutes les %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Au plus %1 s&apos;écoulent entre deux échantillons.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Les flacons changent toutes les %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 par flacon</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 flacons à la fois)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>dans un flacon après l&apos;autre : la capacité est Auto, le plan ne manque donc jamais de flacons.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>dans %1 flacons :</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>pas plein dans le plan.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>plein le %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Le volume d&apos;échantillon suit l&apos;entrée VAR/FLOW, jusqu&apos;à %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Pas de commande par événement.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Un événement sur l&apos;entrée %1 démarre le programme.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Les échantillons ne sont pris que pendant un événement sur l&apos;entrée %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Chaque événement change le flacon.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Avant un événement, %1 pré-échantillons sont pris toutes les %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Le journal des événements reçoit environ %1 enregistrements par jour.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>un distributeur de %1 flacons</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulsions de débit par heure</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>un débit de %1 % du débit maximal</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>enregistrements dans le journal au départ : %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Le distributeur est plein le %1, avant le démarrage suivant le %2 : videz les flacons entre-temps.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Relevez le Connector avant le %1 : ensuite l&apos;anneau du journal est plein et écrase ses plus anciens enregistrements.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>L&apos;horloge du Connector n&apos;est pas réglée.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>L&apos;horloge du Connector avance de %1 sur l&apos;horloge du PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>L&apos;horloge du Connector retarde de %1 sur l&apos;horloge du PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Le démarrage du %1 est dans le passé.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Le démarrage du %1 est dans moins de 10 minutes.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Aucune activité planifiée : aucun jour n&apos;est choisi dans le calendrier.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Aucun démarrage ne tombe dans le plan.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Sans débit supposé et sans intervalle maximal, aucun échantillon ne peut être planifié.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>L&apos;heure d&apos;été commence le %1 : les démarrages planifiés ensuite viennent une heure plus tard à l&apos;horloge murale, car l&apos;horloge du Connector garde l&apos;heure normale.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>L&apos;heure d&apos;été finit le %1 : les démarrages planifiés ensuite viennent une heure plus tôt à l&apos;horloge murale, de nouveau à leur heure Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>L&apos;heure d&apos;été commence le %1 : dès lors l&apos;horloge murale avance d&apos;une heure sur l&apos;horloge du Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>L&apos;heure d&apos;été finit le %1 : dès lors l&apos;horloge murale montre de nouveau l&apos;heure du Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Le plan s&apos;arrête à %1 événements, le %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Heure Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacons</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Échantillon</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Échantillons</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Démarrages</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributeur plein</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Aucun avertissement.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>La sauvegarde ne contient aucun programme : on ne peut pas dire ce que l&apos;écriture modifie</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Le programme reste inchangé</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Sans la sauvegarde, on ne peut pas dire ce que l&apos;écriture modifie</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Démarrage du programme</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Démarrer immédiatement</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Démarrer après un délai</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Démarrer à heure fixe</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Démarrer selon calendrier</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Délai de démarrage :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Démarrer à :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Démarrer à [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Lundi :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Mardi :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Mercredi :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Jeudi :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Vendredi :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Samedi :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Dimanche :</translation>
    </message>
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
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Base de données de l&apos;historique :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propriétés du programme</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Par défaut&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Page de codes du Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europe centrale)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrillique)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europe occidentale)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (balte)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Sauvegarder le Connector avant écriture</translation>
    </message>
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
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Rapport du Connector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Rapport établi</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Version du programme</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Premiers événements du plan</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Horloge du Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Aucune lecture antérieure de ce Connector n&apos;est archivée.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Aucun champ ne diffère de la lecture du %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Par rapport à la lecture du %1 :</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Journal des événements</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Le journal des événements ne contient aucun enregistrement.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Notes et signature</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technicien</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Graphique du journal</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Préleveur</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Purge avant prélèvement :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Purge après prélèvement :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsions pompe :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aération :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Aspiration max. :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Nombre de purges :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Entrée analogique VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Plage :</translation>
    </message>
    <message>
        <source>0 - 20mA</source>
        <translation>0 - 20mA</translation>
    </message>
    <message>
        <source>4 - 20mA</source>
        <translation>4 - 20mA</translation>
    </message>
    <message>
        <source>Minimum :</source>
        <translation>Minimum :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Maximum :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Entrée analogique EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Enregistreur</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Mode enregistreur</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Enregistrement périodique</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Période d&apos;enreg. :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Enreg. état de la porte</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
</context>
<context>
    <name>TStatusPage</name>
    <message>
        <source>Sampler Mode :</source>
        <translation>Mode préleveur :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>COMMANDE EXTERNE</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PRÉLÈVEMENT PÉRIODIQUE</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>PRÉLÈVEMENT PAR IMPULSIONS DE DÉBIT</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>PRÉLÈVEMENT SELON LE DÉBIT</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Démarrage :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Données VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Activer VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Maximum VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Flacons / Distributeur</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Capacité distributeur :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limite de flacons :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Échantillons/flacon :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Flacons par groupe :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Prélèvement périodique</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Période de prélèvement :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Prélèvement par impulsions de débit</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsions/échantillon :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Activer l&apos;intervalle max. de prélèvement</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Intervalle maximal :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Prélèvement selon le débit</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Débit maximal :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Cadence :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Échant. / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Horloge Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Horloge PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Données du Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Changement de flacon</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Changer selon</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Nb d&apos;échantillons</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Commande par événement</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Mode : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Entrée : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Commande par événement</translation>
    </message>
</context>
</TS>
