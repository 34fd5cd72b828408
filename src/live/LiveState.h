#pragma once

#include "link/ModuleSession.h"
#include "live/ChannelReading.h"
#include "live/LiveChart.h"

#include <QString>

#include <array>
#include <optional>

// The status label of a channel's page; the two are spelt differently in the window.
inline QString LiveStatusLabel(int channel) {
    return channel == 1 ? QStringLiteral("Lstatus1_dx") : QStringLiteral("LStatus2_dx");
}

// What the Values page keeps between its events: the model the live view was prepared for,
// the channels' decimals and their reading sessions, and the two charts.
struct LiveState {
    // The model the live view was prepared for; "" when it is not prepared.
    QString LiveModelCode;
    int LiveDecimals1 = 0;
    int LiveDecimals2 = 0;
    // 1 or 2: the inputs whose values can be read.
    int InputChannelCount = 1;

    std::array<ChannelReading, 2> channels;
    LiveChart Chart1{QStringLiteral("Chart1")};
    LiveChart Chart2{QStringLiteral("Chart2")};
    // A tick's exchange is waiting on the line: the next tick waits its turn.
    bool tickRunning = false;
    // The port a reading session holds while its timer runs.
    std::optional<ModuleSession> session;

    ChannelReading& reading(int channel) { return channels[channel == 2 ? 1 : 0]; }
    LiveChart& chart(int channel) { return channel == 2 ? Chart2 : Chart1; }
    int decimals(int channel) const { return channel == 2 ? LiveDecimals2 : LiveDecimals1; }
};
