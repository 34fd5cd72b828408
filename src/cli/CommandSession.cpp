#include "cli/CommandSession.h"

#include "cli/ConsoleOutput.h"
#include "shell/ConfigIni.h"
#include "shell/ProgramFolder.h"

QString CommandSession::optionValue(const QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

QString CommandSession::plainArgument(const QStringList& arguments,
                                      const QStringList& valueOptions) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (valueOptions.contains(arguments[i])) {
            ++i;
        } else if (!arguments[i].startsWith(QLatin1String("--"))) {
            return arguments[i];
        }
    }
    return {};
}

bool CommandSession::start(const QStringList& arguments) {
    QString error;
    if (!port_.parse(arguments, &error) || !port_.start(&error)) {
        PrintError(error);
        return false;
    }
    QString home = optionValue(arguments, QStringLiteral("--home"));
    // A demo never touches the user's own settings or logs.
    if (home.isEmpty() && port_.isDemo()) {
        demoHome_ = std::make_unique<QTemporaryDir>();
        home = demoHome_->path();
    }
    state_ = std::make_unique<ProgramState>(dialogs_);
    state_->ProgramFolder = ResolveProgramFolder(home);
    state_->reports = &reports_;
    if (!port_.isDemo() && port_.portName().isEmpty()) {
        // No port named: the default port of the program folder, as the window uses it.
        ScanConfig(*state_);
        state_->link.ComPortName = state_->settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT"));
    }
    port_.applyTo(*state_);
    form_ = std::make_unique<TForm1>(*state_);
    return true;
}
