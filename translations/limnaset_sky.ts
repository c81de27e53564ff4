<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Áno</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - programovanie Connectora</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Konfiguračný nástroj pre automatické vzorkovače vody</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Číta, upravuje a zapisuje Connector vzorkovača</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Verzia : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty je démon pre brailovské displeje, ktorý si privlastňuje sériové prevodníky USB; ak brailovský displej nepoužívate, odstráňte ho (sudo apt remove brltty) a adaptér znova pripojte.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager ho skúša ako modem; nainštalujte pravidlo udev z balíka Limnaset, ktoré mu prikazuje nechať adaptér na pokoji, a adaptér znova pripojte.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Ukončite ten program alebo zadajte iné zariadenie pomocou LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT uvádza zariadenie %1, ktoré neexistuje. Zadajte zariadenie adaptéra alebo zrušte LIMNASET_PORT, aby sa hľadalo podľa popisu.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Žiadne sériové zariadenie nemá popis %1. Pripojte adaptér; ak je pripojený, skúste iný port USB alebo iný kábel.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>Počet sériových zariadení s popisom %2 (%3): %1. Odpojte všetky okrem jedného alebo jedno zadajte pomocou LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Nemáte oprávnenie otvoriť %1 (skupina %2). Pridajte sa do skupiny (sudo adduser $USER %2, potom sa znova prihláste) alebo nainštalujte pravidlo udev z balíka Limnaset a adaptér znova pripojte.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>Zariadenie %1 je obsadené programom %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>Zariadenie %1 je obsadené iným procesom. Ukončite ho alebo zadajte iné zariadenie pomocou LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Zariadenie %1 sa nedá otvoriť: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>Zariadenie %1 sa otvorí, ale žiadny adaptér na ňom neodpovedá.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Tieto písmená nemožno uložiť v kódovej stránke %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archív</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Sériové číslo:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Názov Connectora</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Načítané</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Záznamy protokolu</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Najnovší záznam</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Porovnanie</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Porovnať s:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Súbor...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Archivované čítanie...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Vyberte, s čím porovnať dokument.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Tento dokument</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Druhý</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Len rozdiely</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Programy sú zhodné.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Líši sa %1 polí.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Údaje Connectora</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Sériové číslo :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Názov :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Komentár :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Riadenie udalosťami</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Režim udalostí</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Bez riadenia udalosťami</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digitálny vstup</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Analógový vstup</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Vstup hladiny</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Oneskorenie :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[min:s]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inverzia udalosti</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Režim behu</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Beh programu pri udalosti</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Štart programu udalosťou</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Výmena fľaše na konci udalosti</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Povoliť predvzorkovanie</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Interval :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Vzorky :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Vypnúť VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Dolná medza :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Horná medza :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Dolná teplota :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Horná teplota :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>História</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabuľka</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportovať CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Databázu histórie nemožno použiť:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Vzorky</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Fľaše</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Udalosti</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dvere</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Napájanie</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrácia</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Opravené</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznáme</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Tabuľka</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovať</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;História...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Každý záznam z každého čítania Connectora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Úd&amp;aje</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobraziť</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Vytvoriť nový súbor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvoriť</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otvoriť súbor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložiť súbor</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Uložiť &amp;ako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Uložiť súbor pod novým názvom</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportovať</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Exportovať súbor ako text</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>A&amp;rchív...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Obrazy Connectora uchované z každého načítania</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportovať &amp;graf</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Uložiť graf protokolu ako obrázok</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Vlastnosti...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Vlastnosti programu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ukončiť program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Načítať</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Načítať údaje z adaptéra</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapísať</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapísať údaje do adaptéra</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Zobraziť panel Stav</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Zobraziť panel Vzorkovač</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Zobraziť protokol udalostí</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programe...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informácie o programe</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Vzorkovač</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Protokol udalostí</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Načítať údaje z Connectora</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Zapísať údaje do Connectora</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Zálohovanie</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Načítanie</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Zápis</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Overovanie</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, opakovania: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Záznamy protokolu v Connectori: %1, všetky archivované.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Hlavička programu je poškodená; záznamy protokolu (%1) sú archivované.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Program je inej verzie; záznamy protokolu (%1) sú archivované.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Connector sa nepodarilo načítať celý; nič nebolo archivované.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Connector nebol zálohovaný (Súbor, Vlastnosti); jeho protokol udalostí sa stratí.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Do %1 nie je možné zapisovať</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Konfigurácia Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Uložiť súbor</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Exportovať graf</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obrázok PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obrázok SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Exportovať súbor</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Exportný súbor (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Exportný súbor (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Exportovať plá&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Uložiť plán programu ako CSV alebo ako kalendár</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plán</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Zobraziť plán programu</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Exportovať plán</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plán (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalendár (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tlačiť...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Ukážka tlače...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export do P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Vytlačiť správu o Connectore</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Zobraziť strany správy o Connectore</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Uložiť správu o Connectore ako PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export do PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Porovnať...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Porovnať dokument so súborom, Connectorom alebo archivovaným čítaním</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potvrdenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;nepomenovaný&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Súbor už existuje. Chcete ho prepísať?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>nepomenovaný</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Súbor bol zmenený, chcete ho uložiť?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Chyba komunikácie, skúste to prosím znova</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Chyba prístupu k súboru</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parameter mimo povoleného rozsahu</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector CHYBA</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Neplatný formát parametra</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Naozaj chcete zapísať údaje do Connectora?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nový jazyk sa prejaví po reštarte programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptér?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riadok</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Fľaša</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorka</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>Vonkajšia T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T skrine</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Poškodený súbor</translation>
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
        <translation>Ihneď</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>At</source>
        <translation>V čase</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Podľa plánu</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Bez detekcie udalostí</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Beh programu pri udalosti</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Štart programu udalosťou</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žiadny</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitálny</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógový</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Hladina</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Žiadna plánovaná činnosť</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Analógový vstup VAR/FLOW vypnutý</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Analógový vstup EVENT/AUX vypnutý</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Nesprávna verzia súboru</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Connector sa nepodarilo načítať pre zálohu, nič nebolo zapísané</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Zálohu sa nepodarilo uložiť do %1, nič nebolo zapísané</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Načítané údaje sa nepodarilo archivovať v %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Načítanie zrušené</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Zápis zrušený</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Zálohovanie zrušené, nič nebolo zapísané</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector obsahuje čiastočne zapísaný program a pred použitím sa musí znova zapísať</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Bajty tak, ako boli načítané, sú uložené v archíve: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Connector sa nepodarilo načítať pre zálohu: jeho protokol sa stratí. Napriek tomu zapísať?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>digitálny</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analógový</translation>
    </message>
    <message>
        <source>level</source>
        <translation>hladinový</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>teplotný</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorka</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Výmena fľaše</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdeľovač plný</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Koniec plánu</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Kruh protokolu plný</translation>
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
        <translation>Program nemožno naplánovať: %1 %2 je mimo rozsahu.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Plán pokrýva 1 až %1 dní, nie %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Plán musí začať po 1. januári 2000 a skončiť pred rokom 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Predpokladaný prietok musí byť medzi 0 a 100 % maximálneho prietoku, impulzy medzi 0 a 3600000 za hodinu, kapacita medzi 1 a 24 fľašami.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Štartuje ihneď, %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Štartuje po oneskorení %1, %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Štartuje %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Štartuje podľa plánu, prvýkrát %1; štartov v pláne: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Plánovač nespustí program v žiadny deň plánu.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Program sa v rámci plánu nespustí.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Vzorky sa odoberajú na externý riadiaci signál; žiadna nie je naplánovaná.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Odoberá vzorku každých %1, prvú pri štarte.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Vzorky sledujú prietok: jedna každých %1 impulzov.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Vzorky sledujú prietok: %1 za hodinu pri maximálnom prietoku.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>S predpokladaným prietokom vzorka každých %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Medzi dvoma vzorkami uplynie najviac %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Fľaše sa menia každých %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 na fľašu</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 fliaš naraz)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>do jednej fľaše za druhou: kapacita je Auto, takže plánu fľaše nedôjdu.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>do %1 fliaš:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>v rámci plánu nie je plný.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>plný %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Objem vzorky sleduje vstup VAR/FLOW, až do %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Bez riadenia udalosťami.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Udalosť na vstupe %1 spustí program.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Vzorky sa odoberajú len počas trvania udalosti na vstupe %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Každá udalosť vymení fľašu.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Pred udalosťou sa odoberie %1 predvzoriek každých %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Protokol udalostí pribúda asi o %1 záznamov denne.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>rozdeľovač s %1 fľašami</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulzov prietoku za hodinu</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>prietok %1 % maximálneho prietoku</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>záznamov v protokole udalostí na začiatku: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Rozdeľovač je plný %1, pred ďalším štartom %2: medzitým fľaše vyprázdnite.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Vyzdvihnite Connector pred %1: potom je kruh protokolu udalostí plný a prepisuje svoje najstaršie záznamy.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Hodiny Connectora nie sú nastavené.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Hodiny Connectora idú o %1 napred oproti hodinám PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Hodiny Connectora meškajú o %1 oproti hodinám PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Štart %1 leží v minulosti.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Štart %1 je menej než 10 minút dopredu.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Žiadna plánovaná činnosť: v plánovači nie je vybraný žiadny deň.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Žiadny štart nepadne do plánu.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Bez predpokladaného prietoku a bez maximálneho intervalu nemožno naplánovať žiadnu vzorku.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Letný čas začína %1: plánované štarty po ňom prídu na nástenných hodinách o hodinu neskôr, pretože hodiny Connectora držia štandardný čas.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Letný čas končí %1: plánované štarty po ňom prídu na nástenných hodinách o hodinu skôr, opäť vo svojom čase Connectora.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Letný čas začína %1: odvtedy idú nástenné hodiny o hodinu napred pred hodinami Connectora.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Letný čas končí %1: odvtedy ukazujú nástenné hodiny opäť čas Connectora.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Plán končí pri %1 udalostiach, %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Čas Connectora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Udalosť</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Fľaše</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorka</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Vzorky</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Štarty</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdeľovač plný</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Fľaša</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Žiadne varovania.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Záloha neobsahuje program: nemožno povedať, čo zápis zmení</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Program zostáva bez zmeny</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Bez zálohy nemožno povedať, čo zápis zmení</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>a ďalších %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Štart programu</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Spustiť ihneď</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Spustiť s oneskorením</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Spustiť v čase</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Spustiť podľa plánu</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Oneskorenie štartu :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Štart v :</translation>
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
        <translation>Posledný</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Štart v [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Pondelok :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Utorok :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Streda :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Štvrtok :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Piatok :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sobota :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Nedeľa :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Databáza histórie :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Vlastnosti programu</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Jazyk :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predvolený&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharčina</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francúzština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Nemčina</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Taliančina</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litovčina</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poľština</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunčina</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španielčina</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Kódová stránka textov Connectora :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (stredoeurópska)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrilika)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (západoeurópska)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (baltská)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Zálohovať Connector pred zápisom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Správa o Connectore</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Zdroj</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Správa vytvorená</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Verzia programu</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plán</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Prvé udalosti plánu</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Hodiny Connectora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Udalosť</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmeny</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Žiadne skoršie čítanie tohto Connectora nie je archivované.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Žiadne pole sa nelíši od čítania z %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Oproti čítaniu z %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Predtým</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Záznam udalostí</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Záznam udalostí neobsahuje žiadne záznamy.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Poznámky a podpis</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Miesto</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Graf záznamu</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Vzorkovač</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Preplach pred odberom :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Preplach po odbere :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulzy čerpadla :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Prevzdušnenie :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. čas nasávania :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Počet preplachov :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Analógový vstup VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Rozsah :</translation>
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
        <translation>Jednotky :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Analógový vstup EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Záznamník</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Režim záznamníka</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Záznamník vypnutý</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodický záznam</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Perióda záznamu :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Záznam stavu dverí</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
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
        <translation>Režim vzorkovača :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>EXTERNÉ RIADENIE</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PERIODICKÉ VZORKOVANIE</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>VZORKOVANIE PODĽA IMPULZOV PRIETOKU</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>VZORKOVANIE PODĽA PRIETOKU</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Štart programu :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Štart programu</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Údaje VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Povoliť VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Maximum VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Fľaše / rozdeľovač</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Kapacita rozdeľovača :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limit fliaš :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povoliť</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Vzoriek na fľašu :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Fliaš v skupine :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodické vzorkovanie</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Perióda vzorkovania :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Vzorkovanie podľa impulzov prietoku</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulzov na vzorku :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Povoliť max. interval vzorkovania</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maximálny interval :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Vzorkovanie podľa prietoku</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Maximum prietoku :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Frekv. vzoriek :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Vzorky / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Hodiny Connectora :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Hodiny PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Nastaviť čas</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Údaje Connectora</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Výmena fľaše</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Výmena podľa</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Počet vzoriek</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Interval výmeny :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Riadenie udalosťami</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Režim : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Vstup : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Riadenie udalosťami</translation>
    </message>
</context>
</TS>
