#include "live/ChannelReading.h"

#include <algorithm>
#include <cmath>

void ChannelReading::start() {
    elapsedSeconds = 0.0;
    last = maximum = minimum = average = 0;
    sum = 0.0;
    count = 0;
    skipped = skippedInARow = 0;
    sessionSeconds = 0.0;
    samples.clear();
    clock_.start();
}

void ChannelReading::startClock() {
    clock_.start();
}

void ChannelReading::add(int value) {
    elapsedSeconds += intervalMs / 1000.0;
    sessionSeconds = static_cast<double>(clock_.elapsed()) / 1000.0;
    samples.append({sessionSeconds, value});
    last = value;
    if (count == 0) {
        maximum = minimum = value;
    } else {
        maximum = std::max(maximum, value);
        minimum = std::min(minimum, value);
    }
    sum += value;
    ++count;
    skippedInARow = 0;
    // Truncated towards zero, as the module's own figures are.
    average = static_cast<int>(std::trunc(sum / count));
}

bool ChannelReading::skip() {
    ++skipped;
    ++skippedInARow;
    return skippedInARow < MostSkippedInARow;
}

bool ChannelReading::wrapChart() {
    if (elapsedSeconds <= ChartSeconds) {
        return false;
    }
    elapsedSeconds = 0.0;
    return true;
}
