#include "window/LiveCharts.h"

#include "live/LiveChart.h"

#include <QChartView>
#include <QLineSeries>
#include <QTimer>
#include <QValueAxis>

namespace {

// How often a chart takes in the points that came since it was last drawn.
constexpr int RedrawMs = 250;

// The value axis reads like an instrument's scale: the chart's range, labels on round values
// in the channel's decimals, and the unit in the title ("Input [°C]").
void showValueAxis(QValueAxis& axis, const LiveChart& chart) {
    axis.setRange(chart.minimum(), chart.maximum());
    const AxisTicks ticks = chart.ticks();
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(ticks.anchor);
    axis.setTickInterval(ticks.interval);
    axis.setLabelFormat(QStringLiteral("%.") + QString::number(chart.decimals()) +
                        QLatin1Char('f'));
    axis.setTitleText(chart.unit().isEmpty()
                          ? QStringLiteral("Input")
                          : QStringLiteral("Input [") + chart.unit() + QLatin1Char(']'));
}

}  // namespace

void BindLiveChart(QChartView& view, LiveChart& chart) {
    QChart* drawn = view.chart();
    auto* line =
        drawn->series().isEmpty() ? nullptr : qobject_cast<QLineSeries*>(drawn->series().first());
    const QList<QAbstractAxis*> valueAxes = drawn->axes(Qt::Vertical);
    auto* axis = valueAxes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(valueAxes.first());
    if (line == nullptr || axis == nullptr) {
        return;
    }
    showValueAxis(*axis, chart);
    line->replace(chart.points());
    view.setEnabled(chart.isEnabled());
    const auto follow = [axis, &chart] { showValueAxis(*axis, chart); };
    QObject::connect(&chart, &LiveChart::rangeChanged, axis, follow);
    QObject::connect(&chart, &LiveChart::valueFormatChanged, axis, follow);
    // Every change of a line series rebuilds its whole geometry, so the points of a fast
    // reading are handed over a few times a second rather than one by one.
    auto* redraw = new QTimer(line);
    redraw->setSingleShot(true);
    redraw->setInterval(RedrawMs);
    QObject::connect(redraw, &QTimer::timeout, line,
                     [line, &chart] { line->replace(chart.points()); });
    QObject::connect(&chart, &LiveChart::pointAdded, redraw, [redraw] {
        if (!redraw->isActive()) {
            redraw->start();
        }
    });
    QObject::connect(&chart, &LiveChart::cleared, line, [line, redraw] {
        redraw->stop();
        line->clear();
    });
    QObject::connect(&chart, &LiveChart::enabledChanged, &view,
                     [&view](bool enabled) { view.setEnabled(enabled); });
}
