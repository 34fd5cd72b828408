#include "catalogue/EditValidation.h"

namespace {

// More digits than this cannot be a parameter value and would overflow the scaling.
constexpr int MaximumDigits = 12;

}  // namespace

std::optional<qint64> ParseTypedNumber(const QString& text, int decimals) {
    QString t = text.isEmpty() ? QStringLiteral("0") : text;
    // Leading blanks are allowed before the sign, nothing after the number.
    qsizetype pos = 0;
    while (pos < t.size() && t[pos] == QLatin1Char(' ')) {
        ++pos;
    }
    bool negative = false;
    if (pos < t.size() && (t[pos] == QLatin1Char('-') || t[pos] == QLatin1Char('+'))) {
        negative = t[pos] == QLatin1Char('-');
        ++pos;
    }
    QString whole;
    QString fraction;
    bool separatorSeen = false;
    for (; pos < t.size(); ++pos) {
        const QChar c = t[pos];
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (separatorSeen) {
                return std::nullopt;
            }
            separatorSeen = true;
        } else if (c.isDigit() && c.unicode() < 128) {
            (separatorSeen ? fraction : whole) += c;
        } else {
            return std::nullopt;
        }
    }
    if (whole.isEmpty() && fraction.isEmpty()) {
        return std::nullopt;
    }
    if (whole.size() + fraction.size() > MaximumDigits || decimals < 0 || decimals > 9) {
        return std::nullopt;
    }
    // The kept digits: the whole part, then exactly `decimals` digits of the fraction.
    const QString kept = whole + fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    const qint64 magnitude = kept.isEmpty() ? 0 : kept.toLongLong();
    return negative ? -magnitude : magnitude;
}

qint64 ScaledLimit(int limit, int decimals) {
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    return scale * limit;
}
