#pragma once

#include "link/ModuleSession.h"
#include "link/RegisterReply.h"
#include "live/ChannelReading.h"
#include "live/LiveChart.h"

#include <QString>

#include <array>
#include <optional>

// What the Values page keeps between its events: the model the live view was prepared for,
// the channels' decimals, units and reading sessions, and the two charts.
struct LiveState {
    // The model the live view was prepared for; "" when it is not prepared.
    QString LiveModelCode;
    int LiveDecimals1 = 0;
    int LiveDecimals2 = 0;
    // 1 or 2: the inputs whose values can be read.
    int InputChannelCount = 1;
    // The channels' units ("°C"); "" where the sensor gives none.
    std::array<QString, 2> units;

    std::array<ChannelReading, 2> channels;
    LiveChart Chart1{QStringLiteral("Chart1")};
    LiveChart Chart2{QStringLiteral("Chart2")};
    // The channel whose session is reading (1 or 2); 0 when none is. One at a time shares the
    // port.
    int runningChannel = 0;
    // How many dots follow "Aquiring" in the running channel's status.
    int aquiringDots = 0;
    // How a reading of the last session failed and so ended it; nothing while none has.
    std::optional<ReplyKind> failure;
    // The port a reading session holds while its timer runs; the link answers for the line.
    std::optional<ModuleSession> session;

    ChannelReading& reading(int channel) { return channels[index(channel)]; }
    const ChannelReading& reading(int channel) const { return channels[index(channel)]; }
    LiveChart& chart(int channel) { return channel == 2 ? Chart2 : Chart1; }
    int decimals(int channel) const { return channel == 2 ? LiveDecimals2 : LiveDecimals1; }
    const QString& unit(int channel) const { return units[index(channel)]; }
    bool running(int channel) const { return runningChannel == channel; }

  private:
    static std::size_t index(int channel) { return channel == 2 ? 1 : 0; }
};
