#pragma once

#include "transfer/ModuleRead.h"

#include <functional>

struct ProgramState;

// Reading the connected module: the presence probe and the identification (which say in boxes
// why they failed), the catalogue of its model and firmware, every parameter, and the limits its
// sensors give. The configuration is dated today.
struct ModuleReading {
    ModuleReadOutcome read;
    // False when no module was identified; the read then never began.
    bool identified = false;
    // The entries whose limits a sensor set, for the window to show.
    QList<int> limitsSet;
};

struct ReadSteps {
    // The module is identified as `code`, just before its parameters are read.
    std::function<void(const QString& code)> identified;
    TransferProgress progress;
};

ModuleReading ReadModule(ProgramState& state, const QString& shownPort, const ReadSteps& steps);
