#pragma once

#include "modsim/PtyModule.h"
#include "shell/ProgramState.h"
#include "support/ReplyTiming.h"
#include "support/ScriptedDialogs.h"

// A test bench: a simulated module on a pseudo-terminal, scripted message boxes, and a fresh
// program state whose default port and port in use are the module's.
struct SimulatedPort {
    explicit SimulatedPort(const QString& model, int firmware = 0, bool paced = true,
                           ReplyTiming timing = ReplyTiming::Simulated);

    modsim::PtyModule module;
    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    bool started = false;

    // The module as it stands once it has read and answered every byte the program sent: a
    // command written last, with no reply awaited, may otherwise still be on its way to it.
    modsim::ModuleEngine& engine();
    QString port() const { return module.portName(); }
};
