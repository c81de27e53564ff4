<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Limnaset - Connector programmer</source>
        <translation>Limnaset - Programmazione Connector</translation>
    </message>
    <message>
        <source>Configuration tool for automatic water samplers</source>
        <translation>Configurazione di campionatori automatici d&apos;acqua</translation>
    </message>
    <message>
        <source>Reads, edits and writes the sampler Connector</source>
        <translation>Legge, modifica e scrive il Connector del campionatore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version : %d.%02d</source>
        <translation>Versione : %d.%02d</translation>
    </message>
</context>
<context>
    <name>TAdapterDiagnosis</name>
    <message>
        <source>brltty is a braille display daemon that claims USB serial bridges; without a braille display, remove it (sudo apt remove brltty) and plug the adapter in again.</source>
        <translation>brltty è un demone per display braille che si appropria dei convertitori seriali USB; se non si usa un display braille, rimuoverlo (sudo apt remove brltty) e ricollegare l&apos;adattatore.</translation>
    </message>
    <message>
        <source>ModemManager probes it as a modem; install the udev rule of the Limnaset package, which tells it to leave the adapter alone, and plug the adapter in again.</source>
        <translation>ModemManager lo interroga come se fosse un modem; installare la regola udev del pacchetto Limnaset, che gli indica di lasciare stare l&apos;adattatore, e ricollegare l&apos;adattatore.</translation>
    </message>
    <message>
        <source>Close that program, or name another device with LIMNASET_PORT.</source>
        <translation>Chiudere quel programma o indicare un altro dispositivo con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>LIMNASET_PORT names %1, which does not exist. Name the adapter&apos;s device, or unset LIMNASET_PORT to search by the description.</source>
        <translation>LIMNASET_PORT indica %1, che non esiste. Indicare il dispositivo dell&apos;adattatore o eliminare LIMNASET_PORT per cercare in base alla descrizione.</translation>
    </message>
    <message>
        <source>No serial device has the description %1. Plug the adapter in; if it is plugged in, try another USB socket or cable.</source>
        <translation>Nessun dispositivo seriale ha la descrizione %1. Collegare l&apos;adattatore; se è già collegato, provare un&apos;altra porta USB o un altro cavo.</translation>
    </message>
    <message>
        <source>%1 serial devices have the description %2 (%3). Unplug all but one, or name one with LIMNASET_PORT.</source>
        <translation>%1 dispositivi seriali hanno la descrizione %2 (%3). Scollegarli tutti tranne uno o indicarne uno con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>You may not open %1 (group %2). Join the group (sudo adduser $USER %2, then log in again), or install the udev rule of the Limnaset package and plug the adapter in again.</source>
        <translation>Non si dispone dei permessi per aprire %1 (gruppo %2). Unirsi al gruppo (sudo adduser $USER %2, poi accedere di nuovo) oppure installare la regola udev del pacchetto Limnaset e ricollegare l&apos;adattatore.</translation>
    </message>
    <message>
        <source>%1 is held by %2. %3</source>
        <translation>%1 è occupato da %2. %3</translation>
    </message>
    <message>
        <source>%1 is held by another process. Close it, or name another device with LIMNASET_PORT.</source>
        <translation>%1 è occupato da un altro processo. Chiuderlo o indicare un altro dispositivo con LIMNASET_PORT.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>%1 opens, but no adapter answers on it.</source>
        <translation>%1 si apre, ma nessun adattatore risponde.</translation>
    </message>
</context>
<context>
    <name>TAnsiText</name>
    <message>
        <source>These letters cannot be stored in code page %1: %2</source>
        <translation>Queste lettere non possono essere salvate nella tabella codici %1: %2</translation>
    </message>
</context>
<context>
    <name>TArchiveWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Connector name</source>
        <translation>Nome Connector</translation>
    </message>
    <message>
        <source>Read at</source>
        <translation>Letto il</translation>
    </message>
    <message>
        <source>Log records</source>
        <translation>Voci registro</translation>
    </message>
    <message>
        <source>Newest record</source>
        <translation>Voce più recente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>TCompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Confronta con:</translation>
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
        <translation>&amp;Lettura archiviata...</translation>
    </message>
    <message>
        <source>Choose what to compare the document with.</source>
        <translation>Scegliere con che cosa confrontare il documento.</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>Questo documento</translation>
    </message>
    <message>
        <source>The other</source>
        <translation>L&apos;altro</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Solo differenze</translation>
    </message>
    <message>
        <source>Connector %1</source>
        <translation>Connector %1</translation>
    </message>
    <message>
        <source>The programs are equal.</source>
        <translation>I programmi sono uguali.</translation>
    </message>
    <message>
        <source>%1 fields differ.</source>
        <translation>%1 campi diversi.</translation>
    </message>
