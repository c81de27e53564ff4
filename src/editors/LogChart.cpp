#include "LogChart.h"

#include "LogText.h"
#include "R7200.h"
#include "TextFormats.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWheelEvent>
#include <cmath>
#include <limits>

namespace {

// Lane k is drawn at height LogLaneCount - 1 - k, so that the first lane is on top.
double LaneHeight(int lane) {
    return LogLaneCount - 1 - lane;
}

const char* const LaneTitles[LogLaneCount] = {
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
constexpr int Margin = 4;
constexpr int NamePadding = 6;

// The lanes' strip: a line of text a lane.
int LaneStripHeight(const QFont& font) {
    return LogLaneCount * (QFontMetrics(font).height() + 4) + 2 * QFontMetrics(font).height();
}

// A chart view that leaves what its mouse does to the time axis to the plot.
class TTimeView : public QChartView {
public:
    std::function<void(const QPointF&, bool)> Wheel;
    std::function<void()> Whole, Released, Resized;
    std::function<bool(QEvent*)> Tip;

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (event->angleDelta().y() != 0) Wheel(event->position(), event->angleDelta().y() > 0);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        Whole();
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        // The view would zoom every axis out on a right click; only the time axis zooms here.
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        QChartView::mouseReleaseEvent(event);
        Released();
    }
    void resizeEvent(QResizeEvent* event) override {
        QChartView::resizeEvent(event);
        Resized();
    }
    bool viewportEvent(QEvent* event) override {
        // The scene would hide the mark's text again, having no tool tip of its own.
        if (event->type() == QEvent::ToolTip) return Tip(event);
        return QChartView::viewportEvent(event);
    }
};

TTimeView* MakeView(QWidget* parent) {
    auto view = new TTimeView;
    view->setParent(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::HorizontalRubberBand);
    view->setFrameShape(QFrame::NoFrame);
    return view;
}

} // namespace

TLogChart::TLogChart(QWidget* parent) : TLogPlotView(parent) {
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    TTimeView* views[2] = {MakeView(this), MakeView(this)};
    LaneView = views[0];
    LineView = views[1];
    LaneView->setFixedHeight(LaneStripHeight(LaneView->chart()->font()));
    layout->addWidget(LaneView);
    layout->addWidget(LineView, 1);
    for (TTimeView* view : views) {
        view->Wheel = [this, view](const QPointF& at, bool in) { Zoom(view, at, in); };
        view->Whole = [this] { ShowWholeLog(); };
        view->Released = [this] { KeepLanes(); };
        view->Resized = [this] { LabelTimeAxis(); };
        view->Tip = [this](QEvent* event) { return Tip(event); };
    }
}

QChart* TLogChart::LaneChart() const {
    return LaneView->chart();
}

QChart* TLogChart::LineChart() const {
    return LineView->chart();
}

void TLogChart::Clear() {
    // Fresh charts: a removed axis may leave its drawn labels behind in a reused one.
    for (QChartView* view : {LaneView, LineView}) {
        QChart* old = view->chart();
        auto chart = new QChart;
        chart->setMargins(QMargins(Margin, Margin, Margin, Margin));
        if (view == LaneView)
            chart->legend()->hide(); // the names stand beside the lanes
        else
            chart->legend()->setAlignment(Qt::AlignBottom);
        view->setChart(chart);
        delete old;
    }
    LaneLabels = {};
    Time = LaneTime = LaneAxis = nullptr;
    Lanes = {};
    Groups.clear();
    Hovered = -1;
    ValueTip.clear();
}

void TLogChart::Show(const TR7200& record, const TLogTitles& titles) {
    QList<TLogRecord> records;
    records.reserve(record.LogCount);
    for (int i = 0; i < record.LogCount; ++i)
        records.append(LogRecordOf(record, i));
    Show(record, records, titles);
}

