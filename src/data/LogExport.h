#pragma once

#include "LogText.h"

#include <QByteArray>
#include <QString>

class TR7200;

// The event log as CSV: a title line, a units line and one line per record, oldest first.
// Every field is quoted and followed by a comma, lines end with a single LF and a double
// quote inside a text is doubled.
enum class TCsvEncoding {
    CodePage, // one byte a character in the Connector text code page
    Utf8,     // UTF-8 after a byte-order mark, which spreadsheets need to take it as such
};

QByteArray LogCsvBytes(const TR7200& record, const TLogTitles& titles = {},
                       TCsvEncoding encoding = TCsvEncoding::CodePage);

// The same for records of several reads: the units line from `units`, each record's fields
// as its own program gives them.
QByteArray LogCsvBytes(const TProgramBlock& units, const QList<TLogEntry>& entries,
                       const TLogTitles& titles = {},
                       TCsvEncoding encoding = TCsvEncoding::CodePage);

// The same fields as text for a terminal: unquoted, separated by tabs, UTF-8.
QByteArray LogTabBytes(const TProgramBlock& units, const QList<TLogEntry>& entries,
                       const TLogTitles& titles = {});

// Writes LogCsvBytes to the path as WriteWholeFile does. False when the file cannot be written
// completely; a regular file replaced at once is then left as it was.
bool ExportLogCsv(const TR7200& record, const QString& path, const TLogTitles& titles = {},
                  TCsvEncoding encoding = TCsvEncoding::CodePage);
bool ExportLogCsv(const TProgramBlock& units, const QList<TLogEntry>& entries, const QString& path,
                  const TLogTitles& titles = {}, TCsvEncoding encoding = TCsvEncoding::CodePage);
