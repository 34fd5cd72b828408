#pragma once

#include "catalogue/Definitions.h"

#include <QSet>
#include <QString>

#include <array>
#include <optional>

// The frame of the main window per model, and the catalogue's adaptation to the firmware.

// A lamp flag of the layout: grey or hide, light or show, or leave as it is.
enum class Lamp { Off = 0, On = 1, Keep = 2 };

// Input channel 1, input 2, output 1, output 2, output limits, tag, alarm 1A, 1B, 2A, 2B,
// calibration, Modbus.
using PanelLamps = std::array<Lamp, 12>;
// CInput1, CInputTm1, CInputHz1, CInput2, CInputTm2.
using SensorLamps = std::array<Lamp, 5>;

// What a model changes besides lamps: the relay captions and the fifth alarm type.
enum class RelayTexts { Unchanged, Relay, FrequencyOutput };

struct ModelLayoutRow {
    QString code;
    SensorLamps sensors;
    PanelLamps panels;
    QString description;  // status panel 1 shows the model code followed by this
    RelayTexts relays;
};

// The Eurocard models borrow the layout of another model but keep their own description.
struct EurocardRow {
    QString code;
    QString description;
    QString layoutOf;
};

std::optional<ModelLayoutRow> LayoutRowFor(const QString& code);
std::optional<EurocardRow> EurocardRowFor(const QString& code);

// Adapts the catalogue and the sensor table to the module's firmware: which sensors the
// temperature models offer and which parameters exist on which models. The result depends only
// on the model and the version: everything a step may change is first put back as the program
// started.
void AddNewSensors(TParameterTable& table, TSensorTable& sensors, const QString& model,
                   int version);

// The catalogue entries (1..70) that the model has with one firmware or another: those that
// apply to it in the catalogue as AddNewSensors adapts it for any version.
QSet<int> ParametersOfModel(const QString& model);
