#pragma once

#include "live/AxisTicks.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>

// A chart of the window model: one line of (time, value) points on a fixed time axis and a
// settable value range, whose values have the channel's decimals and unit. The window draws
// it; the live reading fills it.
class LiveChart : public QObject {
    Q_OBJECT

  public:
    explicit LiveChart(const QString& name, QObject* parent = nullptr);

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    void setRange(double minimum, double maximum);
    // Where the value axis puts its labelled ticks: round values inside the range.
    AxisTicks ticks() const { return RoundAxisTicks(minimum_, maximum_, decimals_); }

    // The places and unit ("°C", "" for none) of the channel's values.
    int decimals() const { return decimals_; }
    const QString& unit() const { return unit_; }
    void setValueFormat(int decimals, const QString& unit);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    const QList<QPointF>& points() const { return points_; }
    void addPoint(QPointF point);
    void clear();

  signals:
    void rangeChanged(double minimum, double maximum);
    void valueFormatChanged();
    void enabledChanged(bool enabled);
    void pointAdded(QPointF point);
    void cleared();

  private:
    double minimum_ = 0.0;
    double maximum_ = 100.0;
    int decimals_ = 0;
    QString unit_;
    bool enabled_ = true;
    QList<QPointF> points_;
};
