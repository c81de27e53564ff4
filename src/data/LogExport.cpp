#include "LogExport.h"

#include "AnsiText.h"
#include "R7200.h"
#include "WholeFile.h"

#include <QStringList>

namespace {

// The export's eight fields, by their column in the log table: no row number, and the
// analog and temperature columns in another order.
constexpr int CsvColumns[] = {1, 2, 3, 4, 6, 8, 5, 7};

void AppendLine(QByteArray& out, const QStringList& tableRow, TCsvEncoding encoding) {
    for (const int column : CsvColumns) {
        QString quoted = tableRow[column];
        quoted.replace(u'"', QStringLiteral("\"\""));
        out += '"';
        out += encoding == TCsvEncoding::Utf8 ? quoted.toUtf8() : TAnsiText::Encode(quoted);
        out += "\",";
    }
    out += '\n';
}

void AppendTabLine(QByteArray& out, const QStringList& tableRow) {
    QStringList fields;
    for (const int column : CsvColumns)
        fields << tableRow[column];
    out += fields.join(u'\t').toUtf8();
    out += '\n';
}

} // namespace

QByteArray LogCsvBytes(const TR7200& record, const TLogTitles& titles, TCsvEncoding encoding) {
    QList<TLogEntry> entries;
    entries.reserve(record.LogCount);
    for (int i = 0; i < record.LogCount; ++i)
        entries.append({LogRecordOf(record, i), &record});
    return LogCsvBytes(record, entries, titles, encoding);
}

QByteArray LogCsvBytes(const TProgramBlock& units, const QList<TLogEntry>& entries,
                       const TLogTitles& titles, TCsvEncoding encoding) {
    QByteArray out;
    if (encoding == TCsvEncoding::Utf8) out += "\xEF\xBB\xBF";
    AppendLine(out, LogTableTitles(titles), encoding);
    AppendLine(out, LogTableUnits(units), encoding);
    for (int i = 0; i < entries.size(); ++i)
        AppendLine(out, LogTableRow(*entries[i].Program, entries[i].Record, i + 1), encoding);
    return out;
}

QByteArray LogTabBytes(const TProgramBlock& units, const QList<TLogEntry>& entries,
                       const TLogTitles& titles) {
    QByteArray out;
    AppendTabLine(out, LogTableTitles(titles));
    AppendTabLine(out, LogTableUnits(units));
    for (int i = 0; i < entries.size(); ++i)
        AppendTabLine(out, LogTableRow(*entries[i].Program, entries[i].Record, i + 1));
    return out;
}

bool ExportLogCsv(const TR7200& record, const QString& path, const TLogTitles& titles,
                  TCsvEncoding encoding) {
    return WriteWholeFile(path, LogCsvBytes(record, titles, encoding)) == TWholeFileWrite::Ok;
}

bool ExportLogCsv(const TProgramBlock& units, const QList<TLogEntry>& entries, const QString& path,
                  const TLogTitles& titles, TCsvEncoding encoding) {
    return WriteWholeFile(path, LogCsvBytes(units, entries, titles, encoding)) ==
           TWholeFileWrite::Ok;
}
