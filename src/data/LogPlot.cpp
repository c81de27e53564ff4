#include "LogPlot.h"

#include "ConnectorCalendar.h"
#include "LogText.h"
#include "R7200.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool IsRepaired(uint8_t code) {
    return code == LogCorrupted || code == LogMarker || code == LogMarkerX;
}

bool HasTime(uint32_t time) {
    return time != TLogRecord::NeverWritten && time != TLogRecord::WriteMarker && time != 0;
}

double AnalogValue(uint16_t raw, const TAnalogScale& scale) {
    return scale.Min + raw * 0.001 * (scale.Max - scale.Min);
}

// The scale's span, widened to values beyond it (raw values above 1000 occur).
TLogRange AnalogRange(const TAnalogScale& scale, const QList<QList<QPointF>>& runs) {
    TLogRange range{std::min(scale.Min, scale.Max), std::max(scale.Min, scale.Max)};
    for (const auto& run : runs)
        for (const QPointF& p : run) {
            range.Min = std::min(range.Min, p.y());
            range.Max = std::max(range.Max, p.y());
        }
    if (range.Max == range.Min) range.Max = range.Min + 1;
    return range;
}

// Whole steps of 5 degrees around the values; the full sensor range when there are none.
TLogRange TemperatureRange(const TLogPlotData& data, int units) {
    bool any = false;
    TLogRange range;
    for (int line : {LineBoxTemperature, LineSampleTemperature})
        for (const auto& run : data.Lines[line])
            for (const QPointF& p : run) {
                range.Min = any ? std::min(range.Min, p.y()) : p.y();
                range.Max = any ? std::max(range.Max, p.y()) : p.y();
                any = true;
            }
    if (!any) return {LogTemperatureValue(-400, units), LogTemperatureValue(850, units)};
    range.Min = std::floor(range.Min / 5) * 5;
    range.Max = std::ceil(range.Max / 5) * 5;
    if (range.Max == range.Min) range.Max += 5;
    return range;
}

QString TimeText(const QTime& time, bool seconds) {
    const QLocale locale;
    return locale.toString(
        time, WithoutZone(locale.timeFormat(seconds ? QLocale::LongFormat : QLocale::ShortFormat)));
}

} // namespace

std::optional<TLogLane> LogLaneOf(uint8_t code) {
    switch (code) {
    case LogSample:
    case LogManual:
    case LogRemote:
    case LogMissing:
        return TLogLane::Samples;
    case LogBottle1:
    case LogBottleNext:
    case LogNoBottle:
    case LogBottlesCount:
        return TLogLane::Bottles;
    case LogEvent:
    case LogNoEvent:
        return TLogLane::Events;
    case LogClear:
    case LogInsert:
    case LogStart:
    case LogStop:
    case LogExpiration:
    case LogExhaust:
    case LogTimeout:
    case LogDisabled:
        return TLogLane::Program;
    case LogOpen:
    case LogClosed:
        return TLogLane::Door;
    case LogPower:
        return TLogLane::Power;
    case LogCalibration:
    case LogNoCalibration:
        return TLogLane::Calibration;
    case LogCorrupted:
    case LogMarker:
    case LogMarkerX:
        return TLogLane::Repaired;
    case LogLogger:
        return std::nullopt;
    default:
        return TLogLane::Unknown;
    }
}

double LogTemperatureValue(int16_t tenths, int units) {
    // The table's own arithmetic, so that a point and its row agree to the digit.
    int t = std::clamp<int>(tenths, -400, 850);
    if (units == 1) t = t * 9 / 5 + 320;
    return t / 10.0;
}

TLogPlotData BuildLogPlot(const TR7200& record) {
    QList<TLogRecord> records;
    records.reserve(record.LogCount);
    for (int i = 0; i < record.LogCount; ++i)
        records.append(LogRecordOf(record, i));
    return BuildLogPlot(record, records);
}

