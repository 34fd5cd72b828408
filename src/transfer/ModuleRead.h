#pragma once

// Reading a whole configuration from the connected module into the run's catalogue: the tags,
// then every parameter of the model in catalogue order. No window: the caller shows the result.

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
    // The tags read, by channel (1 and 2), for a model that keeps them.
    std::array<std::optional<QString>, 2> tags;
    // The catalogue entries whose values the read put into the catalogue, in order.
    QList<int> entriesRead;
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

// Reads the tags (where the model and firmware keep them) and every parameter of `model` from
// the module on the default port into state.ParameterTable. `shownPort` names the port in texts.
ModuleReadOutcome ReadConfigurationFromModule(ProgramState& state, const QString& model,
                                              const QString& shownPort,
                                              const TransferProgress& progress);
