<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../src/app/AboutBox.ui" line="6"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="../src/app/AboutBox.ui" line="16"/>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Connector-Programmierung</translation>
    </message>
    <message>
        <location filename="../src/app/AboutBox.ui" line="25"/>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Konfigurationsprogramm für automatische Wasserprobenehmer</translation>
    </message>
    <message>
        <location filename="../src/app/AboutBox.ui" line="30"/>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Liest, bearbeitet und schreibt den Connector des Probenehmers</translation>
    </message>
    <message>
        <location filename="../src/app/AboutBox.ui" line="36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/app/AboutBox.cpp" line="12"/>
        <source>Version : %d.%02d</source>
        <translation>Version : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="28"/>
        <source>Samples</source>
        <translation>Proben</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="28"/>
        <source>Bottles</source>
        <translation>Flaschen</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="29"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="29"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="30"/>
        <source>Door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="30"/>
        <source>Power</source>
        <translation>Stromversorgung</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="31"/>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="31"/>
        <source>Repaired</source>
        <translation>Repariert</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="32"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../src/editors/LogChart.cpp" line="89"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <location filename="../src/editors/LogPage.ui" line="23"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location filename="../src/editors/LogPage.ui" line="31"/>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location filename="../src/editors/LogPage.cpp" line="22"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../src/app/MainForm.ui" line="55"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="67"/>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="72"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="78"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="96"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="97"/>
        <location filename="../src/app/MainForm.ui" line="98"/>
        <source>Create new file</source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="102"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="103"/>
        <location filename="../src/app/MainForm.ui" line="104"/>
        <location filename="../src/app/MainForm.cpp" line="660"/>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="108"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="109"/>
        <location filename="../src/app/MainForm.ui" line="110"/>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="114"/>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="115"/>
        <location filename="../src/app/MainForm.ui" line="116"/>
        <source>Save File with new name</source>
        <translation>Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="119"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="120"/>
        <location filename="../src/app/MainForm.ui" line="121"/>
        <source>Export File as text</source>
        <translation>Datei als Text exportieren</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="124"/>
        <source>Export &amp;Plot</source>
        <translation>Dia&amp;gramm exportieren</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="125"/>
        <location filename="../src/app/MainForm.ui" line="126"/>
        <source>Save the log plot as a picture</source>
        <translation>Das Protokolldiagramm als Bild speichern</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="129"/>
        <source>P&amp;roperties...</source>
        <translation>Ei&amp;genschaften...</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="130"/>
        <location filename="../src/app/MainForm.ui" line="131"/>
        <source>Program Properties</source>
        <translation>Programmeigenschaften</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="134"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="135"/>
        <location filename="../src/app/MainForm.ui" line="136"/>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="139"/>
        <location filename="../src/app/MainForm.ui" line="184"/>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="140"/>
        <location filename="../src/app/MainForm.ui" line="141"/>
        <source>Read data from adapter</source>
        <translation>Daten vom Adapter lesen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="144"/>
        <location filename="../src/app/MainForm.ui" line="189"/>
        <source>&amp;Write</source>
        <translation>S&amp;chreiben</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="145"/>
        <location filename="../src/app/MainForm.ui" line="146"/>
        <source>Write data to adapter</source>
        <translation>Daten zum Adapter schreiben</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="150"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="151"/>
        <location filename="../src/app/MainForm.ui" line="152"/>
        <source>View Status panel</source>
        <translation>Status-Seite anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="156"/>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="157"/>
        <location filename="../src/app/MainForm.ui" line="158"/>
        <location filename="../src/app/MainForm.ui" line="174"/>
        <location filename="../src/app/MainForm.ui" line="175"/>
        <source>View Sampler panel</source>
        <translation>Probenehmer-Seite anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="162"/>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="163"/>
        <location filename="../src/app/MainForm.ui" line="164"/>
        <location filename="../src/app/MainForm.ui" line="180"/>
        <location filename="../src/app/MainForm.ui" line="181"/>
        <source>View Event Log</source>
        <translation>Ereignisprotokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="167"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="168"/>
        <location filename="../src/app/MainForm.ui" line="169"/>
        <source>Informations about program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="173"/>
        <source>Sampler</source>
        <translation>Probenehmer</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="179"/>
        <source>Event Log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="185"/>
        <location filename="../src/app/MainForm.ui" line="186"/>
        <source>Read data from connector</source>
        <translation>Daten vom Connector lesen</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.ui" line="190"/>
        <location filename="../src/app/MainForm.ui" line="191"/>
        <source>Write data to connector</source>
        <translation>Daten in den Connector schreiben</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="650"/>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="661"/>
        <location filename="../src/app/MainForm.cpp" line="668"/>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Limnaset-Konfiguration (*.r72)</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="667"/>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="673"/>
        <source>Export Plot</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="674"/>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="674"/>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="685"/>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <location filename="../src/app/MainForm.cpp" line="686"/>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Exportdatei (CSV) (*.csv)</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="18"/>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="19"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="20"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="21"/>
        <source>&lt;noname&gt;</source>
        <translation>&lt;unbenannt&gt;</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="23"/>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Die Datei existiert bereits. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="24"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="25"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="26"/>
        <source>noname</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="28"/>
        <source>File modified, do You want to save it ?</source>
        <translation>Datei geändert, möchten Sie sie speichern?</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="29"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="31"/>
        <source>Communication error, please try once more</source>
        <translation>Kommunikationsfehler, bitte versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="32"/>
        <source>File access error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="33"/>
        <source>Parameter out of range</source>
        <translation>Parameter außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="34"/>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="35"/>
        <source>Connector ERROR</source>
        <translation>Connector FEHLER</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="36"/>
        <source>Invalid format of parameter</source>
        <translation>Ungültiges Format des Parameters</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="38"/>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Möchten Sie die Daten wirklich in den Connector schreiben?</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="40"/>
        <source>New language will be set after program restart</source>
        <translation>Die neue Sprache wird nach einem Neustart des Programms wirksam</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="41"/>
        <source>Adapter ?</source>
        <translation>Adapter ?</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="42"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="43"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="44"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="45"/>
        <source>Bottle</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="46"/>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="47"/>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="48"/>
        <source>External T</source>
        <translation>Externe T</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="49"/>
        <source>Box T</source>
        <translation>Gehäuse T</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="50"/>
        <source>Corrupted file</source>
        <translation>Beschädigte Datei</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="51"/>
        <source>export</source>
        <translation>export</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="52"/>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="53"/>
        <source>Immediately</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="54"/>
        <source>After</source>
        <translation>Nach</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="55"/>
        <source>At</source>
        <translation>Um</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="56"/>
        <source>By scheduler</source>
        <translation>Nach Zeitplan</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="57"/>
        <source>No Event detection</source>
        <translation>Keine Ereigniserkennung</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="58"/>
        <source>Run program on Event</source>
        <translation>Programm bei Ereignis ausführen</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="59"/>
        <source>Start program by Event</source>
        <translation>Programm durch Ereignis starten</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="60"/>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="61"/>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="62"/>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="63"/>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="64"/>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="65"/>
        <source>No Scheduled Activity</source>
        <translation>Keine geplante Aktivität</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="66"/>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Analogeingang VAR/FLOW deaktiviert</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="67"/>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Analogeingang EVENT/AUX deaktiviert</translation>
    </message>
    <message>
        <location filename="../src/data/MsgTemplate.cpp" line="68"/>
        <source>Wrong file version</source>
        <translation>Falsche Dateiversion</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="6"/>
        <source>Program Properties</source>
        <translation>Programmeigenschaften</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="14"/>
        <source>Language :</source>
        <translation>Sprache :</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="20"/>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Standard&gt;</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="21"/>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="22"/>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="23"/>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="24"/>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="25"/>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="26"/>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="27"/>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="28"/>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="29"/>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="30"/>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="31"/>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="32"/>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/app/PropertiesDialog.ui" line="41"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TStatusPage</name>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="48"/>
        <source>Program start :</source>
        <translation>Programmstart :</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="63"/>
        <source>Program Start</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="396"/>
        <source>Connector clock :</source>
        <translation>Connector-Uhr :</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="407"/>
        <source>PC Clock :</source>
        <translation>PC-Uhr :</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="417"/>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="427"/>
        <source>Set Clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="432"/>
        <source>Connector Data</source>
        <translation>Connector-Daten</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="509"/>
        <source>Event control</source>
        <translation>Ereignissteuerung</translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="514"/>
        <source>Mode : </source>
        <translation>Modus : </translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="524"/>
        <source>Input : </source>
        <translation>Eingang : </translation>
    </message>
    <message>
        <location filename="../src/editors/StatusPage.ui" line="534"/>
        <source>Event Control</source>
        <translation>Ereignissteuerung</translation>
    </message>
</context>
</TS>
