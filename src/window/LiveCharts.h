#pragma once

class LiveChart;
class QString;
class QWidget;

// A chart view from the charts module in `parent`, its line series called `seriesName`; where
// the module cannot be loaded, a label that says so in its place. Either way it has `name`.
QWidget* AddChartView(QWidget* parent, const QString& name, const QString& seriesName);

// Draws a chart of the window model in `view` when it is a chart view: the input axis follows
// the chart's range, decimals and unit, the line its points, and the view its enabled state.
// The view's background takes the window's button colour.
void BindLiveChart(QWidget& view, LiveChart& chart);
