// The charts module's one entry point, which the window resolves by name after loading it.

#include "charts/LiveChartView.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT QWidget* kvc7345_create_chart_view(QWidget* parent,
                                                            const QString& seriesName) {
    return new LiveChartView(parent, seriesName);
}

static_assert(std::is_same_v<decltype(&kvc7345_create_chart_view), CreateChartView>,
              "the entry point the window resolves");
