#include "catalogue/ValueFormat.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int MaxPatternDecimals = 4;

QString decimalSeparator() {
    return QLocale().decimalPoint();
}

// The shortest text that reads back as the same number, in C notation with the locale's
// decimal separator.
QString generalFormat(int value, int decimals) {
    const long double x = value / std::pow(10.0L, decimals);
    QString text = QString::number(static_cast<double>(x), 'g', QLocale::FloatingPointShortest);
    return text.replace(QLatin1Char('.'), decimalSeparator());
}

}  // namespace

QString FormatMyInt(int value, int decimals) {
    if (decimals < 0 || decimals > MaxPatternDecimals) {
        return generalFormat(value, decimals);
    }
    // A pattern shows exactly as many decimals as the value is scaled by, so nothing is ever
    // rounded away; splitting the integer gives the exact digits a binary division could miss.
    qint64 scale = 1;
    for (int d = 0; d < decimals; ++d) {
        scale *= 10;
    }
    const qint64 magnitude = std::llabs(static_cast<qint64>(value));
    QString text = QString::number(magnitude / scale);
    if (decimals > 0) {
        text += decimalSeparator() +
                QString::number(magnitude % scale).rightJustified(decimals, QLatin1Char('0'));
    }
    if (value < 0) {
        text.prepend(QLatin1Char('-'));
    }
    return text;
}

double FormatMyIntIntoExtended(int value, int decimals) {
    QString text = FormatMyInt(value, decimals);
    text.replace(decimalSeparator(), QStringLiteral("."));
    return text.toDouble();
}
