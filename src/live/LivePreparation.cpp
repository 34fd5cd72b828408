// Preparing the Values page for the connected module: which inputs it has, which sensor each
// one uses, and the decimals, units and chart ranges that follow from them.

#include "live/LivePreparation.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/SensorLimits.h"
#include "link/RegisterProtocol.h"
#include "link/SerialLink.h"

#include <algorithm>
#include <utility>

namespace {

// The sensor's range is widened by this much on both sides of the chart.
constexpr int RangeMargin = 20;
// A module without a readable sensor still gets a chart; this is its range then.
constexpr int FallbackMinimum = 0;
constexpr int FallbackMaximum = 100;
// The load cell's chart covers its whole count range.
constexpr int LoadCellMinimum = -50;
constexpr int LoadCellMaximum = 30000;

// The widest span any sensor of the model offers for `key`: the chart's range when the sensor
// register names no sensor of the list.
std::pair<int, int> widestSpan(const TParameterTable& parameters, const TSensorTable& sensors,
                               const QString& model, const QString& key) {
    std::optional<std::pair<int, int>> widest;
    for (int index = 0; index < TTableEntry::ItemCount; ++index) {
        const QString sensor = GetSensorNameFromIndex(parameters, model, index);
        const auto limits = sensor.isEmpty() ? std::nullopt : GetSensorConsts(sensors, key, sensor);
        if (limits) {
            widest = widest ? std::pair{std::min(widest->first, limits->Min),
                                        std::max(widest->second, limits->Max)}
                            : std::pair{limits->Min, limits->Max};
        }
    }
    return widest.value_or(std::pair{FallbackMinimum, FallbackMaximum});
}

}  // namespace

int InputChannels(const QString& model) {
    const bool two =
        model.size() >= 6 && (model[5] == QLatin1Char('D') || model[5] == QLatin1Char('Y'));
    return two ? 2 : 1;
}

ChannelPreparation PrepareChannel(const TParameterTable& parameters, const TSensorTable& sensors,
                                  const QString& model, int channel,
                                  std::optional<int> sensorIndex) {
    const QString sensor =
        sensorIndex ? GetSensorNameFromIndex(parameters, model, *sensorIndex) : QString();
    const QString key = QStringLiteral("Upscale%1").arg(channel);
    const auto limits = sensor.isEmpty() ? std::nullopt : GetSensorConsts(sensors, key, sensor);

    ChannelPreparation prepared;
    if (channel == 1 && IsLoadCell(model)) {
        prepared.sensorShown = QStringLiteral("Load Cell");
        prepared.lowest = LoadCellMinimum;
        prepared.highest = LoadCellMaximum;
    } else if (limits) {
        prepared.sensorShown = sensor;
        prepared.unit = limits->Dim;
        prepared.decimals = limits->Dec;
        prepared.lowest = limits->Min - RangeMargin;
        prepared.highest = limits->Max + RangeMargin;
    } else {
        // A reply that names no sensor of the list: the chart still covers any input.
        const auto [lowest, highest] = widestSpan(parameters, sensors, model, key);
        prepared.sensorShown = QStringLiteral("?");
        prepared.lowest = lowest - RangeMargin;
        prepared.highest = highest + RangeMargin;
    }
    return prepared;
}

LivePreparation PrepareLiveView(SerialLink& link, const QString& device,
                                const TParameterTable& parameters, const TSensorTable& sensors,
                                const QString& model) {
    SessionOpening opening = link.open(device);
    LivePreparation prepared;
    prepared.model = model;
    prepared.channelCount = InputChannels(model);
    for (int channel = 1; channel <= prepared.channelCount; ++channel) {
        const QString command =
            channel == 1 ? QStringLiteral("00000000") : QStringLiteral("00100000");
        const QString reply =
            opening ? opening.session->exchange(command).text : MakeReply({}, true).text;
        prepared.channels[static_cast<std::size_t>(channel - 1)] =
            PrepareChannel(parameters, sensors, model, channel, ParseHexWord(ReplyData(reply)));
    }
    return prepared;
}
