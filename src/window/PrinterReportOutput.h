#pragma once

#include "records/ReportOutput.h"

#include <QPointer>
#include <QWidget>

class QPrinter;

// Draws the pages on a printer that has been set up, the job's range of pages included.
PrintOutcome PrintReportOn(QPrinter& printer, const ReportPages& pages);

// The window's report output: the system's print dialog and printer, and PDF documents.
class PrinterReportOutput final : public ReportOutput {
  public:
    // The print dialog opens over `parent`'s window.
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    PrintOutcome print(const ReportPages& pages) override;
    PdfOutcome pdf(const ReportPages& pages) override;

  private:
    QPointer<QWidget> parent_;
};
