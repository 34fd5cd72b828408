#include "window/LiveCharts.h"

#include "live/LiveChart.h"

#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

void BindLiveChart(QChartView& view, LiveChart& chart) {
    QChart* drawn = view.chart();
    auto* line =
        drawn->series().isEmpty() ? nullptr : qobject_cast<QLineSeries*>(drawn->series().first());
    const QList<QAbstractAxis*> valueAxes = drawn->axes(Qt::Vertical);
    auto* axis = valueAxes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(valueAxes.first());
    if (line == nullptr || axis == nullptr) {
        return;
    }
    axis->setRange(chart.minimum(), chart.maximum());
    line->replace(chart.points());
    view.setEnabled(chart.isEnabled());
    QObject::connect(&chart, &LiveChart::rangeChanged, axis,
                     [axis](double minimum, double maximum) { axis->setRange(minimum, maximum); });
    QObject::connect(&chart, &LiveChart::pointAdded, line,
                     [line](QPointF point) { line->append(point); });
    QObject::connect(&chart, &LiveChart::cleared, line, [line] { line->clear(); });
    QObject::connect(&chart, &LiveChart::enabledChanged, &view,
                     [&view](bool enabled) { view.setEnabled(enabled); });
}
