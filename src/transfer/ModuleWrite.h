#pragma once

// Sending a planned configuration to the connected module: the tags the window shows, then the
// parameter commands on one session. No window: the caller shows the result.

#include "transfer/ModuleRead.h"
#include "transfer/WritePlan.h"

#include <QList>
#include <QString>

#include <utility>

struct ProgramState;

enum class ModuleWriteFailure {
    None,
    Refused,           // a check before sending stopped it; the user has been told why
    OtherModel,        // refused too: the module is not the configuration's model
    PortNotOpened,     // nothing more was sent: the port would not open
    StoppedAnswering,  // the module fell silent at `place`
};

struct ModuleWriteOutcome {
    ModuleWriteFailure failure = ModuleWriteFailure::Refused;
    QString place;    // the tag or parameter where a write that began stopped
    QString message;  // what the status box says of a write that began

    bool written() const { return failure == ModuleWriteFailure::None; }
    // Sending began: the module may hold part of the configuration now.
    bool began() const {
        return failure != ModuleWriteFailure::Refused && failure != ModuleWriteFailure::OtherModel;
    }
};

// The tags to write, by channel, as the window shows them.
using TagTexts = QList<std::pair<int, QString>>;

// Writes `tags`, then sends `plan` to the module on the port in use. A tag's port opens and
// closes on its own; the parameters share one session. `shownPort` names the port in texts.
ModuleWriteOutcome WriteConfigurationToModule(ProgramState& state, const TagTexts& tags,
                                              const WritePlan& plan, const QString& shownPort,
                                              const TransferProgress& progress);