void TLogChart::Show(const TProgramBlock& record, const QList<TLogRecord>& records,
                     const TLogTitles& titles) {
    setUpdatesEnabled(false);
    Clear();
    Plot = BuildLogPlot(record, records);
    QChart* lanes = LaneChart();
    QChart* lines = LineChart();

    for (QCategoryAxis** axis : {&Time, &LaneTime}) {
        *axis = new QCategoryAxis;
        (*axis)->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    }
    lines->addAxis(Time, Qt::AlignBottom);
    LaneTime->setLabelsVisible(false);
    lanes->addAxis(LaneTime, Qt::AlignBottom);
    LaneAxis = new QCategoryAxis;
    LaneAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    LaneAxis->setRange(-0.5, LogLaneCount - 0.5);
    for (int lane = LogLaneCount - 1; lane >= 0; --lane)
        LaneAxis->append(tr(LaneTitles[lane]), LaneHeight(lane));
    // The axis would cut a name to the height between two lanes: the names are drawn here.
    LaneAxis->setLabelsVisible(false);
    lanes->addAxis(LaneAxis, Qt::AlignLeft);
    for (int lane = 0; lane < LogLaneCount; ++lane) {
        LaneLabels[lane] = new QGraphicsSimpleTextItem(tr(LaneTitles[lane]), lanes);
        LaneLabels[lane]->setFont(LaneAxis->labelsFont());
        LaneLabels[lane]->setBrush(LaneAxis->labelsBrush());
    }
    auto valueAxis = [lines](const QString& title, const TLogRange& range, Qt::Alignment side) {
        auto axis = new QValueAxis;
        axis->setTitleText(title);
        axis->setRange(range.Min, range.Max);
        axis->applyNiceNumbers();
        lines->addAxis(axis, side);
        return axis;
    };
    VarAxis = valueAxis(AxisTitle(titles.Var, record.Analog1.Units), Plot.Var, Qt::AlignRight);
    AuxAxis = valueAxis(AxisTitle(titles.Aux, record.Analog2.Units), Plot.Aux, Qt::AlignRight);
    TemperatureAxis = valueAxis(tr("Temperature") + QStringLiteral(" [") +
                                    TemperatureUnitText(record.TemperatureUnits).trimmed() + u']',
                                Plot.Temperature, Qt::AlignLeft);

    AddLine(LineVar, titles.Var, VarAxis, QColor("#1f3fbf"));
    AddLine(LineAux, titles.Aux, AuxAxis, QColor("#e08000"));
    AddLine(LineBoxTemperature, titles.EnvironmentTemperature, TemperatureAxis, QColor("#208040"));
    AddLine(LineSampleTemperature, titles.SampleTemperature, TemperatureAxis, QColor("#c02020"));

    for (int lane = 0; lane < LogLaneCount; ++lane) {
        auto series = new QScatterSeries;
        series->setName(tr(LaneTitles[lane]));
        series->setMarkerSize(9);
        series->setColor(LaneColors[lane]);
        series->setBorderColor(LaneColors[lane].darker());
        QList<QPointF> points;
        points.reserve(qsizetype(Plot.Marks[lane].size()));
        for (const TLogMark& mark : Plot.Marks[lane])
            points.append(QPointF(mark.Time, LaneHeight(lane)));
        series->replace(points);
        lanes->addSeries(series);
        series->attachAxis(LaneTime);
        series->attachAxis(LaneAxis);
        const auto kind = TLogLane(lane);
        connect(series, &QXYSeries::hovered, this,
                [this, kind](const QPointF& p, bool state) { ShowRecord(kind, p, state); });
        connect(series, &QXYSeries::clicked, this, [this, kind](const QPointF& p) {
            ShowRecord(kind, p, true);
            if (const int i = RecordAt(kind, p); i >= 0) emit RecordClicked(i);
        });
        Lanes[lane] = series;
    }
    for (const QList<QXYSeries*>& group : Groups) {
        const auto markers = lines->legend()->markers(group.first());
        for (QLegendMarker* marker : markers)
            connect(marker, &QLegendMarker::clicked, this,
                    [this, s = group.first()] { ToggleGroup(s); });
    }
    ShowWholeLog();
    connect(Time, &QValueAxis::rangeChanged, this, [this] { FollowTime(Time); });
    connect(LaneTime, &QValueAxis::rangeChanged, this, [this] { FollowTime(LaneTime); });
    LabelTimeAxis();
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
        LineChart()->addSeries(series);
        series->attachAxis(Time);
        series->attachAxis(axis);
        if (r > 0)
            for (QLegendMarker* marker : LineChart()->legend()->markers(series))
                marker->setVisible(false);
        connect(series, &QXYSeries::hovered, this,
                [this, series](const QPointF& p, bool state) { ShowValue(series, p, state); });
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
        for (QLegendMarker* marker : LineChart()->legend()->markers(first)) {
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
    KeepLanes();
    LabelTimeAxis();
}

void TLogChart::KeepLanes() {
    // A drag zooms the time axis only; the lanes keep their places.
    if (LaneAxis) LaneAxis->setRange(-0.5, LogLaneCount - 0.5);
}

void TLogChart::FollowTime(QCategoryAxis* from) {
    if (Labelling) return;
    QCategoryAxis* to = from == Time ? LaneTime : Time;
    if (to->min() != from->min() || to->max() != from->max())
        to->setRange(from->min(), from->max());
    LabelTimeAxis();
}

void TLogChart::AlignPlots() {
    if (!LaneAxis) return;
    // Margins, not fixed plot areas: a chart with a fixed plot area cuts its axis labels.
    QChart* lanes = LaneChart();
    QChart* lines = LineChart();
    // The names stand left of the lanes in a margin as wide as the longest one.
    int names = 0;
    for (const QGraphicsSimpleTextItem* label : LaneLabels)
        names = std::max(names, int(std::ceil(label->boundingRect().width())));
    const int nameRoom = names + 2 * NamePadding;
    lanes->setMargins(QMargins(Margin + nameRoom, Margin, Margin, Margin));
    lines->setMargins(QMargins(Margin, Margin, Margin, Margin));
    for (QChart* c : {lanes, lines})
        c->layout()->activate();
    // Twice: moving a chart's edges may change what its axes take.
    QMargins extra[2];
    for (int pass = 0; pass < 2; ++pass) {
        const QRectF top = lanes->plotArea(), bottom = lines->plotArea();
        const qreal left = std::max(top.left(), bottom.left());
        const qreal right = std::min(top.right(), bottom.right());
        const QRectF areas[2] = {top, bottom};
        QChart* charts[2] = {lanes, lines};
        for (int k = 0; k < 2; ++k) {
            extra[k] += QMargins(int(std::lround(left - areas[k].left())), 0,
                                 int(std::lround(areas[k].right() - right)), 0);
            charts[k]->setMargins(
                QMargins(Margin + (k == 0 ? nameRoom : 0), Margin, Margin, Margin) + extra[k]);
            charts[k]->layout()->activate();
        }
    }
    const QRectF plot = lanes->plotArea();
    for (int lane = 0; lane < LogLaneCount; ++lane) {
        QGraphicsSimpleTextItem* label = LaneLabels[lane];
        const QRectF box = label->boundingRect();
        const qreal y =
            plot.top() + plot.height() * (LogLaneCount - 0.5 - LaneHeight(lane)) / LogLaneCount;
        label->setPos(plot.left() - NamePadding - box.width(), y - box.height() / 2);
    }
}

void TLogChart::LabelTimeAxis() {
    if (!Time || Labelling) return;
    Labelling = true;
    const int room = std::max(2, int(LineChart()->plotArea().width() / 130));
    const QList<TLogTimeTick> ticks = LogTimeTicks(Time->min(), Time->max(), room);
    for (QCategoryAxis* axis : {Time, LaneTime}) {
        for (const QString& label : axis->categoriesLabels())
            axis->remove(label);
        for (const TLogTimeTick& tick : ticks) {
            // Labels name the categories and must differ; local time repeats an hour in autumn.
            QString text = tick.Text;
            while (axis->categoriesLabels().contains(text))
                text += QChar(0x200B);
            axis->append(text, tick.Time);
        }
    }
    Labelling = false;
    // New labels may widen an axis: the plots are aligned again.
    AlignPlots();
}

void TLogChart::Zoom(QChartView* view, const QPointF& position, bool in) {
    if (!Time) return;
    QAbstractSeries* series =
        view == LaneView ? static_cast<QAbstractSeries*>(Lanes[0]) : Groups.first().first();
    const QPointF at = view->chart()->mapToValue(position, series);
    const double factor = in ? 0.8 : 1.25;
    const double whole = Plot.Time.Max - Plot.Time.Min;
    const double from = at.x() - (at.x() - Time->min()) * factor;
    const double to = at.x() + (Time->max() - at.x()) * factor;
    if (to - from < MinimumSpan) return;
    if (to - from >= whole)
        ShowWholeLog();
    else
        Time->setRange(from, to);
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

void TLogChart::ShowValue(QXYSeries* series, const QPointF& point, bool show) {
    ValueTip.clear();
    if (show) {
        const double time =
            std::clamp(point.x(), 0.0, double(std::numeric_limits<uint32_t>::max()));
        ValueTip = series->name() + QStringLiteral(": ") + QLocale().toString(point.y(), 'g', 4) +
                   u'\n' + LogTimeText(uint32_t(time));
        QToolTip::showText(QCursor::pos(), ValueTip, this);
    } else {
        QToolTip::hideText();
    }
}

bool TLogChart::Tip(QEvent* event) {
    const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
    if (Hovered >= 0 && Describe)
        QToolTip::showText(at, Describe(Hovered), this);
    else if (!ValueTip.isEmpty())
        QToolTip::showText(at, ValueTip, this);
    return true;
}

bool TLogChart::Save(const QString& path) {
    // A plot never shown has no size of its own yet: the picture then gets a usual one.
    const QSize size = width() >= 400 && height() >= 300 ? this->size() : QSize(1024, 640);
    const int laneHeight = LaneView->height();
    QChart* lanes = LaneChart();
    QChart* lines = LineChart();
    const QSizeF oldLanes = lanes->size(), oldLines = lines->size();
    lanes->resize(QSizeF(size.width(), laneHeight));
    lines->resize(QSizeF(size.width(), size.height() - laneHeight));
    LabelTimeAxis();
    auto render = [&](QPainter& painter) {
        LaneView->scene()->render(&painter, QRectF(0, 0, size.width(), laneHeight),
                                  lanes->geometry());
        LineView->scene()->render(&painter,
                                  QRectF(0, laneHeight, size.width(), size.height() - laneHeight),
                                  lines->geometry());
    };
    // Drawn in memory, then saved as every file is: at once, links followed, errors seen.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setSize(size);
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        QPainter painter;
        drawn = painter.begin(&svg);
        if (drawn) {
            render(painter);
            drawn = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            render(painter);
        }
        drawn = image.save(&bytes, "PNG");
    }
    const bool saved = drawn && WriteWholeFile(path, bytes.data()) == TWholeFileWrite::Ok;
    lanes->resize(oldLanes);
    lines->resize(oldLines);
    LabelTimeAxis();
    return saved;
}
