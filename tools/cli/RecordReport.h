#pragma once

#include <QByteArray>
#include <QString>

class TR7200;

// The Connector data, the program and a summary of the log, one "Name: value" a line, with
// the record's field names.
QString RecordText(const TR7200& record);
// One JSON object whose keys are the record's field names.
QByteArray RecordJson(const TR7200& record);
// Every field of the image map with its offset, width and raw bytes.
QString RecordDump(const TR7200& record);
// Texts from a file reach a terminal: control characters show as \xNN and cannot move
// the cursor, retitle the window or start a line of their own.
QString VisibleText(const QString& text);
