#pragma once

#include "LogText.h"

#include <QByteArray>
#include <QString>

class TR7200;

// The event log as CSV: a title line, a units line and one line per record, oldest first.
// Every field is quoted and followed by a comma, lines end with a single LF, texts are
// Windows-1252 and a double quote inside a text is doubled.
QByteArray LogCsvBytes(const TR7200& record, const TLogTitles& titles = {});

// Writes LogCsvBytes to the path as WriteWholeFile does. False when the file cannot be written
// completely; a regular file replaced at once is then left as it was.
bool ExportLogCsv(const TR7200& record, const QString& path, const TLogTitles& titles = {});
