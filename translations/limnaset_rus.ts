<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - программатор Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Программа настройки автоматических пробоотборников воды</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Читает, редактирует и записывает Connector пробоотборника</translation>
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
        <translation>brltty — демон дисплея Брайля, который захватывает последовательные USB-мосты; если дисплея Брайля нет, удалите его (sudo apt remove brltty) и снова подключите адаптер.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager опрашивает его как модем; установите правило udev из пакета Limnaset, которое велит ему не трогать адаптер, и снова подключите адаптер.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Закройте эту программу или укажите другое устройство в LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT указывает на %1, которого не существует. Укажите устройство адаптера или удалите LIMNASET_PORT, чтобы искать по описанию.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Нет последовательного устройства с описанием %1. Подключите адаптер; если он подключён, попробуйте другой разъём USB или кабель.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>Последовательных устройств с описанием %2 (%3): %1. Отключите все, кроме одного, или укажите одно в LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Нет прав на открытие %1 (группа %2). Вступите в группу (sudo adduser $USER %2, затем войдите в систему заново) или установите правило udev из пакета Limnaset и снова подключите адаптер.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 занят процессом %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 занят другим процессом. Закройте его или укажите другое устройство в LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 открывается, но адаптер на нём не отвечает.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Эти буквы нельзя сохранить в кодовой странице %1: %2</translation>
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
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Имя Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Время чтения</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Записи журнала</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Последняя запись</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
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
        <translation>Сравнить с:</translation>
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
        <translation>&amp;Архивное чтение...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Выберите, с чем сравнить документ.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Этот документ</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Только различия</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Программы совпадают.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>Различающихся полей: %1.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Данные Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Серийный номер :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Имя :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Комментарий :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Управление по событию</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Режим события</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Отключить события</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Цифровой вход</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Аналоговый вход</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Вход уровня</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Задержка :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[мм:сс]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Инверсия события</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Режим работы</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Выполнять программу при событии</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Запуск программы по событию</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Смена бутыли в конце события</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Предварительный отбор</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Интервал :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Пробы :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Отключить VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Нижний предел :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Верхний предел :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Нижняя температура :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Верхняя температура :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>График</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Экспорт CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>База данных истории недоступна:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Пробы</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Бутыли</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Дверь</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
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
        <translation>График</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;История...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Каждая запись каждого чтения Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Данные</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Создать новый файл</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Сохранить &amp;как</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Сохранить файл под новым именем</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Экспортировать файл как текст</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Архив...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Образы Connector, сохраняемые при каждом чтении</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Экспорт &amp;графика</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Сохранить график журнала как изображение</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Параметры программы</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Читать</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Читать данные из адаптера</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Записать данные в адаптер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Показать панель состояния</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Термостат</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Показать панель пробоотборника</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Показать журнал событий</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Информация о программе</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Пробоотборник</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Читать данные из Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Записать данные в Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Резервирование</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, повторов: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Записей журнала в Connector: %1, все заархивированы.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>Заголовок программы повреждён; записи журнала (%1) заархивированы.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Программа другой версии; записи журнала (%1) заархивированы.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Не удалось прочитать Connector целиком; ничего не заархивировано.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Резервная копия Connector не создана (Файл, Параметры); его журнал событий будет потерян.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Невозможно записать в %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Конфигурация Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Экспорт графика</translation>
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
        <translation>Экспорт файла</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Файл экспорта (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Файл экспорта (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Экспорт пла&amp;на...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Сохранить план программы как CSV или как календарь</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Показать план программы</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Экспорт плана</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>План (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Календарь (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Предварительный просмотр...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Экспорт в P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Напечатать отчёт о Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Показать страницы отчёта о Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Сохранить отчёт о Connector как PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>С&amp;равнить...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Сравнить документ с файлом, Connector или архивным чтением</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;без имени&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Файл уже существует. Перезаписать его?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>безымянный</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Файл изменён. Сохранить его?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Ошибка связи, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Ошибка доступа к файлу</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Параметр вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector ОШИБКА</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Неверный формат параметра</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Действительно записать данные в Connector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Новый язык будет установлен после перезапуска программы</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Адаптер?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Бутыль</translation>
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
        <translation>Внешняя T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T корпуса</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Повреждённый файл</translation>
    </message>
    <message>
        <source>export</source>
        <translation>экспорт</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Сразу</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Через</translation>
    </message>
    <message>
        <source>At</source>
        <translation>В</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>По расписанию</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Без обнаружения событий</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Выполнять программу при событии</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Запуск программы по событию</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Цифровой</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Аналоговый</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Нет запланированных действий</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Аналоговый вход VAR/FLOW отключён</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Аналоговый вход EVENT/AUX отключён</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Неверная версия файла</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Не удалось прочитать Connector для резервной копии, ничего не записано</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Не удалось сохранить резервную копию в %1, ничего не записано</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Не удалось заархивировать прочитанные данные в %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Чтение отменено</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Запись отменена</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Резервирование отменено, ничего не записано</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Connector содержит частично записанную программу, перед использованием его нужно записать заново</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Байты в том виде, как они прочитаны, хранятся в архиве: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Не удалось прочитать Connector для резервной копии: его журнал будет потерян. Всё равно записать?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>цифровой</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>аналоговый</translation>
    </message>
    <message>
        <source>level</source>
        <translation>уровня</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>температуры</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Смена бутыли</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Распределитель заполнен</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Конец плана</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Кольцо журнала заполнено</translation>
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
        <translation>Программу нельзя спланировать: %1 %2 вне диапазона.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>План охватывает от 1 до %1 дней, а не %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>План должен начинаться после 1 января 2000 и заканчиваться до 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Предполагаемый расход должен быть от 0 до 100 % максимального расхода, импульсы от 0 до 3600000 в час, ёмкость от 1 до 24 бутылей.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Запускается сразу, %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Запускается после задержки %1, %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Запускается %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Запускается по расписанию, впервые %1; запусков в плане: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>Расписание не запускает программу ни в один день плана.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Программа не запускается в пределах плана.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Пробы берутся по внешнему сигналу управления; ни одна не запланирована.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Берёт пробу каждые %1, первую при запуске.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Пробы следуют за расходом: одна каждые %1 импульсов.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Пробы следуют за расходом: %1 в час при максимальном расходе.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>При предполагаемом расходе проба каждые %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Между двумя пробами проходит не более %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Бутыли меняются каждые %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 на бутыль</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 бутылей сразу)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>в одну бутыль за другой: ёмкость Auto, поэтому бутыли в плане не кончаются.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>в %1 бутылей:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>в пределах плана не заполнен.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>заполнен %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Объём пробы следует за входом VAR/FLOW, до %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Без управления по событию.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Событие на входе %1 запускает программу.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Пробы берутся только пока длится событие на входе %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Каждое событие меняет бутыль.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Перед событием берутся %1 предварительных проб каждые %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Журнал событий получает около %1 записей в день.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>распределитель на %1 бутылей</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 импульсов расхода в час</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>расход %1 % от максимального</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>записей в журнале событий в начале: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Распределитель заполнен %1, до следующего запуска %2: опорожните бутыли в промежутке.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Заберите Connector до %1: тогда кольцо журнала событий заполнено и перезаписывает самые старые записи.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>Часы Connector не установлены.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>Часы Connector спешат на %1 относительно часов ПК.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>Часы Connector отстают на %1 от часов ПК.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>Запуск %1 уже в прошлом.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>Запуск %1 наступит менее чем через 10 минут.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Нет запланированной активности: в расписании не выбран ни один день.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Ни один запуск не попадает в план.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Без предполагаемого расхода и без максимального интервала нельзя спланировать ни одной пробы.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Летнее время начинается %1: запланированные запуски после него наступают по настенным часам на час позже, так как часы Connector держат стандартное время.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Летнее время заканчивается %1: запланированные запуски после него наступают по настенным часам на час раньше, снова в своё время Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Летнее время начинается %1: с этого момента настенные часы на час опережают часы Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Летнее время заканчивается %1: с этого момента настенные часы снова показывают время Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>План останавливается на %1 событиях, %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Время Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Бутыли</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Проба</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Пробы</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Запуски</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Распределитель заполнен</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Бутыль</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Предупреждений нет.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Резервная копия не содержит программы: нельзя сказать, что изменит запись</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Программа остаётся без изменений</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Без резервной копии нельзя сказать, что изменит запись</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Запуск сразу</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Запуск с задержкой</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Запуск в заданное время</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Запуск по расписанию</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Задержка запуска :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Запуск в :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1-й</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-й</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-й</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-й</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Посл.</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Запуск в [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Понедельник :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Вторник :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Среда :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Четверг :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Пятница :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Суббота :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Воскресенье :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>База данных истории :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Параметры программы</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Язык :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;По умолчанию&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Кодовая страница текста Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Центральная Европа)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (кириллица)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Западная Европа)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Прибалтика)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Резервная копия перед записью</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Отчёт о Connector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Отчёт составлен</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Версия программы</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Первые события плана</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Часы Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Более раннее чтение этого Connector в архиве отсутствует.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Ни одно поле не отличается от чтения от %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>По сравнению с чтением от %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>В журнале событий нет записей.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Заметки и подпись</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Место</translation>
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
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>График журнала</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Пробоотборник</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Продувка до отбора :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[с]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Продувка после отбора :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Импульсы насоса :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Аэрация :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Макс. всасывание :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Число продувок :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Аналоговый вход VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Диапазон :</translation>
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
        <translation>Единицы :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Аналоговый вход EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Регистратор</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Режим регистратора</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Без регистрации</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Периодическая запись</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Период регистрации :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Запись состояния двери</translation>
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
        <translation>Режим отбора :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>ВНЕШНЕЕ УПРАВЛЕНИЕ</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>ПЕРИОДИЧЕСКИЙ ОТБОР</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>ОТБОР ПО ИМПУЛЬСАМ РАСХОДА</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>ОТБОР ПО РАСХОДУ</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Запуск программы :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Данные VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Включить VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Максимум VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Бутыли / распределитель</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Ёмкость распределителя :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Лимит бутылей :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Проб на бутыль :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Бутылей в группе :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Периодический отбор</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Период отбора :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[чч:мм]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Отбор по импульсам расхода</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Импульсов на пробу :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Включить макс. интервал отбора</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Макс. интервал :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Отбор по расходу</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Максимум расхода :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Частота отбора :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Проб / ч</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Часы Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Часы ПК :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Задать время</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Данные Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Смена бутыли</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Смена по</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Число проб</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Интервал времени</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Интервал смены :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Управление по событию</translation>
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
        <translation>Управление по событию</translation>
    </message>
</context>
</TS>
