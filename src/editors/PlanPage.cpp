#include "PlanPage.h"

#include "ConnectorCalendar.h"
#include "DocumentHost.h"
#include "PageTitle.h"
#include "PlotViews.h"
#include "R7200.h"
#include "ui_PlanPage.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>

// The events as rows; the plan's own vector is read in place.
class TPlanTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetPlan(const TPlan* plan) {
        beginResetModel();
        Plan = plan;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || !Plan ? 0 : int(Plan->Events.size());
    }
    enum TColumn { LocalTime, ConnectorTime, Kind, Bottles, Sample, Columns };
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : Columns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !Plan) return {};
        const TPlanEvent& e = Plan->Events[size_t(index.row())];
        switch (index.column()) {
        case LocalTime:
            return PlanIsoText(e.Local).replace(u'T', u' ');
        case ConnectorTime:
            return PlanConnectorIsoText(e.Connector).replace(u'T', u' ');
        case Kind:
            return PlanKindText(e.Kind);
        case Bottles:
            if (e.Bottle == 0) return {};
            return e.Bottles > 1
                       ? QStringLiteral("%1-%2").arg(e.Bottle).arg(e.Bottle + e.Bottles - 1)
                       : QString::number(e.Bottle);
        default:
            return e.Sample > 0 ? QVariant(e.Sample) : QVariant();
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        const QString titles[Columns] = {TPlanPage::tr("Time"), TPlanPage::tr("Connector time"),
                                         TPlanPage::tr("Event"), TPlanPage::tr("Bottles"),
                                         TPlanPage::tr("Sample")};
        return section >= 0 && section < Columns ? titles[section] : QString();
    }

private:
    const TPlan* Plan = nullptr;
};

TPlanPage::TPlanPage(QWidget* parent) : QWidget(parent), ui(new Ui::TPlanPage) {
    ui->setupUi(this);
    MakePageTitle(ui->TitleLabel);
    Model = new TPlanTableModel(this);
    ui->EventTable->setModel(Model);
    ui->EventTable->verticalHeader()->setVisible(false);
    ui->EventTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ui->EventTable->horizontalHeader()->setStretchLastSection(true);
    const int time = fontMetrics().horizontalAdvance(QStringLiteral("2026-12-09 16:16:00")) + 16;
    ui->EventTable->setColumnWidth(0, time);
    ui->EventTable->setColumnWidth(1, time);
    int kind = 0;
    for (const TPlanKind k : {TPlanKind::Start, TPlanKind::Sample, TPlanKind::Bottle,
                              TPlanKind::Full, TPlanKind::End, TPlanKind::LogFull})
        kind = std::max(kind, fontMetrics().horizontalAdvance(PlanKindText(k)));
    ui->EventTable->setColumnWidth(2, kind + 16);
    Timeline = PlotModule::NewPlanTimeline(ui->TimelineHolder);
    if (Timeline)
        ui->TimelineLayout->addWidget(Timeline);
    else
        ui->TimelineLayout->addWidget(new QLabel(PlotModule::LoadError(), ui->TimelineHolder));
    ui->PlanSplitter->setStretchFactor(0, 3);
    ui->PlanSplitter->setStretchFactor(1, 2);
    QPalette warnings = ui->WarningsLabel->palette();
    warnings.setColor(QPalette::WindowText, QColor(0xA0, 0x20, 0x00));
    ui->WarningsLabel->setPalette(warnings);
}

TPlanPage::~TPlanPage() = default;

void TPlanPage::Refresh() {
    if (!Host) return;
    Model->SetPlan(nullptr);
    Current = MakePlan(Host->Record(), TPlanRequest{});
    if (Current.Refusal != TPlanRefusal::None) {
        ui->SummaryLabel->setText(Current.RefusalText);
        ui->WarningsLabel->clear();
    } else {
        ui->SummaryLabel->setText(Current.Summary.join(u' '));
        QStringList lines;
        for (const QString& w : Current.Warnings)
            lines << QStringLiteral("\u26A0 ") + w;
        ui->WarningsLabel->setText(lines.isEmpty() ? tr("No warnings.") : lines.join(u'\n'));
    }
    Model->SetPlan(&Current);
    if (Timeline) Timeline->Show(Current);
}

bool TPlanPage::Export(const QString& path) const {
    return Host && SavePlanFile(Current, Host->Record(), path);
}
