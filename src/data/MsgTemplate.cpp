#include "MsgTemplate.h"

#include "InternalError.h"
#include "R7200.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct TEntry {
    const char* Name;
    const char* Text;
};

// In the order of TMsgId.
const TEntry Table[] = {
    {"MsgConfirmation", QT_TRANSLATE_NOOP("TMsgTemplate", "Confirmation")},
    {"MsgError", QT_TRANSLATE_NOOP("TMsgTemplate", "Error")},
    {"MsgWarning", QT_TRANSLATE_NOOP("TMsgTemplate", "Warning")},
    {"MsgNoname", QT_TRANSLATE_NOOP("TMsgTemplate", "<noname>")},
    {"MsgFileExistsQ",
     QT_TRANSLATE_NOOP("TMsgTemplate", "File already exists. Do You want to overwrite it ?")},
    {"MsgYes", QT_TRANSLATE_NOOP("TMsgTemplate", "Yes")},
    {"MsgNo", QT_TRANSLATE_NOOP("TMsgTemplate", "No")},
    {"MsgNonameFile", QT_TRANSLATE_NOOP("TMsgTemplate", "noname")},
    {"MsgFileModifiedQ",
     QT_TRANSLATE_NOOP("TMsgTemplate", "File modified, do You want to save it ?")},
    {"MsgOK", QT_TRANSLATE_NOOP("TMsgTemplate", "OK")},
    {"MsgCommError",
     QT_TRANSLATE_NOOP("TMsgTemplate", "Communication error, please try once more")},
    {"MsgFileError", QT_TRANSLATE_NOOP("TMsgTemplate", "File access error")},
    {"MsgParameterOut", QT_TRANSLATE_NOOP("TMsgTemplate", "Parameter out of range")},
    {"MsgConnectorOk", QT_TRANSLATE_NOOP("TMsgTemplate", "Connector OK")},
    {"MsgConnectorErr", QT_TRANSLATE_NOOP("TMsgTemplate", "Connector ERROR")},
    {"MsgParameterFormat", QT_TRANSLATE_NOOP("TMsgTemplate", "Invalid format of parameter")},
    {"MsgReallyWriteQ",
     QT_TRANSLATE_NOOP("TMsgTemplate", "Do You really want to write data into Connector ?")},
    {"MsgNewLanguage",
     QT_TRANSLATE_NOOP("TMsgTemplate", "New language will be set after program restart")},
    {"MsgNoAdapter", QT_TRANSLATE_NOOP("TMsgTemplate", "Adapter ?")},
    {"MsgRow", QT_TRANSLATE_NOOP("TMsgTemplate", "Row")},
    {"MsgTime", QT_TRANSLATE_NOOP("TMsgTemplate", "Time")},
    {"MsgStatus", QT_TRANSLATE_NOOP("TMsgTemplate", "Status")},
    {"MsgBottle", QT_TRANSLATE_NOOP("TMsgTemplate", "Bottle")},
    {"MsgSample", QT_TRANSLATE_NOOP("TMsgTemplate", "Sample")},
    {"MsgVAR", QT_TRANSLATE_NOOP("TMsgTemplate", "VAR/FLOW")},
    {"MsgSampleTemperature", QT_TRANSLATE_NOOP("TMsgTemplate", "External T")},
    {"MsgEnvironmentTemperature", QT_TRANSLATE_NOOP("TMsgTemplate", "Box T")},
    {"MsgCorruptedFile", QT_TRANSLATE_NOOP("TMsgTemplate", "Corrupted file")},
    {"MsgExportFile", QT_TRANSLATE_NOOP("TMsgTemplate", "export")},
    {"MsgAux", QT_TRANSLATE_NOOP("TMsgTemplate", "EVENT/AUX")},
    {"MsgImmediately", QT_TRANSLATE_NOOP("TMsgTemplate", "Immediately")},
    {"MsgAfter", QT_TRANSLATE_NOOP("TMsgTemplate", "After")},
    {"MsgAt", QT_TRANSLATE_NOOP("TMsgTemplate", "At")},
    {"MsgByScheduler", QT_TRANSLATE_NOOP("TMsgTemplate", "By scheduler")},
    {"MsgNoEvent", QT_TRANSLATE_NOOP("TMsgTemplate", "No Event detection")},
    {"MsgRunOnEvent", QT_TRANSLATE_NOOP("TMsgTemplate", "Run program on Event")},
    {"MsgStartByEvent", QT_TRANSLATE_NOOP("TMsgTemplate", "Start program by Event")},
    {"MsgNone", QT_TRANSLATE_NOOP("TMsgTemplate", "None")},
    {"MsgDigital", QT_TRANSLATE_NOOP("TMsgTemplate", "Digital")},
    {"MsgAnalog", QT_TRANSLATE_NOOP("TMsgTemplate", "Analog")},
    {"MsgLevel", QT_TRANSLATE_NOOP("TMsgTemplate", "Level")},
    {"MsgTemperature", QT_TRANSLATE_NOOP("TMsgTemplate", "Temperature")},
    {"MsgNoScheduledActivity", QT_TRANSLATE_NOOP("TMsgTemplate", "No Scheduled Activity")},
    {"MsgAnalog1Range", QT_TRANSLATE_NOOP("TMsgTemplate", "VAR/FLOW analog input disabled")},
    {"MsgAnalog2Range", QT_TRANSLATE_NOOP("TMsgTemplate", "EVENT/AUX analog input disabled")},
    {"MsgWrongVersion", QT_TRANSLATE_NOOP("TMsgTemplate", "Wrong file version")},
    {"MsgBackupReadFailed",
     QT_TRANSLATE_NOOP("TMsgTemplate",
                       "The Connector could not be read for its backup, nothing was written")},
    {"MsgBackupArchiveFailed",
     QT_TRANSLATE_NOOP("TMsgTemplate", "The backup could not be saved in %1, nothing was written")},
    {"MsgReadNotArchived",
     QT_TRANSLATE_NOOP("TMsgTemplate", "The data read could not be archived in %1")},
    {"MsgReadCancelled", QT_TRANSLATE_NOOP("TMsgTemplate", "Read cancelled")},
    {"MsgWriteCancelled", QT_TRANSLATE_NOOP("TMsgTemplate", "Write cancelled")},
    {"MsgBackupCancelled",
     QT_TRANSLATE_NOOP("TMsgTemplate", "Backup cancelled, nothing was written")},
    {"MsgPartlyWritten",
     QT_TRANSLATE_NOOP("TMsgTemplate", "The Connector holds a partly written program and must "
                                       "be written again before use")},
    {"MsgReadArchived",
     QT_TRANSLATE_NOOP("TMsgTemplate", "The bytes as read are kept in the archive: %1")},
    {"MsgWriteUnreadableQ",
     QT_TRANSLATE_NOOP("TMsgTemplate",
                       "The Connector could not be read for its backup: its event log will be "
                       "lost. Write all the same?")},
};

