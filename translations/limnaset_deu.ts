<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Connector-Programmierung</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Konfigurationsprogramm für automatische Wasserprobenehmer</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Liest, bearbeitet und schreibt den Connector des Probenehmers</translation>
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
        <translation>brltty ist ein Dienst für Braillezeilen, der USB-Seriell-Wandler belegt; ohne Braillezeile entfernen Sie ihn (sudo apt remove brltty) und stecken den Adapter neu ein.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager prüft ihn als Modem; installieren Sie die udev-Regel des Limnaset-Pakets, die ihn den Adapter in Ruhe lassen lässt, und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Schließen Sie dieses Programm oder nennen Sie mit LIMNASET_PORT ein anderes Gerät.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT nennt %1, das es nicht gibt. Nennen Sie das Gerät des Adapters oder entfernen Sie LIMNASET_PORT, um nach der Beschreibung zu suchen.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Kein serielles Gerät hat die Beschreibung %1. Stecken Sie den Adapter ein; steckt er schon, versuchen Sie eine andere USB-Buchse oder ein anderes Kabel.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 serielle Geräte haben die Beschreibung %2 (%3). Ziehen Sie alle bis auf eines ab oder nennen Sie eines mit LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Sie dürfen %1 nicht öffnen (Gruppe %2). Treten Sie der Gruppe bei (sudo adduser $USER %2, dann neu anmelden) oder installieren Sie die udev-Regel des Limnaset-Pakets und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 ist von %2 belegt. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 ist von einem anderen Prozess belegt. Schließen Sie ihn oder nennen Sie mit LIMNASET_PORT ein anderes Gerät.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 lässt sich öffnen, aber kein Adapter antwortet darauf.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Diese Buchstaben können in der Codepage %1 nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Connector-Name</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Gelesen am</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Protokolleinträge</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Neuester Eintrag</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Vergleichen mit:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Archivierte Auslesung...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Wählen Sie, womit das Dokument verglichen wird.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Dieses Dokument</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Das andere</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Nur Unterschiede</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Die Programme sind gleich.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 Felder unterscheiden sich.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Connector-Daten</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Seriennummer :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Kommentar :</translation>
    </message>
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
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Ereignissteuerung</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Ereignismodus</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Ereignissteuerung aus</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digitaleingang</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Analogeingang</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Pegeleingang</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Verzögerung :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[Min:Sek]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Ereignis invertieren</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Programm bei Ereignis ausführen</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Programm durch Ereignis starten</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Flaschenwechsel am Ereignisende</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Vorprobenahme aktivieren</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Intervall :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Proben :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>VAR deaktivieren</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Untere Grenze :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Obere Grenze :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Untere Temperatur :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Obere Temperatur :</translation>
    </message>
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
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Die Verlaufsdatenbank kann nicht verwendet werden:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Proben</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaschen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Stromversorgung</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Repariert</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Jeder Eintrag aus jedem Lesen eines Connectors</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Datei als Text exportieren</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Ei&amp;genschaften...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programmeigenschaften</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Daten vom Adapter lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>S&amp;chreiben</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Daten zum Adapter schreiben</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Status-Seite anzeigen</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Probenehmer-Seite anzeigen</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Ereignisprotokoll anzeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Probenehmer</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Daten vom Connector lesen</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Daten in den Connector schreiben</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Limnaset-Konfiguration (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Exportdatei (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archiv...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Bei jedem Lesen aufbewahrte Connector-Abbilder</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Protokolleinträge im Connector: %1, alle archiviert.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Der Programmkopf ist beschädigt; die Protokolleinträge (%1) sind archiviert.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Das Programm hat eine andere Version; die Protokolleinträge (%1) sind archiviert.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Der Connector konnte nicht vollständig gelesen werden; es wurde nichts archiviert.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Der Connector wurde nicht gesichert (Datei, Eigenschaften); sein Ereignisprotokoll geht verloren.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, Wiederholungen: %2</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Dia&amp;gramm exportieren</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Das Protokolldiagramm als Bild speichern</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Exportdatei (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Plan e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Den Plan des Programms als CSV oder als Kalender speichern</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Plan des Programms anzeigen</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Plan exportieren</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plan (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalender (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Den Bericht des Connectors drucken</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Die Seiten des Connector-Berichts zeigen</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Den Bericht des Connectors als PDF speichern</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Das Dokument mit einer Datei, dem Connector oder einer archivierten Auslesung vergleichen</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;unbenannt&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Die Datei existiert bereits. Möchten Sie sie überschreiben?</translation>
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
        <source>noname</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Datei geändert, möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Kommunikationsfehler, bitte versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parameter außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector FEHLER</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Ungültiges Format des Parameters</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Möchten Sie die Daten wirklich in den Connector schreiben?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Die neue Sprache wird nach einem Neustart des Programms wirksam</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter ?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>Externe T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>Gehäuse T</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Beschädigte Datei</translation>
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
        <translation>Sofort</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Um</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Nach Zeitplan</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Keine Ereigniserkennung</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Programm bei Ereignis ausführen</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Programm durch Ereignis starten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Keine geplante Aktivität</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Analogeingang VAR/FLOW deaktiviert</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Analogeingang EVENT/AUX deaktiviert</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Falsche Dateiversion</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Der Connector konnte für die Sicherung nicht gelesen werden, es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Die Sicherung konnte nicht in %1 gespeichert werden, es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Die gelesenen Daten konnten nicht in %1 archiviert werden</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Lesen abgebrochen</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Schreiben abgebrochen</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Sicherung abgebrochen, es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Der Connector enthält ein teilweise geschriebenes Programm und muss vor der Verwendung erneut beschrieben werden</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Die Bytes, wie sie gelesen wurden, liegen im Archiv: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Der Connector konnte für die Sicherung nicht gelesen werden: sein Protokoll geht verloren. Trotzdem schreiben?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Flaschenwechsel</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Verteiler voll</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Ende des Plans</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Protokollring voll</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 d</translation>
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
        <translation>Das Programm kann nicht geplant werden: %1 %2 liegt außerhalb des Bereichs.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Der Plan umfasst 1 bis %1 Tage, nicht %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Der Plan muss nach dem 1. Januar 2000 beginnen und vor 2068 enden.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Ein angenommener Durchfluss muss zwischen 0 und 100 % des Durchflussmaximums liegen, Impulse zwischen 0 und 3600000 pro Stunde, eine Kapazität zwischen 1 und 24 Flaschen.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Startet sofort, am %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Startet nach einer Verzögerung von %1, am %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Startet am %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Startet nach Zeitplan, zuerst am %1; Starts im Plan: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Der Zeitplan startet das Programm an keinem Tag des Plans.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Das Programm startet nicht innerhalb des Plans.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Proben werden auf das externe Steuersignal genommen; keine ist geplant.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Nimmt alle %1 eine Probe, die erste beim Start.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Die Proben folgen dem Durchfluss: eine alle %1 Impulse.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Die Proben folgen dem Durchfluss: %1 pro Stunde beim Durchflussmaximum.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Mit dem angenommenen Durchfluss eine Probe alle %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Zwischen zwei Proben vergehen höchstens %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Flaschenwechsel alle %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 pro Flasche</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 Flaschen gleichzeitig)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>in eine Flasche nach der anderen: die Kapazität ist Auto, daher gehen dem Plan die Flaschen nicht aus.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>in %1 Flaschen:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>innerhalb des Plans nicht voll.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>voll am %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Das Probenvolumen folgt dem Eingang VAR/FLOW, bis %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Keine Ereignissteuerung.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Ein Ereignis am Eingang %1 startet das Programm.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Proben werden nur genommen, solange ein Ereignis am Eingang %1 andauert.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Jedes Ereignis wechselt die Flasche.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Vor einem Ereignis werden %1 Vorproben alle %2 genommen.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Das Ereignisprotokoll erhält etwa %1 Einträge pro Tag.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>ein Verteiler mit %1 Flaschen</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 Durchflussimpulse pro Stunde</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>ein Durchfluss von %1 % des Durchflussmaximums</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>Einträge im Ereignisprotokoll zu Beginn: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Der Verteiler ist am %1 voll, vor dem nächsten Start am %2: dazwischen die Flaschen leeren.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Den Connector vor dem %1 abholen: dann ist der Ring des Ereignisprotokolls voll und überschreibt seine ältesten Einträge.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Die Connector-Uhr ist nicht gestellt.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Die Connector-Uhr geht %1 vor gegenüber der PC-Uhr.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Die Connector-Uhr geht %1 nach gegenüber der PC-Uhr.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Der Start am %1 liegt in der Vergangenheit.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Der Start am %1 liegt weniger als 10 Minuten voraus.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Keine geplante Aktivität: im Zeitplan ist kein Tag gewählt.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Kein Start fällt in den Plan.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Ohne angenommenen Durchfluss und ohne maximales Intervall lässt sich keine Probe planen.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Die Sommerzeit beginnt am %1: die geplanten Starts danach kommen auf der Wanduhr eine Stunde später, da die Connector-Uhr die Normalzeit behält.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Die Sommerzeit endet am %1: die geplanten Starts danach kommen auf der Wanduhr eine Stunde früher, wieder zu ihrer Connector-Zeit.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Die Sommerzeit beginnt am %1: ab dann geht die Wanduhr der Connector-Uhr eine Stunde voraus.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Die Sommerzeit endet am %1: ab dann zeigt die Wanduhr wieder die Connector-Zeit.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Der Plan endet bei %1 Ereignissen, am %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Connector-Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flaschen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Proben</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Verteiler voll</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Keine Warnungen.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Die Sicherung enthält kein Programm: Es lässt sich nicht sagen, was das Schreiben ändert</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Das Programm bleibt unverändert</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Ohne Sicherung lässt sich nicht sagen, was das Schreiben ändert</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Sofort starten</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Nach Verzögerung starten</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Zu einem Zeitpunkt starten</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Nach Zeitplan starten</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Startverzögerung :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[Std:Min]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Start um :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Start um [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Montag :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Dienstag :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Mittwoch :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Donnerstag :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Freitag :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Samstag :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Sonntag :</translation>
    </message>
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
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Verlaufsdatenbank :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programmeigenschaften</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprache :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Standard&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Connector vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Codepage der Connector-Texte :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Mitteleuropa)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Kyrillisch)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Westeuropa)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltisch)</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Connector-Bericht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Bericht erstellt</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Programmversion</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Erste Ereignisse des Plans</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Connector-Uhr</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Kein früheres Auslesen dieses Connectors ist archiviert.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Kein Feld weicht vom Auslesen vom %1 ab.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Gegenüber dem Auslesen vom %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Das Ereignisprotokoll enthält keine Einträge.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Notizen und Unterschrift</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Protokolldiagramm</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Probenehmer</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Spülen vor der Probenahme :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Spülen nach der Probenahme :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Pumpenimpulse :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Belüftung :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. Ansaugzeit :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Anzahl Spülungen :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Analogeingang VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Bereich :</translation>
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
        <translation>Einheit :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Analogeingang EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Datenlogger</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Loggermodus</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Logger aus</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodische Aufzeichnung</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Loggerintervall :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[Std:Min]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Türstatus aufzeichnen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
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
        <translation>Probenahmemodus :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>EXTERNE STEUERUNG</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PERIODISCHE PROBENAHME</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>PROBENAHME NACH DURCHFLUSSIMPULSEN</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>PROBENAHME NACH DURCHFLUSSRATE</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Programmstart :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>VAR-Daten</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>VAR aktivieren</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>VAR-Maximum :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Flaschen / Verteiler</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Verteilerkapazität :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Flaschenlimit :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Proben pro Flasche :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Flaschen pro Gruppe :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodische Probenahme</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Probenahmeintervall :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[Std:Min]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Probenahme nach Durchflussimpulsen</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulse pro Probe :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Maximales Probenahmeintervall aktivieren</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maximales Intervall :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Probenahme nach Durchflussrate</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Durchflussmaximum :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Probenrate :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Proben / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Connector-Uhr :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>PC-Uhr :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Connector-Daten</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Flaschenwechsel</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Wechsel nach</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Probenanzahl</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Zeitintervall</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Wechselintervall :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Ereignissteuerung</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Modus : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Eingang : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Ereignissteuerung</translation>
    </message>
</context>
</TS>
