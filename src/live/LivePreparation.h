#pragma once

#include "catalogue/Definitions.h"

#include <QString>

#include <array>
#include <optional>

class SerialLink;

// The load-cell converter: its input is read without a sensor, and it is calibrated from the PC.
inline bool IsLoadCell(const QString& model) {
    return model == QLatin1String("Q7356S");
}

// What one input's sensor makes of the live view.
struct ChannelPreparation {
    // The sensor's name, "Load Cell", or "?" when the register names no sensor of the list.
    QString sensorShown;
    // The values' unit ("°C"); "" when the sensor gives none.
    QString unit;
    int decimals = 0;
    // The chart's value range.
    double lowest = 0.0;
    double highest = 100.0;
};

// The Values page fitted to a model: its inputs and what each one's sensor gives.
struct LivePreparation {
    QString model;
    int channelCount = 1;
    std::array<ChannelPreparation, 2> channels{};

    const ChannelPreparation& channel(int number) const { return channels[number == 2 ? 1 : 0]; }
};

// 2 for the dual-input models (a 'D' or 'Y' sixth letter), 1 for the others.
int InputChannels(const QString& model);

// Input `channel`'s preparation when its sensor register held `sensorIndex` (nothing when it
// did not answer with a number).
ChannelPreparation PrepareChannel(const TParameterTable& parameters, const TSensorTable& sensors,
                                  const QString& model, int channel,
                                  std::optional<int> sensorIndex);

// Reads the sensor register of each input of `model` on a session of its own and prepares them.
// A port that does not open leaves every sensor unknown; the view is prepared all the same.
LivePreparation PrepareLiveView(SerialLink& link, const QString& device,
                                const TParameterTable& parameters, const TSensorTable& sensors,
                                const QString& model);
