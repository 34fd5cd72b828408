#include "report/ReportPdf.h"

#include "report/ReportPainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {
constexpr int PdfResolution = 600;
}  // namespace

PdfOutcome RenderReportPdf(const ReportPages& pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString problem;
    {
        // The writer finishes the document when it goes away.
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("KVC7345 Configurator"));
        writer.setTitle(QStringLiteral("Configuration Report"));
        problem = PaintReport(writer, pages);
    }
    if (!problem.isEmpty()) {
        return {QByteArray(), problem};
    }
    if (buffer.data().isEmpty()) {
        return {QByteArray(), QStringLiteral("The PDF document came out empty.")};
    }
    return {buffer.data(), QString()};
}

PrintOutcome PdfReportOutput::print(const ReportPages&) {
    return {PrintOutcome::Result::Failed,
            QStringLiteral("There is no printer here; the report can be saved as PDF.")};
}
