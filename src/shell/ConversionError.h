#pragma once

#include <QString>

// The standard message shown when a text that should hold a number does not, after which the
// running operation ends.
inline QString InvalidIntegerText(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
