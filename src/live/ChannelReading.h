#pragma once

#include <QList>

#include <optional>
#include <utility>

// One channel's reading session: where the next chart point goes, and the maximum, minimum and
// average of the readings so far, in register units.
struct ChannelReading {
    // The chart's time axis runs from 0 to this many seconds; then the trace starts again.
    static constexpr double ChartSeconds = 180.0;

    double elapsedSeconds = 0.0;
    double intervalMs = 200.0;
    int last = 0;
    int maximum = 0;
    int minimum = 0;
    int average = 0;
    double sum = 0.0;
    int count = 0;
    // Every reading of the session: its time since START (the chart's time starts again every
    // three minutes, this one does not) and its value.
    double sessionSeconds = 0.0;
    QList<std::pair<double, int>> samples;

    // A new session: time and statistics start again; the interval stays.
    void start();
    // Counts a reading: the time advances by one interval, the statistics take it in.
    void add(int value);
    // True, and the time back at 0, once the time has passed the end of the chart.
    bool wrapChart();
    bool empty() const { return count == 0; }
};
