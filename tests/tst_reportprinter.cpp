// The report on a real QPrinter (writing PDF here, as no printer is installed): the printable
// area's offsets taken off so the page stands where the sheet says, and the chosen page range.

#include "support/ConfigurationFiles.h"

#include "records/ReportSheet.h"
#include "window/PrinterReportOutput.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// pdftotext's word boxes: word → top-left corner in points from the paper's top-left.
QMultiHash<QString, QPointF> wordBoxes(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    QMultiHash<QString, QPointF> boxes;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        boxes.insert(found.captured(3),
                     {found.captured(1).toDouble(), found.captured(2).toDouble()});
    }
    return boxes;
}

ReportSheet sheetOf(int rows) {
    ReportSheet sheet{"Q7383S", "07/12/2026", "", "", std::nullopt, std::nullopt, {}};
    for (int i = 0; i < rows; ++i) {
        sheet.rows.push_back(
            {"Input 1 " + QString(QChar('a' + i % 26)) + QChar('a' + i / 26), "x", ""});
    }
    return sheet;
}

constexpr double PointsPerCentimetre = 72 / 2.54;

}  // namespace

class TestReportPrinter : public QObject {
    Q_OBJECT

  private slots:
    // Whatever margins the printer keeps, the items stand at their place on the paper.
    void positionsOnThePaper_data() {
        QTest::addColumn<double>("marginMillimetres");
        QTest::newRow("no margins") << 0.0;
        QTest::newRow("12.7 mm margins") << 12.7;
    }
    void positionsOnThePaper() {
        QFETCH(double, marginMillimetres);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("printed.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait,
            QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
            QPageLayout::Millimeter));
        const PrintOutcome outcome = PrintReportOn(printer, LayOutReport(sheetOf(3)));
        QCOMPARE(outcome.result, PrintOutcome::Result::Printed);

        const auto boxes = wordBoxes(pdf);
        const struct {
            const char* word;
            double x;
            double y;
        } expected[] = {{"Model:", 2.0, 1.8},
                        {"Date:", 15.8, 1.8},
                        {"Notes:", 1.8, 22.2},
                        {"CHANNEL", 1.8, 4.5},
                        {"Configuration", 7.5, 3.5}};
        for (const auto& item : expected) {
            QVERIFY2(boxes.contains(item.word), item.word);
            const QPointF at = boxes.value(item.word);
            // The word's box starts at the text's left edge; its top lies a little below the top
            // of the text line, by the font's internal leading.
            QVERIFY2(std::abs(at.x() - item.x * PointsPerCentimetre) < 1.5, item.word);
            QVERIFY2(at.y() - item.y * PointsPerCentimetre > -0.5 &&
                         at.y() - item.y * PointsPerCentimetre < 4,
                     item.word);
        }
    }

    // The print dialog's page range: page 2 alone holds the end of the report.
    void chosenRange() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("range.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
        const ReportPages pages = LayOutReport(sheetOf(60));
        QCOMPARE(pages.size(), std::size_t{2});
        QCOMPARE(PrintReportOn(printer, pages).result, PrintOutcome::Result::Printed);
        const auto boxes = wordBoxes(pdf);
        QVERIFY(boxes.contains("Notes:"));
        QVERIFY(!boxes.contains("aa"));  // the first row, on page 1
        QVERIFY(boxes.contains("hc"));   // the last row, the 60th
    }
};

QTEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
