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
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Tieto písmená nemožno uložiť v kódovej stránke %1: %2</translation>
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
        <translation>[mm:ss]</translation>
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
        <source>The Connector holds no readable program or log; nothing was archived.</source>
        <translation>Connector neobsahuje čitateľný program ani protokol; nič nebolo archivované.</translation>
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
        <translation>[hh:mm]</translation>
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
        <translation>[hh:mm]</translation>
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
        <translation>[hh:mm]</translation>
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
        <translation>Vzoriek / h</translation>
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
