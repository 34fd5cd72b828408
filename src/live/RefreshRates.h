#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The refresh intervals the live values offer, in milliseconds, in the order of their lists.
inline constexpr std::array<int, 14> RefreshIntervalsMs{100, 200, 300,  400,  500,  600,  700,
                                                        800, 900, 1000, 2000, 3000, 4000, 5000};

// The interval of the list's entry `index`; nothing for an index outside the list.
inline std::optional<int> RefreshIntervalMs(int index) {
    if (index < 0 || index >= static_cast<int>(RefreshIntervalsMs.size())) {
        return std::nullopt;
    }
    return RefreshIntervalsMs[static_cast<std::size_t>(index)];
}

// The intervals as the refresh lists show them.
inline QStringList RefreshRateChoices() {
    QStringList rates;
    for (const int ms : RefreshIntervalsMs) {
        rates << QString::number(ms);
    }
    return rates;
}
