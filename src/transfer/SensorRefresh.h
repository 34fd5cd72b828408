#pragma once

// What the chosen sensors make of a configuration: the limits of the numbers that follow them,
// the values clamped into those limits, and which parameters are in use. Pure functions of the
// configuration, which the window and the command line share.

#include "catalogue/ModuleConfiguration.h"

#include <QSet>
#include <QString>

// Whether the model's layout shows the sensor selector with catalogue key `key` ("InputTm1").
bool SelectorShown(const QString& model, const QString& key);

// The sensor the selector `key` names: the text of the value held, "" for none. The repeater
// and the load-cell converter always measure "mA dC (I)".
QString ChosenSensor(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                     const QString& key);

// What a channel's sensor asks of the fields that depend on it.
struct SensorDependents {
    bool lead = false;          // Lead and, from the extended firmware, RTD line resistance
    bool coldJunction = false;  // cold-junction compensation and reference
};
SensorDependents DependentsOf(const QString& sensor, int firmware);

// The limits the sensor of selector `key` gives to the numbers of its channel (and to the second
// output of the models with one sensor for two outputs), with the values held clamped into
// them. A sensor the table does not know leaves the limits as they are. The entries changed.
QList<int> ApplySensorLimits(ModuleConfiguration& configuration, const ModelCatalogue& catalogue,
                             const QString& key);

// After a read or a load: every selector in use gives its limits, in the window's order. The
// entries whose limits a sensor set.
enum class RefreshAfter { Read, Load };
QList<int> RefreshSensorLimits(ModuleConfiguration& configuration, const ModelCatalogue& catalogue,
                               RefreshAfter after);

// The parameters of the model whose fields are in use: every value held and every selector its
// layout shows, less the fields the chosen sensors, cold-junction modes and alarm types leave
// out. The report lists these, and the consistency rules look at these.
QSet<int> ParametersInUse(const ModuleConfiguration& configuration,
                          const TParameterTable& catalogue);
