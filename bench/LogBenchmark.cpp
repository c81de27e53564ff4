// Fills the Log page's table and builds its plot for a full ring of 1920 records, the largest
// log a Connector holds, and prints the time of each (the best and the median of the runs).
// Each time includes the layout and painting that follow, so it is what a user waits for.
//
// Usage: LogBenchmark [runs]

#include "BenchTimes.h"
#include "LogChart.h"
#include "LogTable.h"
#include "LogText.h"
#include "R7200.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A sampler's week and a half: a LOGGER reading every 10 minutes, a sample every hour, a
// bottle change every day, now and then a door, an event or a reading without a sensor.
TR7200 FullRing() {
    TR7200 record;
    record.Analog1 = {0, 250, QStringLiteral("l/s")};
    record.Analog2 = {4, 20, QStringLiteral("mA")};
    uint32_t time = TR7200::ToConnectorTimestamp(
        QDateTime::currentDateTime().toSecsSinceEpoch() / 86400.0 + 25569.0 - 14);
    for (int k = 0; k < TR7200::LogSlots; ++k) {
        uint8_t code = LogLogger;
        if (k % 6 == 0) code = LogSample;
        if (k % 144 == 1) code = LogBottleNext;
        if (k % 97 == 5) code = LogOpen;
        if (k % 97 == 6) code = LogClosed;
        if (k % 233 == 9) code = LogEvent;
        TLogRecord r = TLogRecord::Empty(code);
        r.Time = time;
        time += 600;
        r.Bottle = uint8_t(k / 144 % 24 + 1);
        r.Sample = uint8_t(k / 6 % 24 + 1);
        r.Var = uint16_t(500 + 400 * ((k * 37) % 100) / 100);
        r.Aux = k % 301 == 0 ? TLogRecord::NoAnalog : uint16_t(200 + k % 50);
        r.SampleTemperature = int16_t(120 + k % 40);
        r.BoxTemperature = k % 413 == 0 ? TLogRecord::NoTemperature : int16_t(180 + k % 25);
        r.Encode(record.Image.data() + 2048 + 16 * k);
    }
    record.ScanLog();
    return record;
}

} // namespace

int main(int argc, char** argv) {
    OffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const TR7200 record = FullRing();
    std::printf("log of %d records, %d runs\n", record.LogCount, runs);

    TLogTable table;
    table.resize(780, 480);
    table.show();
    TLogChart chart;
    chart.resize(780, 480);
    chart.show();
    QApplication::processEvents();

    TTimes fill, plot;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        QList<QStringList> rows;
        for (int i = 0; i < record.LogCount; ++i)
            rows.append(LogTableRow(record, i));
        table.Fill(LogTableTitles({}), LogTableUnits(record), rows);
        table.repaint();
        fill.Ms.push_back(clock.nsecsElapsed() / 1e6);

        clock.restart();
        chart.Show(record, {});
        QApplication::processEvents();
        chart.repaint();
        plot.Ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    fill.Print("table: texts, items, widths, paint");
    plot.Print("plot: series, axes, paint");
    return 0;
}
