#include "live/LiveCsv.h"

#include <cstdlib>

namespace {

// The value in register units with `decimals` places, "-1.5" for -15 at one decimal.
QString decimalText(int value, int decimals) {
    QString digits = QString::number(std::abs(static_cast<long long>(value)));
    if (decimals > 0) {
        digits = digits.rightJustified(decimals + 1, QLatin1Char('0'));
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

}  // namespace

QString LiveCsvHeader() {
    return QStringLiteral("time_s,value,unit");
}

QString LiveCsvLine(double seconds, int value, int decimals, const QString& unit) {
    return QString::number(seconds, 'f', 3) + QLatin1Char(',') + decimalText(value, decimals) +
           QLatin1Char(',') + unit;
}

QByteArray LiveCsvFile(const ChannelReading& reading, int decimals, const QString& unit) {
    QByteArray text = LiveCsvHeader().toUtf8() + "\r\n";
    for (const auto& [seconds, value] : reading.samples) {
        text += LiveCsvLine(seconds, value, decimals, unit).toUtf8() + "\r\n";
    }
    return text;
}

FileWriteResult SaveLiveValues(const QString& path, const ChannelReading& reading, int decimals,
                               const QString& unit, DiskWriter& disk) {
    return ReplaceFile(path, LiveCsvFile(reading, decimals, unit), disk);
}
