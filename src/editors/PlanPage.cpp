#include "PlanPage.h"

#include "ConnectorCalendar.h"
#include "DocumentHost.h"
#include "PageTitle.h"
#include "R7200.h"
#include "ui_PlanPage.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

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

// Bottles as lanes and samples as marks on them; starts and the full distributor as lines
// across the lanes.
class TPlanTimeline : public QChartView {
public:
    explicit TPlanTimeline(QWidget* parent) : QChartView(parent) {
        auto chart = new QChart;
        chart->legend()->setAlignment(Qt::AlignBottom);
        Samples = new QScatterSeries;
        Samples->setName(TPlanPage::tr("Samples"));
        Samples->setMarkerSize(6);
        Starts = new QLineSeries;
        Starts->setName(TPlanPage::tr("Starts"));
        Full = new QLineSeries;
        Full->setName(TPlanPage::tr("Distributor full"));
        for (QAbstractSeries* s :
             {static_cast<QAbstractSeries*>(Samples), static_cast<QAbstractSeries*>(Starts),
              static_cast<QAbstractSeries*>(Full)})
            chart->addSeries(s);
        Time = new QDateTimeAxis;
        Time->setFormat(QStringLiteral("d MMM HH:mm"));
        Lanes = new QValueAxis;
        Lanes->setTitleText(TPlanPage::tr("Bottle"));
        Lanes->setLabelFormat(QStringLiteral("%.0f"));
        Lanes->setTickType(QValueAxis::TicksDynamic);
        Lanes->setTickAnchor(0);
        chart->addAxis(Time, Qt::AlignBottom);
        chart->addAxis(Lanes, Qt::AlignLeft);
        for (QAbstractSeries* s : chart->series()) {
            s->attachAxis(Time);
            s->attachAxis(Lanes);
        }
        setChart(chart);
        setRenderHint(QPainter::Antialiasing, false);
        setMinimumHeight(220);
    }

    void Show(const TPlan& plan) {
        int top = 1;
        QList<QPointF> samples, starts, full;
        samples.reserve(qsizetype(plan.Events.size()));
        // The PC's wall clock, as the axis shows it, converted once for each moment.
        std::vector<double> xs(plan.Events.size());
        for (size_t i = 0; i < xs.size(); ++i)
            xs[i] = i > 0 && plan.Events[i].Local == plan.Events[i - 1].Local
                        ? xs[i - 1]
                        : double(FromDateTime(plan.Events[i].Local).toMSecsSinceEpoch());
        auto x = [&](const TPlanEvent& e) { return xs[size_t(&e - plan.Events.data())]; };
        for (const TPlanEvent& e : plan.Events)
            if (e.Bottle > 0) top = std::max(top, e.Bottle + e.Bottles - 1);
        // One series draws every line: down the lanes and back along the floor.
        auto line = [&](QList<QPointF>& points, const TPlanEvent& e) {
            points << QPointF(x(e), 0) << QPointF(x(e), top + 1) << QPointF(x(e), 0);
        };
        // Marks closer than a pixel of a wide chart look as one: a dense week stays quick.
        const double pixel =
            plan.Events.empty() ? 0 : (x(plan.Events.back()) - x(plan.Events.front())) / 1500;
        std::vector<double> last(size_t(top) + 1, -1e300);
        for (const TPlanEvent& e : plan.Events) {
            if (e.Kind == TPlanKind::Sample)
                for (int b = e.Bottle; b < e.Bottle + e.Bottles; ++b) {
                    if (x(e) - last[size_t(b)] < pixel) continue;
                    last[size_t(b)] = x(e);
                    samples << QPointF(x(e), b);
                }
            else if (e.Kind == TPlanKind::Start)
                line(starts, e);
            else if (e.Kind == TPlanKind::Full)
                line(full, e);
        }
        Samples->replace(samples);
        Starts->replace(starts);
        Full->replace(full);
        if (!plan.Events.empty()) {
            Time->setRange(FromDateTime(LocalOfWindow(plan.WindowStart)),
                           FromDateTime(plan.Events.back().Local));
        }
        Lanes->setRange(0, top + 1);
        Lanes->setTickInterval(std::max(1, (top + 6) / 6));
    }

private:
    static TDateTime LocalOfWindow(int64_t connector) {
        return FromConnectorTimestamp(uint32_t(connector));
    }

    QScatterSeries* Samples;
    QLineSeries* Starts;
    QLineSeries* Full;
    QDateTimeAxis* Time;
    QValueAxis* Lanes;
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
    Timeline = new TPlanTimeline(ui->TimelineHolder);
    ui->TimelineLayout->addWidget(Timeline);
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
    Timeline->Show(Current);
}

bool TPlanPage::Export(const QString& path) const {
    return Host && SavePlanFile(Current, Host->Record(), path);
}
