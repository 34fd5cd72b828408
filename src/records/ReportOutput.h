#pragma once

#include "records/ReportSheet.h"

#include <QByteArray>
#include <QString>

// How a print job ended. `reason` says why it failed, in the system's words where it has any.
struct PrintOutcome {
    enum class Result { Printed, Cancelled, Failed };
    Result result = Result::Failed;
    QString reason;
};

// The report as a PDF document, or why it could not be made.
struct PdfOutcome {
    QByteArray document;
    QString reason;
    bool made() const { return reason.isEmpty() && !document.isEmpty(); }
};

// Where the report's pages are drawn: the window prints them after its print dialog, and both
// the window and the command line make PDF documents of them. The core itself draws nothing,
// so it needs no display and no printing library; tests put a recorder here.
class ReportOutput {
  public:
    virtual ~ReportOutput() = default;
    // Shows the print dialog for the pages and prints them.
    virtual PrintOutcome print(const ReportPages& pages) = 0;
    // Draws the pages into a PDF document on A4 paper.
    virtual PdfOutcome pdf(const ReportPages& pages) = 0;
};

// For a program built without the report painter: every job fails and says so.
ReportOutput& NoReportOutput();
