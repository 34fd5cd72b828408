#include "operations/ReportSaving.h"

#include "records/ReportJobs.h"
#include "shell/ProgramState.h"

bool SaveReportSheet(ProgramState& state, const QString& path, const ReportSheet& sheet) {
    // A run without the report painter (no window library, no PDF writer) has none to draw with.
    ReportOutput& output = state.reports != nullptr ? *state.reports : NoReportOutput();
    const ReportFileOutcome outcome = SaveReportPdf(path, sheet, output, *state.disk);
    if (!outcome.saved()) {
        state.message(BoxKind::Warning,
                      QStringLiteral("The report sheet could not be saved as PDF.\r\r") +
                          outcome.path + QStringLiteral(": ") + outcome.reason +
                          QStringLiteral("\r\rNothing was changed; choose another file or "
                                         "folder."));
    }
    return outcome.saved();
}