</context>
<context>
    <name>TConnectorDialog</name>
    <message>
        <source>Connector data</source>
        <translation>Dati Connector</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Serial Number :</source>
        <translation>Numero di serie :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Commento :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TEventDialog</name>
    <message>
        <source>Event control</source>
        <translation>Controllo eventi</translation>
    </message>
    <message>
        <source>Event Mode</source>
        <translation>Modalità evento</translation>
    </message>
    <message>
        <source>Disable event control</source>
        <translation>Nessun controllo eventi</translation>
    </message>
    <message>
        <source>Digital input</source>
        <translation>Ingresso digitale</translation>
    </message>
    <message>
        <source>Analog input</source>
        <translation>Ingresso analogico</translation>
    </message>
    <message>
        <source>Level input</source>
        <translation>Ingresso livello</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Delay :</source>
        <translation>Ritardo :</translation>
    </message>
    <message>
        <source>[mm:ss]</source>
        <translation>[mm:ss]</translation>
    </message>
    <message>
        <source>Event Inversion</source>
        <translation>Inversione evento</translation>
    </message>
    <message>
        <source>Run mode</source>
        <translation>Esecuzione</translation>
    </message>
    <message>
        <source>Run program on event</source>
        <translation>Esegui programma su evento</translation>
    </message>
    <message>
        <source>Start program by event</source>
        <translation>Avvia programma con evento</translation>
    </message>
    <message>
        <source>Change bottle at event termination</source>
        <translation>Cambio bottiglia a fine evento</translation>
    </message>
    <message>
        <source>Enable pre-sampling</source>
        <translation>Attiva pre-campionamento</translation>
    </message>
    <message>
        <source>Interval :</source>
        <translation>Intervallo :</translation>
    </message>
    <message>
        <source>Samples :</source>
        <translation>Campioni :</translation>
    </message>
    <message>
        <source>Disable VAR</source>
        <translation>Disattiva VAR</translation>
    </message>
    <message>
        <source>Low Limit :</source>
        <translation>Limite inferiore :</translation>
    </message>
    <message>
        <source>High Limit :</source>
        <translation>Limite superiore :</translation>
    </message>
    <message>
        <source>Low Temperature :</source>
        <translation>Temperatura minima :</translation>
    </message>
    <message>
        <source>High Temperature :</source>
        <translation>Temperatura massima :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>THistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>&amp;Connector:</source>
        <translation>&amp;Connector:</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>The history database cannot be used:
%1</source>
        <translation>Impossibile usare il database della cronologia:
%1</translation>
    </message>
