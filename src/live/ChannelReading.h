#pragma once

#include <QElapsedTimer>
#include <QList>

#include <optional>
#include <utility>

// One channel's reading session: where the next chart point goes, the maximum, minimum and
// average of the readings so far, in register units, and the replies that were no reading.
struct ChannelReading {
    // The chart's time axis runs from 0 to this many seconds; then the trace starts again.
    static constexpr double ChartSeconds = 180.0;
    // A module that sends this many replies in a row that are no reading has lost the line.
    static constexpr int MostSkippedInARow = 3;

    // The chart's time: one interval further for every reading.
    double elapsedSeconds = 0.0;
    double intervalMs = 200.0;
    int last = 0;
    int maximum = 0;
    int minimum = 0;
    int average = 0;
    double sum = 0.0;
    int count = 0;
    // Replies of the session that were no reading, and how many of them came since the last
    // reading.
    int skipped = 0;
    int skippedInARow = 0;
    // Every reading of the session: the seconds since START at which it arrived (the chart's
    // time starts again every three minutes and counts intervals, this one does neither) and
    // its value.
    double sessionSeconds = 0.0;
    QList<std::pair<double, int>> samples;

    // A new session: time and statistics start again; the interval stays.
    void start();
    // The session's clock starts again: its port is open and its first reading asked for.
    void startClock();
    // Counts a reading: the chart's time advances by one interval, the statistics take it in,
    // and it is kept with the time it arrived.
    void add(int value);
    // Counts a reply that was no reading. False once MostSkippedInARow have come in a row.
    bool skip();
    // True, and the time back at 0, once the time has passed the end of the chart.
    bool wrapChart();
    bool empty() const { return count == 0; }

  private:
    // Monotonic, so that a change of the system's clock moves no reading.
    QElapsedTimer clock_;
};
