#include "window/LiveCharts.h"

#include "live/LiveChart.h"
#include "window/ChartPlot.h"

#include <QTimer>
#include <QWidget>

namespace {

// How often a chart takes in the points that came since it was last drawn.
constexpr int RedrawMs = 250;

// The input axis reads like an instrument's scale: the chart's range, labels on round values
// in the channel's decimals, and the unit in the title ("Input [°C]").
InputAxis inputAxisOf(const LiveChart& chart) {
    const AxisTicks ticks = chart.ticks();
    return {chart.minimum(),
            chart.maximum(),
            ticks.anchor,
            ticks.interval,
            QStringLiteral("%.") + QString::number(chart.decimals()) + QLatin1Char('f'),
            chart.unit().isEmpty() ? QStringLiteral("Input")
                                   : QStringLiteral("Input [") + chart.unit() + QLatin1Char(']')};
}

}  // namespace

void BindLiveChart(QWidget& view, LiveChart& chart) {
    auto* plot = qobject_cast<ChartPlot*>(&view);
    if (plot == nullptr) {
        return;
    }
    plot->setBackground(view.palette().color(QPalette::Button).rgb());
    plot->showInputAxis(inputAxisOf(chart));
    plot->showPoints(chart.points());
    view.setEnabled(chart.isEnabled());
    const auto follow = [plot, &chart] { plot->showInputAxis(inputAxisOf(chart)); };
    QObject::connect(&chart, &LiveChart::rangeChanged, &view, follow);
    QObject::connect(&chart, &LiveChart::valueFormatChanged, &view, follow);
    // Every change of a line series rebuilds its whole geometry, so the points of a fast
    // reading are handed over a few times a second rather than one by one.
    auto* redraw = new QTimer(&view);
    redraw->setSingleShot(true);
    redraw->setInterval(RedrawMs);
    QObject::connect(redraw, &QTimer::timeout, &view,
                     [plot, &chart] { plot->showPoints(chart.points()); });
    QObject::connect(&chart, &LiveChart::pointAdded, redraw, [redraw] {
        if (!redraw->isActive()) {
            redraw->start();
        }
    });
    QObject::connect(&chart, &LiveChart::cleared, &view, [plot, redraw] {
        redraw->stop();
        plot->clearPoints();
    });
    QObject::connect(&chart, &LiveChart::enabledChanged, &view,
                     [&view](bool enabled) { view.setEnabled(enabled); });
}
