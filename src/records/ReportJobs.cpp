#include "records/ReportJobs.h"

#include "catalogue/CatalogueLookup.h"
#include "shell/FileWriting.h"

ReportSheet MakeReportSheet(const ConfigurationHeader& header,
                            const ModuleConfiguration& configuration,
                            const TParameterTable& catalogue, const QSet<int>& printed) {
    ReportSheet sheet;
    sheet.modelCode = header.model;
    sheet.date = configuration.date;
    sheet.doneBy = header.doneBy;
    sheet.doneFor = header.doneFor;
    sheet.tag1 = header.tag1;
    sheet.tag2 = header.tag2;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = catalogue[i];
        if (!printed.contains(i) || !AppliesToModel(entry, configuration.model)) {
            continue;
        }
        const bool number = entry.FieldType == FieldKind::Number;
        sheet.rows.push_back({entry.Name, ValueText(configuration, entry, i),
                              number ? configuration.limits(i).unit : QString()});
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
