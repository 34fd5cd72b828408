#include "live/LiveChart.h"

LiveChart::LiveChart(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

void LiveChart::setRange(double minimum, double maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    emit rangeChanged(minimum, maximum);
}

void LiveChart::setValueFormat(int decimals, const QString& unit) {
    if (decimals_ != decimals || unit_ != unit) {
        decimals_ = decimals;
        unit_ = unit;
        emit valueFormatChanged();
    }
}

void LiveChart::setEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        emit enabledChanged(enabled);
    }
}

void LiveChart::addPoint(QPointF point) {
    points_.append(point);
    emit pointAdded(point);
}

void LiveChart::clear() {
    points_.clear();
    emit cleared();
}
