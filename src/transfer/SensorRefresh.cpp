#include "transfer/SensorRefresh.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/FirmwareVersions.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/SensorLimits.h"

#include <algorithm>

namespace {

const QStringList RtdSensors{
    QStringLiteral("Pt 100"), QStringLiteral("Pt 200"), QStringLiteral("Pt 300"),
    QStringLiteral("Pt 500"), QStringLiteral("Pp 100"), QStringLiteral("Pi 100"),
    QStringLiteral("Pi 50"),  QStringLiteral("Ni 100"), QStringLiteral("Cu 100"),
    QStringLiteral("Cu 53"),  QStringLiteral("Cu 50"),  QStringLiteral("Cu 46")};

// The models whose one sensor list also sets the ranges of the second output.
const QStringList TwoOutputModels{QStringLiteral("Q7323X"), QStringLiteral("Q7323Y"),
                                  QStringLiteral("Q7383X"), QStringLiteral("Q7383Y")};

// The selectors in the order of the layout's sensor lamps.
const std::array<const char*, 5> LampedSelectors{"Input1", "InputTm1", "InputHz1", "Input2",
                                                 "InputTm2"};

int channelOf(const QString& key) {
    return key.right(1).toInt();
}

// The text of the choice held for `key`, "" when none is held.
QString heldText(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                 const QString& key) {
    const auto i = IndexOfKey(catalogue, key);
    if (!i || !configuration.holds(*i)) {
        return {};
    }
    return ItemText(catalogue[*i], configuration.value(*i));
}

bool holds(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
           const QString& key) {
    const auto i = IndexOfKey(catalogue, key);
    return i && configuration.holds(*i);
}

// A selector the window has enabled: its layout shows it, or it holds a value.
bool selectorInUse(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                   const QString& key) {
    return SelectorShown(configuration.model, key) || holds(configuration, catalogue, key);
}

}  // namespace

bool SelectorShown(const QString& model, const QString& key) {
    const auto eurocard = EurocardRowFor(model);
    const auto row = LayoutRowFor(eurocard ? eurocard->layoutOf : model);
    if (!row) {
        return false;
    }
    for (std::size_t i = 0; i < LampedSelectors.size(); ++i) {
        if (key == QLatin1String(LampedSelectors.at(i))) {
            return row->sensors.at(i) == Lamp::On;
        }
    }
    return false;
}

QString ChosenSensor(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                     const QString& key) {
    if (configuration.model == QLatin1String("Q7326S") ||
        configuration.model == QLatin1String("Q7356S")) {
        return QStringLiteral("mA dC (I)");
    }
    return heldText(configuration, catalogue, key);
}

SensorDependents DependentsOf(const QString& sensor, int firmware) {
    return {RtdSensors.contains(sensor),
            sensor.contains(QLatin1String("TC")) && firmware >= firmware::ExtendedFields};
}

QList<int> ApplySensorLimits(ModuleConfiguration& configuration, const ModelCatalogue& catalogue,
                             const QString& key) {
    const TParameterTable& parameters = catalogue.parameters;
    const QString& model = configuration.model;
    const QString sensor = ChosenSensor(configuration, parameters, key);
    const FunctionTexts functions{heldText(configuration, parameters, QStringLiteral("Function1")),
                                  heldText(configuration, parameters, QStringLiteral("Function2"))};
    QList<int> changed;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = parameters[i];
        const bool secondOutput =
            TwoOutputModels.contains(model) && (entry.Field == QLatin1String("Upscale2") ||
                                                entry.Field == QLatin1String("Downscale2"));
        const int channel = secondOutput ? 2 : channelOf(key);
        if (!AppliesToModel(entry, model) || entry.FieldType != FieldKind::Number ||
            !entry.Changes || !entry.Field.contains(QString::number(channel))) {
            continue;
        }
        const auto limits = GetSensorVars(catalogue.sensors, configuration.firmware, entry.Field,
                                          sensor, functions);
        if (!limits) {
            continue;  // a sensor the table does not know keeps the limits it had
        }
        configuration.setLimits(i, {limits->Min, limits->Max, limits->Dec, limits->Dim});
        if (const std::optional<int> held = configuration.held(i)) {
            const qint64 clamped = std::clamp<qint64>(*held, ScaledLimit(limits->Min, limits->Dec),
                                                      ScaledLimit(limits->Max, limits->Dec));
            configuration.set(i, static_cast<int>(clamped));
        }
        changed << i;
    }
    return changed;
}

