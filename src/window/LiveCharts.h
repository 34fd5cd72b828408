#pragma once

class LiveChart;
class QWidget;

// Draws a chart of the window model in `view` when it is a chart view: the input axis follows
// the chart's range, decimals and unit, the line its points, and the view its enabled state.
// The view's background takes the window's button colour.
void BindLiveChart(QWidget& view, LiveChart& chart);
