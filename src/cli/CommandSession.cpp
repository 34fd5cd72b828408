#include "cli/CommandSession.h"

#include "cli/ConsoleOutput.h"
#include "shell/ConfigIni.h"
#include "shell/OutputTarget.h"
#include "shell/ProgramFolder.h"

bool CommandSession::start(const ParsedArguments& arguments) {
    QString error;
    if (!port_.choose(arguments.value(QStringLiteral("--port")),
                      arguments.value(QStringLiteral("--demo")), &error) ||
        !port_.start(&error)) {
        PrintError(error);
        return false;
    }
    QString home = arguments.text(QStringLiteral("--home"));
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

bool CommandSession::acceptsOutput(const QString& output, const QStringList& inputs) const {
    const QString refusal = OutputRefusal(output, inputs, state_->ProgramFolder);
    if (!refusal.isEmpty()) {
        PrintError(refusal);
    }
    return refusal.isEmpty();
}
