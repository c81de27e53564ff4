#pragma once

#include "LogPlot.h"

#include <QChartView>
#include <array>
#include <functional>

class QCategoryAxis;
class QScatterSeries;
class QValueAxis;
class QXYSeries;
struct TLogTitles;
struct TProgramBlock;

// The Log page's plot: VAR/FLOW, EVENT/AUX and the temperatures as lines over the Connector's
// time, and every record but LOGGER as a mark on the lane of its kind. The wheel and a drag
// zoom the time axis, a double click shows the whole log, a legend entry hides and shows its
// series.
class TLogChart : public QChartView {
    Q_OBJECT

public:
    explicit TLogChart(QWidget* parent = nullptr);

    // The text shown for a mark, by record index.
    std::function<QString(int)> Describe;

    void Show(const TR7200& record, const TLogTitles& titles);
    // Records of several reads in the scales and units of one program.
    void Show(const TProgramBlock& program, const QList<TLogRecord>& records,
              const TLogTitles& titles);
    void ShowWholeLog();
    // PNG, or SVG when the name ends in ".svg"; false when the file cannot be written.
    bool Save(const QString& path);

    const TLogPlotData& Data() const { return Plot; }
    QScatterSeries* Lane(TLogLane lane) const { return Lanes[int(lane)]; }
    QCategoryAxis* TimeAxis() const { return Time; }

signals:
    void RecordClicked(int record);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void Clear();
    void AddLine(TLogLine line, const QString& name, QValueAxis* axis, const QColor& color);
    void LabelTimeAxis();
    int RecordAt(TLogLane lane, const QPointF& point) const;
    void ShowRecord(TLogLane lane, const QPointF& point, bool show);
    void ToggleGroup(QXYSeries* first);

    TLogPlotData Plot;
    QCategoryAxis* Time = nullptr;
    QCategoryAxis* LaneAxis = nullptr;
    QValueAxis* VarAxis = nullptr;
    QValueAxis* AuxAxis = nullptr;
    QValueAxis* TemperatureAxis = nullptr;
    std::array<QScatterSeries*, LogLaneCount> Lanes{};
    // The runs of one line share a single legend entry: the first run's.
    QList<QList<QXYSeries*>> Groups;
    bool Labelling = false;
    int Hovered = -1; // the record whose mark is under the mouse
};
