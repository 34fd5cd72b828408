#include "cli/PortChoice.h"

#include "link/ModelTable.h"
#include "shell/ProgramState.h"

bool PortChoice::parse(const QStringList& arguments, QString* error) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument != QLatin1String("--port") && argument != QLatin1String("--demo")) {
            continue;
        }
        if (i + 1 >= arguments.size()) {
            *error = argument + QStringLiteral(" needs a value");
            return false;
        }
        const QString& value = arguments[i + 1];
        // An empty name would quietly fall back to the settings' port or to COM1.
        if (value.trimmed().isEmpty()) {
            *error = argument + QStringLiteral(" needs a value, not an empty name");
            return false;
        }
        (argument == QLatin1String("--port") ? port_ : demoModel_) = value;
    }
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
    }
}
