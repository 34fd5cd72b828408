#include "catalogue/CatalogueLookup.h"

namespace {

// The entries holding the sensor lists of the three model families.
constexpr int AnalogSensorList = 1;
constexpr int FrequencySensorList = 2;
constexpr int TemperatureSensorList = 3;

}  // namespace

std::optional<int> IndexOfKey(const TParameterTable& table, const QString& key) {
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (table[i].Field == key) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> IndexOfName(const TParameterTable& table, const QString& name) {
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (table[i].Name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<int> IndexOfControl(const TParameterTable& table, const QString& controlName) {
    // Either prefix counts: a choice list and an edit never share a first letter, so the name
    // itself says which kind of control it is.
    const QChar prefix = controlName.isEmpty() ? QChar() : controlName.front();
    if (prefix != QLatin1Char('C') && prefix != QLatin1Char('T')) {
        return std::nullopt;
    }
    return IndexOfKey(table, controlName.mid(1));
}

QString ControlName(const TTableEntry& entry) {
    return FieldKindText(entry.FieldType) + entry.Field;
}

bool AppliesToModel(const TTableEntry& entry, const QString& modelCode) {
    return !modelCode.isEmpty() && entry.ValidFor.contains(modelCode);
}

std::optional<int> IndexOfSensor(const TSensorTable& table, const QString& name) {
    for (int s = 1; s <= TSensorTable::Count; ++s) {
        if (table[s].Name == name) {
            return s;
        }
    }
    return std::nullopt;
}

std::optional<int> IndexOfSensorField(const TSensorEntry& sensor, const QString& key) {
    for (int f = 1; f <= TSensorEntry::FieldCount; ++f) {
        if (sensor.Field(f).Name == key) {
            return f;
        }
    }
    return std::nullopt;
}

std::optional<TSensorFieldEntry> FindSensorField(const TSensorTable& table,
                                                 const QString& sensorName, const QString& key) {
    const std::optional<int> s = IndexOfSensor(table, sensorName);
    if (!s) {
        return std::nullopt;
    }
    const std::optional<int> f = IndexOfSensorField(table[*s], key);
    if (!f) {
        return std::nullopt;
    }
    return table[*s].Field(*f);
}

QString GetSensorNameFromIndex(const TParameterTable& table, const QString& modelCode, int index) {
    // The frequency model is decided first: its code would not pass the family tests anyway,
    // but its list is the one with frequency ranges.
    int list = 0;
    if (modelCode == QLatin1String("Q7351S")) {
        list = FrequencySensorList;
    } else if (modelCode.contains(QLatin1String("732")) ||
               modelCode.contains(QLatin1String("7356S"))) {
        list = AnalogSensorList;
    } else if (modelCode.contains(QLatin1String("738"))) {
        list = TemperatureSensorList;
    }
    if (list == 0 || index < 0 || index >= TTableEntry::ItemCount) {
        return QString();
    }
    return table[list].Items[static_cast<std::size_t>(index)];
}
