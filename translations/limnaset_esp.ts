<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Programador de Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Configuración de tomamuestras automáticos de agua</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Lee, edita y escribe el Connector del tomamuestras</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Versión : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty es un servicio para pantallas braille que se apropia de los puentes serie USB; si no usa una pantalla braille, desinstálelo (sudo apt remove brltty) y vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager lo sondea como si fuera un módem; instale la regla udev del paquete Limnaset, que le indica que deje en paz el adaptador, y vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Cierre ese programa o indique otro dispositivo con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT indica %1, que no existe. Indique el dispositivo del adaptador o elimine LIMNASET_PORT para buscar por la descripción.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Ningún dispositivo serie tiene la descripción %1. Conecte el adaptador; si ya está conectado, pruebe otro puerto USB u otro cable.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 dispositivos serie tienen la descripción %2 (%3). Desconecte todos menos uno o indique uno con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>No tiene permiso para abrir %1 (grupo %2). Únase al grupo (sudo adduser $USER %2 y vuelva a iniciar sesión) o instale la regla udev del paquete Limnaset y vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 está ocupado por %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 está ocupado por otro proceso. Ciérrelo o indique otro dispositivo con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 se abre, pero ningún adaptador responde en él.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Estas letras no se pueden guardar en la página de códigos %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Nombre del Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Leído el</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Entradas de registro</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Entrada más reciente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Comparar con:</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>&amp;Archivo...</translation>
    </message>
    <message>
        <source>&amp;Connector</source>
        <translation>&amp;Connector</translation>
    </message>
    <message>
        <source>&amp;Archived read...</source>
        <translation>&amp;Lectura archivada...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Elija con qué comparar el documento.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Este documento</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>El otro</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Solo diferencias</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>Los programas son iguales.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 campos difieren.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Datos del Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Número de serie :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Comentario :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Control de eventos</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Modo de evento</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Sin control de eventos</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Entrada digital</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Entrada analógica</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Entrada de nivel</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Retardo :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inversión de evento</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Ejecución</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Ejecutar programa en evento</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Iniciar programa por evento</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Cambio de botella al fin de evento</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Activar premuestreo</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Intervalo :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Muestras :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Desactivar VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Límite inferior :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Límite superior :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Temperatura mínima :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Temperatura máxima :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>No se puede usar la base de datos de la historia:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Botellas</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Puerta</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Reparado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>His&amp;toria...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Cada registro de cada lectura de un Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Crear archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Guardar archivo con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Exportar archivo como texto</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Imágenes del Connector guardadas en cada lectura</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportar grá&amp;fico</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Guardar el gráfico del registro como imagen</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propiedades del programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Leer datos del adaptador</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Escribir datos en el adaptador</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Ver panel de estado</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostato</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Ver panel del tomamuestras</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Ver registro de eventos</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Información sobre el programa</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Tomamuestras</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Leer datos del Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Escribir datos en el Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, reintentos: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Entradas de registro en el Connector: %1, todas archivadas.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>La cabecera del programa está dañada; sus entradas de registro (%1) están archivadas.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>El programa es de otra versión; sus entradas de registro (%1) están archivadas.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>No se pudo leer el Connector completo; no se archivó nada.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>No se hizo copia de seguridad del Connector (Archivo, Propiedades); se perderá su registro de eventos.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Configuración de Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Exportar archivo</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>Archivo de exportación (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>Archivo de exportación (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Exportar pla&amp;n...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Guardar el plan del programa como CSV o como calendario</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Ver el plan del programa</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Exportar plan</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Plan (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendario (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Imprimir el informe del Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Mostrar las páginas del informe del Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Guardar el informe del Connector como PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>C&amp;omparar...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Comparar el documento con un archivo, el Connector o una lectura archivada</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;sin nombre&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Archivo modificado, ¿desea guardarlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Error de comunicación, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Error de acceso al archivo</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parámetro fuera de rango</translation>
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
        <translation>Formato de parámetro no válido</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>¿Desea realmente escribir los datos en el Connector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>El nuevo idioma se aplicará al reiniciar el programa</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>¿Adaptador?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Botella</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>T externa</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T carcasa</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>Archivo dañado</translation>
    </message>
    <message>
        <source>export</source>
        <translation>exportación</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Inmediato</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Tras</translation>
    </message>
    <message>
        <source>At</source>
        <translation>A las</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Por planificación</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Sin detección de eventos</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Ejecutar programa en evento</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Iniciar programa por evento</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógico</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Sin actividad planificada</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Entrada analógica VAR/FLOW desactivada</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Entrada analógica EVENT/AUX desactivada</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Versión de archivo incorrecta</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>No se pudo leer el Connector para la copia de seguridad, no se escribió nada</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>No se pudo guardar la copia de seguridad en %1, no se escribió nada</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>No se pudieron archivar en %1 los datos leídos</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Lectura cancelada</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Escritura cancelada</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Copia de seguridad cancelada, no se escribió nada</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>El Connector contiene un programa escrito parcialmente y debe volver a escribirse antes de usarlo</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>Los bytes tal como se leyeron se guardan en el archivo: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>No se pudo leer el Connector para la copia de seguridad: su registro de eventos se perderá. ¿Escribir de todos modos?</translation>
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
        <translation>analógica</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatura</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Cambio de botella</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distribuidor lleno</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Fin del plan</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Anillo del registro lleno</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
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
        <translation>El programa no se puede planificar: %1 %2 está fuera de rango.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>El plan abarca de 1 a %1 días, no %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>El plan debe empezar después del 1 de enero de 2000 y terminar antes de 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Un caudal supuesto debe estar entre 0 y 100 % del caudal máximo, los impulsos entre 0 y 3600000 por hora, una capacidad entre 1 y 24 botellas.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Empieza inmediatamente, el %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Empieza tras un retardo de %1, el %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Empieza el %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Empieza por planificación, primero el %1; inicios en el plan: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>La planificación no inicia el programa ningún día del plan.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>El programa no empieza dentro del plan.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>Las muestras se toman con la señal de control externa; no se planifica ninguna.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Toma una muestra cada %1, la primera al inicio.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>Las muestras siguen el caudal: una cada %1 impulsos.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>Las muestras siguen el caudal: %1 por hora con el caudal máximo.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Con el caudal supuesto, una muestra cada %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Entre dos muestras pasan como máximo %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Las botellas cambian cada %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 por botella</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 botellas a la vez)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>en una botella tras otra: la capacidad es Auto, así que al plan no se le acaban las botellas.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>en %1 botellas:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>no se llena dentro del plan.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>lleno el %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>El volumen de muestra sigue la entrada VAR/FLOW, hasta %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Sin control de eventos.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Un evento en la entrada %1 inicia el programa.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>Las muestras se toman solo mientras dura un evento en la entrada %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Cada evento cambia la botella.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Antes de un evento se toman %1 premuestras cada %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>El registro de eventos recibe unos %1 registros al día.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>un distribuidor de %1 botellas</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulsos de caudal por hora</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>un caudal del %1 % del caudal máximo</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>registros en el registro de eventos al inicio: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>El distribuidor está lleno el %1, antes del siguiente inicio el %2: vacíe las botellas entre tanto.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Recoja el Connector antes del %1: entonces el anillo del registro está lleno y sobrescribe sus registros más antiguos.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>El reloj del Connector no está ajustado.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>El reloj del Connector va %1 adelantado respecto al reloj del PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>El reloj del Connector va %1 atrasado respecto al reloj del PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>El inicio del %1 está en el pasado.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>El inicio del %1 está a menos de 10 minutos.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Sin actividad planificada: la planificación no tiene ningún día elegido.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Ningún inicio cae dentro del plan.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Sin caudal supuesto y sin intervalo máximo no se puede planificar ninguna muestra.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>El horario de verano empieza el %1: los inicios planificados posteriores llegan una hora más tarde en el reloj de pared, ya que el reloj del Connector mantiene la hora estándar.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>El horario de verano termina el %1: los inicios planificados posteriores llegan una hora antes en el reloj de pared, de nuevo a su hora del Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>El horario de verano empieza el %1: desde entonces el reloj de pared va una hora por delante del reloj del Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>El horario de verano termina el %1: desde entonces el reloj de pared vuelve a mostrar la hora del Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>El plan se detiene en %1 eventos, el %2.</translation>
    </message>
</context>
<context>
    <name>TPlanPage</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Connector time</source>
        <translation>Hora del Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Botellas</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Muestras</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicios</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distribuidor lleno</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Botella</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Sin avisos.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>La copia de seguridad no contiene ningún programa: no se puede saber qué cambia la escritura</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>El programa queda igual</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Sin la copia de seguridad no se puede saber qué cambia la escritura</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Inicio del programa</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Inicio inmediato</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Inicio tras retardo</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Inicio a una hora</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Inicio por planificación</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Retardo de inicio :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Inicio a las :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4ª</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Inicio a las [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Lunes :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Martes :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Miércoles :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Jueves :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Viernes :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sábado :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Domingo :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Base de datos de la historia :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propiedades del programa</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Idioma :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predeterminado&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Codificación del Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europa central)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Cirílico)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa occidental)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Báltico)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Copia de seguridad antes de escribir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Informe del Connector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Informe creado</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Versión del programa</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Primeros eventos del plan</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Reloj del Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>No hay ninguna lectura anterior de este Connector archivada.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Ningún campo difiere de la lectura del %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Frente a la lectura del %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>El registro de eventos no contiene registros.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Notas y firma</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Técnico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Gráfico del registro</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Tomamuestras</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Purga antes del muestreo :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Purga tras el muestreo :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsos de bomba :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aireación :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Aspiración máx. :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Número de purgas :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Entrada analógica VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Rango :</translation>
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
        <translation>Mínimo :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Máximo :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Unidades :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Entrada analógica EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Modo de registro</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Sin registro</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Registro periódico</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Periodo de registro :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Registrar estado de puerta</translation>
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
        <translation>Modo del tomamuestras :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>CONTROL EXTERNO</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>MUESTREO PERIÓDICO</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>MUESTREO POR IMPULSOS DE CAUDAL</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>MUESTREO POR CAUDAL</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Inicio del programa :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Inicio del programa</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Datos VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Activar VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Máximo VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Botellas / Distribuidor</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Capacidad distribuidor :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Límite de botellas :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Muestras por botella :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Botellas por grupo :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Muestreo periódico</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Periodo de muestreo :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Muestreo por impulsos de caudal</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsos por muestra :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Activar intervalo máximo de muestreo</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Intervalo máximo :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Muestreo por caudal</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Caudal máximo :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Frecuencia :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Muestras / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Hora del Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Hora del PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Ajustar hora</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Datos del Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Cambio de botella</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Cambio por</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Número de muestras</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Intervalo de cambio :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Control de eventos</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Modo : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Entrada : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Control de eventos</translation>
    </message>
</context>
</TS>
