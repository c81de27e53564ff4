<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - програмиране на Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Програма за конфигуриране на автоматични пробовземачи за вода</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Чете, редактира и записва Connector на пробовземача</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Версия : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty е демон за брайлови дисплеи, който заема серийните USB мостове; ако нямате брайлов дисплей, премахнете го (sudo apt remove brltty) и включете адаптера отново.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager го проверява като модем; инсталирайте правилото за udev от пакета Limnaset, което му указва да не пипа адаптера, и включете адаптера отново.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Затворете тази програма или посочете друго устройство с LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT посочва %1, което не съществува. Посочете устройството на адаптера или премахнете LIMNASET_PORT, за да се търси по описанието.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Няма серийно устройство с описание %1. Включете адаптера; ако е включен, опитайте друг USB порт или кабел.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 серийни устройства имат описание %2 (%3). Изключете всички освен едно или посочете едно с LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Нямате право да отворите %1 (група %2). Присъединете се към групата (sudo adduser $USER %2, след това влезте отново) или инсталирайте правилото за udev от пакета Limnaset и включете адаптера отново.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 е зает от %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 е зает от друг процес. Затворете го или посочете друго устройство с LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 не може да бъде отворен: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 се отваря, но на него не отговаря адаптер.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Тези букви не могат да се запишат в кодова страница %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Сериен номер:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Име на Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Прочетен на</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Записи в дневника</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Най-нов запис</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Отвори</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Сравняване с:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Файл...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Архивирано четене...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Изберете с какво да се сравни документът.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Този документ</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Другият</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Само разликите</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Програмите са еднакви.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Различават се %1 полета.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Данни на Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Сериен номер :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Име :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Коментар :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Управление по събитие</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Режим на събитие</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Изключи събитията</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Цифров вход</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Аналогов вход</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Вход за ниво</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Закъснение :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[мм:сс]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Инверсия на събитието</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Режим на работа</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Изпълни програмата при събитие</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Стартирай програмата от събитие</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Смяна на бутилка след събитието</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Предварително пробовземане</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Интервал :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Проби :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Изключи VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Долна граница :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Горна граница :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Долна температура :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Горна температура :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Експорт на CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Базата данни на историята не може да се използва:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Проби</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Бутилки</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Събития</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Врата</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Захранване</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибриране</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Ремонт</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копирай</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>Ист&amp;ория...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Всеки запис от всяко четене на Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Данни</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Изглед</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нов</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Създай нов файл</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Отвори</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Отвори файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запази</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Запази файла</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Запази &amp;като</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Запази файла с ново име</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Експорт</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Експортирай файла като текст</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Архив...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Образи на Connector, запазени при всяко четене</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Експорт на &amp;графика</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Запази графиката на дневника като изображение</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Свойства...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Свойства на програмата</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Из&amp;ход</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Изход от програмата</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Прочети</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Прочети данни от адаптера</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Запиши</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Запиши данни в адаптера</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Покажи панела за състояние</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Термостат</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Покажи панела на пробовземача</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Покажи дневника на събитията</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Относно...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Информация за програмата</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Пробовземач</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Дневник на събитията</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Прочети данни от Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Запиши данни в Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Резервно копиране</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Четене</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, повторни опити: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Записи в дневника на Connector: %1, всички са архивирани.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Заглавната част на програмата е повредена; записите в дневника (%1) са архивирани.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Програмата е от друга версия; записите в дневника (%1) са архивирани.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Connector не можа да бъде прочетен изцяло; нищо не е архивирано.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Не е направено резервно копие на Connector (Файл, Свойства); дневникът му на събитията ще бъде загубен.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не може да се запише в %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Конфигурация на Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Запази файл</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Експорт на графика</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Експорт на файл</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Файл за експорт (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Файл за експорт (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Експорт на пла&amp;на...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Запис на плана на програмата като CSV или като календар</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Преглед на плана на програмата</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Експорт на плана</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>План (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Календар (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печат...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Преглед за печат...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Експорт в P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Отпечатване на отчета за Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Показване на страниците на отчета за Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Запис на отчета за Connector като PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Експорт в PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF документ (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Сравняване...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Сравняване на документа с файл, Connector или архивирано четене</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Потвърждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;без име&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Файлът вече съществува. Искате ли да го презапишете?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>безименен</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Файлът е променен. Искате ли да го запазите?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Грешка в комуникацията, моля, опитайте отново</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Грешка при достъп до файла</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Параметърът е извън допустимия обхват</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector ГРЕШКА</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Невалиден формат на параметъра</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Наистина ли искате да запишете данните в Connector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Новият език ще бъде зададен след рестартиране на програмата</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Адаптер?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ред</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Време</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Състояние</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Бутилка</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>Външна T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T на корпуса</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Повреден файл</translation>
    </message>
    <message>
        <source>export</source>
        <translation>експорт</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Веднага</translation>
    </message>
    <message>
        <source>After</source>
        <translation>След</translation>
    </message>
    <message>
        <source>At</source>
        <translation>В</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>По график</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Без откриване на събития</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Изпълни програмата при събитие</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Стартирай програмата от събитие</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Няма</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Цифров</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Аналогов</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ниво</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Няма планирана дейност</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Аналоговият вход VAR/FLOW е изключен</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Аналоговият вход EVENT/AUX е изключен</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Грешна версия на файла</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Connector не можа да бъде прочетен за резервно копие, нищо не е записано</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Резервното копие не можа да бъде запазено в %1, нищо не е записано</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Прочетените данни не можаха да бъдат архивирани в %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Четенето е отменено</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Записът е отменен</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Резервното копиране е отменено, нищо не е записано</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector съдържа частично записана програма и трябва да бъде записан отново преди употреба</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Байтовете, както са прочетени, се пазят в архива: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Connector не можа да бъде прочетен за резервно копие: дневникът му ще бъде изгубен. Да се запише ли въпреки това?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>цифров</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>аналогов</translation>
    </message>
    <message>
        <source>level</source>
        <translation>ниво</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>температура</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Смяна на бутилка</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Разпределителят е пълен</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Край на плана</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Пръстенът на дневника е пълен</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 д</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>The program cannot be planned: %1 %2 is out of range.</source>
        <translation>Програмата не може да бъде планирана: %1 %2 е извън обхвата.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Планът обхваща от 1 до %1 дни, не %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Планът трябва да започва след 1 януари 2000 и да завършва преди 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Предполагаемият дебит трябва да е между 0 и 100 % от максималния дебит, импулсите между 0 и 3600000 на час, капацитетът между 1 и 24 бутилки.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Стартира веднага, на %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Стартира след закъснение %1, на %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Стартира на %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Стартира по график, първо на %1; стартове в плана: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Графикът не стартира програмата в нито един ден от плана.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Програмата не стартира в рамките на плана.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Пробите се вземат по външния управляващ сигнал; не е планирана нито една.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Взема проба на всеки %1, първата при старта.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Пробите следват дебита: една на всеки %1 импулса.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Пробите следват дебита: %1 на час при максимален дебит.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>С предполагаемия дебит проба на всеки %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Между две проби минават най-много %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Бутилките се сменят на всеки %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 на бутилка</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 бутилки наведнъж)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>в една бутилка след друга: капацитетът е Auto, затова бутилките в плана не свършват.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>в %1 бутилки:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>не се запълва в рамките на плана.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>пълен на %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Обемът на пробата следва входа VAR/FLOW, до %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Без управление по събитие.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Събитие на входа %1 стартира програмата.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Пробите се вземат само докато трае събитие на входа %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Всяко събитие сменя бутилката.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Преди събитие се вземат %1 предварителни проби на всеки %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Дневникът на събитията получава около %1 записа на ден.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>разпределител с %1 бутилки</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 импулса на дебита на час</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>дебит %1 % от максималния</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>записи в дневника на събитията в началото: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Разпределителят е пълен на %1, преди следващия старт на %2: изпразнете бутилките междувременно.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Вземете Connector преди %1: тогава пръстенът на дневника е пълен и презаписва най-старите си записи.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Часовникът на Connector не е сверен.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Часовникът на Connector избързва с %1 спрямо часовника на компютъра.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Часовникът на Connector изостава с %1 спрямо часовника на компютъра.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Стартът на %1 е в миналото.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Стартът на %1 е след по-малко от 10 минути.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Няма планирана дейност: в графика не е избран нито един ден.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Нито един старт не попада в плана.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Без предполагаем дебит и без максимален интервал не може да се планира нито една проба.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Лятното часово време започва на %1: планираните стартове след него идват с час по-късно на стенния часовник, тъй като часовникът на Connector пази стандартното време.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Лятното часово време свършва на %1: планираните стартове след него идват с час по-рано на стенния часовник, отново в своето време на Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Лятното часово време започва на %1: оттогава стенният часовник е с час напред спрямо часовника на Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Лятното часово време свършва на %1: оттогава стенният часовник отново показва времето на Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Планът спира при %1 събития, на %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Време</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Време на Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Събитие</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Бутилки</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Проби</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Стартове</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Разпределителят е пълен</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Бутилка</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Няма предупреждения.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Резервното копие не съдържа програма: не може да се каже какво променя записът</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Програмата остава същата</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Без резервно копие не може да се каже какво променя записът</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и още %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Старт на програмата</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Старт веднага</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Старт след закъснение</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Старт в зададен час</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Старт по график</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Закъснение на старта :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Старт в :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сега</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1-ви</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-ри</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-ти</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-ти</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Посл.</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Старт в [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Понеделник :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Вторник :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Сряда :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Четвъртък :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Петък :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Събота :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Неделя :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>База данни на историята :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Свойства на програмата</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Език :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;По подразбиране&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Български</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешки</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английски</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Френски</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немски</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Италиански</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовски</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Полски</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румънски</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Руски</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словашки</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испански</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Кодова страница на текста в Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Централна Европа)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (кирилица)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Западна Европа)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Балтика)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Резервно копие преди запис</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Отчет за Connector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Източник</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Отчетът е създаден</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Версия на програмата</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Първи събития от плана</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Часовник на Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Събитие</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Промени</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Няма архивирано предишно четене на този Connector.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Нито едно поле не се различава от четенето от %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Спрямо четенето от %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Преди</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сега</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Журнал на събитията</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Журналът на събитията няма записи.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Бележки и подпис</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Място</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Техник</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Бележки</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Подпис</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Графика на журнала</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 от %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Пробовземач</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Продухване преди проба :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[с]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Продухване след проба :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Импулси на помпата :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Аерация :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Макс. засмукване :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Брой продухвания :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Аналогов вход VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Обхват :</translation>
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
        <translation>Минимум :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Максимум :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Единици :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Аналогов вход EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Регистратор</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Режим на регистратора</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Без регистриране</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Периодичен запис</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Период на запис :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Състояние на вратата</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
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
        <translation>Режим на пробовземане :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>ВЪНШНО УПРАВЛЕНИЕ</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>ПЕРИОДИЧНО ПРОБОВЗЕМАНЕ</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>ПРОБОВЗЕМАНЕ ПО ИМПУЛСИ НА ДЕБИТ</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>ПРОБОВЗЕМАНЕ ПО ДЕБИТ</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Старт на програмата :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Старт на програмата</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Данни VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Включи VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Максимум VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Бутилки / разпределител</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Капацитет на разпределителя :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Лимит бутилки :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включи</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Проби на бутилка :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Бутилки в група :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Периодично пробовземане</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Период на пробовземане :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Пробовземане по импулси на дебит</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Импулси на проба :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Включи макс. интервал на пробовземане</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Макс. интервал :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Пробовземане по дебит</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Максимален дебит :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Честота на проби :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Проби / ч</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Час на Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Час на PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Задай часа</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Данни на Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Смяна на бутилка</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Смяна по</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Брой проби</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Времеви интервал</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Интервал на смяна :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Управление по събитие</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Режим : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Вход : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Управление по събитие</translation>
    </message>
</context>
</TS>
