#pragma once

#include "live/ChannelReading.h"
#include "shell/FileWriting.h"

#include <QByteArray>
#include <QString>

// The readings of a session as CSV: "time_s,value,unit", then a line per reading with the
// seconds since START at which it arrived, and the value in the channel's decimals; a point is
// the decimal separator, whatever the locale.
QString LiveCsvHeader();
QString LiveCsvLine(double seconds, int value, int decimals, const QString& unit);
// The whole file: UTF-8, as `watch` prints the same lines and as spreadsheets read a CSV
// ("°C" is C2 B0), CR LF after every line.
QByteArray LiveCsvFile(const ChannelReading& reading, int decimals, const QString& unit);

// Writes the readings to `path` as that file, replacing any file of that name only when the
// whole of it went in.
FileWriteResult SaveLiveValues(const QString& path, const ChannelReading& reading, int decimals,
                               const QString& unit, DiskWriter& disk);