static_assert(std::size(Table) == MsgCount, "one entry per message text");

const TEntry& Entry(TMsgId id) {
    if (id < 0 || id >= MsgCount) throw TInternalError::OnFile("Msg", 1);
    return Table[id];
}

} // namespace

QString TMsgTemplate::Text(TMsgId id) {
    return QCoreApplication::translate(Context, Entry(id).Text);
}

QString TMsgTemplate::SourceText(TMsgId id) {
    return QString::fromLatin1(Entry(id).Text);
}

QString TMsgTemplate::Name(TMsgId id) {
    return QString::fromLatin1(Entry(id).Name);
}

TMsgId TMsgTemplate::Find(const QString& name) {
    for (int i = 0; i < MsgCount; ++i)
        if (name == QLatin1String(Table[i].Name)) return TMsgId(i);
    return MsgCount;
}

TMsgId StatusMessage(TRecordStatus status) {
    switch (status) {
    case StatusOk:
        return MsgOK;
    case StatusCommError:
        return MsgCommError;
    case StatusFileError:
        return MsgFileError;
    case StatusCorruptedFile:
        return MsgCorruptedFile;
    case StatusWrongVersion:
        return MsgWrongVersion;
    case StatusOutOfRange:
        return MsgParameterOut;
    }
    throw TInternalError::Switch("Main", 612);
}
