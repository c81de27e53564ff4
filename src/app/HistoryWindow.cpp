#include "HistoryWindow.h"

#include "Archive.h"
#include "ConnectorCalendar.h"
#include "LogPage.h"
#include "MessageBox.h"
#include "MsgTemplate.h"
#include "PlotViews.h"
#include "ui_HistoryWindow.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

THistoryWindow::THistoryWindow(THistory& history, QWidget* parent)
    : QDialog(parent), ui(new Ui::THistoryWindow), History(history) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(ui->HistoryConnector, &QComboBox::currentIndexChanged, this,
            &THistoryWindow::ShowChosen);
    connect(ui->HistoryExport, &QPushButton::clicked, this, &THistoryWindow::Export);
    connect(ui->HistoryButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Plot = PlotModule::NewLogPlot(ui->HistoryPlotPage);
    if (!Plot) {
        ui->HistoryPlotLayout->addWidget(new QLabel(PlotModule::LoadError(), ui->HistoryPlotPage));
        return;
    }
    Plot->setObjectName(QStringLiteral("HistoryPlot"));
    ui->HistoryPlotLayout->addWidget(Plot);
    connect(Plot, &TLogPlotView::RecordClicked, this, [this](int i) {
        ui->HistoryViews->setCurrentWidget(ui->HistoryTable);
        ui->HistoryTable->SelectRecord(i);
    });
}

THistoryWindow::~THistoryWindow() = default;

bool THistoryWindow::Execute() {
    Sites = History.Sites();
    if (!History.Error().isEmpty()) {
        TMessageBox::Show(tr("The history database cannot be used:\n%1").arg(History.Error()),
                          Msg(MsgError), TMessageBox::Ok, parentWidget());
        return false;
    }
    {
        const QSignalBlocker quiet(ui->HistoryConnector);
        ui->HistoryConnector->clear();
        for (const THistorySite& s : Sites) {
            QString text = TArchive::SerialText(s.SerialNumber);
            for (const QString& name : {s.Site, s.ConnectorName})
                if (!name.isEmpty()) text += QStringLiteral(" – ") + name;
            ui->HistoryConnector->addItem(text);
        }
    }
    ShowChosen();
    exec();
    return true;
}

void THistoryWindow::ShowChosen() {
    const int i = ui->HistoryConnector->currentIndex();
    Log = {};
    if (i >= 0 && i < Sites.size())
        if (auto log = History.Log(Sites[i].SerialNumber)) Log = std::move(*log);
    const TLogTitles titles = TLogPage::Titles();
    QList<QStringList> rows;
    rows.reserve(Log.Entries.size());
    for (int k = 0; k < Log.Entries.size(); ++k)
        rows.append(LogTableRow(*Log.Entries[k].Program, Log.Entries[k].Record, k + 1));
    ui->HistoryTable->Fill(LogTableTitles(titles), LogTableUnits(Log.Newest()), rows);
    if (Plot) {
        Plot->Describe = [this](int k) {
            if (k < 0 || k >= Log.Entries.size()) return QString();
            return LogRecordSummary(*Log.Entries[k].Program, Log.Entries[k].Record,
                                    TLogPage::Titles(), k + 1);
        };
        Plot->Show(Log.Newest(), Log.Records(), titles);
    }
    ui->HistoryExport->setEnabled(!Log.Entries.isEmpty());
}

bool THistoryWindow::ExportTo(const QString& path, TCsvEncoding encoding) const {
    return ExportLogCsv(Log.Newest(), Log.Entries, path, TLogPage::Titles(), encoding);
}

void THistoryWindow::Export() {
    // The file types of File, Export, in their words.
    const QStringList filters = {
        QCoreApplication::translate("TMainForm", "Export file (CSV) (*.csv)"),
        QCoreApplication::translate("TMainForm", "Export file (CSV, UTF-8) (*.csv)")};
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("TMainForm", "Export file"),
        TArchive::SerialText(Log.SerialNumber) + QStringLiteral(".csv"), filters.join(";;"),
        &filter);
    if (path.isEmpty()) return;
    if (!path.contains(u'.')) path += QStringLiteral(".csv");
    if (!ExportTo(path, filter == filters[1] ? TCsvEncoding::Utf8 : TCsvEncoding::CodePage))
        TMessageBox::Show(Msg(MsgFileError), Msg(MsgError), TMessageBox::Ok, this);
}

void TellHistoryTrouble(QWidget* parent) {
    bool failed = false;
    const QString trouble = HistoryTrouble(&failed);
    if (trouble.isEmpty()) return;
    TMessageBox::Show(!failed ? trouble
                              : QCoreApplication::translate(
                                    "THistoryWindow", "The history database cannot be used:\n%1")
                                    .arg(trouble),
                      Msg(MsgWarning), TMessageBox::Ok, parent);
}
