#pragma once

// Where the labelled ticks of a chart's value axis go: every `interval` from `anchor`, the
// lowest multiple of the interval inside the range.
struct AxisTicks {
    double anchor = 0.0;
    double interval = 1.0;

    friend bool operator==(const AxisTicks&, const AxisTicks&) = default;
};

// At most this many ticks on a value axis; a round interval then leaves four or more.
inline constexpr int MostAxisTicks = 8;

// Round ticks for the range `minimum` to `maximum` of values shown with `decimals` places: the
// smallest interval of 1, 2 or 5 times a power of ten that puts at most MostAxisTicks ticks in
// the range, and never finer than the last shown place, so no two labels read alike.
AxisTicks RoundAxisTicks(double minimum, double maximum, int decimals);
