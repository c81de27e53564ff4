#include "Archive.h"
#include "CliProcess.h"
#include "LogText.h"
#include "R7200.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

// A name and comment holding markup, the longest comment, and a full ring of records.
TR7200 FullRecord() {
    TR7200 r;
    r.SerialNumber = 0x00ABCDEF;
    r.ConnectorName = QStringLiteral("Weir <b>A</b> &amp; B");
    r.ConnectorComment = QString(434, u'x') + QStringLiteral(" END-NOTE");
    r.PrePurge = 237;
    for (int slot = 0; slot < TR7200::LogSlots; ++slot) {
        TLogRecord e = TLogRecord::Empty(slot % 2 ? 1 : 3);
        e.Time = TR7200::ToConnectorTimestamp(Moment(2027, 1, 11, 8, 0) + slot / 144.0);
        e.Encode(r.Image.data() + 2048 + 16 * slot);
    }
    r.ScanLog();
    return r;
}

struct TReportRun {
    TCliRun Run;
    QString Text; // of the PDF
};

TReportRun Report(const QTemporaryDir& dir, const QStringList& arguments) {
    QProcessEnvironment environment = CliEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QFile::remove(pdf);
    TReportRun r{RunCli(QStringList{"report"} + arguments + QStringList{"-o", pdf}, environment),
                 {}};
    if (r.Run.Exit == 0)
        r.Text =
            QString::fromUtf8(RunProgram(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).Out)
                .simplified();
    return r;
}

} // namespace

TEST(CliReport, PdfTextsReadBack) {
    const QTemporaryDir dir;
    TR7200 record = FullRecord();
    const QString file = dir.filePath(QStringLiteral("full.r72"));
    ASSERT_TRUE(record.SaveToFile(file));
    TLocaleGuard locale(QStringLiteral("en_US"));
    const QString firstDay = LogTableRow(record, 0)[1].section(u' ', 0, 2);
    const QString lastRow = QString::number(record.LogCount);

    // Before the archived read: its program differs in one field.
    TR7200 before = record;
    before.PrePurge = 10;
    before.Pack();
    const struct {
        const char* Name;
        QStringList Arguments;
        bool Archived;
        QStringList Shown;
        QStringList Absent;
    } cases[] = {
        {"program only",
         {file},
         false,
         {"Weir <b>A</b> &amp; B", "00ABCDEF", "Purging Before Sampling 237", "END-NOTE",
          "No earlier read", "Notes and signature", "Page 1 of"},
         {"Event log", firstDay}},
        {"with the log",
         {file, "--log"},
         false,
         {firstDay, "Row Time Status", lastRow + " ", "Log plot", "Samples"},
         {}},
        {"changes against the archive",
         {file},
         true,
         {"Purging Before Sampling 10 237"},
         {"No field differs", "No earlier read"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TArchive archive(dir.filePath(QStringLiteral("data/Limnaset/Limnaset/archive")));
        if (c.Archived) {
            ASSERT_FALSE(archive.Keep(before.Image).isEmpty());
        }
        const TReportRun r = Report(dir, c.Arguments);
        ASSERT_EQ(r.Run.Exit, 0) << r.Run.Err.toStdString();
        for (const QString& text : c.Shown)
            EXPECT_TRUE(r.Text.contains(text)) << text.toStdString();
        for (const QString& text : c.Absent)
            EXPECT_FALSE(r.Text.contains(text)) << text.toStdString();
    }
}

TEST(CliReport, RefusalsLeaveNoFile) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.r72"));
    ASSERT_TRUE(TR7200().SaveToFile(file));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const struct {
        QStringList Arguments;
        int Exit;
    } cases[] = {
        {{"report", file, "-o", dir.filePath(QStringLiteral("missing/x.pdf"))}, 12},
        {{"report", file, "-o", folder}, 12},
        {{"report", file, "-o", dir.filePath(QStringLiteral("x.pdf")), "--plan-days", "0"}, 15},
        {{"report", file}, 64},
        {{"report", "-o", dir.filePath(QStringLiteral("x.pdf"))}, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(u' ').toStdString());
        EXPECT_EQ(RunCli(c.Arguments).Exit, c.Exit);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"a.r72", "folder"}));
        EXPECT_TRUE(QDir(folder).isEmpty());
    }
}
