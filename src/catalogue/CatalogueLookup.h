#pragma once

// Finding parameters, sensors and sensor fields. Every lookup is exact and case-sensitive, and
// answers with a 1-based index, or nothing when there is no match.

#include "catalogue/Definitions.h"

#include <QString>

#include <optional>

// The first parameter whose key is `key`.
std::optional<int> IndexOfKey(const TParameterTable& table, const QString& key);
// The first parameter whose name (as files write it, "Highscale 1") is `name`.
std::optional<int> IndexOfName(const TParameterTable& table, const QString& name);
// The first parameter owning the control "C" + key or "T" + key named `controlName`.
std::optional<int> IndexOfControl(const TParameterTable& table, const QString& controlName);

// The name of the value control: "C" + key for a choice, "T" + key for a number.
QString ControlName(const TTableEntry& entry);

// Whether the model has the parameter: its code occurs in `ValidFor`. An empty code or an empty
// `ValidFor` never matches.
bool AppliesToModel(const TTableEntry& entry, const QString& modelCode);

// The first sensor named `name`.
std::optional<int> IndexOfSensor(const TSensorTable& table, const QString& name);
// The first field of `sensor` belonging to the parameter `key`.
std::optional<int> IndexOfSensorField(const TSensorEntry& sensor, const QString& key);
// The limits of parameter `key` for the sensor `sensorName`; nothing when either is unknown.
std::optional<TSensorFieldEntry> FindSensorField(const TSensorTable& table,
                                                 const QString& sensorName, const QString& key);

// The sensor that a register value of the model's sensor register (register "00" or "10")
// stands for, taken from the model's sensor list as it stands now. "" when the model belongs to
// no family with a sensor list, or the index is outside the list or names an empty slot.
QString GetSensorNameFromIndex(const TParameterTable& table, const QString& modelCode, int index);
