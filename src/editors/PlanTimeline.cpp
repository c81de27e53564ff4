#include "PlanTimeline.h"

#include "ConnectorCalendar.h"
#include "Plan.h"
#include "PlanPage.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// Bottles as lanes and samples as marks on them; starts and the full distributor as lines
// across the lanes.
class TPlanTimeline : public TPlanPlotView {
public:
    explicit TPlanTimeline(QWidget* parent) : TPlanPlotView(parent), View(new QChartView(this)) {
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
        View->setChart(chart);
        View->setRenderHint(QPainter::Antialiasing, false);
        auto layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(View);
        setMinimumHeight(220);
    }

    void Show(const TPlan& plan) override {
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

    QChartView* View;
    QScatterSeries* Samples;
    QLineSeries* Starts;
    QLineSeries* Full;
    QDateTimeAxis* Time;
    QValueAxis* Lanes;
};

} // namespace

TPlanPlotView* NewPlanTimeline(QWidget* parent) {
    return new TPlanTimeline(parent);
}
