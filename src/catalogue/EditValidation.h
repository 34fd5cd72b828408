#pragma once

#include <QString>

#include <optional>

// A number typed into a parameter edit, scaled to the parameter's decimals: a point or a comma
// (at most one of them) marks the decimals whatever the locale, and digits beyond `decimals` are
// dropped (truncation toward zero, never rounding). Scaling works on the digits themselves, so
// 0.29 with two decimals is 29, not the 28 a binary floating-point product would give.
// Nothing when the text is not such a number (an empty text counts as 0).
std::optional<qint64> ParseTypedNumber(const QString& text, int decimals);

// The value of the limit `limit` (in shown units) at `decimals` decimals.
qint64 ScaledLimit(int limit, int decimals);
