#include "window/ChartHost.h"

#include "window/ChartPlot.h"
#include "window/FirstShow.h"
#include "window/LiveCharts.h"
#include "window/ProgramModules.h"

#include <QLabel>
#include <QVBoxLayout>

ChartHost::ChartHost(QWidget* parent, const QString& seriesName)
    : QWidget(parent), seriesName_(seriesName) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    widgets::WhenFirstShown(this, [this] { view(); });
}

void ChartHost::bind(LiveChart& chart) {
    chart_ = &chart;
    if (view_ != nullptr) {
        BindLiveChart(*view_, chart);
    }
}

QWidget& ChartHost::view() {
    if (view_ != nullptr) {
        return *view_;
    }
    QString why;
    const auto create = reinterpret_cast<CreateChartView>(
        ModuleEntryPoint(QStringLiteral("kvc7345charts"), CreateChartViewFunction, &why));
    if (create != nullptr) {
        view_ = create(this, seriesName_);
    } else {
        // The values themselves still show below the chart's place.
        auto* note = new QLabel(QStringLiteral("The chart cannot be drawn: ") + why, this);
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        view_ = note;
    }
    layout()->addWidget(view_);
    if (chart_ != nullptr) {
        BindLiveChart(*view_, *chart_);
    }
    return *view_;
}
