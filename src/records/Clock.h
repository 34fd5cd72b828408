#pragma once

#include <QDateTime>
#include <QString>

// The clock time as "hh:mm:ss" (two digits each): the log lines, the status-bar clock and the
// TIME of configuration files all use it.
QString PrintTime(const QTime& time = QTime::currentTime());

// Today's date in the locale's short date format: the DATE of files, the information strip, the
// system log's separator.
QString Today();

// "yyyymmdd_hhnnss": names log copies and proposed configuration files.
QString TimeStamp(const QDateTime& moment = QDateTime::currentDateTime());
