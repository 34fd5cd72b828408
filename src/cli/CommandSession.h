#pragma once

#include "cli/CommandLine.h"
#include "cli/PortChoice.h"
#include "form/TForm1.h"
#include "report/ReportPdf.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

#include <QTemporaryDir>

#include <memory>

// What a windowless command works with: the chosen port (or an in-process simulated module),
// message boxes printed on standard error, the program folder, and the window model
// whose operations the command drives.
class CommandSession {
  public:
    explicit CommandSession(bool acceptQuestions = false) : dialogs_(acceptQuestions) {}

    // Takes --port NAME / --demo MODEL / --home DIR from the command line and prepares
    // everything; false (after printing why) when that is not possible.
    bool start(const ParsedArguments& arguments);

    // False, after saying why, when `output` must not be written by a run that reads `inputs`:
    // an input itself, a file the program folder keeps, or no file, pipe or terminal.
    bool acceptsOutput(const QString& output, const QStringList& inputs = {}) const;

    ProgramState& state() { return *state_; }
    // The boxes of the run; a file given on the command line answers its file dialog.
    ConsoleDialogs& dialogs() { return dialogs_; }
    TForm1& form() { return *form_; }
    const PortChoice& port() const { return port_; }

  private:
    ConsoleDialogs dialogs_;
    // Without a printer, the report goes into PDF documents.
    PdfReportOutput reports_;
    PortChoice port_;
    std::unique_ptr<QTemporaryDir> demoHome_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<TForm1> form_;
};
