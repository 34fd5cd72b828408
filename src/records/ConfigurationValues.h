#pragma once

#include "catalogue/ModuleConfiguration.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// A configuration as the texts and words of its values: what verifying a module, comparing two
// files and the commands' JSON output work on.

// One parameter the window holds a value for.
struct ParameterValue {
    int index = 0;  // the catalogue entry, 1..70
    QString name;   // as files write it ("Highscale 1")
    QString key;    // the catalogue key ("Upscale1")
    QString text;   // the choice text, or the number with its decimals, as the window shows it
    // The register word a write sends for it: a choice's index, a number's 16 bits.
    std::optional<int> word;
    QString unit;

    friend bool operator==(const ParameterValue&, const ParameterValue&) = default;
};

struct ConfigurationValues {
    QString model;
    int firmware = 0;
    QString doneBy;
    QString doneFor;
    std::optional<QString> tag1;  // only for a tag field in use
    std::optional<QString> tag2;
    QList<ParameterValue> parameters;  // in catalogue order
    // The catalogue entries that belong to the model, held or not.
    QSet<int> applicable;
};

// The values of `configuration`: every parameter of its model it holds, in catalogue order.
ConfigurationValues ValuesOf(const ModuleConfiguration& configuration,
                             const TParameterTable& catalogue);
