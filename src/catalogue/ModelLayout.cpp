#include "catalogue/ModelLayout.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"

#include <QStringList>

namespace {

constexpr Lamp O = Lamp::Off;
constexpr Lamp I = Lamp::On;

struct RowData {
    const char* code;
    SensorLamps sensors;
    PanelLamps panels;
    const char* description;
    RelayTexts relays;
};

const RowData LayoutRows[] = {
    {"Q7351S",
     {O, O, I, O, O},
     {I, O, I, O, O, O, I, I, O, O, O, O},
     ": Frequency Input Converter and Trip Amplifier",
     RelayTexts::FrequencyOutput},
    {"Q7321S",
     {I, O, O, O, O},
     {I, O, O, O, O, O, I, I, O, O, O, O},
     ": Analog Signal Trip Amplifier",
     RelayTexts::Relay},
    {"Q7323S",
     {I, O, O, O, O},
     {I, O, I, O, O, O, O, O, O, O, O, O},
     ": Analog Signal Converter",
     RelayTexts::Relay},
    {"Q7323D",
     {I, O, O, I, O},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Analog Signal Converter",
     RelayTexts::Relay},
    {"Q7323X",
     {I, O, O, O, O},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Analog Signal Converter",
     RelayTexts::Relay},
    {"Q7323Y",
     {I, O, O, O, O},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Analog Signal Converter",
     RelayTexts::Relay},
    {"Q7324S",
     {I, O, O, O, O},
     {I, O, I, O, O, O, I, I, O, O, O, O},
     ": Analog Signal Conv. and Trip Amplif.",
     RelayTexts::Relay},
    {"Q7326S",
     {I, O, O, O, O},
     {I, O, I, O, O, O, I, I, O, O, O, O},
     ": Repeater Power Supply and Trip Amplif.",
     RelayTexts::Relay},
    {"Q7356S",
     {I, O, O, O, O},
     {O, O, I, I, I, O, O, O, O, O, I, I},
     ": Load Cell/Strain Gauge Bridge Isolating Converter",
     RelayTexts::Unchanged},
    {"Q7381S",
     {O, I, O, O, O},
     {I, O, I, O, O, O, I, I, O, O, O, O},
     ": Temperature Trip Amplifier",
     RelayTexts::Relay},
    {"Q7383S",
     {O, I, O, O, O},
     {I, O, I, O, O, O, O, O, O, O, O, O},
     ": Temperature Converter",
     RelayTexts::Relay},
    {"Q7383D",
     {O, I, O, O, I},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Temperature Converter",
     RelayTexts::Relay},
    {"Q7383X",
     {O, I, O, O, O},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Temperature Converter",
     RelayTexts::Relay},
    {"Q7383Y",
     {O, I, O, O, O},
     {I, I, I, I, O, O, O, O, O, O, O, O},
     ": Temperature Converter",
     RelayTexts::Relay},
    {"Q7384S",
     {O, I, O, O, O},
     {I, O, I, O, O, O, I, I, O, O, O, O},
     ": Temperature Converter Trip Amplifier",
     RelayTexts::Relay},
    {"V7320D",
     {I, O, O, I, O},
     {I, I, I, I, O, O, I, I, I, I, O, O},
     ": Analog Signal Converter and Trip Amplifier Eurocard",
     RelayTexts::Relay},
    {"V7380S",
     {O, I, O, O, I},
     {I, I, I, I, O, O, I, I, I, I, O, O},
     ": Temperature Converter and Trip Amplifier",
     RelayTexts::Relay},
    {"V7380D",
     {O, I, O, O, I},
     {I, I, I, I, O, O, I, I, I, I, O, O},
     ": Temperature Converter and Trip Amplifier",
     RelayTexts::Relay},
};

const char* const EurocardRows[][3] = {
    {"V7320S", ": Analog Signal Converter and Trip Amplifier Eurocard", "Q7324S"},
    {"V7325S", ": Analog Signal Converter Eurocard", "Q7323S"},
    {"V7325D", ": Analog Signal Converter Eurocard", "Q7323D"},
    {"V7380S", ": Temperature Converter and Trip Amplifier Eurocard", "V7380S"},
    {"V7380D", ": Temperature Converter and Trip Amplifier Eurocard", "V7380D"},
    {"V7385S", ": Temperature Converter Eurocard", "Q7383S"},
    {"V7385D", ": Temperature Converter Eurocard", "Q7383D"},
};

// Sensor list slots 21..29 that firmware versions add one by one.
constexpr int FirstNewSensor = 21;
constexpr int LastNewSensor = 29;

const QStringList FunctionKeys{QStringLiteral("Function1"), QStringLiteral("Function2")};
const QStringList OffDelayKeys{QStringLiteral("OffDelay1A"), QStringLiteral("OffDelay1B")};
const QStringList ColdJunction1Keys{QStringLiteral("CJCom1"), QStringLiteral("CJRef1"),
                                    QStringLiteral("RTDLineRef1")};
const QStringList ColdJunction2Keys{QStringLiteral("CJCom2"), QStringLiteral("CJRef2"),
                                    QStringLiteral("RTDLineRef2")};
const QStringList LimitKeys{QStringLiteral("LimitmALow1"),    QStringLiteral("LimitmAHigh1"),
                            QStringLiteral("LimitmALowLow1"), QStringLiteral("LimitmAHighHigh1"),
                            QStringLiteral("LimitVLow1"),     QStringLiteral("LimitVHigh1"),
                            QStringLiteral("LimitVLowLow1"),  QStringLiteral("LimitVHighHigh1")};
const QStringList WorkingLimitKeys{QStringLiteral("LimitmALow1"), QStringLiteral("LimitmAHigh1"),
                                   QStringLiteral("LimitVLow1"), QStringLiteral("LimitVHigh1")};
const QStringList SensorListKeys{QStringLiteral("InputTm1"), QStringLiteral("InputTm2")};

// A version below every step of AddNewSensors and each version at which its answer changes.
constexpr std::array FirmwareSteps{0,
                                   firmware::WithoutPt200,
                                   firmware::WithoutPt200 + 1,
                                   firmware::ExtendedFields,
                                   6145,
                                   firmware::OutputLimits,
                                   6147,
                                   6149,
                                   7168};

// "E DC" of the temperature converters measures up to 85 mV on newer firmware, in the fields
// Upscale1 .. LimitmALow1.
const QString MillivoltSensor = QStringLiteral("E DC");
constexpr int ExtendedMillivolts = 85;
constexpr int LastMillivoltField = 21;

TTableEntry& entry(TParameterTable& table, const QString& key) {
    return table[IndexOfKey(table, key).value()];
}

const TTableEntry& entry(const TParameterTable& table, const QString& key) {
    return table[IndexOfKey(table, key).value()];
}

void setValidFor(TParameterTable& table, const QStringList& keys, const QString& models) {
    for (const QString& key : keys) {
        entry(table, key).ValidFor = models;
    }
}

// Offers the new sensors up to `last` (inclusive), as the program started; empties the rest.
void offerNewSensorsUpTo(TParameterTable& table, const TParameterTable& initial, int last) {
    for (const QString& key : SensorListKeys) {
        const auto& start = entry(initial, key).Items;
        auto& items = entry(table, key).Items;
        for (int i = FirstNewSensor; i <= LastNewSensor - 1; ++i) {
            items[i] = i <= last ? start[i] : QString();
        }
    }
}

void setNewSensor(TParameterTable& table, const TParameterTable& initial, int slot, bool offered) {
    for (const QString& key : SensorListKeys) {
        const auto& start = entry(initial, key).Items;
        entry(table, key).Items[slot] = offered ? start[slot] : QString();
    }
}

void extendMillivolts(TSensorTable& sensors) {
    if (const auto row = IndexOfSensor(sensors, MillivoltSensor)) {
        for (int f = 1; f <= LastMillivoltField; ++f) {
            sensors[*row].Field(f).Max = ExtendedMillivolts;
        }
    }
}

// Puts back everything the firmware adaptation may change.
void restoreStart(TParameterTable& table, TSensorTable& sensors, const TParameterTable& initial,
                  const TSensorTable& initialSensors) {
    for (const QString& key : SensorListKeys) {
        auto& items = entry(table, key).Items;
        const auto& start = entry(initial, key).Items;
        for (int i = FirstNewSensor; i <= LastNewSensor; ++i) {
            items[i] = start[i];
        }
    }
    for (const QStringList* keys :
         {&FunctionKeys, &OffDelayKeys, &ColdJunction1Keys, &ColdJunction2Keys, &LimitKeys}) {
        for (const QString& key : *keys) {
            entry(table, key).ValidFor = entry(initial, key).ValidFor;
        }
    }
    const auto row = IndexOfSensor(sensors, MillivoltSensor);
    const auto startRow = IndexOfSensor(initialSensors, MillivoltSensor);
    if (row && startRow) {
        for (int f = 1; f <= LastMillivoltField; ++f) {
            sensors[*row].Field(f).Max = initialSensors[*startRow].Field(f).Max;
        }
    }
}

}  // namespace