TLogPlotData BuildLogPlot(const TProgramBlock& record, const QList<TLogRecord>& records) {
    TLogPlotData data;
    const int count = int(records.size());
    // A record without a time is marked where the log was at that moment: at the time before
    // it, or for the first records the first time of the log.
    double last = 0;
    bool timed = false;
    for (int i = 0; i < count && !timed; ++i) {
        const uint32_t time = records[i].Time;
        if (HasTime(time)) last = time, timed = true;
    }
    std::array<bool, LogLineCount> open{};
    auto addPoint = [&](int line, bool present, double time, double value) {
        if (!present) {
            open[line] = false;
            return;
        }
        if (!open[line]) data.Lines[line].append(QList<QPointF>());
        open[line] = true;
        data.Lines[line].last().append(QPointF(time, value));
    };
    data.Time = {last, last};
    for (int i = 0; i < count; ++i) {
        const TLogRecord& r = records[i];
        const bool hasTime = HasTime(r.Time);
        if (hasTime) last = r.Time;
        if (const auto lane = LogLaneOf(r.Code)) data.Marks[int(*lane)].push_back({last, i});
        data.Time.Min = std::min(data.Time.Min, last);
        data.Time.Max = std::max(data.Time.Max, last);
        const bool usable = hasTime && !IsRepaired(r.Code);
        addPoint(LineVar, usable && r.Var != TLogRecord::NoAnalog, last,
                 AnalogValue(r.Var, record.Analog1));
        addPoint(LineAux, usable && r.Aux != TLogRecord::NoAnalog, last,
                 AnalogValue(r.Aux, record.Analog2));
        addPoint(LineBoxTemperature, usable && r.BoxTemperature != TLogRecord::NoTemperature, last,
                 LogTemperatureValue(r.BoxTemperature, record.TemperatureUnits));
        addPoint(LineSampleTemperature, usable && r.SampleTemperature != TLogRecord::NoTemperature,
                 last, LogTemperatureValue(r.SampleTemperature, record.TemperatureUnits));
    }
    if (!timed) {
        const double now = TR7200::ToConnectorTimestamp(TClock::Now());
        data.Time = {now - 3600, now};
    } else if (data.Time.Max == data.Time.Min) {
        data.Time = {data.Time.Min - 1800, data.Time.Max + 1800};
    } else {
        // The first and last marks stay clear of the plot's edges.
        const double pad = (data.Time.Max - data.Time.Min) / 50;
        data.Time = {data.Time.Min - pad, data.Time.Max + pad};
    }
    data.Var = AnalogRange(record.Analog1, data.Lines[LineVar]);
    data.Aux = AnalogRange(record.Analog2, data.Lines[LineAux]);
    data.Temperature = TemperatureRange(data, record.TemperatureUnits);
    return data;
}

QList<TLogTimeTick> LogTimeTicks(double from, double to, int maxTicks) {
    static const int Steps[] = {1,     2,     5,      10,     15,      30,      60,      120,
                                300,   600,   900,    1800,   3600,    7200,    10800,   21600,
                                43200, 86400, 172800, 604800, 1209600, 2592000, 7776000, 31536000};
    QList<TLogTimeTick> ticks;
    // Garbage times near the top of the Connector's range, padded or zoomed past it, have no
    // moment: only Connector times get ticks.
    from = std::max(from, 0.0);
    to = std::min(to, double(std::numeric_limits<uint32_t>::max()));
    if (!(to > from) || maxTicks < 1) return ticks;
    int step = Steps[std::size(Steps) - 1];
    for (int s : Steps)
        if ((to - from) / s <= maxTicks) {
            step = s;
            break;
        }
    QDate shownDate;
    for (double s = std::ceil(from / step) * step; s <= to; s += step) {
        const QDateTime t = FromDateTime(TR7200::FromConnectorTimestamp(uint32_t(s)));
        QString text;
        if (step >= 86400) {
            text = QLocale().toString(t.date(), QLocale::ShortFormat);
        } else {
            text = TimeText(t.time(), step < 60);
            if (t.date() != shownDate)
                text = QLocale().toString(t.date(), QLocale::ShortFormat) + u' ' + text;
        }
        shownDate = t.date();
        ticks.append({s, text});
    }
    return ticks;
}