QList<int> RefreshSensorLimits(ModuleConfiguration& configuration, const ModelCatalogue& catalogue,
                               RefreshAfter after) {
    const TParameterTable& parameters = catalogue.parameters;
    QList<int> changed;
    const auto apply = [&](const QString& key) {
        for (const int i : ApplySensorLimits(configuration, catalogue, key)) {
            if (!changed.contains(i)) {
                changed << i;
            }
        }
    };
    const bool loaded = after == RefreshAfter::Load;
    for (const char* key : {"InputTm1", "InputTm2", "InputHz1"}) {
        if (selectorInUse(configuration, parameters, QLatin1String(key))) {
            apply(QLatin1String(key));
        }
    }
    // A load asks whether channel 1's plain selector is shown, a read whether it is enabled.
    const QString input1 = QStringLiteral("Input1");
    if (loaded ? SelectorShown(configuration.model, input1)
               : selectorInUse(configuration, parameters, input1)) {
        apply(input1);
    }
    if (selectorInUse(configuration, parameters, QStringLiteral("Input2"))) {
        apply(QStringLiteral("Input2"));
    }
    // A loaded Q7323X gets a second pass over channel 1, whose sensor also sets the limits of
    // its second output.
    if (loaded && configuration.model == QLatin1String("Q7323X")) {
        apply(input1);
    }
    return changed;
}

QSet<int> ParametersInUse(const ModuleConfiguration& configuration,
                          const TParameterTable& catalogue) {
    const QString& model = configuration.model;
    QSet<int> inUse;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const bool selector = std::find(LampedSelectors.begin(), LampedSelectors.end(),
                                        catalogue[i].Field) != LampedSelectors.end();
        if (configuration.holds(i) || (selector && SelectorShown(model, catalogue[i].Field))) {
            inUse.insert(i);
        }
    }
    // A dependent field is in use when the configuration holds it and its master asks for it.
    const auto follow = [&](const QString& key, bool wanted) {
        if (const auto i = IndexOfKey(catalogue, key)) {
            if (wanted && configuration.holds(*i)) {
                inUse.insert(*i);
            } else {
                inUse.remove(*i);
            }
        }
    };
    const bool extended = configuration.firmware >= firmware::ExtendedFields;
    // The repeater and the load cell have no channel-1 selector of their own to choose with.
    if (model == QLatin1String("Q7326S") || model == QLatin1String("Q7356S")) {
        if (const auto i = IndexOfKey(catalogue, QStringLiteral("Input1"))) {
            inUse.remove(*i);
        }
    }
    for (const int channel : {1, 2}) {
        // The last selector of the channel in use decides, as the window takes them in order.
        QString decides;
        for (const char* key : {"InputTm1", "InputTm2", "InputHz1", "Input1", "Input2"}) {
            const QString selector = QLatin1String(key);
            if (channelOf(selector) == channel &&
                selectorInUse(configuration, catalogue, selector)) {
                decides = selector;
            }
        }
        if (decides.isEmpty()) {
            continue;
        }
        const QString t = QString::number(channel);
        const SensorDependents dependents =
            DependentsOf(ChosenSensor(configuration, catalogue, decides), configuration.firmware);
        follow(QStringLiteral("Lead") + t, dependents.lead);
        if (extended) {
            follow(QStringLiteral("RTDLineRef") + t, dependents.lead);
        }
        follow(QStringLiteral("CJCom") + t, dependents.coldJunction);
        follow(QStringLiteral("CJRef") + t,
               dependents.coldJunction &&
                   heldText(configuration, catalogue, QStringLiteral("CJCom") + t) !=
                       QLatin1String("Automatic"));
    }
    for (const int channel : {1, 2}) {
        const QString t = QString::number(channel);
        const auto mode = IndexOfKey(catalogue, QStringLiteral("CJCom") + t);
        if (mode && inUse.contains(*mode)) {
            follow(QStringLiteral("CJRef") + t,
                   heldText(configuration, catalogue, QStringLiteral("CJCom") + t) ==
                       QLatin1String("Fixed"));
        }
    }
    for (const char* alarm : {"1A", "2A", "1B", "2B"}) {
        const QString s = QLatin1String(alarm);
        const auto type = IndexOfKey(catalogue, QStringLiteral("Type") + s);
        if (!type || !inUse.contains(*type)) {
            continue;
        }
        const QString text = heldText(configuration, catalogue, QStringLiteral("Type") + s);
        const bool pulse = text == QLatin1String("Pulse");
        const bool burnout = text == QLatin1String("Burnout");
        const bool thresholds = text != QLatin1String("Off") && !pulse && !burnout;
        for (const char* stem : {"Set", "Hysteresis", "OnDelay"}) {
            follow(QLatin1String(stem) + s, thresholds);
        }
        if (extended || model == QLatin1String("Q7326S")) {
            follow(QStringLiteral("OffDelay") + s, thresholds);
        }
        if (s == QLatin1String("1A") && model == QLatin1String("Q7351S")) {
            follow(QStringLiteral("Divider") + s, thresholds || pulse);
        }
        follow(QStringLiteral("Relay") + s, thresholds || burnout);
    }
    return inUse;
}
