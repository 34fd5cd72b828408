#include "records/Clock.h"

#include <QLocale>

QString PrintTime(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString Today() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString TimeStamp(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyyMMdd_HHmmss"));
}
