#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/PortChoice.h"
#include "link/Identification.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

int RunIdentify(const QStringList& arguments) {
    PortChoice port;
    QString error;
    if (!port.parse(arguments, &error) || !port.start(&error)) {
        PrintError(error);
        return 2;
    }
    ConsoleDialogs dialogs;
    ProgramState state(dialogs);
    port.applyTo(state);

    QString code;
    DetectModel(state, code);
    if (state.ModelVersion == 0) {
        PrintOut(QStringLiteral("No module answered on ") + port.portName());
        return 1;
    }
    if (code.isEmpty()) {
        PrintOut(QStringLiteral("Module on %1 not identified (firmware %2)")
                     .arg(port.portName())
                     .arg(state.ModelVersion));
        return 1;
    }
    state.ModelCode = code;
    CompareWorkingVersion(state, code, state.ModelVersion);
    PrintOut(QStringLiteral("Model: ") + code);
    PrintOut(QStringLiteral("Firmware: ") + QString::number(state.ModelVersion));
    return 0;
}
