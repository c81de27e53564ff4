<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Connector programmer</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Configuration tool for automatic water samplers</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Reads, edits and writes the sampler Connector</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Version : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Close that program, or name another device with LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 is held by %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 opens, but no adapter answers on it.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>These letters cannot be stored in code page %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Connector name</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Read at</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Log records</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Newest record</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Compare with:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;File...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Archived read...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Choose what to compare the document with.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>This document</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>The other</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Only differences</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>The programs are equal.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 fields differ.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Connector data</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Serial Number :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Comment :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Event control</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Event Mode</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Disable event control</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Digital input</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Analog input</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Level input</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Delay :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Event Inversion</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Run mode</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Run program on event</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Start program by event</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Change bottle at event termination</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Enable pre-sampling</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Interval :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Samples :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Disable VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Low Limit :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>High Limit :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Low Temperature :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>High Temperature :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>The history database cannot be used:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Bottles</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Repaired</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
</context>
<context>
    <name>TLogPage</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Every record of every read of a Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Create new file</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Save File with new name</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Export File as text</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archive...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Connector images kept from every read</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Export &amp;Plot</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Save the log plot as a picture</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>P&amp;roperties...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Program Properties</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Exit Program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Read data from adapter</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Write data to adapter</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>View Status panel</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>View Sampler panel</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>View Event Log</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informations about program</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Sampler</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Event Log</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Read data from connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Write data to connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Backing up</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, retries: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Log records in the Connector: %1, all archived.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>The program header is damaged; its %1 log records are archived.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>The program is of another version; its %1 log records are archived.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>The Connector could not be read whole; nothing was archived.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>The Connector was not backed up (File, Properties); its event log will be lost.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Limnaset Configuration (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Export Plot</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Export file</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Export file (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Export file (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Export Pla&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Save the plan of the program as CSV or as a calendar</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>View the plan of the program</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Export Plan</translation>
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
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>Print Previe&amp;w...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Print the report of the Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Show the pages of the report of the Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Save the report of the Connector as PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>&amp;Compare...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Compare the document with a file, the Connector or an archived read</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;noname&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>File already exists. Do You want to overwrite it ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>noname</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>File modified, do You want to save it ?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Communication error, please try once more</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>File access error</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parameter out of range</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector ERROR</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Invalid format of parameter</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Do You really want to write data into Connector ?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>New language will be set after program restart</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter ?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>External T</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>Box T</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Corrupted file</translation>
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
        <translation>Immediately</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>At</source>
        <translation>At</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>By scheduler</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>No Event detection</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Run program on Event</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Start program by Event</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>No Scheduled Activity</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>VAR/FLOW analog input disabled</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>EVENT/AUX analog input disabled</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Wrong file version</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>The Connector could not be read for its backup, nothing was written</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>The backup could not be saved in %1, nothing was written</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>The data read could not be archived in %1</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Read cancelled</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Write cancelled</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Backup cancelled, nothing was written</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>The Connector holds a partly written program and must be written again before use</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>The bytes as read are kept in the archive: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>The Connector could not be read for its backup: its event log will be lost. Write all the same?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>digital</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analog</translation>
    </message>
    <message>
        <source>level</source>
        <translation>level</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Bottle change</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributor full</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>End of the plan</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Log ring full</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
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
        <translation>The program cannot be planned: %1 %2 is out of range.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>The plan covers 1 to %1 days, not %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>The plan must begin after 1 January 2000 and end before 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Starts immediately, on %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Starts after a delay of %1, on %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Starts on %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Starts by the scheduler, first on %1; starts in the plan: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>The scheduler starts the program on no day of the plan.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>The program does not start within the plan.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Samples are taken on the external control signal; none are planned.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Takes a sample every %1, the first at the start.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Samples follow the flow: one every %1 pulses.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Samples follow the flow: %1 an hour at the flow maximum.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>With the assumed flow, a sample every %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>At most %1 pass between two samples.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Bottles change every %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 per bottle</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 bottles at a time)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>into %1 bottles:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>not full within the plan.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>full on %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>The sample volume follows the VAR/FLOW input, up to %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>No event control.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>An event on the %1 input starts the program.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Samples are taken only while an event on the %1 input lasts.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Each event changes the bottle.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Before an event, %1 pre-samples are taken every %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>The event log takes about %1 records a day.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>a distributor of %1 bottles</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 flow pulses an hour</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>a flow of %1 % of the flow maximum</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>records in the event log at the start: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>The distributor is full on %1, before the next start on %2: empty the bottles in between.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>The Connector clock is not set.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>The Connector clock is %1 ahead of the PC clock.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>The Connector clock is %1 behind the PC clock.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>The start on %1 lies in the past.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>The start on %1 is less than 10 minutes ahead.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>No scheduled activity: the scheduler has no day chosen.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>No start falls within the plan.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Without an assumed flow and without a maximum interval no sample can be planned.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>Summer time ends on %1: from then on the wall clock shows the Connector time again.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>The plan stops at %1 events, on %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Connector time</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Bottles</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributor full</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottle</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>No warnings.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>The backup holds no program: what the write changes cannot be told</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>The program stays as it is</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Without the backup, what the write changes cannot be told</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Program Start</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Start immediately</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Start after delay</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Start at time</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Start by scheduler</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Start Delay :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Start at :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Start At [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Monday :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Tuesday :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Wednesday :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Thursday :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Friday :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Saturday :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Sunday :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>History database :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Program Properties</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Language :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Default&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lithuanian</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Connector text code page :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Central European)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Cyrillic)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Western European)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltic)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Back up the Connector before writing</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Connector Report</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Report made</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>First events of the plan</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Connector clock</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>No earlier read of this Connector is archived.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>No field differs from the read of %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Against the read of %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>The event log holds no records.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Notes and signature</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Log plot</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Sampler</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Purging Before Sampling :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Purging After Sampling :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Pump Pulses :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aeration :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max Suction Time :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Purges Count :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Analog input VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Range :</translation>
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
        <translation>Units :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Analog input EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Logger</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Logger Mode</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Disable logger</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodical sampling</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Logger period :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Door Status Record</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
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
        <translation>Sampler Mode :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>EXTERNAL CONTROL</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>PERIODICAL SAMPLING</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>SAMPLING BY FLOW PULSES</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>SAMPLING BY FLOW RATE</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Program start :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Program Start</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>VAR data</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Enable VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>VAR Maximum :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Bottles / Distributor</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Distributor Capacity :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Bottles Limit :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Samples per bottle :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Bottles per group :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Periodical sampling</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Sampling period :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Flow pulses sampling</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Pulses per sample :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Enable maximum sampling interval</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Maximum interval :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Flow rate sampling</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Flow maximum :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Samples Rate :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Samples / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Connector clock :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>PC Clock :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Set Clock</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Connector Data</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Bottle change</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Change By</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Samples Count</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Time interval</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Change Interval :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Event control</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Mode : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Input : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Event Control</translation>
    </message>
</context>
</TS>
