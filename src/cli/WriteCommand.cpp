#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/LoadReport.h"
#include "cli/ModuleVerification.h"
#include "records/ConfigurationValues.h"

int RunWrite(const ParsedArguments& arguments) {
    const QString file = arguments.operand(0);
    if (file.isEmpty()) {
        PrintError(QStringLiteral("write needs the configuration file to write (FILE.NVC)"));
        return PrintUsage(true);
    }
    CommandSession session(arguments.has(QStringLiteral("--yes")));
    if (!session.start(arguments)) {
        return 2;
    }
    if (!session.load(file)) {
        PrintLoadRefusal(session.lastLoad(), file);
        PrintError(QStringLiteral("Nothing written: ") + file +
                   QStringLiteral(" could not be loaded"));
        return 1;
    }
    PrintLoadNotes(session.lastLoad());
    // What the file holds is what the module must hold afterwards.
    const ConfigurationValues loaded = ValuesOf(session.configuration(), session.catalogue());

    const ModuleWriteOutcome outcome = session.write();
    // How a write that began has ended; refusals have spoken through their boxes already.
    if (outcome.began()) {
        (outcome.written() ? PrintOut : PrintError)(DisplayText(outcome.message));
    }
    if (!outcome.written()) {
        return outcome.failure == ModuleWriteFailure::OtherModel ? 2 : 1;
    }
    if (arguments.has(QStringLiteral("--verify")) &&
        VerifyModuleHolds(session, loaded, file, false) != 0) {
        return 1;
    }
    return session.state().LogWriteFailed ? 1 : 0;
}
