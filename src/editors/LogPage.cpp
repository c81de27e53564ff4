#include "LogPage.h"

#include "DocumentHost.h"
#include "LogText.h"
#include "MsgTemplate.h"
#include "PageTitle.h"
#include "PlotViews.h"
#include "R7200.h"
#include "ui_LogPage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace {
// The view chosen last, kept for the pages of later windows while the program runs.
bool PlotChosen = false;
} // namespace

TLogPage::TLogPage(QWidget* parent) : QWidget(parent), ui(new Ui::TLogPage) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    auto copy = new QAction(tr("&Copy"), ui->LogTable);
    copy->setObjectName(QStringLiteral("LogCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    ui->LogTable->addAction(copy);
    connect(copy, &QAction::triggered, this, &TLogPage::CopySelection);
    connect(ui->LogShowTable, &QToolButton::clicked, this, [this] { ShowPlot(false); });
    connect(ui->LogShowPlot, &QToolButton::clicked, this, [this] { ShowPlot(true); });
    ShowPlot(PlotChosen);
}

TLogPlotView* TLogPage::EnsurePlot() {
    if (Plot || PlotError) return Plot;
    Plot = PlotModule::NewLogPlot(ui->LogViews);
    if (!Plot) {
        PlotError = new QLabel(PlotModule::LoadError(), ui->LogViews);
        PlotError->setObjectName(QStringLiteral("LogPlotError"));
        PlotError->setAlignment(Qt::AlignCenter);
        PlotError->setWordWrap(true);
        ui->LogViews->addWidget(PlotError);
        return nullptr;
    }
    Plot->setObjectName(QStringLiteral("LogPlot"));
    ui->LogViews->addWidget(Plot);
    connect(Plot, &TLogPlotView::RecordClicked, ui->LogTable, &TLogTable::SelectRecord);
    Plot->Describe = [this](int i) {
        return Host ? LogRecordSummary(Host->Record(), Titles(), i) : QString();
    };
    if (Host) Plot->Show(Host->Record(), Titles());
    return Plot;
}

void TLogPage::showEvent(QShowEvent* event) {
    EnsurePlot();
    QWidget::showEvent(event);
}

TLogPage::~TLogPage() = default;

TLogTitles TLogPage::Titles() {
    return TranslatedLogTitles();
}

void TLogPage::Fill() {
    if (!Host) return;
    const TR7200& record = Host->Record();
    const TLogTitles titles = Titles();
    QList<QStringList> rows;
    rows.reserve(record.LogCount);
    for (int i = 0; i < record.LogCount; ++i)
        rows.append(LogTableRow(record, i));
    ui->LogTable->Fill(LogTableTitles(titles), LogTableUnits(record), rows);
    if (Plot) Plot->Show(record, titles);
}

void TLogPage::FocusTable() {
    if (PlotChosen && EnsurePlot())
        Plot->setFocus();
    else
        ui->LogTable->setFocus();
}

void TLogPage::ShowPlot(bool plot) {
    PlotChosen = plot;
    ui->LogShowPlot->setChecked(plot);
    ui->LogShowTable->setChecked(!plot);
    QWidget* view = ui->LogTable;
    if (plot) view = EnsurePlot() ? static_cast<QWidget*>(Plot) : PlotError;
    ui->LogViews->setCurrentWidget(view);
}

bool TLogPage::SavePlot(const QString& path) {
    return EnsurePlot() && Plot->Save(path);
}

QString TLogPage::PlotLoadError() const {
    return PlotError ? PlotError->text() : QString();
}

void TLogPage::CopySelection() {
    const QList<int> records = ui->LogTable->SelectedRecords();
    if (!Host || records.isEmpty()) return;
    QGuiApplication::clipboard()->setText(LogCopyText(Host->Record(), Titles(), records));
}
