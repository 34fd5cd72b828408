#include "window/PrinterReportOutput.h"

#include "report/ReportPainter.h"
#include "report/ReportPdf.h"

#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

PrintOutcome PrinterReportOutput::print(const ReportPages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    const int pageCount = static_cast<int>(pages.size());
    // The sheet is one page (two for a configuration longer than any model has today): the
    // range offers exactly the pages there are.
    printer.setFromTo(1, pageCount);
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
    dialog.setMinMax(1, pageCount);
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintOutcome::Result::Cancelled, QString()};
    }
    return PrintReportOn(printer, pages);
}

PrintOutcome PrintReportOn(QPrinter& printer, const ReportPages& pages) {
    const int pageCount = static_cast<int>(pages.size());
    ReportPages chosen = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const int from = std::clamp(printer.fromPage(), 1, pageCount);
        const int to = std::clamp(printer.toPage(), from, pageCount);
        chosen.assign(pages.begin() + (from - 1), pages.begin() + to);
    }
    const QString problem = PaintReport(printer, chosen);
    if (!problem.isEmpty() || printer.printerState() == QPrinter::Error) {
        return {PrintOutcome::Result::Failed,
                problem.isEmpty() ? QStringLiteral("The printer reported an error.") : problem};
    }
    return {PrintOutcome::Result::Printed, QString()};
}

PdfOutcome PrinterReportOutput::pdf(const ReportPages& pages) {
    return RenderReportPdf(pages);
}
