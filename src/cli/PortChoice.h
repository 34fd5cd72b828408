#pragma once

#ifdef KVC7345_DEMO
#include "modsim/PtyModule.h"
#endif

#include <QString>

#include <memory>
#include <optional>

struct ProgramState;

// Where a command talks to a module: a named port, or a simulated module started in-process
// for this run only.
class PortChoice {
  public:
    // Takes the values of --port NAME and --demo MODEL, each when given; false with a reason on
    // a bad choice.
    bool choose(const std::optional<QString>& port, const std::optional<QString>& demoModel,
                QString* error);
    // Starts the demo module when asked for one; false with a reason when it cannot start.
    bool start(QString* error);
    // Makes the chosen port the default port and the port in use; without --port or --demo
    // the settings' default port stays.
    void applyTo(ProgramState& state) const;

    bool isDemo() const { return !demoModel_.isEmpty(); }
    QString portName() const;
    // Lets texts name a demo's port by what it is, and gives its module the room a simulated
    // one needs on a busy machine; nothing without a demo.
    void nameDemoPortIn(ProgramState& state) const;
    // How texts name the demo's port: "demo Q7383D (simulated)".
    QString demoCaption() const { return QStringLiteral("demo %1 (simulated)").arg(demoModel_); }

  private:
    QString port_;
    QString demoModel_;
#ifdef KVC7345_DEMO
    std::unique_ptr<modsim::PtyModule> demo_;
#endif
};
