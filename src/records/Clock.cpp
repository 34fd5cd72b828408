#include "records/Clock.h"

QString PrintTime(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString TimeStamp(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}
