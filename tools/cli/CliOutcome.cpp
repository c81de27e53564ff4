#include "CliOutcome.h"

#include "InternalError.h"
#include "MsgTemplate.h"

#include <cstdio>

namespace {

constexpr int StatusBase = 10;

struct TEntry {
    TCliOutcome Outcome;
    const char* Note = "";
};

constexpr TEntry Entries[] = {
    {TCliOutcome::CommError},
    {TCliOutcome::FileError},
    {TCliOutcome::CorruptedFile},
    {TCliOutcome::WrongVersion},
    {TCliOutcome::OutOfRange},
    {TCliOutcome::BadFormat},
    {TCliOutcome::NoAdapter, "no adapter answers"},
    {TCliOutcome::NoConnector, "no Connector in the adapter"},
    {TCliOutcome::SmallConnector, "a Connector of the small kind"},
    {TCliOutcome::BackupFailed},
    {TCliOutcome::ClockNotSet, "the Connector clock holds no valid time"},
    {TCliOutcome::BackupUnreadable, "write --force writes all the same"},
};

} // namespace

TCliOutcome OutcomeOfStatus(TRecordStatus status) {
    return status == StatusOk ? TCliOutcome::Ok : TCliOutcome(StatusBase + int(status));
}

QString OutcomeText(TCliOutcome outcome) {
    switch (outcome) {
    case TCliOutcome::Ok:
    case TCliOutcome::Usage:
    case TCliOutcome::InternalError:
        return QString();
    case TCliOutcome::ClockNotSet:
        return QStringLiteral("Connector clock not set");
    case TCliOutcome::NoAdapter:
        return TMsgTemplate::SourceText(MsgNoAdapter);
    case TCliOutcome::NoConnector:
        // The window leaves its Connector panel empty; a shell needs a word.
        return QStringLiteral("No Connector");
    case TCliOutcome::SmallConnector:
        return TMsgTemplate::SourceText(MsgConnectorErr);
    case TCliOutcome::BackupFailed:
        return TMsgTemplate::SourceText(MsgBackupArchiveFailed).arg(QStringLiteral("the archive"));
    case TCliOutcome::BackupUnreadable:
        return TMsgTemplate::SourceText(MsgBackupReadFailed);
    case TCliOutcome::BadFormat:
        return TMsgTemplate::SourceText(MsgParameterFormat);
    default:
        return TMsgTemplate::SourceText(StatusMessage(TRecordStatus(int(outcome) - StatusBase)));
    }
}

QString OutcomeTable() {
    QString table = QStringLiteral("Exit codes:\n  0   success\n");
    for (const TEntry& e : Entries) {
        QString line = QStringLiteral("  %1  %2").arg(int(e.Outcome)).arg(OutcomeText(e.Outcome));
        if (*e.Note)
            line =
                line.leftJustified(23) + QStringLiteral(" (%1)").arg(QString::fromLatin1(e.Note));
        table += line + u'\n';
    }
    table += QStringLiteral("  64  usage error\n  70  internal error (the program's own fault)\n"
                            "  130 interrupted by Ctrl+C\n");
    return table;
}

int Finish(TCliOutcome outcome) {
    const QString text = OutcomeText(outcome);
    if (!text.isEmpty()) std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return int(outcome);
}

int GuardInternalErrors(const std::function<int()>& run) {
    try {
        return run();
    } catch (const TInternalError& error) {
        std::fprintf(stderr, "limnaset-cli: %s\n", error.what());
        return int(TCliOutcome::InternalError);
    }
}

TCliOutcome OutcomeOfProbe(const TConnectorProbe& probe) {
    if (!probe.Adapter) return TCliOutcome::NoAdapter;
    switch (probe.Connector) {
    case TConnectorState::Lost:
        return TCliOutcome::CommError;
    case TConnectorState::Absent:
        return TCliOutcome::NoConnector;
    case TConnectorState::Small:
        return TCliOutcome::SmallConnector;
    case TConnectorState::Usable:
        break;
    }
    return TCliOutcome::Ok;
}
