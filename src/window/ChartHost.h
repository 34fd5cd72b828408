#pragma once

#include <QString>
#include <QWidget>

class LiveChart;

// The place of a live chart on the Values page. The chart view itself comes from the charts
// module and is made the first time the place is shown: a run that never opens the Values page
// never loads the module and its libraries.
class ChartHost final : public QWidget {
    Q_OBJECT

  public:
    ChartHost(QWidget* parent, const QString& seriesName);

    // The window model's chart drawn here, from the moment the view exists.
    void bind(LiveChart& chart);
    // The view, made now if it was not yet: a chart view of the module, or, where the module
    // cannot be loaded, a label that says so.
    QWidget& view();

  private:
    QString seriesName_;
    LiveChart* chart_ = nullptr;
    QWidget* view_ = nullptr;
};
