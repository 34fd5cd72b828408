#pragma once

#include "catalogue/ModuleConfiguration.h"
#include "records/ConfigurationLoad.h"
#include "records/LoadRecord.h"

#include <QList>

struct ProgramState;

// Loading a configuration file that has been read (ReadConfigurationFile, or the bytes of a
// history entry): the file's model and firmware become the run's, its lines are taken into a
// configuration, and the limits its sensors give are applied. A file that cannot be used is said
// in the boxes the window shows; their Retry asks for another file.
struct FileLoading {
    enum class Result { Loaded, Refused, Retry };
    Result result = Result::Refused;
    ModuleConfiguration configuration;
    // The header lines taken, in file order, for the window's information strip.
    QList<LoadedLine> headerLines;
    // The entries whose limits a sensor set, for the window to show.
    QList<int> limitsSet;
    // Why a file was refused, the parameter lines applied and the notes on a completed load.
    FileLoadRecord record;

    bool loaded() const { return result == Result::Loaded; }
};

FileLoading LoadConfiguration(ProgramState& state, const FileReadOutcome& file);
