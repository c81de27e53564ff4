<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Taip</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Užverti</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Apie</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Connector programatorius</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Automatinių vandens mėginių ėmiklių konfigūravimo programa</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Nuskaito, redaguoja ir įrašo ėmiklio Connector laikmeną</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Versija : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty - tai Brailio ekranų tarnyba (demonas), kuri užvaldo USB-nuosekliojo prievado tiltelius; jei Brailio ekrano nenaudojate, pašalinkite ją (sudo apt remove brltty) ir iš naujo prijunkite adapterį.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager tikrina adapterį kaip modemą; įdiekite Limnaset paketo udev taisyklę, kuri nurodo jam adapterio neliesti, ir iš naujo prijunkite adapterį.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Užverkite tą programą arba nurodykite kitą įrenginį per LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT nurodo įrenginį %1, kurio nėra. Nurodykite adapterio įrenginį arba panaikinkite LIMNASET_PORT, kad įrenginio būtų ieškoma pagal aprašą.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Nė vienas nuoseklusis įrenginys neturi aprašo %1. Prijunkite adapterį; jei jis prijungtas, bandykite kitą USB lizdą ar kabelį.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>Nuosekliųjų įrenginių su aprašu %2 (%3): %1. Atjunkite visus, išskyrus vieną, arba nurodykite vieną per LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Neturite teisės atverti įrenginio %1 (grupė %2). Tapkite grupės nariu (sudo adduser $USER %2, tada iš naujo prisijunkite prie sistemos) arba įdiekite Limnaset paketo udev taisyklę ir iš naujo prijunkite adapterį.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>Įrenginį %1 naudoja %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>Įrenginį %1 naudoja kitas procesas. Užverkite jį arba nurodykite kitą įrenginį per LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Nepavyko atverti %1: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>Įrenginys %1 atsiveria, tačiau jame neatsako joks adapteris.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Šių raidžių negalima įrašyti kodų lentelėje %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archyvas</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Serijos numeris:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serijos numeris</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Connector pavadinimas</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Nuskaityta</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Žurnalo įrašai</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Naujausias įrašas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atverti</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Palyginimas</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Palyginti su:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Failu...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Archyvuotu nuskaitymu...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Pasirinkite, su kuo palyginti dokumentą.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Laukas</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Šis dokumentas</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Kitas</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Tik skirtumai</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Programos vienodos.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Skiriasi laukų: %1.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Connector duomenys</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Serijos numeris :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Pavadinimas :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Komentaras :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Įvykių valdymas</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Įvykių režimas</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Išjungti įvykius</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Skaitmeninis įėjimas</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Analoginis įėjimas</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Lygio įėjimas</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatūra</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Delsa :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[min:s]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Įvykio inversija</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Veikimo režimas</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Vykdyti programą įvykio metu</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Paleisti programą įvykiu</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Keisti butelį pasibaigus įvykiui</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Įjungti išankstinį ėmimą</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Intervalas :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Mėginiai :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Išjungti VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Apatinė riba :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Viršutinė riba :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Apatinė temperatūra :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Viršutinė temperatūra :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Istorija</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Lentelė</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafikas</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Eksportuoti CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Istorijos duomenų bazės naudoti negalima:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Mėginiai</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Buteliai</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Įvykiai</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Durelės</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Maitinimas</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibravimas</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Suremontuota</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nežinoma</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatūra</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Lentelė</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafikas</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Istorija...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Kiekvienas kiekvieno Connector nuskaitymo įrašas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Failas</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Duomenys</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Rodinys</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Žinynas</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Naujas</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Sukurti naują failą</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Atverti</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Atverti failą</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Į&amp;rašyti</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Įrašyti failą</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Įrašyti &amp;kaip</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Įrašyti failą nauju vardu</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuoti</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Eksportuoti failą kaip tekstą</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>Ar&amp;chyvas...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Connector atvaizdai, išsaugoti po kiekvieno nuskaitymo</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Eksportuoti &amp;grafiką</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Įrašyti žurnalo grafiką kaip paveikslą</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>N&amp;uostatos...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programos nuostatos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Baigti</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Baigti programos darbą</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Skaityti</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Skaityti duomenis iš adapterio</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Rašyti</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Rašyti duomenis į adapterį</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Rodyti būsenos skydelį</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostatas</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Rodyti ėmiklio skydelį</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Žurnalas</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Rodyti įvykių žurnalą</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Apie...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informacija apie programą</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Ėmiklis</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Įvykių žurnalas</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Skaityti duomenis iš Connector laikmenos</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Rašyti duomenis į Connector laikmeną</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Kopijavimas</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Skaitymas</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Rašymas</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Tikrinimas</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, pakartojimai: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Žurnalo įrašų Connector laikmenoje: %1, visi archyvuoti.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Programos antraštė sugadinta; jos žurnalo įrašai (%1) archyvuoti.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Programa yra kitos versijos; jos žurnalo įrašai (%1) archyvuoti.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Nepavyko nuskaityti visos Connector laikmenos; nieko nearchyvuota.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Connector laikmenos atsarginė kopija nesukurta (Failas, Nuostatos); jos įvykių žurnalas bus prarastas.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nepavyko rašyti į %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Limnaset konfigūracija (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Įrašyti failą</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Eksportuoti grafiką</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG paveikslas (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG paveikslas (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Eksportuoti failą</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Eksporto failas (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Eksporto failas (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Eksportuoti pla&amp;ną...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Įrašyti programos planą kaip CSV arba kaip kalendorių</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planas</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Rodyti programos planą</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Eksportuoti planą</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Planas (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalendorius (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Spausdinti...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Spaudinio &amp;peržiūra...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Eksportuoti P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Spausdinti Connector ataskaitą</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Rodyti Connector ataskaitos puslapius</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Įrašyti Connector ataskaitą kaip PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuoti PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF dokumentas (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Palyginti...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Palyginti dokumentą su failu, Connector arba archyvuotu nuskaitymu</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Patvirtinimas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Klaida</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Įspėjimas</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bevardis&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Failas jau yra. Ar norite jį perrašyti?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bevardis</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Failas pakeistas, ar norite jį įrašyti?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Ryšio klaida, bandykite dar kartą</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Failo prieigos klaida</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametras už leistinų ribų</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector KLAIDA</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Netinkamas parametro formatas</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Ar tikrai norite įrašyti duomenis į Connector laikmeną?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nauja kalba bus nustatyta iš naujo paleidus programą</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapteris?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Eilutė</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Laikas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelis</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Mėginys</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>Išorės T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>Korpuso T</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Sugadintas failas</translation>
    </message>
    <message>
        <source>export</source>
        <translation>eksportas</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Iš karto</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po delsos</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Nurodytu laiku</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Pagal tvarkaraštį</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Be įvykių aptikimo</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Vykdyti programą įvykio metu</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Paleisti programą įvykiu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nėra</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Skaitmeninis</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analoginis</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Lygis</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatūra</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Nėra suplanuotos veiklos</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Analoginis įėjimas VAR/FLOW išjungtas</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Analoginis įėjimas EVENT/AUX išjungtas</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Netinkama failo versija</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Nepavyko nuskaityti Connector laikmenos atsarginei kopijai, nieko neįrašyta</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Nepavyko įrašyti atsarginės kopijos į %1, nieko neįrašyta</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Nuskaitytų duomenų nepavyko archyvuoti į %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Skaitymas atšauktas</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Rašymas atšauktas</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Atsarginis kopijavimas atšauktas, nieko neįrašyta</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector laikmenoje yra iš dalies įrašyta programa, todėl prieš naudojimą laikmeną reikia įrašyti iš naujo</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Nuskaityti baitai saugomi archyve: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Nepavyko nuskaityti Connector laikmenos atsarginei kopijai: jos žurnalas bus prarastas. Vis tiek įrašyti?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>skaitmeninis</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analoginis</translation>
    </message>
    <message>
        <source>level</source>
        <translation>lygio</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatūros</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Paleidimas</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Mėginys</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Butelio keitimas</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Skirstytuvas pilnas</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Plano pabaiga</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Žurnalo žiedas pilnas</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 %2</translation>
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
        <translation>Programos negalima suplanuoti: %1 %2 už ribų.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Planas apima nuo 1 iki %1 dienų, ne %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Planas turi prasidėti po 2000 m. sausio 1 d. ir baigtis iki 2068 m.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Numatomas srautas turi būti tarp 0 ir 100 % didžiausio srauto, impulsai tarp 0 ir 3600000 per valandą, talpa tarp 1 ir 24 butelių.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Paleidžiama iš karto, %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Paleidžiama po %1 delsos, %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Paleidžiama %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Paleidžiama pagal tvarkaraštį, pirmą kartą %1; paleidimų plane: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Tvarkaraštis nepaleidžia programos nė vieną plano dieną.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Programa plano ribose nepaleidžiama.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Mėginiai imami pagal išorinį valdymo signalą; nė vienas nesuplanuotas.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Ima mėginį kas %1, pirmąjį paleidžiant.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Mėginiai seka srautą: vienas kas %1 impulsų.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Mėginiai seka srautą: %1 per valandą esant didžiausiam srautui.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Esant numatomam srautui, mėginys kas %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Tarp dviejų mėginių praeina ne daugiau kaip %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Buteliai keičiami kas %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 į butelį</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 buteliai vienu metu)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>į vieną butelį po kito: talpa Auto, todėl butelių plane nepritrūksta.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>į %1 butelius:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>plano ribose nepilnas.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>pilnas %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Mėginio tūris seka įėjimą VAR/FLOW, iki %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Be įvykių valdymo.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Įvykis įėjime %1 paleidžia programą.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Mėginiai imami tik kol trunka įvykis įėjime %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Kiekvienas įvykis pakeičia butelį.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Prieš įvykį imama %1 išankstinių mėginių kas %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Įvykių žurnalas gauna apie %1 įrašų per dieną.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>skirstytuvas su %1 buteliais</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 srauto impulsų per valandą</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>srautas %1 % didžiausio srauto</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>įrašų įvykių žurnale pradžioje: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Skirstytuvas pilnas %1, prieš kitą paleidimą %2: tarpe ištuštinkite butelius.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Paimkite Connector iki %1: tada įvykių žurnalo žiedas pilnas ir perrašo seniausius įrašus.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Connector laikrodis nenustatytas.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Connector laikrodis %1 skuba, palyginti su PC laikrodžiu.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Connector laikrodis %1 vėluoja, palyginti su PC laikrodžiu.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Paleidimas %1 yra praeityje.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Paleidimas %1 yra mažiau nei po 10 minučių.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Nėra suplanuotos veiklos: tvarkaraštyje nepasirinkta nė viena diena.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Nė vienas paleidimas nepatenka į planą.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Be numatomo srauto ir be didžiausio intervalo negalima suplanuoti nė vieno mėginio.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Vasaros laikas prasideda %1: po jo suplanuoti paleidimai sieniniu laikrodžiu ateina valanda vėliau, nes Connector laikrodis laiko standartinį laiką.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Vasaros laikas baigiasi %1: po jo suplanuoti paleidimai sieniniu laikrodžiu ateina valanda anksčiau, vėl savo Connector laiku.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Vasaros laikas prasideda %1: nuo tada sieninis laikrodis valanda lenkia Connector laikrodį.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Vasaros laikas baigiasi %1: nuo tada sieninis laikrodis vėl rodo Connector laiką.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Planas sustoja ties %1 įvykių, %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Laikas</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Connector laikas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Įvykis</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Buteliai</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Mėginys</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Mėginiai</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Paleidimai</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Skirstytuvas pilnas</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelis</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Įspėjimų nėra.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Atsarginėje kopijoje nėra programos: negalima pasakyti, ką pakeis įrašymas</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Programa lieka nepakitusi</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Be atsarginės kopijos negalima pasakyti, ką pakeis įrašymas</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ir dar %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Programos pradžia</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režimas</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Paleisti iš karto</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Paleisti po delsos</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Paleisti nurodytu laiku</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Paleisti pagal tvarkaraštį</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Paleidimo delsa :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[val:min]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Pradžia :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Dabar</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1-as</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-as</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-ias</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-as</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Paskutinis</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Pradžia [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Pirmadienis :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Antradienis :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Trečiadienis :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Ketvirtadienis :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Penktadienis :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Šeštadienis :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Sekmadienis :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Istorijos duomenų bazė :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programos nuostatos</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Kalba :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Numatytoji&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarų</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čekų</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglų</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Prancūzų</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Vokiečių</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italų</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lietuvių</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lenkų</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunų</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusų</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovakų</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Ispanų</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Connector tekstų koduotė :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Vidurio Europos)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (kirilica)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Vakarų Europos)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltijos)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Connector kopija prieš rašymą</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Connector ataskaita</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Pavadinimas</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serijos numeris</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Šaltinis</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Ataskaita sudaryta</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Programos versija</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planas</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Pirmieji plano įvykiai</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Connector laikrodis</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Įvykis</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Pakeitimai</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Ankstesnio šio Connector nuskaitymo archyve nėra.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Nė vienas laukas nesiskiria nuo %1 nuskaitymo.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Palyginti su %1 nuskaitymu:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Laukas</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prieš</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Dabar</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Įvykių žurnalas</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Įvykių žurnale įrašų nėra.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Pastabos ir parašas</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Vieta</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technikas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Pastabos</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Parašas</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Žurnalo grafikas</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 puslapis iš %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Ėmiklis</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Praplovimas prieš ėmimą :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Praplovimas po ėmimo :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Siurblio impulsai :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aeracija :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Maks. įsiurbimo laikas :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Praplovimų skaičius :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Analoginis įėjimas VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Diapazonas :</translation>
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
        <translation>Minimumas :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Maksimumas :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Vienetai :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Analoginis įėjimas EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Registratorius</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Registratoriaus režimas</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Neregistruoti</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodinis registravimas</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Registravimo periodas :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[val:min]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Registruoti durelių būseną</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatūra</translation>
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
        <translation>Ėmiklio režimas :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>IŠORINIS VALDYMAS</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PERIODINIS ĖMIMAS</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>ĖMIMAS PAGAL SRAUTO IMPULSUS</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>ĖMIMAS PAGAL SRAUTO DEBITĄ</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Programos pradžia :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Programos pradžia</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>VAR duomenys</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Įjungti VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>VAR maksimumas :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Buteliai / skirstytuvas</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Skirstytuvo talpa :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Butelių riba :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Įjungti</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Mėginių butelyje :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Butelių grupėje :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodinis ėmimas</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Ėmimo periodas :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[val:min]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Ėmimas pagal srauto impulsus</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsų mėginiui :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Įjungti maks. ėmimo intervalą</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maks. intervalas :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Ėmimas pagal srauto debitą</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Maks. debitas :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Mėginių dažnis :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Mėginiai / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Connector laikrodis :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>PC laikrodis :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Nustatyti laiką</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Connector duomenys</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Butelio keitimas</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Keisti pagal</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Mėginių skaičių</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Laiko intervalą</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Keitimo intervalas :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Įvykių valdymas</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Režimas : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Įėjimas : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Įvykių valdymas</translation>
    </message>
</context>
</TS>
