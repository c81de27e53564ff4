#include "LogChart.h"

#include "LogText.h"
#include "R7200.h"
#include "TextFormats.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>
#include <cmath>

namespace {

// Lane k is drawn at height LogLaneCount - 1 - k, so that the first lane is on top.
double LaneHeight(int lane) {
    return LogLaneCount - 1 - lane;
}

const char* const LaneNames[LogLaneCount] = {
    QT_TRANSLATE_NOOP("TLogChart", "Samples"),     QT_TRANSLATE_NOOP("TLogChart", "Bottles"),
    QT_TRANSLATE_NOOP("TLogChart", "Events"),      QT_TRANSLATE_NOOP("TLogChart", "Program"),
    QT_TRANSLATE_NOOP("TLogChart", "Door"),        QT_TRANSLATE_NOOP("TLogChart", "Power"),
    QT_TRANSLATE_NOOP("TLogChart", "Calibration"), QT_TRANSLATE_NOOP("TLogChart", "Repaired"),
    QT_TRANSLATE_NOOP("TLogChart", "Unknown")};

const QColor LaneColors[LogLaneCount] = {"#1f77b4", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b",
                                         "#d62728", "#17becf", "#7f7f7f", "#bcbd22"};

QString AxisTitle(const QString& title, const QString& units) {
    const QString unit = units.trimmed();
    return unit.isEmpty() ? title : title + QStringLiteral(" [") + unit + u']';
}

constexpr double MinimumSpan = 10; // seconds

} // namespace

TLogChart::TLogChart(QWidget* parent) : QChartView(parent) {
    chart()->legend()->setAlignment(Qt::AlignBottom);
    // Thirteen entries share one line at 800 pixels; a smaller font keeps their names whole.
    QFont small = chart()->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    chart()->legend()->setFont(small);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::HorizontalRubberBand);
}

void TLogChart::Clear() {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    Lanes = {};
    Groups.clear();
    Hovered = -1;
}

void TLogChart::Show(const TR7200& record, const TLogTitles& titles) {
    setUpdatesEnabled(false);
    Clear();
    Plot = BuildLogPlot(record);
    QChart* c = chart();

    Time = new QCategoryAxis;
    Time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    c->addAxis(Time, Qt::AlignBottom);
    LaneAxis = new QCategoryAxis;
    LaneAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    LaneAxis->setRange(-0.5, LogLaneCount - 0.5);
    for (int lane = LogLaneCount - 1; lane >= 0; --lane)
        LaneAxis->append(tr(LaneNames[lane]), LaneHeight(lane));
    c->addAxis(LaneAxis, Qt::AlignLeft);
    auto valueAxis = [c](const QString& title, const TLogRange& range) {
        auto axis = new QValueAxis;
        axis->setTitleText(title);
        axis->setRange(range.Min, range.Max);
        axis->applyNiceNumbers();
        c->addAxis(axis, Qt::AlignRight);
        return axis;
    };
    VarAxis = valueAxis(AxisTitle(titles.Var, record.Analog1.Units), Plot.Var);
    AuxAxis = valueAxis(AxisTitle(titles.Aux, record.Analog2.Units), Plot.Aux);
    TemperatureAxis = valueAxis(tr("Temperature") + QStringLiteral(" [") +
                                    TemperatureUnitText(record.TemperatureUnits).trimmed() + u']',
                                Plot.Temperature);

    AddLine(LineVar, titles.Var, VarAxis, QColor("#1f3fbf"));
    AddLine(LineAux, titles.Aux, AuxAxis, QColor("#e08000"));
    AddLine(LineBoxTemperature, titles.EnvironmentTemperature, TemperatureAxis, QColor("#208040"));
    AddLine(LineSampleTemperature, titles.SampleTemperature, TemperatureAxis, QColor("#c02020"));

    for (int lane = 0; lane < LogLaneCount; ++lane) {
        auto series = new QScatterSeries;
        series->setName(tr(LaneNames[lane]));
        series->setMarkerSize(9);
        series->setColor(LaneColors[lane]);
        series->setBorderColor(LaneColors[lane].darker());
        QList<QPointF> points;
        points.reserve(qsizetype(Plot.Marks[lane].size()));
        for (const TLogMark& mark : Plot.Marks[lane])
            points.append(QPointF(mark.Time, LaneHeight(lane)));
        series->replace(points);
        c->addSeries(series);
        series->attachAxis(Time);
        series->attachAxis(LaneAxis);
        const auto kind = TLogLane(lane);
        connect(series, &QXYSeries::hovered, this,
                [this, kind](const QPointF& p, bool state) { ShowRecord(kind, p, state); });
        connect(series, &QXYSeries::clicked, this, [this, kind](const QPointF& p) {
            ShowRecord(kind, p, true);
            if (const int i = RecordAt(kind, p); i >= 0) emit RecordClicked(i);
        });
        Lanes[lane] = series;
        Groups.append({series});
    }
    for (const QList<QXYSeries*>& group : Groups) {
        const auto markers = c->legend()->markers(group.first());
        for (QLegendMarker* marker : markers)
            connect(marker, &QLegendMarker::clicked, this,
                    [this, s = group.first()] { ToggleGroup(s); });
    }
    ShowWholeLog();
    connect(Time, &QValueAxis::rangeChanged, this, &TLogChart::LabelTimeAxis);
    setUpdatesEnabled(true);
}

