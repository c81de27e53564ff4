#pragma once

#include "LogPlot.h"
#include "PlotViews.h"

#include <array>

class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QScatterSeries;
class QValueAxis;
class QXYSeries;
struct TLogTitles;
struct TProgramBlock;

// The Log page's plot, stacked as a logic analyser shows its channels: every record but
// LOGGER as a mark on the lane of its kind in a strip on top, VAR/FLOW, EVENT/AUX and the
// temperatures as lines below, both over one time axis of the Connector's time. The wheel
// and a drag zoom the time axis of both, a double click shows the whole log, a legend entry
// hides and shows its line. Part of the plot module.
class TLogChart : public TLogPlotView {
    Q_OBJECT

public:
    explicit TLogChart(QWidget* parent = nullptr);

    void Show(const TR7200& record, const TLogTitles& titles) override;
    void Show(const TProgramBlock& program, const QList<TLogRecord>& records,
              const TLogTitles& titles) override;
    void ShowWholeLog() override;
    bool Save(const QString& path) override;

    const TLogPlotData& Data() const { return Plot; }
    QScatterSeries* Lane(TLogLane lane) const { return Lanes[int(lane)]; }
    // The labelled time axis, under the lines.
    QCategoryAxis* TimeAxis() const { return Time; }
    QChart* LaneChart() const;
    QChart* LineChart() const;
    // The lane names as drawn, top to bottom.
    const std::array<QGraphicsSimpleTextItem*, LogLaneCount>& LaneNames() const {
        return LaneLabels;
    }

private:
    void Clear();
    void AddLine(TLogLine line, const QString& name, QValueAxis* axis, const QColor& color);
    void LabelTimeAxis();
    void FollowTime(QCategoryAxis* from);
    // Both plot areas between the same left and right edges, wide enough for the lane names.
    void AlignPlots();
    void Zoom(QChartView* view, const QPointF& at, bool in);
    void KeepLanes();
    int RecordAt(TLogLane lane, const QPointF& point) const;
    void ShowRecord(TLogLane lane, const QPointF& point, bool show);
    void ShowValue(QXYSeries* series, const QPointF& point, bool show);
    void ToggleGroup(QXYSeries* first);
    bool Tip(QEvent* event);

    QChartView* LaneView = nullptr;
    QChartView* LineView = nullptr;
    TLogPlotData Plot;
    QCategoryAxis* Time = nullptr;     // under the lines, labelled
    QCategoryAxis* LaneTime = nullptr; // of the lanes, following Time, grid lines only
    QCategoryAxis* LaneAxis = nullptr;
    QValueAxis* VarAxis = nullptr;
    QValueAxis* AuxAxis = nullptr;
    QValueAxis* TemperatureAxis = nullptr;
    std::array<QScatterSeries*, LogLaneCount> Lanes{};
    std::array<QGraphicsSimpleTextItem*, LogLaneCount> LaneLabels{};
    // The runs of one line share a single legend entry: the first run's.
    QList<QList<QXYSeries*>> Groups;
    bool Labelling = false;
    int Hovered = -1; // the record whose mark is under the mouse
    QString ValueTip; // the value of the line under the mouse
};
