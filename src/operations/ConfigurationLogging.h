#pragma once

// The operations the window and the command line share: each takes the run's state and a
// configuration document, speaks through the run's dialogs, and returns its outcome.

#include "catalogue/ModuleConfiguration.h"
#include "records/ConfigurationFile.h"
#include "transfer/CheckMode.h"

#include <QStringList>

struct ProgramState;

// A configuration appended to the configuration log. A log that cannot be written is said in a
// warning and marks the run (LogWriteFailed). The lines are for the window's log list.
struct LogAppend {
    bool written = false;
    QStringList logLines;
};
LogAppend AppendToConfigurationLog(ProgramState& state, const ConfigurationHeader& header,
                                   const ModuleConfiguration& configuration,
                                   const TParameterTable& catalogue);

// The consistency rules on a configuration, with the parameters it has in use; the box the
// findings call for in `mode` is shown. The lines are for the window's log list.
struct CheckOutcome {
    bool mayGoOn = true;
    QStringList logLines;
};
CheckOutcome CheckConfiguration(ProgramState& state, const ModuleConfiguration& configuration,
                                const TParameterTable& catalogue, CheckMode mode);
