#include "window/LiveCharts.h"

#include "live/LiveChart.h"

#include <QChartView>
#include <QLineSeries>
#include <QTimer>
#include <QValueAxis>

namespace {

// How often a chart takes in the points that came since it was last drawn.
constexpr int RedrawMs = 250;

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
    axis->setRange(chart.minimum(), chart.maximum());
    line->replace(chart.points());
    view.setEnabled(chart.isEnabled());
    QObject::connect(&chart, &LiveChart::rangeChanged, axis,
                     [axis](double minimum, double maximum) { axis->setRange(minimum, maximum); });
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
