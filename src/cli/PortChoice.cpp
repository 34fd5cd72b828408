#include "cli/PortChoice.h"

#include "link/ModelTable.h"
#include "shell/ProgramState.h"

bool PortChoice::choose(const std::optional<QString>& port, const std::optional<QString>& demoModel,
                        QString* error) {
    // An empty name would quietly fall back to the settings' port or to COM1.
    const auto empty = [](const std::optional<QString>& name) {
        return name && name->trimmed().isEmpty();
    };
    if (empty(port) || empty(demoModel)) {
        *error = (empty(port) ? QStringLiteral("--port") : QStringLiteral("--demo")) +
                 QStringLiteral(" needs a value, not an empty name");
        return false;
    }
    port_ = port.value_or(QString());
    demoModel_ = demoModel.value_or(QString());
    if (!port_.isEmpty() && !demoModel_.isEmpty()) {
        *error = QStringLiteral("Give either --port or --demo, not both");
        return false;
    }
    if (!demoModel_.isEmpty() && !ConfigurableModels().contains(demoModel_)) {
        *error = QStringLiteral("Unknown model %1; known: %2")
                     .arg(demoModel_, ConfigurableModels().join(QLatin1Char(' ')));
        return false;
    }
    return true;
}

bool PortChoice::start(QString* error) {
    if (demoModel_.isEmpty()) {
        return true;
    }
#ifdef KVC7345_DEMO
    demo_ = std::make_unique<modsim::PtyModule>(demoModel_);
    return demo_->start(error);
#else
    *error = QStringLiteral("This build has no simulated module: give --port NAME");
    return false;
#endif
}

QString PortChoice::portName() const {
#ifdef KVC7345_DEMO
    if (demo_) {
        return demo_->portName();
    }
#endif
    return port_;
}

void PortChoice::applyTo(ProgramState& state) const {
    if (portName().isEmpty()) {
        return;  // the default port of the program folder's config.ini stays
    }
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), portName());
    state.link.ComPortName = portName();
    nameDemoPortIn(state);
}

void PortChoice::nameDemoPortIn(ProgramState& state) const {
    if (isDemo()) {
        state.DemoPort = portName();
        state.DemoPortCaption = demoCaption();
        state.link.AllowForSimulatedModule(portName());
    }
}
