#include "LogExport.h"

#include "AnsiText.h"
#include "R7200.h"
#include "WholeFile.h"

#include <QStringList>

namespace {

QByteArray Ansi(const QString& text) {
    QByteArray bytes;
    for (const char32_t c : text.toUcs4())
        bytes += char(TAnsiText::ToByte(c));
    return bytes;
}

// The export's eight fields, by their column in the log table: no row number, and the
// analog and temperature columns in another order.
constexpr int CsvColumns[] = {1, 2, 3, 4, 6, 8, 5, 7};

void AppendLine(QByteArray& out, const QStringList& tableRow) {
    for (const int column : CsvColumns) {
        QString quoted = tableRow[column];
        quoted.replace(u'"', QStringLiteral("\"\""));
        out += '"';
        out += Ansi(quoted);
        out += "\",";
    }
    out += '\n';
}

} // namespace

QByteArray LogCsvBytes(const TR7200& record, const TLogTitles& titles) {
    QByteArray out;
    AppendLine(out, LogTableTitles(titles));
    AppendLine(out, LogTableUnits(record));
    for (int i = 0; i < record.LogCount; ++i)
        AppendLine(out, LogTableRow(record, i));
    return out;
}

bool ExportLogCsv(const TR7200& record, const QString& path, const TLogTitles& titles) {
    return WriteWholeFile(path, LogCsvBytes(record, titles)) == TWholeFileWrite::Ok;
}
