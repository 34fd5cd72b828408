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
        (argument == QLatin1String("--port") ? port_ : demoModel_) = arguments[i + 1];
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
    if (port_.isEmpty() && demoModel_.isEmpty()) {
        port_ = QStringLiteral("COM1");
    }
    return true;
}

bool PortChoice::start(QString* error) {
    if (demoModel_.isEmpty()) {
        return true;
    }
    demo_ = std::make_unique<modsim::PtyModule>(demoModel_);
    return demo_->start(error);
}

QString PortChoice::portName() const {
    return demo_ ? demo_->portName() : port_;
}

void PortChoice::applyTo(ProgramState& state) const {
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), portName());
    state.link.ComPortName = portName();
}
