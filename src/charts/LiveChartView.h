#pragma once

#include "window/ChartPlot.h"

#include <QChartView>

class QLineSeries;
class QValueAxis;

// A live chart drawn with Qt Charts: time in seconds along the bottom, the input up the side.
class LiveChartView final : public QChartView, public ChartPlot {
    Q_OBJECT
    Q_INTERFACES(ChartPlot)

  public:
    LiveChartView(QWidget* parent, const QString& seriesName);

    void showInputAxis(const InputAxis& axis) override;
    void showPoints(const QList<QPointF>& points) override;
    void clearPoints() override;
    void setBackground(QRgb colour) override;

  private:
    QLineSeries* line_;
    QValueAxis* input_;
};
