#pragma once

#include "PlotViews.h"

class QWidget;

// The Plan page's timeline, made by the plot module.
TPlanPlotView* NewPlanTimeline(QWidget* parent);
