#include "cli/CommandSession.h"

#include "cli/ConsoleOutput.h"
#include "operations/ConfigurationLogging.h"
#include "operations/FileLoading.h"
#include "operations/ModuleReading.h"
#include "operations/ModuleWriting.h"
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
    return true;
}

bool CommandSession::load(const QString& path) {
    const FileLoading loading = LoadConfiguration(*state_, ReadConfigurationFile(path));
    lastLoad_ = loading.record;
    if (!loading.loaded()) {
        return false;
    }
    configuration_ = loading.configuration;
    CheckConfiguration(*state_, configuration_, catalogue(), CheckMode::Read);
    return true;
}

ModuleReadOutcome CommandSession::read() {
    const ModuleReading reading =
        ReadModule(*state_, state_->PortShownAs(state_->link.ComPortName), {});
    if (!reading.read.completed()) {
        return reading.read;
    }
    configuration_ = reading.read.configuration;
    CheckConfiguration(*state_, configuration_, catalogue(), CheckMode::Read);
    AppendToConfigurationLog(*state_, header(), configuration_, catalogue());
    return reading.read;
}

ModuleWriteOutcome CommandSession::write() {
    if (!CheckConfiguration(*state_, configuration_, catalogue(), CheckMode::Write).mayGoOn) {
        return {};
    }
    const ModuleWriteOutcome outcome =
        WriteModule(*state_, configuration_, catalogue(), false,
                    state_->PortShownAs(state_->link.ComPortName), {});
    if (outcome.written()) {
        // The module now holds this configuration, at its own firmware.
        configuration_.firmware = state_->ModelVersion;
        AppendToConfigurationLog(*state_, header(), configuration_, catalogue());
    }
    return outcome;
}

ConfigurationHeader CommandSession::header(const QDateTime& moment) const {
    return HeaderFor(configuration_, moment, state_->SoftwareVersion, QString(), QString());
}

bool CommandSession::acceptsOutput(const QString& output, const QStringList& inputs) const {
    const QString refusal = OutputRefusal(output, inputs, state_->ProgramFolder);
    if (!refusal.isEmpty()) {
        PrintError(refusal);
    }
    return refusal.isEmpty();
}
