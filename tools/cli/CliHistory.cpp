#include "CliHistory.h"

#include "Archive.h"
#include "CliOutcome.h"
#include "ConnectorCalendar.h"
#include "History.h"
#include "LogExport.h"
#include "TextFormats.h"

#include <QLocale>
#include <cstdio>
#include <optional>

namespace {

void Print(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int Usage(const QString& message) {
    std::fprintf(stderr, "limnaset-cli: %s\nTry 'limnaset-cli --help'.\n",
                 message.toUtf8().constData());
    return int(TCliOutcome::Usage);
}

int DatabaseFailed(const THistory& history) {
    std::fprintf(stderr, "history database: %s\n", history.Error().toUtf8().constData());
    return Finish(TCliOutcome::FileError);
}

// The serial number as the archive's folders spell it, hexadecimal.
std::optional<uint32_t> ParseSerial(QString text) {
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) text = text.mid(2);
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 16);
    if (!ok || text.size() > 8) return std::nullopt;
    return uint32_t(value);
}

// ISO 8601 (2026-03-01) or the locale's short date.
std::optional<QDate> ParseDate(const QString& text) {
    QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) date = QLocale().toDate(text, QLocale::ShortFormat);
    if (!date.isValid()) return std::nullopt;
    return date;
}

uint32_t ConnectorTime(const QDate& date, const QTime& time) {
    return TR7200::ToConnectorTimestamp(ToDateTime(QDateTime(date, time)));
}

THistory OpenHistory() {
    const QString archive = TArchive::DefaultFolder();
    return THistory(HistoryPlaceFor(archive), archive);
}

} // namespace

void TellHistoryTrouble() {
    bool failed = false;
    const QString trouble = HistoryTrouble(&failed);
    if (trouble.isEmpty()) return;
    const QString line =
        !failed
            ? trouble
            : QStringLiteral("The history database cannot be used (%1); the read is kept in the "
                             "archive.")
                  .arg(trouble);
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

int RunHistory(const QCommandLineParser& parser, const QStringList& arguments) {
    THistory history = OpenHistory();
    if (parser.isSet(QStringLiteral("rebuild"))) {
        if (!arguments.isEmpty()) return Usage(QStringLiteral("--rebuild takes no SERIAL"));
        const int reads = history.Rebuild();
        if (reads < 0) return DatabaseFailed(history);
        std::printf("%d reads imported from %s\n", reads,
                    TArchive::DefaultFolder().toUtf8().constData());
        return 0;
    }
    if (arguments.size() != 1) return Usage(QStringLiteral("usage: limnaset-cli history SERIAL"));
    const std::optional<uint32_t> serial = ParseSerial(arguments[0]);
    if (!serial)
        return Usage(QStringLiteral("'%1' is no serial number (hexadecimal, as 'archive' shows it)")
                         .arg(arguments[0]));
    uint32_t range[2] = {0, 0};
    const QString names[2] = {QStringLiteral("from"), QStringLiteral("to")};
    for (int k = 0; k < 2; ++k) {
        if (!parser.isSet(names[k])) continue;
        const std::optional<QDate> date = ParseDate(parser.value(names[k]));
        if (!date)
            return Usage(QStringLiteral("--%1 takes a date such as 2026-03-01, not '%2'")
                             .arg(names[k], parser.value(names[k])));
        range[k] =
            k == 0 ? ConnectorTime(*date, QTime(0, 0)) : ConnectorTime(*date, QTime(23, 59, 59));
    }
    const std::optional<THistoryLog> log = history.Log(*serial, range[0], range[1]);
    if (!log) return DatabaseFailed(history);
    if (log->Programs.empty()) {
        std::fprintf(stderr, "no read of Connector %s in the history\n",
                     TArchive::SerialText(*serial).toUtf8().constData());
        return Finish(TCliOutcome::OutOfRange);
    }
    if (!parser.isSet(QStringLiteral("csv")))
        Print(LogTabBytes(log->Newest(), log->Entries));
    else
        Print(LogCsvBytes(log->Newest(), log->Entries, {},
                          parser.isSet(QStringLiteral("utf8")) ? TCsvEncoding::Utf8
                                                               : TCsvEncoding::CodePage));
    return 0;
}

int RunSite(const QCommandLineParser& parser, const QStringList& arguments) {
    THistory history = OpenHistory();
    if (arguments.isEmpty()) {
        const QList<THistorySite> sites = history.Sites();
        if (!history.Error().isEmpty()) return DatabaseFailed(history);
        auto time = [](uint32_t t) {
            return t ? DateTimeText(TR7200::FromConnectorTimestamp(t)) : QStringLiteral("-");
        };
        Print("Serial\tSite\tReads\tFirst record\tLast record\n");
        for (const THistorySite& s : sites)
            Print((QStringList{TArchive::SerialText(s.SerialNumber), s.Site,
                               QString::number(s.Reads), time(s.FirstRecord), time(s.LastRecord)}
                       .join(u'\t') +
                   u'\n')
                      .toUtf8());
        return 0;
    }
    if (arguments.size() != 2)
        return Usage(QStringLiteral("usage: limnaset-cli site [SERIAL NAME]"));
    const std::optional<uint32_t> serial = ParseSerial(arguments[0]);
    if (!serial)
        return Usage(QStringLiteral("'%1' is no serial number (hexadecimal, as 'archive' shows it)")
                         .arg(arguments[0]));
    QDate from = QDate::currentDate();
    if (parser.isSet(QStringLiteral("from"))) {
        const std::optional<QDate> date = ParseDate(parser.value(QStringLiteral("from")));
        if (!date)
            return Usage(QStringLiteral("--from takes a date such as 2026-03-01, not '%1'")
                             .arg(parser.value(QStringLiteral("from"))));
        from = *date;
    }
    return history.SetSite(*serial, arguments[1], from) ? 0 : DatabaseFailed(history);
}
