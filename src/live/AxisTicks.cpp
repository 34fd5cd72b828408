#include "live/AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// An interval of mantissa × 10^exponent, kept in those parts so that the tick values come out
// as the nearest doubles to the round numbers (0.2, not 0.20000000000000004).
struct Interval {
    int mantissa = 1;
    int exponent = 0;

    double value() const { return times(1.0); }
    // `steps` intervals.
    double times(double steps) const {
        const double scale = std::pow(10.0, std::abs(exponent));
        return exponent < 0 ? steps * mantissa / scale : steps * mantissa * scale;
    }
    Interval next() const {
        constexpr std::array<int, 3> Mantissas{1, 2, 5};
        const auto at = std::find(Mantissas.begin(), Mantissas.end(), mantissa);
        if (at == Mantissas.end() || at + 1 == Mantissas.end()) {
            return {1, exponent + 1};
        }
        return {*(at + 1), exponent};
    }
};

// `value` in intervals, taken as whole when it misses one only by rounding.
double stepsOf(double value, const Interval& interval, double (*round)(double)) {
    const double steps = value / interval.value();
    const double whole = std::round(steps);
    return std::abs(steps - whole) < 1e-9 ? whole : round(steps);
}

}  // namespace

AxisTicks RoundAxisTicks(double minimum, double maximum, int decimals) {
    const int places = std::clamp(decimals, 0, 9);
    Interval interval{1, -places};
    if (!std::isfinite(maximum - minimum) || !(maximum > minimum)) {
        return {minimum, interval.value()};
    }
    // Start near the answer: an interval of a tenth of the range or less leaves too many ticks.
    const int roughest = static_cast<int>(std::floor(std::log10((maximum - minimum) / 10.0)));
    interval.exponent = std::max(interval.exponent, roughest);
    for (;;) {
        const double first = stepsOf(minimum, interval, [](double s) { return std::ceil(s); });
        const double last = stepsOf(maximum, interval, [](double s) { return std::floor(s); });
        if (last - first + 1 <= MostAxisTicks) {
            return {interval.times(first) + 0.0, interval.value()};  // + 0.0: no "-0" anchor
        }
        interval = interval.next();
    }
}
