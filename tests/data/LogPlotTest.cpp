#include "LogPlot.h"
#include "LogText.h"
#include "R7200.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TDateTime Winter() {
    return Moment(2024, 1, 15, 10, 0, 0);
}

TLogRecord Rec(uint8_t code, uint32_t time, uint16_t var = 0xFFFF, int16_t box = 0x7FFF) {
    TLogRecord r = TLogRecord::Empty(code);
    r.Time = time;
    r.Var = var;
    r.Aux = var;
    r.BoxTemperature = box;
    r.SampleTemperature = box;
    return r;
}

void SetLog(TR7200& record, const std::vector<TLogRecord>& log) {
    for (size_t k = 0; k < log.size(); ++k)
        log[k].Encode(record.Image.data() + 2048 + 16 * int(k));
    record.LogCount = int(log.size());
    record.LogStart = 0;
}

std::vector<qsizetype> RunSizes(const QList<QList<QPointF>>& runs) {
    std::vector<qsizetype> sizes;
    for (const auto& run : runs)
        sizes.push_back(run.size());
    return sizes;
}

} // namespace

TEST(LogPlot, LaneOfEveryCode) {
    using L = TLogLane;
    const std::map<int, L> lanes = {
        {1, L::Samples},   {2, L::Samples},     {3, L::Samples},      {4, L::Samples},
        {5, L::Bottles},   {6, L::Bottles},     {19, L::Bottles},     {21, L::Bottles},
        {9, L::Events},    {10, L::Events},     {11, L::Program},     {12, L::Program},
        {13, L::Program},  {14, L::Program},    {15, L::Program},     {16, L::Program},
        {17, L::Program},  {18, L::Program},    {23, L::Door},        {24, L::Door},
        {22, L::Power},    {7, L::Calibration}, {20, L::Calibration}, {25, L::Repaired},
        {26, L::Repaired}, {27, L::Repaired}};
    for (int code = 0; code < 256; ++code) {
        const auto lane = LogLaneOf(uint8_t(code));
        if (code == LogLogger)
            EXPECT_FALSE(lane);
        else
            EXPECT_EQ(lane, lanes.count(code) ? lanes.at(code) : L::Unknown) << code;
    }
}

TEST(LogPlot, GapsCountsAndRanges) {
    TFixedClock clock(Winter());
    TR7200 record;
    const uint32_t t0 = TR7200::ToConnectorTimestamp(Winter());
    TLogRecord noAux = Rec(LogLogger, t0 + 180, 700, 100);
    noAux.Aux = 0xFFFF;
    SetLog(record, {Rec(LogClear, t0), Rec(LogLogger, t0 + 60, 500, 250),
                    Rec(LogSample, t0 + 120, 1200, 100), noAux, Rec(LogCorrupted, 0xFFFFFFFF),
                    Rec(LogLogger, t0 + 300, 400, 300), Rec(28, 0, 400, 300)});
    const TLogPlotData plot = BuildLogPlot(record);
    EXPECT_EQ(plot.Marks[int(TLogLane::Program)].size(), 1u);
    ASSERT_EQ(plot.Marks[int(TLogLane::Samples)].size(), 1u);
    EXPECT_EQ(plot.Marks[int(TLogLane::Samples)][0].Record, 2);
    // A record without a time is marked where the log stood, but breaks every line.
    ASSERT_EQ(plot.Marks[int(TLogLane::Repaired)].size(), 1u);
    EXPECT_EQ(plot.Marks[int(TLogLane::Repaired)][0].Time, t0 + 180);
    EXPECT_EQ(plot.Marks[int(TLogLane::Unknown)][0].Time, t0 + 300);
    EXPECT_EQ(RunSizes(plot.Lines[LineVar]), (std::vector<qsizetype>{3, 1}));
    EXPECT_EQ(RunSizes(plot.Lines[LineAux]), (std::vector<qsizetype>{2, 1}));
    EXPECT_EQ(RunSizes(plot.Lines[LineBoxTemperature]), (std::vector<qsizetype>{3, 1}));
    EXPECT_EQ(plot.Lines[LineVar][0][1], QPointF(t0 + 120, 120.0)) << "raw above 1000";
    EXPECT_EQ(plot.Time, (TLogRange{t0 - 6.0, t0 + 306.0}));
    EXPECT_EQ(plot.Var, (TLogRange{0, 120}));
    EXPECT_EQ(plot.Aux, (TLogRange{0, 120}));
    EXPECT_EQ(plot.Temperature, (TLogRange{10, 30}));

    record.TemperatureUnits = 1;
    record.Analog1 = {4, 20, QStringLiteral("mA")};
    const TLogPlotData fahrenheit = BuildLogPlot(record);
    EXPECT_EQ(fahrenheit.Lines[LineSampleTemperature][0][0].y(), 77.0);
    EXPECT_EQ(fahrenheit.Temperature, (TLogRange{50, 90}));
    EXPECT_EQ(fahrenheit.Lines[LineVar][0][0].y(), 12.0);
    EXPECT_EQ(fahrenheit.Var, (TLogRange{4, 23.2}));
}

