// "kvc7345 calibrate": the load-cell zero or reference acquisition from a terminal, as the
// window runs it, for a production line.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "live/Calibration.h"
#include "operations/LoadCellFinding.h"
#include "shell/ProgramState.h"

#include <cstdio>

int RunCalibrate(const ParsedArguments& arguments) {
    const QString what = arguments.operand(0);
    const QString reference = arguments.text(QStringLiteral("--reference"));
    const QString range = arguments.text(QStringLiteral("--range"));
    if ((what != QLatin1String("zero") && what != QLatin1String("reference")) ||
        reference.isEmpty() || range.isEmpty()) {
        PrintError(
            QStringLiteral("calibrate takes zero or reference, --reference N and --range N"));
        return 2;
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    // Values that cannot be sent are refused before the user is asked to set the load.
    const QString problem =
        CalibrationValuesProblem(session.state().ParameterTable(), reference, range);
    if (!problem.isEmpty()) {
        PrintError(DisplayText(problem));
        return 2;
    }
    ProgramState& state = session.state();
    const bool zero = what == QLatin1String("zero");
    const CalibrationStep step = zero ? CalibrationStep::Zero : CalibrationStep::Reference;
    // The window's buttons are enabled once a Q7356S is shown; a terminal asks the module.
    if (!FindLoadCell(state, [&state](const QString& code) { state.ModelCode = code; })) {
        // No module, or another model: the warning has said which.
        return state.ModelCode.isEmpty() ? 1 : 2;
    }
    PrintOut(DisplayText(CalibrationInstructionText(step, reference)));
    if (!arguments.has(QStringLiteral("--yes"))) {
        // The instruction asks for the load to be set; Enter says it is.
        char line[256];
        if (std::fgets(line, sizeof line, stdin) == nullptr) {
            PrintError(QStringLiteral("Cancelled: no confirmation on standard input"));
            return 1;
        }
    }
    SerialLink& link = state.link;
    const AcquisitionOutcome outcome = Acquire(
        link, link.ComPortName, state.PortShownAs(link.ComPortName), step,
        *CalibrationValue(state.ParameterTable(), QStringLiteral("CalReference"), reference),
        *CalibrationValue(state.ParameterTable(), QStringLiteral("CalRange"), range));
    (outcome.acquired() ? PrintOut : PrintError)(DisplayText(outcome.message));
    return outcome.acquired() ? 0 : 1;
}
