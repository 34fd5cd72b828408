#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/JsonOutput.h"
#include "shell/ModuleAccess.h"

int RunIdentify(const ParsedArguments& arguments) {
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    ProgramState& state = session.state();
    const QString port = state.PortShownAs(state.link.ComPortName);
    const bool json = arguments.has(QStringLiteral("--json"));
    // With --json standard output holds the document alone; what went wrong is a message.
    const auto result = json ? PrintError : PrintOut;
    const ModuleIdentity identity = IdentifyModule(state);
    switch (identity.result) {
        case ModuleIdentity::Result::NoModule:
            // A port that never opened was not asked anything; the warning has said why.
            result((identity.openFailure.fault == PortOpenFault::None
                        ? QStringLiteral("No module answered on ")
                        : QStringLiteral("Could not open ")) +
                   port);
            return 1;
        case ModuleIdentity::Result::InvalidFirmwareReply:
            result(QStringLiteral("A module answered on %1, but its firmware reply is not a "
                                  "number")
                       .arg(port));
            return 1;
        case ModuleIdentity::Result::Unrecognised:
            result(QStringLiteral("Module on %1 not identified (firmware %2)")
                       .arg(port)
                       .arg(identity.firmware));
            return 1;
        case ModuleIdentity::Result::Identified:
            break;
    }
    state.ModelCode = identity.code;
    CompareWorkingVersion(state, identity.code, identity.firmware);
    if (json) {
        PrintJson({{QStringLiteral("model"), identity.code},
                   {QStringLiteral("firmware"), identity.firmware},
                   {QStringLiteral("port"), port}});
        return 0;
    }
    PrintOut(QStringLiteral("Model: ") + identity.code);
    PrintOut(QStringLiteral("Firmware: ") + QString::number(identity.firmware));
    return 0;
}
