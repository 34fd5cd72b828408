#pragma once

#include "records/ReportOutput.h"

#include <QPointer>
#include <QWidget>

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
