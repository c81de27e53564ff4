#pragma once

#include "LogRecord.h"

#include <QList>
#include <QWidget>
#include <functional>

class TR7200;
struct TLogTitles;
struct TPlan;
struct TProgramBlock;

// The plots are drawn by the plot module, which the window loads when a plot is first shown:
// linked into the program, the chart library alone made every start a tenth slower. The
// module's own calls into this program are bound to the program that loads it.

// The log's plot on the Log page and in File, History.
class TLogPlotView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The text shown for a mark, by record index.
    std::function<QString(int)> Describe;

    virtual void Show(const TR7200& record, const TLogTitles& titles) = 0;
    // Records of several reads in the scales and units of one program.
    virtual void Show(const TProgramBlock& program, const QList<TLogRecord>& records,
                      const TLogTitles& titles) = 0;
    virtual void ShowWholeLog() = 0;
    // PNG, or SVG when the name ends in ".svg"; false when the file cannot be written.
    virtual bool Save(const QString& path) = 0;

signals:
    void RecordClicked(int record);
};

// The Plan page's timeline.
class TPlanPlotView : public QWidget {
public:
    using QWidget::QWidget;
    virtual void Show(const TPlan& plan) = 0;
};

namespace PlotModule {
// Null when the module cannot be loaded; LoadError() then tells why, in the toolkit's words.
TLogPlotView* NewLogPlot(QWidget* parent);
TPlanPlotView* NewPlanTimeline(QWidget* parent);
QString LoadError();
} // namespace PlotModule
