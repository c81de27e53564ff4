<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - programování Connectoru</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Konfigurační nástroj pro automatické vzorkovače vody</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Čte, upravuje a zapisuje Connector vzorkovače</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Verze : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty je démon pro braillské řádky, který si přivlastňuje sériové převodníky USB; pokud braillský řádek nepoužíváte, odeberte jej (sudo apt remove brltty) a adaptér znovu připojte.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager jej zkouší jako modem; nainstalujte pravidlo udev z balíčku Limnaset, které mu říká, aby adaptér nechal být, a adaptér znovu připojte.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Ukončete ten program nebo zadejte jiné zařízení pomocí LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT uvádí zařízení %1, které neexistuje. Zadejte zařízení adaptéru nebo zrušte LIMNASET_PORT, aby se hledalo podle popisu.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Žádné sériové zařízení nemá popis %1. Připojte adaptér; pokud je připojen, zkuste jiný port USB nebo jiný kabel.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>Počet sériových zařízení s popisem %2 (%3): %1. Odpojte všechna kromě jednoho nebo jedno zadejte pomocí LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Nemáte oprávnění otevřít %1 (skupina %2). Přidejte se do skupiny (sudo adduser $USER %2, pak se znovu přihlaste) nebo nainstalujte pravidlo udev z balíčku Limnaset a adaptér znovu připojte.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>Zařízení %1 je obsazeno programem %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>Zařízení %1 je obsazeno jiným procesem. Ukončete jej nebo zadejte jiné zařízení pomocí LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Zařízení %1 nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>Zařízení %1 se otevře, ale žádný adaptér na něm neodpovídá.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Tato písmena nelze uložit v kódové stránce %1: %2</translation>
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
        <translation>Sériové číslo:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Název Connectoru</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Načteno</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Záznamy protokolu</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Nejnovější záznam</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Porovnání</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Porovnat s:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Soubor...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Archivované čtení...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Vyberte, s čím se má dokument porovnat.</translation>
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
        <translation>Jen rozdíly</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Programy jsou shodné.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Liší se %1 polí.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Data Connectoru</translation>
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
        <translation>Název :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Komentář :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Řízení událostmi</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Režim událostí</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Bez řízení událostmi</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digitální vstup</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Analogový vstup</translation>
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
        <translation>Zpoždění :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[min:s]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inverze události</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Režim běhu</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Běh programu při události</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Start programu událostí</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Výměna láhve na konci události</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Povolit předvzorkování</translation>
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
        <translation>Vypnout VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Dolní mez :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Horní mez :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Dolní teplota :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Horní teplota :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historie</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportovat CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Databázi historie nelze použít:
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
        <translation>Láhve</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Události</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Dveře</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Napájení</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrace</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Opraveno</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
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
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Každý záznam z každého čtení Connectoru</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Vytvořit nový soubor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Uložit &amp;jako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Uložit soubor pod novým názvem</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportovat</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Exportovat soubor jako text</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archiv...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Obrazy Connectoru uchované z každého načtení</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportovat &amp;graf</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Uložit graf protokolu jako obrázek</translation>
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
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ukončit program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Načíst</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Načíst data z adaptéru</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapsat</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapsat data do adaptéru</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Zobrazit panel Stav</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Zobrazit panel Vzorkovač</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Zobrazit protokol událostí</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informace o programu</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Vzorkovač</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Protokol událostí</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Načíst data z Connectoru</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Zapsat data do Connectoru</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Zálohování</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Zápis</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Ověřování</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, opakování: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Záznamy protokolu v Connectoru: %1, všechny archivovány.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Hlavička programu je poškozená; záznamy protokolu (%1) jsou archivovány.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Program je jiné verze; záznamy protokolu (%1) jsou archivovány.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Connector se nepodařilo načíst celý; nic nebylo archivováno.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Connector nebyl zálohován (Soubor, Vlastnosti); jeho protokol událostí bude ztracen.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nelze zapisovat do %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Konfigurace Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Exportovat graf</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obrázek SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Exportovat soubor</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Exportní soubor (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Exportní soubor (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Exportovat plá&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Uložit plán programu jako CSV nebo jako kalendář</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plán</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Zobrazit plán programu</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Exportovat plán</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plán (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalendář (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Náhled tisku...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export do P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Vytisknout zprávu o Connectoru</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Zobrazit stránky zprávy o Connectoru</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Uložit zprávu o Connectoru jako PDF</translation>
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
        <translation>&amp;Porovnat...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Porovnat dokument se souborem, Connectorem nebo archivovaným čtením</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;nepojmenovaný&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Soubor již existuje. Chcete jej přepsat?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>nepojmenovaný</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Soubor byl změněn, chcete jej uložit?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Chyba komunikace, zkuste to prosím znovu</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Chyba přístupu k souboru</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametr mimo povolený rozsah</translation>
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
        <translation>Neplatný formát parametru</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Opravdu chcete zapsat data do Connectoru?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nový jazyk se projeví po restartu programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptér?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Řádek</translation>
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
        <translation>Láhev</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorek</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>Vnější T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T skříně</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Poškozený soubor</translation>
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
        <translation>Ihned</translation>
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
        <translation>Podle plánu</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Bez detekce událostí</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Běh programu při události</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Start programu událostí</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádný</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitální</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogový</translation>
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
        <translation>Žádná plánovaná činnost</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Analogový vstup VAR/FLOW vypnut</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Analogový vstup EVENT/AUX vypnut</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Chybná verze souboru</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Connector se nepodařilo načíst pro zálohu, nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Zálohu se nepodařilo uložit do %1, nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Načtená data se nepodařilo archivovat v %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Načítání zrušeno</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Zápis zrušen</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Zálohování zrušeno, nic nebylo zapsáno</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector obsahuje částečně zapsaný program a před použitím musí být znovu zapsán</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Bajty tak, jak byly načteny, jsou uloženy v archivu: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Connector se nepodařilo načíst pro zálohu: jeho protokol bude ztracen. Přesto zapsat?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>digitální</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analogový</translation>
    </message>
    <message>
        <source>level</source>
        <translation>hladinový</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>teplotní</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorek</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Výměna láhve</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdělovač plný</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Konec plánu</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Kruh protokolu plný</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 v %2</translation>
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
        <translation>Program nelze naplánovat: %1 %2 je mimo rozsah.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Plán pokrývá 1 až %1 dní, ne %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Plán musí začít po 1. lednu 2000 a skončit před rokem 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Předpokládaný průtok musí ležet mezi 0 a 100 % maximálního průtoku, impulzy mezi 0 a 3600000 za hodinu, kapacita mezi 1 a 24 láhvemi.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Startuje ihned, %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Startuje po zpoždění %1, %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Startuje %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Startuje podle plánu, poprvé %1; startů v plánu: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Plánovač nespustí program v žádný den plánu.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Program se v rámci plánu nespustí.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Vzorky se odebírají na externí řídicí signál; žádný není naplánován.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Odebírá vzorek každých %1, první při startu.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Vzorky sledují průtok: jeden každých %1 impulzů.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Vzorky sledují průtok: %1 za hodinu při maximálním průtoku.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>S předpokládaným průtokem vzorek každých %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Mezi dvěma vzorky uplyne nejvýše %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Láhve se mění každých %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 na láhev</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 láhví najednou)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>do jedné láhve za druhou: kapacita je Auto, takže plánu láhve nedojdou.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>do %1 láhví:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>v rámci plánu neplný.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>plný %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Objem vzorku sleduje vstup VAR/FLOW, až do %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Bez řízení událostmi.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Událost na vstupu %1 spustí program.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Vzorky se odebírají jen po dobu trvání události na vstupu %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Každá událost vymění láhev.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Před událostí se odebere %1 předvzorků každých %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Protokol událostí přibírá asi %1 záznamů denně.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>rozdělovač s %1 láhvemi</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulzů průtoku za hodinu</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>průtok %1 % maximálního průtoku</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>záznamů v protokolu událostí na začátku: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Rozdělovač je plný %1, před dalším startem %2: mezitím láhve vyprázdněte.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Vyzvedněte Connector před %1: pak je kruh protokolu událostí plný a přepisuje své nejstarší záznamy.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Hodiny Connectoru nejsou nastaveny.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Hodiny Connectoru předbíhají hodiny PC o %1.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Hodiny Connectoru zaostávají za hodinami PC o %1.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Start %1 leží v minulosti.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Start %1 je méně než 10 minut dopředu.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Žádná plánovaná činnost: v plánovači není vybrán žádný den.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Žádný start nepadne do plánu.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Bez předpokládaného průtoku a bez maximálního intervalu nelze naplánovat žádný vzorek.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Letní čas začíná %1: plánované starty po něm přijdou na nástěnných hodinách o hodinu později, protože hodiny Connectoru drží standardní čas.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Letní čas končí %1: plánované starty po něm přijdou na nástěnných hodinách o hodinu dříve, opět ve svém čase Connectoru.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Letní čas začíná %1: od té doby jdou nástěnné hodiny o hodinu napřed před hodinami Connectoru.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Letní čas končí %1: od té doby ukazují nástěnné hodiny opět čas Connectoru.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Plán končí na %1 událostech, %2.</translation>
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
        <translation>Čas Connectoru</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Láhve</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vzorek</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Vzorky</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starty</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Rozdělovač plný</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Láhev</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Žádná varování.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Záloha neobsahuje program: nelze říci, co zápis změní</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Program zůstává beze změny</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Bez zálohy nelze říci, co zápis změní</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>a %1 dalších</translation>
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
        <translation>Režim</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Spustit ihned</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Spustit se zpožděním</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Spustit v čase</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Spustit podle plánu</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Zpoždění startu :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Start v :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyní</translation>
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
        <translation>Poslední</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Start v [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Pondělí :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Úterý :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Středa :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Čtvrtek :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Pátek :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sobota :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Neděle :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Databáze historie :</translation>
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
        <translation>&lt;Výchozí&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharština</translation>
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
        <translation>Francouzština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Němčina</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italština</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litevština</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polština</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunština</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenština</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španělština</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Kódová stránka textů Connectoru :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (středoevropská)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrilice)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (západoevropská)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (baltská)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Zálohovat Connector před zápisem</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Zpráva o Connectoru</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
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
        <translation>Zpráva vytvořena</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Verze programu</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plán</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>První události plánu</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Hodiny Connectoru</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Změny</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Žádné dřívější čtení tohoto Connectoru není archivováno.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Žádné pole se neliší od čtení z %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Oproti čtení z %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Předtím</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyní</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Záznam událostí</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Záznam událostí neobsahuje žádné záznamy.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Poznámky a podpis</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Místo</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>Proplach před odběrem :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Proplach po odběru :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulzy čerpadla :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Provzdušnění :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. doba nasávání :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Počet proplachů :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Analogový vstup VAR/FLOW</translation>
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
        <translation>Analogový vstup EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Záznamník</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Režim záznamníku</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Záznamník vypnut</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodický záznam</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Perioda záznamu :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Záznam stavu dveří</translation>
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
        <translation>Režim vzorkovače :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>EXTERNÍ ŘÍZENÍ</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PERIODICKÉ VZORKOVÁNÍ</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>VZORKOVÁNÍ PODLE IMPULZŮ PRŮTOKU</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>VZORKOVÁNÍ PODLE PRŮTOKU</translation>
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
        <translation>Data VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Povolit VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Maximum VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Láhve / rozdělovač</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Kapacita rozdělovače :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limit lahví :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Vzorků na láhev :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Lahví ve skupině :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodické vzorkování</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Perioda vzorkování :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hod:min]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Vzorkování podle impulzů průtoku</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulzů na vzorek :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Povolit max. interval vzorkování</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maximální interval :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Vzorkování podle průtoku</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Maximum průtoku :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Četnost vzorků :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Vzorky / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Hodiny Connectoru :</translation>
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
        <translation>Nastavit čas</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Data Connectoru</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Výměna láhve</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Výměna podle</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Počet vzorků</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Časový interval</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Interval výměny :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Řízení událostmi</translation>
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
        <translation>Řízení událostmi</translation>
    </message>
</context>
</TS>
