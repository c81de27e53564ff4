<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - programator Connectora</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Program konfiguracyjny do automatycznych próbników wody</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Odczytuje, edytuje i zapisuje Connector próbnika</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Wersja : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty to demon obsługi monitorów brajlowskich, który przejmuje konwertery USB-szeregowe; jeśli nie używasz monitora brajlowskiego, usuń go (sudo apt remove brltty) i podłącz adapter ponownie.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager sprawdza adapter, traktując go jak modem; zainstaluj regułę udev z pakietu Limnaset, która każe mu pozostawić adapter w spokoju, i podłącz adapter ponownie.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Zamknij ten program lub wskaż inne urządzenie za pomocą LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT wskazuje urządzenie %1, które nie istnieje. Wskaż urządzenie adaptera lub usuń zmienną LIMNASET_PORT, aby wyszukać je według opisu.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Żadne urządzenie szeregowe nie ma opisu %1. Podłącz adapter; jeśli jest podłączony, spróbuj innego gniazda USB lub innego kabla.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>Liczba urządzeń szeregowych z opisem %2 (%3): %1. Odłącz wszystkie oprócz jednego lub wskaż jedno za pomocą LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Brak uprawnień do otwarcia urządzenia %1 (grupa %2). Dołącz do grupy (sudo adduser $USER %2, a następnie zaloguj się ponownie) lub zainstaluj regułę udev z pakietu Limnaset i podłącz adapter ponownie.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>Urządzenie %1 jest używane przez %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>Urządzenie %1 jest używane przez inny proces. Zamknij go lub wskaż inne urządzenie za pomocą LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>Urządzenie %1 daje się otworzyć, ale żaden adapter na nim nie odpowiada.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Tych liter nie można zapisać w stronie kodowej %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archiwum</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Nazwa Connectora</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Odczytano</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Wpisy dziennika</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Najnowszy wpis</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Porównaj z:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Plik...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Zarchiwizowany odczyt...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Wybierz, z czym porównać dokument.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Ten dokument</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Drugi</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Tylko różnice</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Programy są takie same.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Różnych pól: %1.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Dane Connectora</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Numer seryjny :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nazwa :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Komentarz :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Sterowanie zdarzeniami</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Tryb zdarzeń</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Wyłącz zdarzenia</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Wejście cyfrowe</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Wejście analogowe</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Wejście poziomu</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Opóźnienie :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inwersja zdarzenia</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Tryb pracy</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Wykonuj program przy zdarzeniu</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Start programu zdarzeniem</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Zmień butelkę po zdarzeniu</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Włącz pobór wstępny</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Interwał :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Próbki :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Wyłącz VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Dolna granica :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Górna granica :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Dolna temperatura :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Górna temperatura :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Eksportuj CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Nie można użyć bazy danych historii:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Próbki</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Butelki</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Drzwi</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Zasilanie</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Naprawa</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Każdy rekord z każdego odczytu Connectora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dane</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Utwórz nowy plik</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Zapisz plik pod nową nazwą</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksportuj</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Eksportuj plik jako tekst</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archiwum...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Obrazy Connectora zachowane z każdego odczytu</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Eksportuj w&amp;ykres</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Zapisz wykres dziennika jako obraz</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Właściwości...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Właściwości programu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczyt</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Odczytaj dane z adaptera</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapis</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapisz dane do adaptera</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Pokaż panel stanu</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Pokaż panel próbnika</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Pokaż dziennik zdarzeń</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informacje o programie</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Próbnik</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Dziennik zdarzeń</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Odczytaj dane z Connectora</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Zapisz dane do Connectora</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Tworzenie kopii</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, powtórzenia: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Wpisy dziennika w Connectorze: %1, wszystkie zarchiwizowane.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Nagłówek programu jest uszkodzony; wpisy dziennika (%1) są zarchiwizowane.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Program jest w innej wersji; wpisy dziennika (%1) są zarchiwizowane.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Nie można odczytać całego Connectora; niczego nie zarchiwizowano.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Nie wykonano kopii zapasowej Connectora (Plik, Właściwości); jego dziennik zdarzeń zostanie utracony.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Konfiguracja Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Eksportuj wykres</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obraz SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Eksportuj plik</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Plik eksportu (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Plik eksportu (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Eksportuj pla&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Zapisz plan programu jako CSV lub jako kalendarz</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Pokaż plan programu</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Eksportuj plan</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plan (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalendarz (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Podgląd wydruku...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Eksportuj do P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Drukuj raport Connectora</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Pokaż strony raportu Connectora</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Zapisz raport Connectora jako PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj do PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>P&amp;orównaj...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Porównaj dokument z plikiem, Connectorem lub zarchiwizowanym odczytem</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bez nazwy&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Plik już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bez_nazwy</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Plik został zmieniony, czy chcesz go zapisać?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Błąd komunikacji, spróbuj ponownie</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Błąd dostępu do pliku</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametr poza zakresem</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector BŁĄD</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Nieprawidłowy format parametru</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Czy na pewno zapisać dane do Connectora?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nowy język zostanie ustawiony po ponownym uruchomieniu programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelka</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Próbka</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>T zewn.</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T obudowy</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Uszkodzony plik</translation>
    </message>
    <message>
        <source>export</source>
        <translation>eksport</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Natychmiast</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po opóźnieniu</translation>
    </message>
    <message>
        <source>At</source>
        <translation>O godzinie</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Wg harmonogramu</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Brak wykrywania zdarzeń</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Wykonuj program przy zdarzeniu</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Start programu zdarzeniem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Cyfrowe</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogowe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Brak zaplanowanych działań</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Wejście analogowe VAR/FLOW wyłączone</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Wejście analogowe EVENT/AUX wyłączone</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Nieprawidłowa wersja pliku</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Nie można odczytać Connectora w celu wykonania kopii zapasowej, niczego nie zapisano</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Nie można zapisać kopii zapasowej w %1, niczego nie zapisano</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Nie można zarchiwizować odczytanych danych w %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Odczyt anulowany</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Zapis anulowany</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Kopia zapasowa anulowana, niczego nie zapisano</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector zawiera częściowo zapisany program i przed użyciem musi zostać zapisany ponownie</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Bajty w postaci odczytanej są przechowywane w archiwum: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Nie można odczytać Connectora w celu wykonania kopii zapasowej: jego dziennik zostanie utracony. Zapisać mimo to?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>cyfrowe</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analogowe</translation>
    </message>
    <message>
        <source>level</source>
        <translation>poziomu</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatury</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Próbka</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Zmiana butelki</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdzielacz pełny</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Koniec planu</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Pierścień dziennika pełny</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 o %2</translation>
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
        <translation>Programu nie można zaplanować: %1 %2 jest poza zakresem.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Plan obejmuje od 1 do %1 dni, nie %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Plan musi zacząć się po 1 stycznia 2000 i skończyć przed 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Zakładany przepływ musi leżeć między 0 a 100 % przepływu maksymalnego, impulsy między 0 a 3600000 na godzinę, pojemność między 1 a 24 butelkami.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Startuje natychmiast, %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Startuje po opóźnieniu %1, %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Startuje %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Startuje wg harmonogramu, pierwszy raz %1; startów w planie: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Harmonogram nie uruchamia programu w żaden dzień planu.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Program nie startuje w obrębie planu.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Próbki są pobierane na zewnętrzny sygnał sterujący; żadna nie jest zaplanowana.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Pobiera próbkę co %1, pierwszą przy starcie.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Próbki podążają za przepływem: jedna co %1 impulsów.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Próbki podążają za przepływem: %1 na godzinę przy przepływie maksymalnym.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Przy zakładanym przepływie próbka co %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Między dwiema próbkami mija najwyżej %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Butelki zmieniają się co %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 na butelkę</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 butelek naraz)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>do jednej butelki po drugiej: pojemność to Auto, więc w planie butelki się nie kończą.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>do %1 butelek:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>niepełny w obrębie planu.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>pełny %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Objętość próbki podąża za wejściem VAR/FLOW, do %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Bez sterowania zdarzeniami.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Zdarzenie na wejściu %1 uruchamia program.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Próbki są pobierane tylko podczas trwania zdarzenia na wejściu %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Każde zdarzenie zmienia butelkę.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Przed zdarzeniem pobiera się %1 próbek wstępnych co %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Dziennik zdarzeń przyjmuje około %1 wpisów dziennie.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>rozdzielacz na %1 butelek</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulsów przepływu na godzinę</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>przepływ %1 % przepływu maksymalnego</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>wpisów w dzienniku zdarzeń na początku: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Rozdzielacz jest pełny %1, przed następnym startem %2: w międzyczasie opróżnij butelki.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Odbierz Connector przed %1: wtedy pierścień dziennika zdarzeń jest pełny i nadpisuje najstarsze wpisy.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Zegar Connectora nie jest ustawiony.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Zegar Connectora spieszy się o %1 względem zegara PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Zegar Connectora spóźnia się o %1 względem zegara PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Start %1 leży w przeszłości.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Start %1 jest za mniej niż 10 minut.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Brak zaplanowanej aktywności: w harmonogramie nie wybrano żadnego dnia.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Żaden start nie przypada w planie.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Bez zakładanego przepływu i bez maksymalnego odstępu nie można zaplanować żadnej próbki.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Czas letni zaczyna się %1: zaplanowane starty po nim przypadają na zegarze ściennym godzinę później, bo zegar Connectora trzyma czas standardowy.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Czas letni kończy się %1: zaplanowane starty po nim przypadają na zegarze ściennym godzinę wcześniej, znów o swoim czasie Connectora.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Czas letni zaczyna się %1: odtąd zegar ścienny wyprzedza zegar Connectora o godzinę.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Czas letni kończy się %1: odtąd zegar ścienny znów pokazuje czas Connectora.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Plan kończy się na %1 zdarzeniach, %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Czas Connectora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Butelki</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Próbka</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Próbki</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starty</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdzielacz pełny</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Butelka</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Brak ostrzeżeń.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Kopia zapasowa nie zawiera programu: nie można powiedzieć, co zmieni zapis</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Program pozostaje bez zmian</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Bez kopii zapasowej nie można powiedzieć, co zmieni zapis</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Start programu</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Start natychmiast</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Start po opóźnieniu</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Start o godzinie</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Start wg harmonogramu</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Opóźnienie startu :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[gg:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Start o :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
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
        <translation>Ostatni</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Start o [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Poniedziałek :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Wtorek :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Środa :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Czwartek :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Piątek :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sobota :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Niedziela :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Baza danych historii :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Właściwości programu</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Język :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Domyślny&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bułgarski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litewski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Słowacki</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Strona kodowa tekstów Connectora :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (środkowoeuropejska)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrylica)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (zachodnioeuropejska)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (bałtycka)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Kopia Connectora przed zapisem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Raport Connectora</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Raport utworzony</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Wersja programu</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Pierwsze zdarzenia planu</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Zegar Connectora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Brak zarchiwizowanego wcześniejszego odczytu tego Connectora.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Żadne pole nie różni się od odczytu z %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>W porównaniu z odczytem z %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Dziennik zdarzeń</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Dziennik zdarzeń nie zawiera wpisów.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Uwagi i podpis</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Wykres dziennika</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Próbnik</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Płukanie przed poborem :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Płukanie po poborze :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsy pompy :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Napowietrzanie :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Maks. czas zasysania :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Liczba płukań :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Wejście analogowe VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Zakres :</translation>
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
        <translation>Maksimum :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Jednostki :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Wejście analogowe EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Rejestrator</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Tryb rejestratora</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Bez rejestracji</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Rejestracja okresowa</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Okres rejestracji :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[gg:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Rejestracja stanu drzwi</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
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
        <translation>Tryb próbnika :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>STEROWANIE ZEWNĘTRZNE</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>POBÓR OKRESOWY</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>POBÓR WG IMPULSÓW PRZEPŁYWU</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>POBÓR WG NATĘŻENIA PRZEPŁYWU</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Start programu :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Start programu</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Dane VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Włącz VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Maksimum VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Butelki / rozdzielacz</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Pojemność rozdzielacza :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limit butelek :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Próbki na butelkę :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Butelki na grupę :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Pobór okresowy</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Okres poboru :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[gg:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Pobór wg impulsów przepływu</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsy na próbkę :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Włącz maks. interwał poboru</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maks. interwał :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Pobór wg natężenia przepływu</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Maks. przepływ :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Częstość poboru :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Próbki / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Zegar Connectora :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Zegar PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Ustaw zegar</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Dane Connectora</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Zmiana butelki</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Zmiana wg</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Liczba próbek</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Interwał czasu</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Interwał zmiany :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Sterowanie zdarzeniami</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Tryb : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Wejście : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Sterowanie zdarzeniami</translation>
    </message>
</context>
</TS>
