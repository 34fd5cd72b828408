#pragma once

#include "catalogue/Definitions.h"
#include "records/LoadRecord.h"
#include "catalogue/EntryList.h"

#include <QString>
#include <QStringList>

#include <functional>

// How a loaded file and the configuration it became differ, worked out from values: the
// command line shows only what the file held and says where the window deviates from it.

// `held(i)`: the window holds a value for catalogue entry i that came from the file.
using HeldValue = std::function<bool(int)>;

// The slots of `entries` whose parameter the window holds, in order and without gaps.
EntryList HeldEntries(const EntryList& entries, const TParameterTable& table,
                      const HeldValue& held);

// The names of the model's parameters the window holds no value for, in catalogue order.
QStringList MissingParameters(const TParameterTable& table, const QString& model,
                              const HeldValue& held);
// "The file holds no value for these parameters of the Q7323S:" and one line per name; no lines
// when nothing is missing.
QStringList MissingParametersNote(const QString& model, const QStringList& names);

// One line for each number whose value the limits of its sensor changed on loading: its name,
// the value in the file and the value used.
QStringList ChangedValueNotes(const TParameterTable& table, const QList<LoadedValue>& values);

// One line for each loaded line that names no parameter of the model at this firmware: such a
// value is neither shown nor written.
QStringList UnusedLineNotes(const TParameterTable& table, const QString& model, int firmware,
                            const QList<LoadedValue>& values);
