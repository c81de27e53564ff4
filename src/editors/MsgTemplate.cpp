#include "MsgTemplate.h"

#include "InternalError.h"

#include <QCoreApplication>
#include <iterator>

namespace {

struct TEntry {
    const char* Name;
    const char* Text;
};

#define MSG(name, text)                                                                            \
    { #name, QT_TRANSLATE_NOOP("TMsgTemplate", text) }

// In the order of TMsgId.
const TEntry Table[] = {
    MSG(MsgConfirmation, "Confirmation"),
    MSG(MsgError, "Error"),
    MSG(MsgWarning, "Warning"),
    MSG(MsgNoname, "<noname>"),
    MSG(MsgFileExistsQ, "File already exists. Do You want to overwrite it ?"),
    MSG(MsgYes, "Yes"),
    MSG(MsgNo, "No"),
    MSG(MsgNonameFile, "noname"),
    MSG(MsgFileModifiedQ, "File modified, do You want to save it ?"),
    MSG(MsgOK, "OK"),
    MSG(MsgCommError, "Communication error, please try once more"),
    MSG(MsgFileError, "File access error"),
    MSG(MsgParameterOut, "Parameter out of range"),
    MSG(MsgConnectorOk, "Connector OK"),
    MSG(MsgConnectorErr, "Connector ERROR"),
    MSG(MsgParameterFormat, "Invalid format of parameter"),
    MSG(MsgReallyWriteQ, "Do You really want to write data into Connector ?"),
    MSG(MsgNewLanguage, "New language will be set after program restart"),
    MSG(MsgNoAdapter, "Adapter ?"),
    MSG(MsgRow, "Row"),
    MSG(MsgTime, "Time"),
    MSG(MsgStatus, "Status"),
    MSG(MsgBottle, "Bottle"),
    MSG(MsgSample, "Sample"),
    MSG(MsgVAR, "VAR/FLOW"),
    MSG(MsgSampleTemperature, "External T"),
    MSG(MsgEnvironmentTemperature, "Box T"),
    MSG(MsgCorruptedFile, "Corrupted file"),
    MSG(MsgExportFile, "export"),
    MSG(MsgAux, "EVENT/AUX"),
    MSG(MsgImmediately, "Immediately"),
    MSG(MsgAfter, "After"),
    MSG(MsgAt, "At"),
    MSG(MsgByScheduler, "By scheduler"),
    MSG(MsgNoEvent, "No Event detection"),
    MSG(MsgRunOnEvent, "Run program on Event"),
    MSG(MsgStartByEvent, "Start program by Event"),
    MSG(MsgNone, "None"),
    MSG(MsgDigital, "Digital"),
    MSG(MsgAnalog, "Analog"),
    MSG(MsgLevel, "Level"),
    MSG(MsgTemperature, "Temperature"),
    MSG(MsgNoScheduledActivity, "No Scheduled Activity"),
    MSG(MsgAnalog1Range, "VAR/FLOW analog input disabled"),
    MSG(MsgAnalog2Range, "EVENT/AUX analog input disabled"),
    MSG(MsgWrongVersion, "Wrong file version"),
};

#undef MSG

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
