#pragma once

#include <QString>

// The status label of a channel's page; the two are spelt differently in the window.
inline QString LiveStatusLabel(int channel) {
    return channel == 1 ? QStringLiteral("Lstatus1_dx") : QStringLiteral("LStatus2_dx");
}
