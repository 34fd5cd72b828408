#pragma once

#include "records/ReportOutput.h"

// The report's pages as a PDF document: A4 paper, no margins, 600 pixels per inch.
PdfOutcome RenderReportPdf(const ReportPages& pages);

// For the command line: makes PDF documents; there is no printer to print on.
class PdfReportOutput final : public ReportOutput {
  public:
    PrintOutcome print(const ReportPages& pages) override;
    PdfOutcome pdf(const ReportPages& pages) override { return RenderReportPdf(pages); }
};
