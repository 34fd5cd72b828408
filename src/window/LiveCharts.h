#pragma once

class LiveChart;
class QChartView;

// Draws a chart of the window model in its chart view: the value axis follows the chart's
// range, decimals and unit, the line its points, and the view its enabled state.
void BindLiveChart(QChartView& view, LiveChart& chart);
