// The report of the open document: printed, previewed or saved as PDF, one builder for all.
#include "MainForm.h"

#include "MessageBox.h"
#include "MsgTemplate.h"
#include "R7200.h"
#include "Report.h"
#include "Workplace.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <memory>

namespace {

std::unique_ptr<TReport> MakeReport(const TWorkplace& workplace) {
    const TR7200& record = workplace.Document();
    TReportRequest request;
    request.Source = workplace.FileName();
    request.Log = true;
    request.Baseline = NewestArchivedRead(workplace.Archive(), record);
    return std::make_unique<TReport>(record, request);
}

void PreparePrinter(QPrinter& printer) {
    printer.setPageSize(QPageSize(ReportPageSize()));
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
}

} // namespace

void TMainForm::FilePrintExecute() {
    if (!StorePages()) return;
    const std::unique_ptr<TReport> report = MakeReport(*Workplace);
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (report->Paint(printer) == 0)
        TMessageBox::Show(Msg(MsgFileError), Msg(MsgError), TMessageBox::Ok, this);
}

void TMainForm::FilePrintPreviewExecute() {
    if (!StorePages()) return;
    const std::unique_ptr<TReport> report = MakeReport(*Workplace);
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&report](QPrinter* target) { report->Paint(*target); });
    preview.resize(900, 1000);
    preview.exec();
}

void TMainForm::FileExportPdfExecute() {
    if (!StorePages()) return;
    QString folder;
    if (!Workplace->FileName().isEmpty()) folder = QFileInfo(Workplace->FileName()).absolutePath();
    const QString proposed = QFileInfo(Workplace->FileName()).completeBaseName();
    const QString name =
        (proposed.isEmpty() ? Msg(MsgExportFile) : proposed) + QStringLiteral(".pdf");
    const QString path = FileExportPdfDialog
                             ? FileExportPdfDialog(folder, name)
                             : QFileDialog::getSaveFileName(this, tr("Export PDF"),
                                                            QFileInfo(folder, name).filePath(),
                                                            tr("PDF document (*.pdf)"), nullptr,
                                                            QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty() || !AskOverwrite(path)) return;
    const QByteArray pdf = MakeReport(*Workplace)->Pdf();
    QSaveFile out(path);
    if (pdf.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size() ||
        !out.commit())
        TMessageBox::Show(Msg(MsgFileError), Msg(MsgError), TMessageBox::Ok, this);
}
