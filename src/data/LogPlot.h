#pragma once

#include "LogRecord.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class TR7200;
struct TProgramBlock;

// What the Log page's plot shows of the record's log, without any drawing. Times are
// Connector seconds: they run on across the autumn daylight-saving switch where local time
// goes back, so nothing on the time axis runs backwards.

// The rows of marks, top to bottom.
enum class TLogLane {
    Samples,
    Bottles,
    Events,
    Program,
    Door,
    Power,
    Calibration,
    Repaired,
    Unknown
};
constexpr int LogLaneCount = 9;

// The lane of a status code; none for LOGGER, whose records only feed the lines.
std::optional<TLogLane> LogLaneOf(uint8_t code);

enum TLogLine { LineVar, LineAux, LineBoxTemperature, LineSampleTemperature, LogLineCount };

struct TLogMark {
    double Time;
    int Record; // index in the log, oldest 0
};

struct TLogRange {
    double Min = 0;
    double Max = 0;
    bool operator==(const TLogRange&) const = default;
};

struct TLogPlotData {
    std::array<std::vector<TLogMark>, LogLaneCount> Marks;
    // Each line is a list of runs; an empty value, a record without a time or a repaired
    // record ends a run, so that nothing is drawn across it.
    std::array<QList<QList<QPointF>>, LogLineCount> Lines;
    TLogRange Time;
    TLogRange Var;         // in the units of Analog1
    TLogRange Aux;         // in the units of Analog2
    TLogRange Temperature; // both temperatures, in the record's unit
};

TLogPlotData BuildLogPlot(const TR7200& record);
// The same for records of several reads, drawn in the scales and units of `program`.
TLogPlotData BuildLogPlot(const TProgramBlock& program, const QList<TLogRecord>& records);

// The value of a temperature word as the table shows it: clamped, in the unit.
double LogTemperatureValue(int16_t tenths, int units);

struct TLogTimeTick {
    double Time;
    QString Text;
};
// At most maxTicks ticks on whole steps of Connector time within from..to, labelled in local
// time in the default locale's formats; the date is given where it changes.
QList<TLogTimeTick> LogTimeTicks(double from, double to, int maxTicks);
