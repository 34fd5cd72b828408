#include "records/ReportJobs.h"

#include "shell/FileWriting.h"

ReportSheet MakeReportSheet(const ConfigurationHeader& header, const QString& date,
                            const ReportRows& rows) {
    ReportSheet sheet;
    sheet.modelCode = header.model;
    sheet.date = date;
    sheet.doneBy = header.doneBy;
    sheet.doneFor = header.doneFor;
    sheet.tag1 = header.tag1;
    sheet.tag2 = header.tag2;
    for (int slot = 1; slot <= ReportRows::Slots; ++slot) {
        const QString& name = rows.PrintNames(slot);
        if (!name.isEmpty()) {
            sheet.rows.push_back({name, rows.PrintValues(slot), rows.PrintUnits(slot)});
        }
    }
    return sheet;
}

PrintOutcome PrintReportSheet(const ReportSheet& sheet, ReportOutput& output) {
    return output.print(LayOutReport(sheet));
}

ReportFileOutcome SaveReportPdf(const QString& path, const ReportSheet& sheet, ReportOutput& output,
                                DiskWriter& disk) {
    using Failure = ReportFileOutcome::Failure;
    const PdfOutcome pdf = output.pdf(LayOutReport(sheet));
    if (!pdf.made()) {
        return {Failure::NotDrawn, path, pdf.reason};
    }
    const FileWriteResult written = ReplaceFile(path, pdf.document, disk);
    if (!written.written) {
        return {Failure::NotWritten, path, written.reason};
    }
    return {Failure::None, path, {}};
}
