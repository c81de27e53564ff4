#pragma once

#include <QString>

// The named texts the program composes at run time. Each is looked up when it is used,
// so the translation loaded at start supplies every one of them.
enum TMsgId : int {
    MsgConfirmation,
    MsgError,
    MsgWarning,
    MsgNoname,
    MsgFileExistsQ,
    MsgYes,
    MsgNo,
    MsgNonameFile,
    MsgFileModifiedQ,
    MsgOK,
    MsgCommError,
    MsgFileError,
    MsgParameterOut,
    MsgConnectorOk,
    MsgConnectorErr,
    MsgParameterFormat,
    MsgReallyWriteQ,
    MsgNewLanguage,
    MsgNoAdapter,
    MsgRow,
    MsgTime,
    MsgStatus,
    MsgBottle,
    MsgSample,
    MsgVAR,
    MsgSampleTemperature,
    MsgEnvironmentTemperature,
    MsgCorruptedFile,
    MsgExportFile,
    MsgAux,
    MsgImmediately,
    MsgAfter,
    MsgAt,
    MsgByScheduler,
    MsgNoEvent,
    MsgRunOnEvent,
    MsgStartByEvent,
    MsgNone,
    MsgDigital,
    MsgAnalog,
    MsgLevel,
    MsgTemperature,
    MsgNoScheduledActivity,
    MsgAnalog1Range,
    MsgAnalog2Range,
    MsgWrongVersion,
    MsgBackupReadFailed,
    MsgBackupArchiveFailed,
    MsgReadNotArchived,
    MsgReadCancelled,
    MsgWriteCancelled,
    MsgBackupCancelled,
    MsgPartlyWritten,
    MsgReadArchived,
    MsgWriteUnreadableQ,
    MsgCount
};

class TMsgTemplate {
public:
    // The text in the language loaded at start.
    static QString Text(TMsgId id);
    // The untranslated English text.
    static QString SourceText(TMsgId id);
    static QString Name(TMsgId id);
    // The id of a text name such as "MsgError"; MsgCount when there is none.
    static TMsgId Find(const QString& name);
    // Translation context shared with the translation files.
    static constexpr const char* Context = "TMsgTemplate";
};

inline QString Msg(TMsgId id) {
    return TMsgTemplate::Text(id);
}

enum TRecordStatus : int;

// The message that tells the user a record operation's outcome: the window shows it, the
// command-line tool prints its source text.
TMsgId StatusMessage(TRecordStatus status);
