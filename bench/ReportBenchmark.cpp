// Builds the report of a Connector with a full event log (1920 records, with the plan, every
// field and the log plot) and writes it as PDF; then opens the print preview on the same
// report, which lays out and paints every page for the screen. Prints the time of each (the
// best and the median of the runs). Goals: the PDF under 2 s, the preview under 1 s.
//
// Usage: ReportBenchmark [runs]

#include "BenchTimes.h"
#include "R7200.h"
#include "Report.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

TR7200 FullLog() {
    TR7200 r;
    r.SerialNumber = 0x00ABCDEF;
    r.ConnectorName = QStringLiteral("Benchmark weir");
    r.ConnectorComment = QString(443, u'c');
    r.LoggerMode = 1;
    const uint32_t start =
        TR7200::ToConnectorTimestamp(ToDateTime(QDateTime(QDate(2027, 1, 11), QTime(8, 0))));
    for (int slot = 0; slot < TR7200::LogSlots; ++slot) {
        TLogRecord e = TLogRecord::Empty(uint8_t(1 + slot % 4));
        e.Time = start + 600u * uint32_t(slot);
        e.Bottle = uint8_t(1 + slot / 80 % 24);
        e.Sample = uint8_t(1 + slot % 3);
        e.Var = uint16_t(slot * 7 % 1000);
        e.Aux = uint16_t(slot * 13 % 1000);
        e.BoxTemperature = int16_t(150 + slot % 50);
        e.SampleTemperature = int16_t(100 + slot % 70);
        e.Encode(r.Image.data() + 2048 + 16 * slot);
    }
    r.ScanLog();
    return r;
}

} // namespace

int main(int argc, char** argv) {
    OffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const TR7200 record = FullLog();
    TReportRequest request;
    request.Log = true;
    std::printf("log records: %d\n", record.LogCount);

    TTimes build, pdf, preview;
    int pages = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        TReport report(record, request);
        build.Ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QByteArray bytes = report.Pdf();
        pdf.Ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (bytes.isEmpty()) return 1;

        TReport shown(record, request);
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog dialog(&printer);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&](QPrinter* target) { pages = shown.Paint(*target); });
        timer.restart();
        dialog.show(); // lays out and paints every page
        QCoreApplication::processEvents();
        preview.Ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        dialog.close();
    }
    std::printf("pages: %d\n", pages);
    build.Print("its document built");
    pdf.Print("report of a full log as PDF");
    preview.Print("print preview of it");
    return 0;
}
