#pragma once

#include "records/ReportSheet.h"

#include <QString>

struct ProgramState;

// Saves a report sheet as a PDF file at `path` with the run's report painter. A failure is said
// in a warning; an earlier file of that name keeps what it held. True when saved.
bool SaveReportSheet(ProgramState& state, const QString& path, const ReportSheet& sheet);
