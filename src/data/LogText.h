#pragma once

#include "LogRecord.h"
#include "ProgramBlock.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class TR7200;

// Column titles of the log table and the CSV export; the application passes its message
// texts, everything else takes the English defaults.
struct TLogTitles {
    QString Row = QStringLiteral("Row");
    QString Time = QStringLiteral("Time");
    QString Status = QStringLiteral("Status");
    QString Bottle = QStringLiteral("Bottle");
    QString Sample = QStringLiteral("Sample");
    QString EnvironmentTemperature = QStringLiteral("Box T");
    QString Var = QStringLiteral("VAR/FLOW");
    QString Aux = QStringLiteral("EVENT/AUX");
    QString SampleTemperature = QStringLiteral("External T");
};

// The titles in the program's language, from the message table.
TLogTitles TranslatedLogTitles();

// Texts of one log record's columns; "none" values give empty texts.
QString LogTimeText(uint32_t time);
QString LogStatusText(uint8_t code);
QString LogBottleText(uint8_t number); // also the sample number
QString LogAnalogText(uint16_t raw, const TAnalogScale& scale);
QString LogTemperatureText(int16_t tenths, int units);

// The i-th oldest record of the record's log, read from the image (no range check).
TLogRecord LogRecordOf(const TR7200& record, int i);

// The log table's nine columns: row number, time, status, bottle, sample, box temperature,
// VAR/FLOW, EVENT/AUX, external temperature.
QStringList LogTableTitles(const TLogTitles& titles);
QStringList LogTableUnits(const TProgramBlock& program);
QStringList LogTableRow(const TR7200& record, int i);
// A record's row as the program it was logged under shows it; `row` counts from 1.
QStringList LogTableRow(const TProgramBlock& program, const TLogRecord& r, int row);

// One record with the program whose scales and units it was logged under, for logs that
// join the records of several reads.
struct TLogEntry {
    TLogRecord Record;
    const TProgramBlock* Program = nullptr;
};

// The clipboard text of some records: the title and units lines, then one line per record in
// the order given; fields are separated by tabs, lines end with a line feed.
QString LogCopyText(const TR7200& record, const TLogTitles& titles, const QList<int>& records);
// One record as the plot names it: "title: text unit" per non-empty column, one a line.
QString LogRecordSummary(const TR7200& record, const TLogTitles& titles, int i);
QString LogRecordSummary(const TProgramBlock& program, const TLogRecord& r,
                         const TLogTitles& titles, int row);
