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
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Šių raidžių negalima įrašyti kodų lentelėje %1: %2</translation>
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
        <translation>[mm:ss]</translation>
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
        <source>The Connector holds no readable program or log; nothing was archived.</source>
        <translation>Connector laikmenoje nėra nuskaitomos programos ar žurnalo; nieko nearchyvuota.</translation>
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
        <translation>[hh:mm]</translation>
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
        <translation>[hh:mm]</translation>
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
        <translation>[hh:mm]</translation>
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
