#pragma once

#include <QByteArray>
#include <QString>

class TR7200;

// A text from a file as a terminal may show it: control characters as \xNN, a backslash as \\.
QString Visible(const QString& text);

// The Connector data, the program and a summary of the log, one "Name: value" a line, with
// the record's field names.
QString RecordText(const TR7200& record);
// One JSON object whose keys are the record's field names.
QByteArray RecordJson(const TR7200& record);
// Every field of the image map with its offset, width and raw bytes.
QString RecordDump(const TR7200& record);
