// The report sheet of the shown configuration: printed (F6) or saved as a PDF file.

#include "form/TForm1.h"
#include "operations/ReportSaving.h"
#include "records/Clock.h"
#include "records/ReportJobs.h"
#include "records/ReportOutput.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QFileInfo>

namespace {

// A run without the report painter (no window library, no PDF writer) has none to draw with.
ReportOutput& reportOutput(const ProgramState& state) {
    return state.reports != nullptr ? *state.reports : NoReportOutput();
}

const QString NoConfigurationText = QStringLiteral(
    "There is no configuration for a report sheet.\rRead one from a module (F1) or load a file "
    "(F3) first.");
const QString NoPrinterText =
    QStringLiteral("Printing is not possible because no default printer was found.");
const QString PdfInsteadText = QStringLiteral(
    "\r\rThe report sheet can be saved as PDF instead, with the tool button \"Save Report as "
    "PDF\".");

// A report needs a model: its code names the sheet and decides its channel sections.
bool hasConfiguration(ProgramState& state) {
    if (state.ModelCode.isEmpty()) {
        state.message(BoxKind::Warning, NoConfigurationText);
        return false;
    }
    return true;
}

FileDialogRequest pdfRequest(const ProgramState& state) {
    FileDialogRequest request;
    request.title = QStringLiteral("Save Report as PDF");
    request.folder = ProgramSubfolder(state.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = state.ModelCode + QLatin1Char('_') + TimeStamp();
    request.filter = QStringLiteral("PDF Document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    return request;
}

}  // namespace

ReportSheet TForm1::ShownReport() const {
    return MakeReportSheet(SaveHeader(QDateTime::currentDateTime()), document_, Catalogue(),
                           PrintedParameters());
}

void TForm1::BitBtn1Click() {
    if (!hasConfiguration(state_) || !CheckAll(CheckMode::Print)) {
        return;
    }
    if (!state_.PrinterAvailable) {
        state_.message(BoxKind::Warning, NoPrinterText + PdfInsteadText);
        return;
    }
    MyPrint();
}

void TForm1::MyPrint() {
    const PrintOutcome outcome = PrintReportSheet(ShownReport(), reportOutput(state_));
    switch (outcome.result) {
        case PrintOutcome::Result::Printed:
            Memo(QStringLiteral("Printed ") + state_.ModelCode + QStringLiteral(" report sheet"));
            break;
        case PrintOutcome::Result::Cancelled:
            break;
        case PrintOutcome::Result::Failed:
            state_.message(
                BoxKind::Warning,
                QStringLiteral("The report sheet could not be printed.\r\r") + outcome.reason);
            break;
    }
}

void TForm1::TBSaveReportPdfClick() {
    SaveReportAsPdf();
}

bool TForm1::SaveReportAsPdf() {
    if (!hasConfiguration(state_) || !CheckAll(CheckMode::Print)) {
        return false;
    }
    const QString path = state_.dialogs->chooseSaveFile(pdfRequest(state_));
    bool saved = false;
    if (!path.isEmpty() && SaveReportSheet(state_, path, ShownReport())) {
        Memo(QStringLiteral("Saved ") + state_.ModelCode +
             QStringLiteral(" report sheet as PDF to file ") + QFileInfo(path).fileName());
        saved = true;
    }
    return saved;
}