</context>
<context>
    <name>TLogChart</name>
    <message>
        <source>Samples</source>
        <translation>Campioni</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Bottiglie</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentazione</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Repaired</source>
        <translation>Riparato</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
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
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;History...</source>
        <translation>Cr&amp;onologia...</translation>
    </message>
    <message>
        <source>Every record of every read of a Connector</source>
        <translation>Ogni record di ogni lettura di un Connector</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create new file</source>
        <translation>Crea nuovo file</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva &amp;come</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Salva file con nuovo nome</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Export File as text</source>
        <translation>Esporta file come testo</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>A&amp;rchivio...</translation>
    </message>
    <message>
        <source>Connector images kept from every read</source>
        <translation>Immagini del Connector conservate a ogni lettura</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Esporta &amp;grafico</translation>
    </message>
    <message>
        <source>Save the log plot as a picture</source>
        <translation>Salva il grafico del registro come immagine</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Proprietà...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Leggi dati dall&apos;adattatore</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Scrivi dati sull&apos;adattatore</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>View Status panel</source>
        <translation>Mostra pannello Stato</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostato</translation>
    </message>
    <message>
        <source>View Sampler panel</source>
        <translation>Mostra pannello Campionatore</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>View Event Log</source>
        <translation>Mostra registro eventi</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Sampler</source>
        <translation>Campionatore</translation>
    </message>
    <message>
        <source>Event Log</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>Read data from connector</source>
        <translation>Leggi dati dal Connector</translation>
    </message>
    <message>
        <source>Write data to connector</source>
        <translation>Scrivi dati nel Connector</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>%1, retries: %2</source>
        <translation>%1, tentativi: %2</translation>
    </message>
    <message>
        <source>Log records in the Connector: %1, all archived.</source>
        <translation>Voci di registro nel Connector: %1, tutte archiviate.</translation>
    </message>
    <message>
        <source>The program header is damaged; its %1 log records are archived.</source>
        <translation>L&apos;intestazione del programma è danneggiata; le sue voci di registro (%1) sono archiviate.</translation>
    </message>
    <message>
        <source>The program is of another version; its %1 log records are archived.</source>
        <translation>Il programma è di un&apos;altra versione; le sue voci di registro (%1) sono archiviate.</translation>
    </message>
    <message>
        <source>The Connector could not be read whole; nothing was archived.</source>
        <translation>Impossibile leggere il Connector per intero; non è stato archiviato nulla.</translation>
    </message>
    <message>
        <source>The Connector was not backed up (File, Properties); its event log will be lost.</source>
        <translation>Non è stato eseguito il backup del Connector (File, Proprietà); il suo registro eventi andrà perso.</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere su %1</translation>
    </message>
    <message>
        <source>Limnaset Configuration (*.r72)</source>
        <translation>Configurazione Limnaset (*.r72)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Export Plot</source>
        <translation>Esporta grafico</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Esporta file</translation>
    </message>
    <message>
        <source>Export file (CSV) (*.csv)</source>
        <translation>File di esportazione (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Export file (CSV, UTF-8) (*.csv)</source>
        <translation>File di esportazione (CSV, UTF-8) (*.csv)</translation>
    </message>
    <message>
        <source>Export Pla&amp;n...</source>
        <translation>Esporta pia&amp;no...</translation>
    </message>
    <message>
        <source>Save the plan of the program as CSV or as a calendar</source>
        <translation>Salva il piano del programma come CSV o come calendario</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>View the plan of the program</source>
        <translation>Mostra il piano del programma</translation>
    </message>
    <message>
        <source>Export Plan</source>
        <translation>Esporta piano</translation>
    </message>
    <message>
        <source>Plan (CSV) (*.csv)</source>
        <translation>Piano (CSV) (*.csv)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendario (*.ics)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Print Previe&amp;w...</source>
        <translation>&amp;Anteprima di stampa...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Esporta P&amp;DF...</translation>
    </message>
    <message>
        <source>Print the report of the Connector</source>
        <translation>Stampa il rapporto del Connector</translation>
    </message>
    <message>
        <source>Show the pages of the report of the Connector</source>
        <translation>Mostra le pagine del rapporto del Connector</translation>
    </message>
    <message>
        <source>Save the report of the Connector as PDF</source>
        <translation>Salva il rapporto del Connector come PDF</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>Con&amp;fronta...</translation>
    </message>
    <message>
        <source>Compare the document with a file, the Connector or an archived read</source>
        <translation>Confronta il documento con un file, il Connector o una lettura archiviata</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;senza nome&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Il file esiste già. Si desidera sovrascriverlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>File modificato, si desidera salvarlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Errore di comunicazione, riprovare</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Errore di accesso al file</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametro fuori intervallo</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connector OK</translation>
    </message>
    <message>
        <source>Connector ERROR</source>
        <translation>Connector ERRORE</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Formato del parametro non valido</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Si desidera davvero scrivere i dati nel Connector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>La nuova lingua sarà impostata al riavvio del programma</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adattatore?</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottiglia</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Campione</translation>
    </message>
    <message>
        <source>VAR/FLOW</source>
        <translation>VAR/FLOW</translation>
    </message>
    <message>
        <source>External T</source>
        <translation>T esterna</translation>
    </message>
    <message>
        <source>Box T</source>
        <translation>T involucro</translation>
    </message>
    <message>
        <source>Corrupted file</source>
        <translation>File danneggiato</translation>
    </message>
    <message>
        <source>export</source>
        <translation>esportazione</translation>
    </message>
    <message>
        <source>EVENT/AUX</source>
        <translation>EVENT/AUX</translation>
    </message>
    <message>
        <source>Immediately</source>
        <translation>Subito</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>By scheduler</source>
        <translation>Da pianificazione</translation>
    </message>
    <message>
        <source>No Event detection</source>
        <translation>Nessun rilevamento eventi</translation>
    </message>
    <message>
        <source>Run program on Event</source>
        <translation>Esegui programma su evento</translation>
    </message>
    <message>
        <source>Start program by Event</source>
        <translation>Avvia programma con evento</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>No Scheduled Activity</source>
        <translation>Nessuna attività pianificata</translation>
    </message>
    <message>
        <source>VAR/FLOW analog input disabled</source>
        <translation>Ingresso analogico VAR/FLOW disattivato</translation>
    </message>
    <message>
        <source>EVENT/AUX analog input disabled</source>
        <translation>Ingresso analogico EVENT/AUX disattivato</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Versione del file errata</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup, nothing was written</source>
        <translation>Impossibile leggere il Connector per il backup, non è stato scritto nulla</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1, nothing was written</source>
        <translation>Impossibile salvare il backup in %1, non è stato scritto nulla</translation>
    </message>
    <message>
        <source>The data read could not be archived in %1</source>
        <translation>Impossibile archiviare in %1 i dati letti</translation>
    </message>
    <message>
        <source>Read cancelled</source>
        <translation>Lettura annullata</translation>
    </message>
    <message>
        <source>Write cancelled</source>
        <translation>Scrittura annullata</translation>
    </message>
    <message>
        <source>Backup cancelled, nothing was written</source>
        <translation>Backup annullato, non è stato scritto nulla</translation>
    </message>
    <message>
        <source>The Connector holds a partly written program and must be written again before use</source>
        <translation>Il Connector contiene un programma scritto in parte e deve essere riscritto prima dell&apos;uso</translation>
    </message>
    <message>
        <source>The bytes as read are kept in the archive: %1</source>
        <translation>I byte così come letti sono conservati nell&apos;archivio: %1</translation>
    </message>
    <message>
        <source>The Connector could not be read for its backup: its event log will be lost. Write all the same?</source>
        <translation>Impossibile leggere il Connector per il backup: il suo registro eventi andrà perso. Scrivere comunque?</translation>
    </message>
</context>
<context>
    <name>TPlan</name>
    <message>
        <source>digital</source>
        <translation>digitale</translation>
    </message>
    <message>
        <source>analog</source>
        <translation>analogico</translation>
    </message>
    <message>
        <source>level</source>
        <translation>livello</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatura</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Campione</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Cambio bottiglia</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributore pieno</translation>
    </message>
    <message>
        <source>End of the plan</source>
        <translation>Fine del piano</translation>
    </message>
    <message>
        <source>Log ring full</source>
        <translation>Anello del registro pieno</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 g</translation>
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
        <translation>Il programma non può essere pianificato: %1 %2 è fuori intervallo.</translation>
    </message>
    <message>
        <source>The plan covers 1 to %1 days, not %2.</source>
        <translation>Il piano copre da 1 a %1 giorni, non %2.</translation>
    </message>
    <message>
        <source>The plan must begin after 1 January 2000 and end before 2068.</source>
        <translation>Il piano deve iniziare dopo il 1° gennaio 2000 e finire prima del 2068.</translation>
    </message>
    <message>
        <source>An assumed flow must lie between 0 and 100 % of the flow maximum, pulses between 0 and 3600000 an hour, a capacity between 1 and 24 bottles.</source>
        <translation>Una portata ipotizzata deve stare tra 0 e 100 % della portata massima, gli impulsi tra 0 e 3600000 all&apos;ora, una capacità tra 1 e 24 bottiglie.</translation>
    </message>
    <message>
        <source>Starts immediately, on %1.</source>
        <translation>Si avvia subito, il %1.</translation>
    </message>
    <message>
        <source>Starts after a delay of %1, on %2.</source>
        <translation>Si avvia dopo un ritardo di %1, il %2.</translation>
    </message>
    <message>
        <source>Starts on %1.</source>
        <translation>Si avvia il %1.</translation>
    </message>
    <message>
        <source>Starts by the scheduler, first on %1; starts in the plan: %2.</source>
        <translation>Si avvia da pianificazione, la prima volta il %1; avvii nel piano: %2.</translation>
    </message>
    <message>
        <source>The scheduler starts the program on no day of the plan.</source>
        <translation>La pianificazione non avvia il programma in nessun giorno del piano.</translation>
    </message>
    <message>
        <source>The program does not start within the plan.</source>
        <translation>Il programma non si avvia entro il piano.</translation>
    </message>
    <message>
        <source>Samples are taken on the external control signal; none are planned.</source>
        <translation>I campioni si prelevano al segnale di controllo esterno; nessuno è pianificato.</translation>
    </message>
    <message>
        <source>Takes a sample every %1, the first at the start.</source>
        <translation>Preleva un campione ogni %1, il primo all&apos;avvio.</translation>
    </message>
    <message>
        <source>Samples follow the flow: one every %1 pulses.</source>
        <translation>I campioni seguono la portata: uno ogni %1 impulsi.</translation>
    </message>
    <message>
        <source>Samples follow the flow: %1 an hour at the flow maximum.</source>
        <translation>I campioni seguono la portata: %1 all&apos;ora alla portata massima.</translation>
    </message>
    <message>
        <source>With the assumed flow, a sample every %1.</source>
        <translation>Con la portata ipotizzata, un campione ogni %1.</translation>
    </message>
    <message>
        <source>At most %1 pass between two samples.</source>
        <translation>Tra due campioni passano al massimo %1.</translation>
    </message>
    <message>
        <source>Bottles change every %1</source>
        <translation>Le bottiglie cambiano ogni %1</translation>
    </message>
    <message>
        <source>%1 per bottle</source>
        <translation>%1 per bottiglia</translation>
    </message>
    <message>
        <source>(%1 bottles at a time)</source>
        <translation>(%1 bottiglie alla volta)</translation>
    </message>
    <message>
        <source>into one bottle after another: the capacity is Auto, so the plan has no end of bottles.</source>
        <translation>in una bottiglia dopo l&apos;altra: la capacità è Auto, quindi al piano non finiscono le bottiglie.</translation>
    </message>
    <message>
        <source>into %1 bottles:</source>
        <translation>in %1 bottiglie:</translation>
    </message>
    <message>
        <source>not full within the plan.</source>
        <translation>non pieno entro il piano.</translation>
    </message>
    <message>
        <source>full on %1.</source>
        <translation>pieno il %1.</translation>
    </message>
    <message>
        <source>The sample volume follows the VAR/FLOW input, up to %1.</source>
        <translation>Il volume del campione segue l&apos;ingresso VAR/FLOW, fino a %1.</translation>
    </message>
    <message>
        <source>No event control.</source>
        <translation>Nessun controllo eventi.</translation>
    </message>
    <message>
        <source>An event on the %1 input starts the program.</source>
        <translation>Un evento sull&apos;ingresso %1 avvia il programma.</translation>
    </message>
    <message>
        <source>Samples are taken only while an event on the %1 input lasts.</source>
        <translation>I campioni si prelevano solo finché dura un evento sull&apos;ingresso %1.</translation>
    </message>
    <message>
        <source>Each event changes the bottle.</source>
        <translation>Ogni evento cambia la bottiglia.</translation>
    </message>
    <message>
        <source>Before an event, %1 pre-samples are taken every %2.</source>
        <translation>Prima di un evento si prelevano %1 pre-campioni ogni %2.</translation>
    </message>
    <message>
        <source>The event log takes about %1 records a day.</source>
        <translation>Il registro eventi riceve circa %1 voci al giorno.</translation>
    </message>
    <message>
        <source>a distributor of %1 bottles</source>
        <translation>un distributore di %1 bottiglie</translation>
    </message>
    <message>
        <source>%1 flow pulses an hour</source>
        <translation>%1 impulsi di portata all&apos;ora</translation>
    </message>
    <message>
        <source>a flow of %1 % of the flow maximum</source>
        <translation>una portata del %1 % della portata massima</translation>
    </message>
    <message>
        <source>records in the event log at the start: %1</source>
        <translation>voci nel registro eventi all&apos;inizio: %1</translation>
    </message>
    <message>
        <source>The distributor is full on %1, before the next start on %2: empty the bottles in between.</source>
        <translation>Il distributore è pieno il %1, prima del prossimo avvio il %2: svuotare le bottiglie nel frattempo.</translation>
    </message>
    <message>
        <source>Collect the Connector before %1: then the event log ring is full and overwrites its oldest records.</source>
        <translation>Ritirare il Connector prima del %1: poi l&apos;anello del registro è pieno e sovrascrive le voci più vecchie.</translation>
    </message>
    <message>
        <source>The Connector clock is not set.</source>
        <translation>L&apos;orologio del Connector non è impostato.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 ahead of the PC clock.</source>
        <translation>L&apos;orologio del Connector è avanti di %1 rispetto all&apos;orologio del PC.</translation>
    </message>
    <message>
        <source>The Connector clock is %1 behind the PC clock.</source>
        <translation>L&apos;orologio del Connector è indietro di %1 rispetto all&apos;orologio del PC.</translation>
    </message>
    <message>
        <source>The start on %1 lies in the past.</source>
        <translation>L&apos;avvio del %1 è nel passato.</translation>
    </message>
    <message>
        <source>The start on %1 is less than 10 minutes ahead.</source>
        <translation>L&apos;avvio del %1 è tra meno di 10 minuti.</translation>
    </message>
    <message>
        <source>No scheduled activity: the scheduler has no day chosen.</source>
        <translation>Nessuna attività pianificata: nella pianificazione non è scelto alcun giorno.</translation>
    </message>
    <message>
        <source>No start falls within the plan.</source>
        <translation>Nessun avvio cade nel piano.</translation>
    </message>
    <message>
        <source>Without an assumed flow and without a maximum interval no sample can be planned.</source>
        <translation>Senza una portata ipotizzata e senza intervallo massimo non si può pianificare alcun campione.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: the scheduled starts after it come one hour later on the wall clock, as the Connector clock keeps standard time.</source>
        <translation>L&apos;ora legale inizia il %1: gli avvii pianificati successivi arrivano un&apos;ora più tardi sull&apos;orologio a muro, perché l&apos;orologio del Connector mantiene l&apos;ora solare.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: the scheduled starts after it come one hour earlier on the wall clock, back at their Connector time.</source>
        <translation>L&apos;ora legale finisce il %1: gli avvii pianificati successivi arrivano un&apos;ora prima sull&apos;orologio a muro, di nuovo alla loro ora del Connector.</translation>
    </message>
    <message>
        <source>Summer time begins on %1: from then on the wall clock is one hour ahead of the Connector clock.</source>
        <translation>L&apos;ora legale inizia il %1: da allora l&apos;orologio a muro è un&apos;ora avanti rispetto all&apos;orologio del Connector.</translation>
    </message>
    <message>
        <source>Summer time ends on %1: from then on the wall clock shows the Connector time again.</source>
        <translation>L&apos;ora legale finisce il %1: da allora l&apos;orologio a muro mostra di nuovo l&apos;ora del Connector.</translation>
    </message>
    <message>
        <source>The plan stops at %1 events, on %2.</source>
        <translation>Il piano si ferma a %1 eventi, il %2.</translation>
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
        <translation>Evento</translation>
    </message>
    <message>
        <source>Bottles</source>
        <translation>Bottiglie</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Campione</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Campioni</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Avvii</translation>
    </message>
    <message>
        <source>Distributor full</source>
        <translation>Distributore pieno</translation>
    </message>
    <message>
        <source>Bottle</source>
        <translation>Bottiglia</translation>
    </message>
    <message>
        <source>No warnings.</source>
        <translation>Nessun avviso.</translation>
    </message>
</context>
<context>
    <name>TProgramCompare</name>
    <message>
        <source>The backup holds no program: what the write changes cannot be told</source>
        <translation>Il backup non contiene alcun programma: non si può dire che cosa cambia la scrittura</translation>
    </message>
    <message>
        <source>The program stays as it is</source>
        <translation>Il programma resta invariato</translation>
    </message>
    <message>
        <source>Without the backup, what the write changes cannot be told</source>
        <translation>Senza il backup non si può dire che cosa cambia la scrittura</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
</context>
<context>
    <name>TProgramDialog</name>
    <message>
        <source>Program Start</source>
        <translation>Avvio programma</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Start immediately</source>
        <translation>Avvio immediato</translation>
    </message>
    <message>
        <source>Start after delay</source>
        <translation>Avvio dopo ritardo</translation>
    </message>
    <message>
        <source>Start at time</source>
        <translation>Avvio a un orario</translation>
    </message>
    <message>
        <source>Start by scheduler</source>
        <translation>Avvio da pianificazione</translation>
    </message>
    <message>
        <source>Start Delay :</source>
        <translation>Ritardo avvio :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Start at :</source>
        <translation>Avvio alle :</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
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
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Start At [hh:mm]</source>
        <translation>Avvio alle [hh:mm]</translation>
    </message>
    <message>
        <source>Monday :</source>
        <translation>Lunedì :</translation>
    </message>
    <message>
        <source>Tuesday :</source>
        <translation>Martedì :</translation>
    </message>
    <message>
        <source>Wednesday :</source>
        <translation>Mercoledì :</translation>
    </message>
    <message>
        <source>Thursday :</source>
        <translation>Giovedì :</translation>
    </message>
    <message>
        <source>Friday :</source>
        <translation>Venerdì :</translation>
    </message>
    <message>
        <source>Saturday :</source>
        <translation>Sabato :</translation>
    </message>
    <message>
        <source>Sunday :</source>
        <translation>Domenica :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>History database :</source>
        <translation>Database della cronologia :</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Lingua :</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predefinita&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
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
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Connector text code page :</source>
        <translation>Codifica testo Connector :</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europa centrale)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Cirillico)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa occidentale)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltico)</translation>
    </message>
    <message>
        <source>Back up the Connector before writing</source>
        <translation>Backup del Connector prima di scrivere</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TReport</name>
    <message>
        <source>Connector Report</source>
        <translation>Rapporto del Connector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Connector</translation>
    </message>
    <message>
        <source>Report made</source>
        <translation>Rapporto creato</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>Versione del programma</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>First events of the plan</source>
        <translation>Primi eventi del piano</translation>
    </message>
    <message>
        <source>Connector clock</source>
        <translation>Orologio del Connector</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>No earlier read of this Connector is archived.</source>
        <translation>Nessuna lettura precedente di questo Connector è archiviata.</translation>
    </message>
    <message>
        <source>No field differs from the read of %1.</source>
        <translation>Nessun campo differisce dalla lettura del %1.</translation>
    </message>
    <message>
        <source>Against the read of %1:</source>
        <translation>Rispetto alla lettura del %1:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>The event log holds no records.</source>
        <translation>Il registro eventi non contiene record.</translation>
    </message>
    <message>
        <source>Notes and signature</source>
        <translation>Note e firma</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Technician</source>
        <translation>Tecnico</translation>
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
        <translation>Firma</translation>
    </message>
    <message>
        <source>Log plot</source>
        <translation>Grafico del registro</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>TSamplerPage</name>
    <message>
        <source>Sampler</source>
        <translation>Campionatore</translation>
    </message>
    <message>
        <source>Purging Before Sampling :</source>
        <translation>Spurgo pre-campionamento :</translation>
    </message>
    <message>
        <source>[s]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Purging After Sampling :</source>
        <translation>Spurgo post-campionamento :</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsi pompa :</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aerazione :</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Aspirazione max :</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Numero spurghi :</translation>
    </message>
    <message>
        <source>Analog input VAR/FLOW</source>
        <translation>Ingr. analogico VAR/FLOW</translation>
    </message>
    <message>
        <source>Range :</source>
        <translation>Campo :</translation>
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
        <translation>Minimo :</translation>
    </message>
    <message>
        <source>Maximum :</source>
        <translation>Massimo :</translation>
    </message>
    <message>
        <source>Units :</source>
        <translation>Unità :</translation>
    </message>
    <message>
        <source>Analog input EVENT/AUX</source>
        <translation>Ingr. analogico EVENT/AUX</translation>
    </message>
    <message>
        <source>Logger</source>
        <translation>Data logger</translation>
    </message>
    <message>
        <source>Logger Mode</source>
        <translation>Modalità logger</translation>
    </message>
    <message>
        <source>Disable logger</source>
        <translation>Disattiva logger</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Registrazione periodica</translation>
    </message>
    <message>
        <source>Logger period :</source>
        <translation>Intervallo logger :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Door Status Record</source>
        <translation>Registra stato porta</translation>
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
        <translation>Modalità campionatore :</translation>
    </message>
    <message>
        <source>EXTERNAL CONTROL</source>
        <translation>CONTROLLO ESTERNO</translation>
    </message>
    <message>
        <source>PERIODICAL SAMPLING</source>
        <translation>CAMPIONAMENTO PERIODICO</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW PULSES</source>
        <translation>CAMPIONAMENTO A IMPULSI DI PORTATA</translation>
    </message>
    <message>
        <source>SAMPLING BY FLOW RATE</source>
        <translation>CAMPIONAMENTO IN BASE ALLA PORTATA</translation>
    </message>
    <message>
        <source>Program start :</source>
        <translation>Avvio programma :</translation>
    </message>
    <message>
        <source>Program Start</source>
        <translation>Avvio programma</translation>
    </message>
    <message>
        <source>VAR data</source>
        <translation>Dati VAR</translation>
    </message>
    <message>
        <source>Enable VAR</source>
        <translation>Attiva VAR</translation>
    </message>
    <message>
        <source>VAR Maximum :</source>
        <translation>Massimo VAR :</translation>
    </message>
    <message>
        <source>Bottles / Distributor</source>
        <translation>Bottiglie / Distributore</translation>
    </message>
    <message>
        <source>Distributor Capacity :</source>
        <translation>Capacità distributore :</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Bottles Limit :</source>
        <translation>Limite bottiglie :</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Samples per bottle :</source>
        <translation>Campioni per bottiglia :</translation>
    </message>
    <message>
        <source>Bottles per group :</source>
        <translation>Bottiglie per gruppo :</translation>
    </message>
    <message>
        <source>Periodical sampling</source>
        <translation>Campionamento periodico</translation>
    </message>
    <message>
        <source>Sampling period :</source>
        <translation>Periodo campionamento :</translation>
    </message>
    <message>
        <source>[hh:mm]</source>
        <translation>[hh:mm]</translation>
    </message>
    <message>
        <source>Flow pulses sampling</source>
        <translation>Campionamento a impulsi di portata</translation>
    </message>
    <message>
        <source>Pulses per sample :</source>
        <translation>Impulsi per campione :</translation>
    </message>
    <message>
        <source>Enable maximum sampling interval</source>
        <translation>Attiva intervallo max di campionamento</translation>
    </message>
    <message>
        <source>Maximum interval :</source>
        <translation>Intervallo massimo :</translation>
    </message>
    <message>
        <source>Flow rate sampling</source>
        <translation>Campionamento in base alla portata</translation>
    </message>
    <message>
        <source>Flow maximum :</source>
        <translation>Portata massima :</translation>
    </message>
    <message>
        <source>Samples Rate :</source>
        <translation>Frequenza :</translation>
    </message>
    <message>
        <source>Samples / h</source>
        <translation>Campioni / h</translation>
    </message>
    <message>
        <source>Connector clock :</source>
        <translation>Ora Connector :</translation>
    </message>
    <message>
        <source>PC Clock :</source>
        <translation>Ora PC :</translation>
    </message>
    <message>
        <source>Connector :</source>
        <translation>Connector :</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Imposta ora</translation>
    </message>
    <message>
        <source>Connector Data</source>
        <translation>Dati Connector</translation>
    </message>
    <message>
        <source>Bottle change</source>
        <translation>Cambio bottiglia</translation>
    </message>
    <message>
        <source>Change By</source>
        <translation>Cambio per</translation>
    </message>
    <message>
        <source>Samples Count</source>
        <translation>Numero campioni</translation>
    </message>
    <message>
        <source>Time interval</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Change Interval :</source>
        <translation>Intervallo cambio :</translation>
    </message>
    <message>
        <source>Event control</source>
        <translation>Controllo eventi</translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Modalità : </translation>
    </message>
    <message>
        <source>Input : </source>
        <translation>Ingresso : </translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Controllo eventi</translation>
    </message>
</context>
</TS>
