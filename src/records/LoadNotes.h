#pragma once

#include "catalogue/Definitions.h"
#include "catalogue/EntryList.h"
#include "catalogue/ModuleConfiguration.h"
#include "records/LoadRecord.h"

#include <QString>
#include <QStringList>

// How a loaded file and the configuration it became differ, worked out from values: the
// command line shows only what the file held and says where the window deviates from it.

// The names of the model's parameters the configuration holds no value for, in catalogue order.
QStringList MissingParameters(const TParameterTable& table,
                              const ModuleConfiguration& configuration);
// "The file holds no value for these parameters of the Q7323S:" and one line per name; no lines
// when nothing is missing.
QStringList MissingParametersNote(const QString& model, const QStringList& names);

// One line for each number whose value the limits of its sensor changed on loading: its name,
// the value in the file and the value used.
QStringList ChangedValueNotes(const TParameterTable& table,
                              const ModuleConfiguration& configuration,
                              const QList<LoadedValue>& values);

// One line for each number written with other decimals than its parameter has: the file's digits
// are read as they stand ("500" for one decimal is 50.0), and the note names the value used.
QStringList DecimalNotes(const TParameterTable& table, const ModuleConfiguration& configuration,
                         const QList<LoadedValue>& values);

// One line for each tag line (the last of its key) that the tag field could not take as written:
// characters outside printable ASCII became "?", and a tag longer than 16 characters was cut.
QStringList TagNotes(const EntryList& entries);

// One line for each key the file gives more than once, with the lines it stands on: the last of
// them is used. Keys whose lines are left out or never used are not named.
QStringList DuplicateKeyNotes(const TParameterTable& table, const QString& model,
                              const EntryList& entries);

// Every note on a load that completed, in the order they are shown: the command line prints them
// on standard error and the window adds them to its log list.
QStringList LoadNotes(const TParameterTable& table, const ModuleConfiguration& configuration,
                      const EntryList& entries, const QList<LoadedValue>& values);

// One line for each loaded line that names no parameter of the model at this firmware: such a
// value is neither shown nor written.
QStringList UnusedLineNotes(const TParameterTable& table, const QString& model, int firmware,
                            const QList<LoadedValue>& values);