TEST(LogPlot, EmptyAndSingleRecordLogs) {
    TFixedClock clock(Winter());
    const double now = TR7200::ToConnectorTimestamp(Winter());
    TR7200 record; // a new log: one CLEAR record stamped now
    const TLogPlotData one = BuildLogPlot(record);
    EXPECT_EQ(one.Marks[int(TLogLane::Program)].size(), 1u);
    EXPECT_EQ(one.Time, (TLogRange{now - 1800, now + 1800}));
    record.LogCount = 0;
    const TLogPlotData none = BuildLogPlot(record);
    for (const auto& lane : none.Marks)
        EXPECT_TRUE(lane.empty());
    for (const auto& line : none.Lines)
        EXPECT_TRUE(line.isEmpty());
    EXPECT_EQ(none.Time, (TLogRange{now - 3600, now}));
    EXPECT_EQ(none.Var, (TLogRange{0, 100}));
    EXPECT_EQ(none.Temperature, (TLogRange{-40, 85}));

    SetLog(record, {Rec(LogLogger, uint32_t(now)), Rec(LogLogger, 0xFFFFFFF0u)}); // checksums hold
    const TLogPlotData garbage = BuildLogPlot(record);
    ASSERT_GT(garbage.Time.Max, 4294967296.0);
    const QList<TLogTimeTick> ticks = LogTimeTicks(garbage.Time.Min, garbage.Time.Max, 8);
    EXPECT_TRUE(!ticks.isEmpty() && ticks.last().Time <= 4294967295.0);
}

TEST(LogPlot, WrappedRingKeepsConnectorTimeOrder) {
    TR7200 record;
    // The write position in slot 500: the oldest record is in slot 501.
    const uint32_t t0 = TR7200::ToConnectorTimestamp(Moment(2024, 10, 26, 12));
    for (int k = 0; k < TR7200::LogSlots; ++k) {
        const int age = (k - 501 + TR7200::LogSlots) % TR7200::LogSlots;
        Rec(LogLogger, t0 + 1800u * uint32_t(age), 500, 100)
            .Encode(record.Image.data() + 2048 + 16 * k);
    }
    TLogRecord marker;
    marker.Time = TLogRecord::WriteMarker;
    marker.Encode(record.Image.data() + 2048 + 16 * 500);
    record.ScanLog();
    ASSERT_EQ(record.LogCount, 1919);
    const TLogPlotData plot = BuildLogPlot(record);
    ASSERT_EQ(RunSizes(plot.Lines[LineVar]), (std::vector<qsizetype>{1919}));
    // The log spans the autumn switch: local hours repeat, the points' times never go back.
    const QList<QPointF>& points = plot.Lines[LineVar][0];
    EXPECT_EQ(points.first().x(), t0);
    for (qsizetype i = 1; i < points.size(); ++i)
        ASSERT_EQ(points[i].x() - points[i - 1].x(), 1800) << i;
    const double night = TR7200::ToConnectorTimestamp(Moment(2024, 10, 27, 0, 30));
    const QList<TLogTimeTick> ticks = LogTimeTicks(night, night + 4 * 3600, 8);
    QStringList texts;
    for (const TLogTimeTick& tick : ticks)
        texts << tick.Text;
    EXPECT_EQ(texts.join(u'|'), "10/27/24 12:30 AM|1:00 AM|1:30 AM|2:00 AM|2:30 AM|2:00 AM|2:30 AM|"
                                "3:00 AM|3:30 AM");
}

TEST(LogText, CopyAndSummaryTexts) {
    TR7200 record;
    SetLog(record, {Rec(LogClear, 0), Rec(LogSample, 0, 500, 250)});
    EXPECT_EQ(LogCopyText(record, {}, {1}),
              "Row\tTime\tStatus\tBottle\tSample\tBox T\tVAR/FLOW\tEVENT/AUX\tExternal T\n"
              "\t\t\t\t\t \u00B0C\t%\t%\t \u00B0C\n"
              "2\t\tSAMPLE\t\t\t25.0\t50.0\t50.0\t25.0\n");
    EXPECT_EQ(LogRecordSummary(record, {}, 1), "Row: 2\nStatus: SAMPLE\nBox T: 25.0 \u00B0C\n"
                                               "VAR/FLOW: 50.0%\nEVENT/AUX: 50.0%\n"
                                               "External T: 25.0 \u00B0C");
}
