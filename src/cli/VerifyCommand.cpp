// kvc7345 verify FILE.NVC: whether the connected module holds the configuration of a file.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "cli/ModuleVerification.h"

namespace {

const QStringList ValueOptions{QStringLiteral("--port"), QStringLiteral("--demo"),
                               QStringLiteral("--home")};

}  // namespace

int RunVerify(const QStringList& arguments) {
    const QString file = CommandSession::plainArgument(arguments, ValueOptions);
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
    return VerifyModuleHolds(session, ShownValues(session.form()), file, WantsJson(arguments));
}
