#include "AppTestSupport.h"

#include "R7200.h"

#include <QFile>
#include <QProcess>

namespace {

class ReportTest : public TFormFixture {};

QString PdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

// Export PDF writes the open document's report, with the change against the archived read.
TEST_F(ReportTest, ExportPdfOfTheOpenDocument) {
    Open();
    TR7200 before;
    before.SerialNumber = 0x00C0FFEE;
    before.PrePurge = 10;
    before.Pack();
    ASSERT_FALSE(TArchive(ArchiveFolder()).Keep(before.Image).isEmpty());
    TR7200 r = before;
    r.ConnectorName = QStringLiteral("<i>Weir</i> &lt;3");
    r.PrePurge = 237;
    const QString path = FilePath(QStringLiteral("site.r72"));
    ASSERT_TRUE(r.SaveToFile(path));
    Form->FileOpenDialog = [path](const QString&, const QString&) { return path; };
    Act("FileOpen")->trigger();

    const QString pdf = FilePath(QStringLiteral("site.pdf"));
    Form->FileExportPdfDialog = [pdf](const QString&, const QString& proposed) {
        EXPECT_EQ(proposed, QStringLiteral("site.pdf"));
        return pdf;
    };
    Act("FileExportPdf")->trigger();
    const QString text = PdfText(pdf);
    for (const char* shown : {"<i>Weir</i> &lt;3", "00C0FFEE", "Purging Before Sampling 10 237",
                              "Event log", "Page 1 of"})
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown;
}
