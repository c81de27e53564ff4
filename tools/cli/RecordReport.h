#pragma once

#include <QByteArray>
#include <QString>

class TR7200;

// The Connector data, the program and a summary of the log, one "Name: value" a line, with
// the record's field names; unless `raw`, the program's fields also as their pages show them.
QString RecordText(const TR7200& record, bool raw = false);
// One JSON object whose keys are the record's field names.
QByteArray RecordJson(const TR7200& record);
// Every field of the image map with its offset, width and raw bytes.
QString RecordDump(const TR7200& record);
// Control characters as \xNN and a backslash doubled, so that a text cannot steer a terminal.
QString VisibleText(const QString& text);
