#include "catalogue/SensorLimits.h"

#include "catalogue/CatalogueLookup.h"

#include <algorithm>

namespace {

// 1 or 2 from the key's channel digit, 2 winning when both occur; 0 when there is none.
int channelOfKey(const QString& key) {
    int channel = 0;
    if (key.contains(QLatin1Char('1'))) {
        channel = 1;
    }
    if (key.contains(QLatin1Char('2'))) {
        channel = 2;
    }
    return channel;
}

}  // namespace

std::optional<TSensorFieldEntry> GetSensorConsts(const TSensorTable& table, const QString& key,
                                                 const QString& sensor) {
    return FindSensorField(table, sensor, key);
}

std::optional<TSensorFieldEntry> GetSensorVars(const TSensorTable& table, int version,
                                               const QString& key, const QString& sensor,
                                               const FunctionTexts& functions) {
    const int channel = channelOfKey(key);
    if (channel == 0) {
        return std::nullopt;
    }
    std::optional<TSensorFieldEntry> field = FindSensorField(table, sensor, key);
    if (!field || version < SubFunctionVersion) {
        return field;
    }
    const QString& function = channel == 1 ? functions.CFunction1 : functions.CFunction2;
    if (function == QLatin1String("Sub")) {
        // The difference of two channels swings both ways by up to the sensor's maximum.
        field->Min = std::max(-field->Max, SubRangeMin);
        field->Max = std::min(field->Max, SubRangeMax);
    }
    return field;
}
