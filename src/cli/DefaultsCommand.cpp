// kvc7345 defaults --out DIR: the factory-default configuration files, one per model, made the
// way a user would make them: read a module fresh from the factory, save it. The modules are
// simulated, so the files always agree with the simulator's power-on registers.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "link/ModelTable.h"
#include "modsim/PtyModule.h"
#include "operations/ConfigurationLogging.h"
#include "operations/ModuleReading.h"
#include "records/ConfigurationFile.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace {

// Fixed header texts keep the files the same from one generation to the next.
const QDateTime FactoryMoment(QDate(2026, 12, 7), QTime(9, 0, 0));
const QString FactoryDoneBy = QStringLiteral("NORVIK SRL");
const QString FactoryDoneFor = QStringLiteral("FACTORY DEFAULTS");

// Prints every box like the other commands, and counts them: a module fresh from the factory
// must read and check without a single remark.
class CountingDialogs final : public Dialogs {
  public:
    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override {
        ++shown;
        return console_.message(kind, text, buttons);
    }
    QString chooseSaveFile(const FileDialogRequest&) override { return {}; }
    QString chooseOpenFile(const FileDialogRequest&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }

    int shown = 0;

  private:
    ConsoleDialogs console_;
};

bool saveFactoryDefault(const QString& model, const QDir& folder) {
    modsim::PtyModule module(model, 0, false);
    QString error;
    if (!module.start(&error)) {
        PrintError(model + QStringLiteral(": ") + error);
        return false;
    }
    CountingDialogs dialogs;
    ProgramState state(dialogs);
    const QTemporaryDir home;
    state.ProgramFolder = home.path();
    state.OnlineOverride = false;
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    state.link.ComPortName = module.portName();
    // The simulator answers at once; its registers are what matters, not the line's pace.
    state.link.timing = LinkTiming::Unpaced();
    state.link.AllowForSimulatedModule(module.portName());
    const ModuleReading reading = ReadModule(state, module.portName(), {});
    const ModuleConfiguration& configuration = reading.read.configuration;
    const TParameterTable& catalogue = state.ParameterTable();
    if (!reading.read.completed() ||
        !CheckConfiguration(state, configuration, catalogue, CheckMode::Read).mayGoOn ||
        !CheckConfiguration(state, configuration, catalogue, CheckMode::Write).mayGoOn ||
        dialogs.shown > 0) {
        PrintError(model + QStringLiteral(": the simulated module's configuration was not read "
                                          "and checked cleanly"));
        return false;
    }
    const ConfigurationHeader header = HeaderFor(
        configuration, FactoryMoment, state.SoftwareVersion, FactoryDoneBy, FactoryDoneFor);
    const QString path = folder.filePath(model + QStringLiteral(".NVC"));
    const WriteOutcome outcome = WriteConfigurationBytes(
        path, ConfigurationFileText(header, ConfigurationEntries(configuration, catalogue)),
        WriteMode::Rewrite, *state.disk);
    if (!outcome.written) {
        PrintError(QStringLiteral("Cannot write ") + outcome.error);
        return false;
    }
    PrintOut(QDir::toNativeSeparators(path));
    return true;
}

}  // namespace

int RunDefaults(const ParsedArguments& arguments) {
    const QString out = arguments.text(QStringLiteral("--out"));
    if (out.isEmpty()) {
        PrintError(QStringLiteral("defaults needs a folder: kvc7345 defaults --out DIR"));
        return 2;
    }
    if (!QDir().mkpath(out)) {
        PrintError(QStringLiteral("Cannot create ") + QDir::toNativeSeparators(out));
        return 1;
    }
    // The shipped files name the maker's own address and use points, wherever they are made.
    qunsetenv("KVC7345_SERVER");
    QLocale::setDefault(QLocale::c());
    bool allSaved = true;
    for (const QString& model : ConfigurableModels()) {
        allSaved = saveFactoryDefault(model, QDir(out)) && allSaved;
    }
    return allSaved ? 0 : 1;
}
