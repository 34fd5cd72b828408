#pragma once

// Reading a whole configuration from the connected module: the tags, then every parameter of
// the model in catalogue order. No window: the caller shows the configuration it returns.

#include "catalogue/ModuleConfiguration.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

struct ProgramState;

enum class ModuleReadFailure {
    None,
    NotBegun,          // refused, or no module identified; the user has been told why
    Stopped,           // the window was closed meanwhile
    TagNotSent,        // a tag's registers did not come back as two hex bytes each
    PortNotOpened,     // the module answered the probe, but its port would not open
    InvalidValue,      // a parameter register answered "8000" with a word that is no number
    StoppedAnswering,  // a parameter register never answered "8000"
};

struct ModuleReadOutcome {
    ModuleReadFailure failure = ModuleReadFailure::None;
    // What the module holds: the tags it keeps and every parameter of its model (complete when
    // there is no failure).
    ModuleConfiguration configuration;
    // For a failure: the status box's text saying where and why the read stopped.
    QString message;

    bool completed() const { return failure == ModuleReadFailure::None; }
};

// What the read tells its caller while it runs, and how the caller stops it.
struct TransferProgress {
    std::function<void(int done, int total, const QString& what)> show;
    std::function<bool()> stopRequested;

    void report(int done, int total, const QString& what) const {
        if (show) {
            show(done, total, what);
        }
    }
    bool stopped() const { return stopRequested && stopRequested(); }
};

// Reads the tags (where the model and firmware keep them) and every parameter of `model` at the
// firmware state.ModelVersion from the module on the default port, with the run's catalogue
// (adapted to them). `shownPort` names the port in texts.
ModuleReadOutcome ReadConfigurationFromModule(ProgramState& state, const QString& model,
                                              const QString& shownPort,
                                              const TransferProgress& progress);
