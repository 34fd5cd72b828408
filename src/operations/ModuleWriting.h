#pragma once

#include "catalogue/ModuleConfiguration.h"
#include "transfer/ModuleRead.h"
#include "transfer/ModuleWrite.h"

#include <functional>

struct ProgramState;

// Writing a configuration to the connected module, refused before anything is sent when it is
// incomplete, when no module or another model answers, when the module's firmware is older than
// the configuration's or lacks a chosen sensor, or when the user declines to write an unchanged
// configuration (`askIfUnchanged`). The refusals speak through the run's dialogs; a refused
// write leaves the run's firmware as the configuration's.
struct WriteSteps {
    // The module is identified as the configuration's model, just before anything is sent.
    std::function<void(const QString& code)> identified;
    TransferProgress progress;
};

ModuleWriteOutcome WriteModule(ProgramState& state, const ModuleConfiguration& configuration,
                               const TParameterTable& catalogue, bool askIfUnchanged,
                               const QString& shownPort, const WriteSteps& steps);
