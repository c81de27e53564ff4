#include "CliReport.h"

#include "CliCommands.h"
#include "CliOutcome.h"
#include "Plan.h"
#include "PlanText.h"
#include "R7200.h"
#include "Report.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <cstring>

namespace {

int Usage(const QString& message) {
    std::fprintf(stderr, "limnaset-cli: %s\nTry 'limnaset-cli report --help'.\n",
                 message.toUtf8().constData());
    return int(TCliOutcome::Usage);
}

// The command of a line: the first word that is neither an option taking a value of the
// whole line nor that value.
QByteArray CommandOf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--port") == 0 || std::strcmp(a, "--codepage") == 0) {
            ++i;
            continue;
        }
        if (a[0] == '-') continue;
        return a;
    }
    return {};
}

} // namespace

QString ReportSynopsis() {
    return QStringLiteral("report FILE|--connector -o OUT.pdf [--log] [--plan-days N]");
}

QString ReportDescription() {
    return QStringLiteral(
        "Writes the printed report of FILE, or of the Connector read and archived as\n"
        "`read` does, as PDF: the Connector, the plan, every field, the changes against\n"
        "the newest archived read, with --log the event log and its plot, and a block\n"
        "for notes and signature.");
}

QList<QCommandLineOption> ReportOptions() {
    using O = QCommandLineOption;
    return {O(QStringList{QStringLiteral("o"), QStringLiteral("output")},
              QStringLiteral("the PDF file"), QStringLiteral("OUT.pdf")),
            O(QStringLiteral("log"), QStringLiteral("add the event log and its plot")),
            O(QStringLiteral("plan-days"),
              QStringLiteral("days the plan covers, 1..366 (default 7)"), QStringLiteral("N")),
            O(QStringLiteral("connector"),
              QStringLiteral("read the Connector in the adapter instead of FILE"))};
}

int RunReport(const QCommandLineParser& parser, const QStringList& files) {
    const bool connector = parser.isSet(QStringLiteral("connector"));
    if (files.size() != (connector ? 0 : 1))
        return Usage(QStringLiteral("usage: limnaset-cli ") + ReportSynopsis());
    if (!parser.isSet(QStringLiteral("output")))
        return Usage(QStringLiteral("report needs -o OUT.pdf"));
    TReportRequest request;
    request.Log = parser.isSet(QStringLiteral("log"));
    if (parser.isSet(QStringLiteral("plan-days"))) {
        bool number = false;
        request.PlanDays = parser.value(QStringLiteral("plan-days")).toInt(&number);
        if (!number) return Usage(QStringLiteral("--plan-days takes a whole number"));
        if (request.PlanDays < 1 || request.PlanDays > plan::MaxDays) {
            std::fprintf(stderr, "%s\n", PlanText::BadDays(request.PlanDays).toUtf8().constData());
            return Finish(TCliOutcome::OutOfRange);
        }
    }

    TR7200 record;
    QString archived;
    if (connector) {
        if (const int read = ReadAndArchive(record, &archived); read != 0) return read;
    } else {
        if (!record.LoadFromFile(files[0])) return Finish(OutcomeOfStatus(record.Status));
        request.Source = QFileInfo(files[0]).absoluteFilePath();
    }
    // The read just archived is this very image: the changes are against the one before.
    request.Baseline = NewestArchivedRead(TArchive(), record, archived);

    TReport report(record, request);
    const QByteArray pdf = report.Pdf();
    QSaveFile out(parser.value(QStringLiteral("output")));
    if (pdf.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size() ||
        !out.commit())
        return Finish(TCliOutcome::FileError);
    return 0;
}

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
    if (CommandOf(argc, argv) != "report") return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
