#include "cli/LoadReport.h"

#include "cli/ConsoleOutput.h"
#include "form/TForm1.h"
#include "records/LoadNotes.h"
#include "shell/ProgramState.h"

void PrintLoadRefusal(const TForm1& form, const QString& file) {
    const QString& why = form.LastLoad().refusal;
    if (!why.isEmpty()) {
        PrintError(file + QStringLiteral(": ") + why);
    }
}

void PrintLoadNotes(const TForm1& form) {
    const ProgramState& state = form.state();
    const QList<LoadedValue>& values = form.LastLoad().values;
    for (const QString& line :
         UnusedLineNotes(state.ParameterTable, state.ModelCode, state.ModelVersion, values) +
             ChangedValueNotes(state.ParameterTable, values)) {
        PrintError(line);
    }
}