std::optional<ModelLayoutRow> LayoutRowFor(const QString& code) {
    for (const RowData& row : LayoutRows) {
        if (code == QLatin1String(row.code)) {
            return ModelLayoutRow{QString::fromLatin1(row.code), row.sensors, row.panels,
                                  QString::fromLatin1(row.description), row.relays};
        }
    }
    return std::nullopt;
}

std::optional<EurocardRow> EurocardRowFor(const QString& code) {
    for (const auto& row : EurocardRows) {
        if (code == QLatin1String(row[0])) {
            return EurocardRow{QString::fromLatin1(row[0]), QString::fromLatin1(row[1]),
                               QString::fromLatin1(row[2])};
        }
    }
    return std::nullopt;
}

void AddNewSensors(TParameterTable& table, TSensorTable& sensors, const QString& model,
                   int version) {
    static const TParameterTable initial = InitialParameterTable();
    static const TSensorTable initialSensors = InitialSensorTable();
    restoreStart(table, sensors, initial, initialSensors);

    const bool q738 = model.contains(QLatin1String("Q738"));
    const QString oldColdJunction1 = QStringLiteral("Q7383SQ7383DQ7384S");
    const QString oldFunctions = QStringLiteral("Q7383YQ7323Y");
    const QString newFunctions = QStringLiteral("Q7383YQ7323YQ7383D");
    if (q738) {
        if (version == 256 || version == 257) {
            offerNewSensorsUpTo(table, initial, version == 257 ? 22 : FirstNewSensor - 1);
            setValidFor(table, FunctionKeys, oldFunctions);
            setValidFor(table, OffDelayKeys, QStringLiteral("Q7326S"));
            setValidFor(table, ColdJunction1Keys, QString());
            setValidFor(table, ColdJunction2Keys, QString());
        } else if (version == firmware::ExtendedFields || version >= 6145) {
            offerNewSensorsUpTo(table, initial, version == firmware::ExtendedFields ? 25 : 27);
            setValidFor(table, OffDelayKeys, QStringLiteral("Q7326SQ7384S"));
            setValidFor(table, FunctionKeys, newFunctions);
            setValidFor(table, ColdJunction1Keys, oldColdJunction1);
            setValidFor(table, ColdJunction2Keys, QStringLiteral("Q7383D"));
            extendMillivolts(sensors);
        }
    }
    if (model.contains(QLatin1String("V738"))) {
        offerNewSensorsUpTo(table, initial, FirstNewSensor - 1);
        setValidFor(table, OffDelayKeys, QString());
        setValidFor(table, FunctionKeys, newFunctions);
        setValidFor(table, ColdJunction1Keys, QStringLiteral("V7380SV7380D"));
        setValidFor(table, ColdJunction2Keys, QStringLiteral("V7380D"));
    }
    setValidFor(table, LimitKeys,
                q738 && version >= firmware::OutputLimits ? oldColdJunction1 : QString());
    if (model.contains(QLatin1String("Q7356S"))) {
        setValidFor(table, WorkingLimitKeys,
                    version >= 7168 ? QStringLiteral("Q7356S") : QString());
    }
    setNewSensor(table, initial, 28, q738 && version >= 6147);
    setNewSensor(table, initial, 29, q738 && version >= 6149);
}

QSet<int> ParametersOfModel(const QString& model) {
    TParameterTable table = InitialParameterTable();
    TSensorTable sensors = InitialSensorTable();
    QSet<int> parameters;
    for (const int version : FirmwareSteps) {
        AddNewSensors(table, sensors, model, version);
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            if (AppliesToModel(table[i], model)) {
                parameters.insert(i);
            }
        }
    }
    return parameters;
}
