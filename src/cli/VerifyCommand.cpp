// kvc7345 verify FILE.NVC: whether the connected module holds the configuration of a file.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/ModuleVerification.h"
#include "records/ConfigurationValues.h"

int RunVerify(const ParsedArguments& arguments) {
    const QString file = arguments.operand(0);
    if (file.isEmpty()) {
        PrintError(QStringLiteral("verify needs the configuration file to compare (FILE.NVC)"));
        return PrintUsage(true);
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    if (!LoadFileIntoSession(session, file)) {
        PrintError(QStringLiteral("Nothing compared: ") + file +
                   QStringLiteral(" could not be loaded"));
        return 2;
    }
    return VerifyModuleHolds(session, ValuesOf(session.configuration(), session.catalogue()), file,
                             arguments.has(QStringLiteral("--json")));
}
