#pragma once

#include "catalogue/ModuleConfiguration.h"
#include "cli/CommandLine.h"
#include "cli/PortChoice.h"
#include "records/ConfigurationFile.h"
#include "records/LoadRecord.h"
#include "report/ReportPdf.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"
#include "transfer/ModuleRead.h"
#include "transfer/ModuleWrite.h"

#include <QTemporaryDir>

#include <memory>

// What a windowless command works with: the chosen port (or an in-process simulated module),
// message boxes printed on standard error, the program folder, and the configuration the command
// reads, loads or writes through the operations the window uses.
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
    const PortChoice& port() const { return port_; }

    // Loads the configuration file at `path` as the window's open command does, the check after a
    // load included; false when it was refused (its boxes have spoken).
    bool load(const QString& path);
    // Reads the connected module as F1 does: the check after a read, and the configuration log.
    ModuleReadOutcome read();
    // Writes the configuration as F2 does: the check before a write, the write, and the
    // configuration log after a write that completed.
    ModuleWriteOutcome write();

    // The configuration read or loaded, and the catalogue of its model and firmware.
    const ModuleConfiguration& configuration() const { return configuration_; }
    const TParameterTable& catalogue() const { return state_->ParameterTable(); }
    // What the last load refused or applied.
    const FileLoadRecord& lastLoad() const { return lastLoad_; }
    // The header a save made now writes (a command has no additional information to add).
    ConfigurationHeader header(const QDateTime& moment = QDateTime::currentDateTime()) const;

  private:
    ConsoleDialogs dialogs_;
    // Without a printer, the report goes into PDF documents.
    PdfReportOutput reports_;
    PortChoice port_;
    std::unique_ptr<QTemporaryDir> demoHome_;
    std::unique_ptr<ProgramState> state_;
    ModuleConfiguration configuration_;
    FileLoadRecord lastLoad_;
};
