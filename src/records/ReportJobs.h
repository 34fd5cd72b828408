#pragma once

#include "records/ConfigurationFile.h"
#include "records/ReportOutput.h"
#include "records/ReportSheet.h"

#include <QSet>
#include <QString>

class DiskWriter;

// The report sheet of a configuration, printed or saved as a PDF file.

// The sheet of `configuration` as `header` describes it, dated with the configuration's date:
// one row for each parameter of its model that `printed` names, in catalogue order, with the
// value's text and a number's unit.
ReportSheet MakeReportSheet(const ConfigurationHeader& header,
                            const ModuleConfiguration& configuration,
                            const TParameterTable& catalogue, const QSet<int>& printed);

// Shows the print dialog for the sheet's pages and prints them.
PrintOutcome PrintReportSheet(const ReportSheet& sheet, ReportOutput& output);

// How saving the sheet as PDF ended: saved, or not because the document could not be drawn or
// the file not written, with the system's `reason`. A failed save leaves `path` as it was.
struct ReportFileOutcome {
    enum class Failure { None, NotDrawn, NotWritten };
    Failure failure = Failure::None;
    QString path;
    QString reason;

    bool saved() const { return failure == Failure::None; }
};

ReportFileOutcome SaveReportPdf(const QString& path, const ReportSheet& sheet, ReportOutput& output,
                                DiskWriter& disk);
