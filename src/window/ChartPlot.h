#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QRgb>
#include <QString>

// The input axis of a live chart as it is drawn: its range, a labelled tick every `tickInterval`
// counted from `tickAnchor`, labels in `labelFormat` (printf style, "%.1f") and its title.
struct InputAxis {
    double minimum = 0.0;
    double maximum = 100.0;
    double tickAnchor = 0.0;
    double tickInterval = 10.0;
    QString labelFormat;
    QString title;
};

// A chart view of the charts module: the input over three minutes, as a line. The window sees
// it through this interface only, so Qt Charts stays out of the program until a chart is first
// shown. The view itself is a QWidget; qobject_cast from it to ChartPlot* works across the
// module's boundary.
class ChartPlot {
  public:
    virtual ~ChartPlot() = default;
    virtual void showInputAxis(const InputAxis& axis) = 0;
    virtual void showPoints(const QList<QPointF>& points) = 0;
    virtual void clearPoints() = 0;
    virtual void setBackground(QRgb colour) = 0;

  protected:
    ChartPlot() = default;
    ChartPlot(const ChartPlot&) = default;
    ChartPlot& operator=(const ChartPlot&) = default;
};

Q_DECLARE_INTERFACE(ChartPlot, "com.norvik.kvc7345.ChartPlot/1")

// The module's entry point: a new chart view in `parent` whose line series is called
// `seriesName`.
using CreateChartView = QWidget* (*)(QWidget* parent, const QString& seriesName);
inline constexpr char CreateChartViewFunction[] = "kvc7345_create_chart_view";
