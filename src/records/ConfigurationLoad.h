#pragma once

#include "catalogue/Definitions.h"
#include "catalogue/EntryList.h"
#include "catalogue/ModuleConfiguration.h"
#include "records/ConfigurationReader.h"

#include <QString>

#include <functional>

// Loading a configuration file, in two steps: the whole file is read and checked before the
// window changes, then its key lines are taken into a configuration one by one. Neither step shows
// anything; the caller learns how it went and shows it.

// Why a load stopped.
enum class LoadFailure {
    None,
    Unreadable,         // the file could not be opened or read
    Invalid,            // its shape, a key or a number cannot be a configuration
    UnrecognisedValue,  // a choice value names none of the parameter's choices
};

// The file read and checked. On Unreadable, `message` names the file and the system's reason;
// on Invalid it says why in one line (no line of the file was taken).
struct FileReadOutcome {
    LoadFailure failure = LoadFailure::None;
    QString message;
    ConfigurationText text;  // complete when there is no failure

    bool ok() const { return failure == LoadFailure::None; }
};

FileReadOutcome ReadConfigurationFile(const QString& path);
// The same check for bytes already read, such as an entry of the configuration history; never
// Unreadable.
FileReadOutcome ReadConfigurationBytes(const QByteArray& bytes);

// A key line of the file that changes what the window shows, just after it was taken.
struct LoadedLine {
    enum class Kind { Date, Firmware, DoneBy, DoneFor, Tag1, Tag2, Parameter };
    Kind kind = Kind::Parameter;
    QString value;  // as the file writes it; a tag as LoadedTag makes it
    // Firmware: the version. Parameter: what was stored, a register value or a choice's index.
    int number = 0;
    int index = 0;  // Parameter: the catalogue entry, 1..70
};

// A tag as a file line loads it, the way the window takes typed text: characters outside
// printable ASCII become "?" and only the first 16 characters are kept.
QString LoadedTag(const QString& value);

// Where the lines stopped being taken: the slot of the entry list, its key and value, and on
// Invalid why in one line.
struct EntriesOutcome {
    LoadFailure failure = LoadFailure::None;
    int slot = 0;
    QString key;
    QString value;
    QString message;

    bool ok() const { return failure == LoadFailure::None; }
};

// Takes the entry list of a file into `configuration` (of the file's model), in file order, up to
// the end of the list or the first line it cannot take. MDVERSION sets the firmware and replaces
// `catalogue` by that firmware's, so the choice lines after it are compared with its sensors.
// `taken` learns of each line as it is taken, so the window can show the lines as they come.
EntriesOutcome TakeConfigurationEntries(const EntryList& entries,
                                        ModuleConfiguration& configuration,
                                        std::shared_ptr<const ModelCatalogue>& catalogue,
                                        const std::function<void(const LoadedLine&)>& taken);
