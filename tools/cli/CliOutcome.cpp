#include "CliOutcome.h"

#include "R7200.h"

#include <cstdio>

namespace {

struct TEntry {
    TCliOutcome Outcome;
    const char* Text;
    const char* Note = "";
};

// The one place where outcomes become words.
constexpr TEntry Entries[] = {
    {TCliOutcome::CommError, "Communication error, please try once more"},
    {TCliOutcome::FileError, "File access error"},
    {TCliOutcome::CorruptedFile, "Corrupted file"},
    {TCliOutcome::WrongVersion, "Wrong file version"},
    {TCliOutcome::OutOfRange, "Parameter out of range"},
    {TCliOutcome::NoAdapter, "Adapter ?", "no adapter answers"},
    {TCliOutcome::NoConnector, "No Connector", "no Connector in the adapter"},
    {TCliOutcome::SmallConnector, "Connector ERROR", "a Connector of the small kind"},
};

} // namespace

TCliOutcome OutcomeOfStatus(int status) {
    switch (status) {
    case StatusOk:
        return TCliOutcome::Ok;
    case StatusCommError:
        return TCliOutcome::CommError;
    case StatusFileError:
        return TCliOutcome::FileError;
    case StatusCorruptedFile:
        return TCliOutcome::CorruptedFile;
    case StatusWrongVersion:
        return TCliOutcome::WrongVersion;
    case StatusOutOfRange:
        return TCliOutcome::OutOfRange;
    default:
        // A code no operation sets: report it as the failure it must have been.
        return TCliOutcome::CommError;
    }
}

QString OutcomeText(TCliOutcome outcome) {
    for (const TEntry& e : Entries) {
        if (e.Outcome == outcome) return QString::fromLatin1(e.Text);
    }
    return QString();
}

QString OutcomeTable() {
    QString table = QStringLiteral("Exit codes:\n  0   success\n");
    for (const TEntry& e : Entries) {
        QString line =
            QStringLiteral("  %1  %2").arg(int(e.Outcome)).arg(QString::fromLatin1(e.Text));
        if (*e.Note)
            line = line.leftJustified(24) + QStringLiteral("(%1)").arg(QString::fromLatin1(e.Note));
        table += line + u'\n';
    }
    table += QStringLiteral("  64  usage error\n");
    return table;
}

int Finish(TCliOutcome outcome) {
    const QString text = OutcomeText(outcome);
    if (!text.isEmpty()) std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return int(outcome);
}
