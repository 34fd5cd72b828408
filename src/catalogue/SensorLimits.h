#pragma once

// The range, decimals and unit a sensor-dependent parameter takes for the chosen sensor.

#include "catalogue/Definitions.h"

#include <QString>

#include <optional>

// What the function lists of the dual-input models show (`CFunction1`, `CFunction2`); read from
// the window by the caller, "" where there is no such list.
struct FunctionTexts {
    QString CFunction1;
    QString CFunction2;
};

// Firmware from which a "Sub" function widens the channel's ranges (decimal 103, not 0x103).
constexpr int SubFunctionVersion = 103;
// Bounds of the symmetric range a "Sub" function gives.
constexpr int SubRangeMax = 29999;
constexpr int SubRangeMin = -1999;

// The sensor table's limits of parameter `key` for `sensor`, as they stand. Nothing when the
// sensor or the key is not in the table: the caller keeps what it had.
std::optional<TSensorFieldEntry> GetSensorConsts(const TSensorTable& table, const QString& key,
                                                 const QString& sensor);

// The limits that apply to parameter `key` with `sensor` on a module with firmware `version`.
// The key's channel digit picks the function list; when it shows "Sub" (from firmware 103 on)
// the range becomes minus the sensor maximum to the maximum, bounded to -1999..29999. Nothing
// for a key without a channel digit, an unknown sensor or an unknown key.
std::optional<TSensorFieldEntry> GetSensorVars(const TSensorTable& table, int version,
                                               const QString& key, const QString& sensor,
                                               const FunctionTexts& functions);
