#pragma once

#include "records/ConfigurationValues.h"

#include <QList>
#include <QString>

// How two configurations differ, value by value: a module against the file written to it, or
// two files. Values compare as the window shows them, parameters in catalogue order.

// Which of the two configurations holds the value.
enum class Presence { Both, FirstOnly, SecondOnly };

struct ConfigurationDifference {
    // "model", "firmware", "DONEBY", "DONEFOR", "TAG1", "TAG2", or the parameter's name.
    QString name;
    QString key;  // the parameter's catalogue key; "" for the header
    Presence presence = Presence::Both;
    QString first;  // "" when the first has no such value
    QString second;
    // A value only one side holds, of a parameter the other side's model does not have: the
    // model it belongs to. "" when the other side merely lacks the value.
    QString onlyModel;

    friend bool operator==(const ConfigurationDifference&,
                           const ConfigurationDifference&) = default;
};

enum class Comparison {
    // First the file, second the module: a different model is the only difference then; the
    // additional information is no module's, and tags count where both sides hold one.
    ModuleAgainstFile,
    // The header (model, firmware, DONEBY, DONEFOR, tags) first, then the parameters.
    TwoFiles,
};

QList<ConfigurationDifference> CompareConfigurations(const ConfigurationValues& first,
                                                     const ConfigurationValues& second,
                                                     Comparison how);

// How the text and JSON forms name the two sides.
struct SideNames {
    QString first;   // "file", or a file's name
    QString second;  // "module"
    QString firstOnly;
    QString secondOnly;
    QString firstKey;  // the JSON member names
    QString secondKey;
};

SideNames FileAndModuleNames();
SideNames TwoFileNames(const QString& first, const QString& second);

// "Highscale 1: file 10.000, module 12.000"; a value one side lacks: "Highscale 2: only on the
// module, module 5.000", or "only for the Q7383D, b.NVC 5.000" when the other model has no such
// parameter. An empty value shows as "(empty)".
QString DifferenceLine(const ConfigurationDifference& difference, const SideNames& names);