void TLogChart::AddLine(TLogLine line, const QString& name, QValueAxis* axis, const QColor& color) {
    QList<QXYSeries*> group;
    const QList<QList<QPointF>>& runs = Plot.Lines[line];
    // An empty line still gets its legend entry.
    for (qsizetype r = 0; r < std::max<qsizetype>(runs.size(), 1); ++r) {
        auto series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(color, 1.5));
        if (r < runs.size()) {
            series->replace(runs[r]);
            // A run of one point has no line to show it.
            series->setPointsVisible(runs[r].size() == 1);
        }
        chart()->addSeries(series);
        series->attachAxis(Time);
        series->attachAxis(axis);
        if (r > 0)
            for (QLegendMarker* marker : chart()->legend()->markers(series))
                marker->setVisible(false);
        group.append(series);
    }
    Groups.append(group);
}

void TLogChart::ToggleGroup(QXYSeries* first) {
    for (const QList<QXYSeries*>& group : Groups) {
        if (group.first() != first) continue;
        const bool visible = !first->isVisible();
        for (QXYSeries* series : group)
            series->setVisible(visible);
        // Hiding a series hides its legend entry too; the entry stays, greyed, to show it again.
        for (QLegendMarker* marker : chart()->legend()->markers(first)) {
            marker->setVisible(true);
            QColor label = marker->labelBrush().color();
            label.setAlphaF(visible ? 1.0 : 0.4);
            marker->setLabelBrush(label);
        }
    }
}

void TLogChart::ShowWholeLog() {
    if (!Time) return;
    Time->setRange(Plot.Time.Min, Plot.Time.Max);
    LaneAxis->setRange(-0.5, LogLaneCount - 0.5);
    LabelTimeAxis();
}

void TLogChart::LabelTimeAxis() {
    if (!Time || Labelling) return;
    Labelling = true;
    for (const QString& label : Time->categoriesLabels())
        Time->remove(label);
    const int room = std::max(2, int(chart()->plotArea().width() / 130));
    QString previous;
    for (const TLogTimeTick& tick : LogTimeTicks(Time->min(), Time->max(), room)) {
        // Labels name the categories and must differ; local time repeats an hour in autumn.
        QString text = tick.Text;
        while (Time->categoriesLabels().contains(text))
            text += QChar(0x200B);
        Time->append(text, tick.Time);
    }
    Labelling = false;
}

int TLogChart::RecordAt(TLogLane lane, const QPointF& point) const {
    int best = -1;
    double distance = 0;
    for (const TLogMark& mark : Plot.Marks[int(lane)]) {
        const double d = std::fabs(mark.Time - point.x());
        if (best < 0 || d < distance) best = mark.Record, distance = d;
    }
    return best;
}

void TLogChart::ShowRecord(TLogLane lane, const QPointF& point, bool show) {
    const int i = RecordAt(lane, point);
    Hovered = show ? i : -1;
    if (Hovered >= 0 && Describe)
        QToolTip::showText(QCursor::pos(), Describe(Hovered), this);
    else
        QToolTip::hideText();
}

bool TLogChart::viewportEvent(QEvent* event) {
    // The scene would hide the mark's text again, having no tool tip of its own.
    if (event->type() == QEvent::ToolTip) {
        if (Hovered >= 0 && Describe)
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Describe(Hovered),
                               this);
        return true;
    }
    return QChartView::viewportEvent(event);
}

void TLogChart::wheelEvent(QWheelEvent* event) {
    if (!Time || event->angleDelta().y() == 0) return;
    const QPointF at = chart()->mapToValue(event->position(), Lanes[0]);
    const double factor = event->angleDelta().y() > 0 ? 0.8 : 1.25;
    const double whole = Plot.Time.Max - Plot.Time.Min;
    double from = at.x() - (at.x() - Time->min()) * factor;
    double to = at.x() + (Time->max() - at.x()) * factor;
    if (to - from < MinimumSpan) return;
    if (to - from >= whole) {
        ShowWholeLog();
    } else {
        Time->setRange(from, to);
    }
    event->accept();
}

void TLogChart::mouseDoubleClickEvent(QMouseEvent* event) {
    ShowWholeLog();
    event->accept();
}

void TLogChart::mouseReleaseEvent(QMouseEvent* event) {
    // The view would zoom every axis out on a right click; only the time axis zooms here.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
    // A drag zooms the time axis only; the lanes keep their places.
    if (LaneAxis) LaneAxis->setRange(-0.5, LogLaneCount - 0.5);
}

void TLogChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    LabelTimeAxis();
}

bool TLogChart::Save(const QString& path) {
    // A view never shown has no size of its own yet: the picture then gets a usual one.
    const QSize size = width() >= 400 && height() >= 300 ? this->size() : QSize(1024, 640);
    QChart* c = chart();
    const QSizeF old = c->size();
    c->resize(size);
    c->layout()->activate();
    LabelTimeAxis();
    // Drawn in memory, then saved as every file is: at once, links followed, errors seen.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = false;
    const QRectF area(QPointF(0, 0), size);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(size);
        svg.setViewBox(area);
        QPainter painter;
        drawn = painter.begin(&svg);
        if (drawn) {
            scene()->render(&painter, area, c->geometry());
            drawn = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            scene()->render(&painter, area, c->geometry());
        }
        drawn = image.save(&bytes, "PNG");
    }
    const bool saved = drawn && WriteWholeFile(path, bytes.data()) == TWholeFileWrite::Ok;
    c->resize(old);
    return saved;
}
