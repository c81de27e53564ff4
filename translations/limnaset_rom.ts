<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Programare Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Program de configurare pentru prelevatoare automate de apă</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Citește, editează și scrie Connectorul prelevatorului</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Versiune : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty este un serviciu pentru afișaje braille care preia convertoarele seriale USB; dacă nu aveți un afișaj braille, eliminați-l (sudo apt remove brltty) și reconectați adaptorul.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager îl testează ca pe un modem; instalați regula udev din pachetul Limnaset, care îi spune să lase adaptorul în pace, și reconectați adaptorul.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Închideți acel program sau indicați alt dispozitiv cu LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT indică %1, care nu există. Indicați dispozitivul adaptorului sau ștergeți LIMNASET_PORT pentru a căuta după descriere.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Niciun dispozitiv serial nu are descrierea %1. Conectați adaptorul; dacă este deja conectat, încercați alt port USB sau alt cablu.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 dispozitive seriale au descrierea %2 (%3). Deconectați-le pe toate în afară de unul sau indicați unul cu LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Nu aveți permisiunea să deschideți %1 (grupul %2). Intrați în grup (sudo adduser $USER %2, apoi autentificați-vă din nou) sau instalați regula udev din pachetul Limnaset și reconectați adaptorul.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 este ocupat de %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 este ocupat de alt proces. Închideți-l sau indicați alt dispozitiv cu LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 nu poate fi deschis: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 se deschide, dar niciun adaptor nu răspunde pe el.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Aceste litere nu pot fi salvate în pagina de cod %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Arhivă</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Nr. de serie:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Nr. de serie</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Nume Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Citit la</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Înregistrări jurnal</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Ultima înregistrare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Comparare</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Compară cu:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Fișier...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>Citire &amp;arhivată...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Alegeți cu ce se compară documentul.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Câmp</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Acest document</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Celălalt</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Doar diferențele</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Programele sunt identice.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 câmpuri diferă.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Date Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Nr. de serie :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nume :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Comentariu :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Control prin eveniment</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Mod eveniment</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Evenimente dezactivate</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Intrare digitală</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Intrare analogică</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Intrare de nivel</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatură</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Întârziere :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inversare eveniment</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Mod rulare</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Rulare la eveniment</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Pornire prin eveniment</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Flacon nou la final de eveniment</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Activare pre-prelevare</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Interval :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Probe :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Dezactivare VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Prag inferior :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Prag superior :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Temperatură minimă :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Temperatură maximă :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Istoric</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafic</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportă CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Baza de date a istoricului nu poate fi folosită:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacoane</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Evenimente</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Ușă</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentare</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrare</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Reparat</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatură</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafic</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiază</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>Isto&amp;ric...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Fiecare înregistrare din fiecare citire a unui Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;jutor</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Creează un fișier nou</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Deschide un fișier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvează</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvează fișierul</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvează &amp;ca</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Salvează fișierul cu un nume nou</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportă</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Exportă fișierul ca text</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Arhivă...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Imagini ale Connectorului păstrate la fiecare citire</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportă &amp;grafic</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Salvează graficul jurnalului ca imagine</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Proprietăți...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietăți program</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ieșire din program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Citește</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Citește datele din adaptor</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrie</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Scrie datele în adaptor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Afișează pagina Stare</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Afișează pagina Prelevator</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Jurnal</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Afișează jurnalul de evenimente</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informații despre program</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Prelevator</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Jurnal evenimente</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Citește datele din Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Scrie datele în Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Copiere de rezervă</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Citire</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scriere</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificare</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, reîncercări: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Înregistrări de jurnal în Connector: %1, toate arhivate.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Antetul programului este deteriorat; înregistrările de jurnal (%1) sunt arhivate.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Programul este de altă versiune; înregistrările de jurnal (%1) sunt arhivate.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Connectorul nu a putut fi citit complet; nu s-a arhivat nimic.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Pentru Connector nu s-a făcut copie de rezervă (Fișier, Proprietăți); jurnalul său de evenimente se va pierde.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nu se poate scrie în %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Configurație Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvare fișier</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Export grafic</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Export fișier</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Fișier export (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Fișier export (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Export pla&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Salvează planul programului ca CSV sau ca calendar</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Afișează planul programului</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Export plan</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plan (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendar (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tipărire...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Previzualizare tipărire...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Tipărește raportul Connectorului</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Arată paginile raportului Connectorului</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Salvează raportul Connectorului ca PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Comparare...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Compară documentul cu un fișier, Connectorul sau o citire arhivată</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmare</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;fără nume&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Fișierul există deja. Doriți să-l suprascrieți?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>fără nume</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Fișier modificat, doriți să-l salvați?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Eroare de comunicație, încercați încă o dată</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Eroare de acces la fișier</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametru în afara domeniului</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector EROARE</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Format de parametru nevalid</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Sigur doriți să scrieți datele în Connector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Noua limbă va fi aplicată după repornirea programului</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptor?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Rând</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probă</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>T externă</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T carcasă</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Fișier corupt</translation>
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
        <translation>Imediat</translation>
    </message>
    <message>
        <source>After</source>
        <translation>După</translation>
    </message>
    <message>
        <source>At</source>
        <translation>La</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Planificat</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Fără detectare evenimente</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Rulare la eveniment</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Pornire prin eveniment</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitală</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogică</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatură</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Nicio activitate planificată</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Intrare analogică VAR/FLOW dezactivată</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Intrare analogică EVENT/AUX dezactivată</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Versiune de fișier greșită</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Connectorul nu a putut fi citit pentru copia de rezervă, nu s-a scris nimic</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Copia de rezervă nu a putut fi salvată în %1, nu s-a scris nimic</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Datele citite nu au putut fi arhivate în %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Citire anulată</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Scriere anulată</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Copiere de rezervă anulată, nu s-a scris nimic</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connectorul conține un program scris parțial și trebuie rescris înainte de utilizare</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Octeții așa cum au fost citiți sunt păstrați în arhivă: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Connectorul nu a putut fi citit pentru copia de rezervă: jurnalul său se va pierde. Scrieți totuși?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>digitală</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analogică</translation>
    </message>
    <message>
        <source>level</source>
        <translation>de nivel</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>de temperatură</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probă</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Schimbare flacon</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distribuitor plin</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Sfârșitul planului</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Inelul jurnalului plin</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 la %2</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 z</translation>
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
        <translation>Programul nu poate fi planificat: %1 %2 este în afara domeniului.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Planul acoperă între 1 și %1 zile, nu %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Planul trebuie să înceapă după 1 ianuarie 2000 și să se termine înainte de 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Un debit presupus trebuie să fie între 0 și 100 % din debitul maxim, impulsurile între 0 și 3600000 pe oră, o capacitate între 1 și 24 de flacoane.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Pornește imediat, pe %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Pornește după o întârziere de %1, pe %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Pornește pe %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Pornește planificat, prima dată pe %1; porniri în plan: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Planificarea nu pornește programul în nicio zi a planului.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Programul nu pornește în cadrul planului.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Probele se iau la semnalul de control extern; niciuna nu este planificată.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Ia o probă la fiecare %1, prima la pornire.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Probele urmează debitul: una la fiecare %1 impulsuri.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Probele urmează debitul: %1 pe oră la debitul maxim.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Cu debitul presupus, o probă la fiecare %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Între două probe trec cel mult %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Flacoanele se schimbă la fiecare %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 pe flacon</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 flacoane deodată)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>într-un flacon după altul: capacitatea este Auto, deci planului nu i se termină flacoanele.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>în %1 flacoane:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>nu se umple în cadrul planului.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>plin pe %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Volumul probei urmează intrarea VAR/FLOW, până la %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Fără control prin eveniment.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Un eveniment pe intrarea %1 pornește programul.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Probele se iau doar cât durează un eveniment pe intrarea %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Fiecare eveniment schimbă flaconul.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Înaintea unui eveniment se iau %1 preprobe la fiecare %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Jurnalul de evenimente primește circa %1 înregistrări pe zi.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>un distribuitor de %1 flacoane</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulsuri de debit pe oră</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>un debit de %1 % din debitul maxim</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>înregistrări în jurnalul de evenimente la început: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Distribuitorul este plin pe %1, înainte de următoarea pornire pe %2: goliți flacoanele între timp.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Ridicați Connector înainte de %1: atunci inelul jurnalului este plin și suprascrie cele mai vechi înregistrări.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Ceasul Connector nu este setat.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Ceasul Connector este cu %1 înaintea ceasului PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Ceasul Connector este cu %1 în urma ceasului PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Pornirea de pe %1 este în trecut.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Pornirea de pe %1 este peste mai puțin de 10 minute.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Nicio activitate planificată: în planificare nu este aleasă nicio zi.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Nicio pornire nu cade în plan.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Fără debit presupus și fără interval maxim nu se poate planifica nicio probă.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Ora de vară începe pe %1: pornirile planificate de după vin cu o oră mai târziu pe ceasul de perete, deoarece ceasul Connector păstrează ora standard.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Ora de vară se termină pe %1: pornirile planificate de după vin cu o oră mai devreme pe ceasul de perete, din nou la ora lor Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Ora de vară începe pe %1: de atunci ceasul de perete este cu o oră înaintea ceasului Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Ora de vară se termină pe %1: de atunci ceasul de perete arată din nou ora Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Planul se oprește la %1 evenimente, pe %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Ora Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eveniment</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Flacoane</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probă</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Porniri</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distribuitor plin</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Flacon</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Niciun avertisment.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Copia de siguranță nu conține niciun program: nu se poate spune ce schimbă scrierea</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Programul rămâne neschimbat</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Fără copia de siguranță nu se poate spune ce schimbă scrierea</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>și încă %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Pornire program</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Pornire imediată</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Pornire după întârziere</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Pornire la oră fixă</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Pornire planificată</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Întârziere pornire :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Pornire la :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Acum</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>A 2-a</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>A 3-a</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>A 4-a</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Pornire la [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Luni :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Marți :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Miercuri :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Joi :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Vineri :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sâmbătă :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Duminică :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Baza de date a istoricului :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietăți program</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Limbă :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Implicit&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgară</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cehă</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engleză</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franceză</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiană</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituaniană</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poloneză</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusă</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacă</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaniolă</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Pagină de cod Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europa Centrală)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (chirilică)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa de Vest)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (baltică)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Copie de rezervă înainte de scriere</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Raportul Connectorului</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Sursă</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Raport întocmit</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Versiunea programului</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Primele evenimente ale planului</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Ceasul Connectorului</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eveniment</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modificări</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Nicio citire anterioară a acestui Connector nu este arhivată.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Niciun câmp nu diferă de citirea din %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Față de citirea din %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Câmp</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Acum</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Jurnal de evenimente</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Jurnalul de evenimente nu conține înregistrări.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Note și semnătură</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Loc</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Tehnician</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Semnătură</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Graficul jurnalului</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 din %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Prelevator</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Purjare înainte de prelevare :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Purjare după prelevare :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsuri pompă :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aerare :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Timp max. aspirare :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Număr purjări :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Intrare analogică VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Domeniu :</translation>
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
        <translation>Minim :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Maxim :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Unitate :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Intrare analogică EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Înregistrator</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Mod înregistrator</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Înregistrare periodică</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Perioadă înregistrare :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Înregistrare stare ușă</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatură</translation>
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
        <translation>Mod prelevator :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>CONTROL EXTERN</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PRELEVARE PERIODICĂ</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>PRELEVARE LA IMPULSURI DE DEBIT</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>PRELEVARE DUPĂ DEBIT</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Pornire program :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Pornire program</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Date VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Activare VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Maxim VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Flacoane / Distribuitor</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Capacitate distribuitor :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limită flacoane :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activ</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Probe pe flacon :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Flacoane pe grup :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Prelevare periodică</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Perioadă prelevare :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Prelevare la impulsuri de debit</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsuri pe probă :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Activare interval maxim de prelevare</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Interval maxim :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Prelevare după debit</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Debit maxim :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Rată probe :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Probe / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Ceas Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Ceas PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Setare ceas</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Date Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Schimbare flacon</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Schimbare după</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Număr de probe</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Interval de timp</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Interval schimbare :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Control prin eveniment</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Mod : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Intrare : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Control prin eveniment</translation>
    </message>
</context>
</TS>
