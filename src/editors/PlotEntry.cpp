// The plot module's entry points, found by name when the program loads the module.
#include "LogChart.h"
#include "PlanTimeline.h"

extern "C" {

Q_DECL_EXPORT TLogPlotView* LimnasetNewLogPlot(QWidget* parent) {
    return new TLogChart(parent);
}

Q_DECL_EXPORT TPlanPlotView* LimnasetNewPlanTimeline(QWidget* parent) {
    return NewPlanTimeline(parent);
}
}
