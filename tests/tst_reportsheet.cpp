// The report sheet on the window model: its sections and rows per model, the page layout in
// centimetres, and what F6 and "Save Report as PDF" do around the drawing.

#include "support/ConfigurationFiles.h"
#include "support/DiskFaults.h"
#include "support/FormProbe.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "records/ConfigurationFile.h"
#include "records/ReportJobs.h"
#include "records/ReportOutput.h"
#include "records/ReportSheet.h"

#include <QDir>
#include <QTest>

namespace {

// Takes the pages instead of drawing them, and answers as told.
class RecordingReports final : public ReportOutput {
  public:
    PrintOutcome printAnswer{PrintOutcome::Result::Printed, {}};
    PdfOutcome pdfAnswer{QByteArray("%PDF-1.4 drawn"), {}};
    std::vector<ReportPages> printed;
    std::vector<ReportPages> rendered;

    PrintOutcome print(const ReportPages& pages) override {
        printed.push_back(pages);
        return printAnswer;
    }
    PdfOutcome pdf(const ReportPages& pages) override {
        rendered.push_back(pages);
        return pdfAnswer;
    }
};

std::vector<ReportText> textsOf(const ReportPage& page) {
    std::vector<ReportText> texts;
    for (const ReportItem& item : page) {
        if (const auto* text = std::get_if<ReportText>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

QStringList textsAt(const ReportPage& page, double x) {
    QStringList found;
    for (const ReportText& text : textsOf(page)) {
        if (qFuzzyCompare(text.x, x)) {
            found << text.text;
        }
    }
    return found;
}

std::optional<ReportText> findText(const ReportPage& page, const QString& content) {
    for (const ReportText& text : textsOf(page)) {
        if (text.text == content) {
            return text;
        }
    }
    return std::nullopt;
}

std::vector<ReportLine> linesOf(const ReportPage& page) {
    std::vector<ReportLine> lines;
    for (const ReportItem& item : page) {
        if (const auto* line = std::get_if<ReportLine>(&item)) {
            lines.push_back(*line);
        }
    }
    return lines;
}

struct ReportBench : WindowBench {
    explicit ReportBench(const QString& model) : WindowBench(model, 0, false) {
        state.reports = &reports;
        state.PrinterAvailable = true;
    }

    // Loads the shipped factory defaults of `model` as a user's file.
    bool load(const QString& model) {
        dialogs.answerFileDialog(
            QDir(KVC7345_DATA_DIR).filePath("factorydefaults/" + model + ".NVC"));
        const bool loaded = form->ReadFromFile(FileSource::Archive);
        // The half-second refresh enables the tool bar for the configuration shown.
        FormProbe::RefreshTick(*form);
        return loaded;
    }
    ReportPage printedPage() const {
        return reports.printed.empty() ? ReportPage() : reports.printed.back().front();
    }
    QString problems() const { return dialogs.problems().join('\n'); }

    RecordingReports reports;
};

ReportSheet sheetWithRows(const QString& model, int channelRows, int commonRows) {
    ReportSheet sheet{model, "07/12/2026", "J. Smith", "ACME", std::nullopt, std::nullopt, {}};
    for (int i = 1; i <= channelRows; ++i) {
        // Letters only after the channel's digit, so that no row counts for both channels.
        const QString suffix = QString(QChar('A' + i / 26)) + QChar('a' + i % 26);
        sheet.rows.push_back({"Input 1 " + suffix, "1.0", "mA"});
    }
    for (int i = 0; i < commonRows; ++i) {
        sheet.rows.push_back({QString("Common %1").arg(QChar('a' + i)), "on", ""});
    }
    return sheet;
}

const QString NoPrinterText =
    "Printing is not possible because no default printer was found.\r\rThe report sheet can be "
    "saved as PDF instead, with the tool button \"Save Report as PDF\".";
const QString NoConfigurationText =
    "There is no configuration for a report sheet.\rRead one from a module (F1) or load a file "
    "(F3) first.";

}  // namespace

class TestReportSheet : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        qputenv("KVC7345_SERVER", "http://www.maker.test");
    }

    // Every enabled parameter in its section, name at 2.8 cm and value with unit at 11.3 cm on
    // the same row; a single-channel sheet names nothing of a channel 2.
    void sectionsPerModel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("secondChannel");
        QTest::newRow("single channel") << "Q7383S" << false;
        QTest::newRow("two channels") << "Q7383D" << true;
        QTest::newRow("X code: channel-2 outputs") << "Q7323X" << true;
        QTest::newRow("V7300 two channels") << "V7380D" << true;
    }
    void sectionsPerModel() {
        QFETCH(QString, model);
        QFETCH(bool, secondChannel);
        ReportBench bench(model);
        QVERIFY(bench.load(model));
        bench.form->Click("BitBtn1");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.reports.printed.size(), std::size_t{1});
        QCOMPARE(bench.reports.printed.back().size(), std::size_t{1});
        const ReportPage page = bench.printedPage();

        const QStringList headers = textsAt(page, 1.8);
        QCOMPARE(headers.contains("CHANNEL 2"), secondChannel);
        QVERIFY(headers.contains("CHANNEL 1"));
        int rows = 0;
        bool secondChannelRows = false;
        const ReportSheet sheet = bench.form->ShownReport();
        for (const ReportRow& row : sheet.rows) {
            const QString& name = row.name;
            ++rows;
            secondChannelRows |= name.contains('2');
            const auto nameText = findText(page, name);
            QVERIFY2(nameText && qFuzzyCompare(nameText->x, 2.8), qPrintable(name));
            const QString value = row.value + " " + row.unit;
            const auto valueText = findText(page, value);
            QVERIFY2(valueText, qPrintable(value));
            QCOMPARE(valueText->x, 11.3);
            QVERIFY(std::abs(valueText->y - nameText->y) < 1e-9 ||
                    textsAt(page, 11.3).count(value) > 1);
        }
        QVERIFY(rows > 5);
        QCOMPARE(secondChannelRows, secondChannel);
        QCOMPARE(static_cast<int>(textsAt(page, 2.8).size()), rows);
        QCOMPARE(bench.lastLogText(), "Printed " + model + " report sheet");
        QVERIFY(bench.form->AcceptsInput());
    }

    // A parameter out of use (a thermocouple's cold junction once an RTD is chosen) stays in
    // the file's entry list but not in the report.
    void parameterOutOfUseIsLeftOut() {
        ReportBench bench("Q7383D");
        QVERIFY(bench.load("Q7383D"));
        Choose(*bench.form, "CInputTm1", 11);  // Pt 100
        bench.form->Click("BitBtn1");
        const QStringList names = textsAt(bench.printedPage(), 2.8);
        QVERIFY(!names.contains("Cold Junction Compensation 1"));
        QVERIFY(names.contains("Cold Junction Compensation 2") ==
                bench.form->Control("CCJCom2").isEnabled());
        QVERIFY(names.contains("Lead 1"));
        bool inFile = false;
        const EntryList entries =
            ConfigurationEntries(bench.form->Configuration(), bench.form->Catalogue());
        for (int slot = 1; slot <= EntryList::Slots; ++slot) {
            inFile |= entries.FileNames(slot) == "Cold Junction Compensation 1";
        }
        QVERIFY(inFile);
    }

    // A choice has no unit: its value text ends in the blank before the empty unit.
    void choiceValueEndsInBlank() {
        ReportBench bench("Q7383D");
        QVERIFY(bench.load("Q7383D"));
        bench.form->Click("BitBtn1");
        const QStringList values = textsAt(bench.printedPage(), 11.3);
        QVERIFY(values.contains("TC K "));
        QVERIFY(values.contains("4-20 mA "));
        QVERIFY(values.contains("1000.0 °C"));
    }

    void tagsOnlyWhenInUse_data() {
        QTest::addColumn<bool>("inUse");
        QTest::newRow("tags in use") << true;
        QTest::newRow("tags disabled") << false;
    }
    void tagsOnlyWhenInUse() {
        QFETCH(bool, inUse);
        ReportBench bench("Q7383D");
        QVERIFY(bench.load("Q7383D"));
        ModuleConfiguration tagged = bench.form->Configuration();
        tagged.tag(1) = inUse ? std::optional<QString>("TT-101") : std::nullopt;
        tagged.tag(2) = inUse ? std::optional<QString>("TT-102") : std::nullopt;
        bench.form->ShowConfiguration(tagged);
        bench.form->Click("BitBtn1");
        const ReportPage page = bench.printedPage();
        const auto tag1 = findText(page, "TAG: TT-101");
        const auto tag2 = findText(page, "TAG: TT-102");
        QCOMPARE(tag1.has_value(), inUse);
        QCOMPARE(tag2.has_value(), inUse);
        if (inUse) {
            QCOMPARE(tag1->y, ReportRowTop(1));
            QVERIFY(tag1->bold);
            QCOMPARE(tag2->y, findText(page, "CHANNEL 2")->y);
        }
        for (const ReportText& text : textsOf(page)) {
            QVERIFY2(inUse || !text.text.startsWith("TAG:"), qPrintable(text.text));
        }
    }

    // The fixed content in its drawing order, then the table, then the frame.
    void fixedContentInOrder() {
        ReportSheet sheet = sheetWithRows("Q7383S", 2, 1);
        const ReportPages pages = LayOutReport(sheet);
        QCOMPARE(pages.size(), std::size_t{1});
        const ReportPage& page = pages.front();
        const ReportPage expected{
            ReportText{"Model: Q7383S            Serial: ...........................", 2.0, 1.8,
                       14},
            ReportLine{1.5, 3.3, 19.5, 3.3},
            ReportLine{1.5, 4.5, 19.5, 4.5},
            ReportText{"Date: 07/12/2026", 15.8, 1.8, 10},
            ReportLine{11.0, 24.5, 11.0, 28.5},
            ReportText{"Configuration Report", 7.5, 3.5, 20},
            ReportLine{1.5, 22.0, 19.5, 22.0},
            ReportText{"Notes:", 1.8, 22.2, 10},
            ReportLine{1.5, 24.5, 19.5, 24.5},
            ReportLine{1.5, 25.3, 19.5, 25.3},
            ReportText{"Configured by: J. Smith", 1.8, 24.7, 10},
            ReportText{"Configured for: ACME", 11.3, 24.7, 10},
        };
        QVERIFY(page.size() > expected.size() + 3);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(page[i] == expected[i], qPrintable(QString("item %1").arg(i)));
        }
        // The three footer lines, small, ending with the web address.
        for (std::size_t i = expected.size(); i < expected.size() + 3; ++i) {
            QCOMPARE(std::get<ReportText>(page[i]).pointSize, 7);
        }
        QVERIFY(
            std::get<ReportText>(page[expected.size() + 2]).text.endsWith("http://www.maker.test"));
        QVERIFY(std::holds_alternative<ReportFrame>(page.back()));
        QCOMPARE(std::get<ReportFrame>(page.back()), (ReportFrame{1.5, 1.2}));

        // Rows: CHANNEL 1 at row 1, its two rows, an empty row, the common row at row 5, the
        // closing line at row 6 and the column line down to it.
        QCOMPARE(findText(page, "CHANNEL 1")->y, 4.5);
        QCOMPARE(findText(page, "Common a")->y, ReportRowTop(5));
        QVERIFY(findText(page, "Common a")->x == 2.8);
        const auto lines = linesOf(page);
        QCOMPARE(lines.back(), (ReportLine{11.0, 4.5, 11.0, ReportRowTop(6)}));
        QCOMPARE(lines[lines.size() - 2],
                 (ReportLine{1.5, ReportRowTop(6), 19.5, ReportRowTop(6)}));
    }

    // More rows than the table holds go on to a second page with the same header; the notes,
    // signatures and footer stand on the last page only, and no line passes the notes line.
    void overflowContinuesOnPage2() {
        const ReportSheet sheet = sheetWithRows("Q7383D", 50, 3);
        const ReportPages pages = LayOutReport(sheet);
        QCOMPARE(pages.size(), std::size_t{2});
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const ReportPage& page = pages[p];
            const bool last = p + 1 == pages.size();
            QVERIFY(findText(page, "Configuration Report"));
            QVERIFY(findText(page, "Date: 07/12/2026"));
            QVERIFY(findText(page, "Model: Q7383D            Serial: ..........................."));
            QCOMPARE(findText(page, "Notes:").has_value(), last);
            QCOMPARE(findText(page, "Configured by: J. Smith").has_value(), last);
            QVERIFY(std::holds_alternative<ReportFrame>(page.back()));
            for (const ReportText& text : textsOf(page)) {
                if (text.y >= 4.5 && text.y < 22.0) {
                    QVERIFY2(text.y <= ReportRowTop(LastReportRow) + 1e-9, qPrintable(text.text));
                }
            }
            const auto lines = linesOf(page);
            const ReportLine column = lines.back();
            QCOMPARE(column.x1, 11.0);
            QVERIFY(column.y2 <= 21.7 + 1e-9);
        }
        // Every row once, in order, the continuation starting at row 1 of page 2.
        QStringList names = textsAt(pages[0], 2.8) + textsAt(pages[1], 2.8);
        QCOMPARE(names.size(), 53);
        QCOMPARE(textsAt(pages[0], 2.8).size(), LastReportRow - 1);
        QCOMPARE(findText(pages[1], names[LastReportRow - 1])->y, 4.5);
        QVERIFY(textsAt(pages[1], 1.8).contains("CHANNEL 2"));
    }

    // F6 and its outcomes: what the user sees, what is logged, and the window taking input again
    // every time.
    void printOutcomes_data() {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("printerExists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("logged");
        const int printed = int(PrintOutcome::Result::Printed);
        const int cancelled = int(PrintOutcome::Result::Cancelled);
        const int failed = int(PrintOutcome::Result::Failed);
        QTest::newRow("printed") << true << true << printed << "" << true << true;
        QTest::newRow("dialog cancelled") << true << true << cancelled << "" << true << false;
        QTest::newRow("printer fails")
            << true << true << failed
            << "The report sheet could not be printed.\r\rThe printer ran out of paper." << true
            << false;
        QTest::newRow("no printer") << true << false << printed << NoPrinterText << false << false;
        QTest::newRow("no configuration")
            << false << true << printed << NoConfigurationText << false << false;
    }
    void printOutcomes() {
        QFETCH(bool, loaded);
        QFETCH(bool, printerExists);
        QFETCH(int, answer);
        QFETCH(QString, box);
        QFETCH(bool, printed);
        QFETCH(bool, logged);
        ReportBench bench("Q7383D");
        if (loaded) {
            QVERIFY(bench.load("Q7383D"));
        }
        bench.state.PrinterAvailable = printerExists;
        bench.reports.printAnswer = {PrintOutcome::Result(answer), "The printer ran out of paper."};
        if (!box.isEmpty()) {
            bench.dialogs.expect(BoxKind::Warning, box);
        }
        const auto logLines = bench.form->LogLines().size();
        // The handler itself: with no configuration its button is disabled.
        bench.form->Control(QStringLiteral("BitBtn1")).setEnabled(true);
        bench.form->Click(QStringLiteral("BitBtn1"));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(!bench.reports.printed.empty(), printed);
        QCOMPARE(bench.form->LogLines().size() > logLines, logged);
        QVERIFY(bench.form->AcceptsInput());
    }

    // A consistency error stops the print before the dialog.
    void refusedCheckPrintsNothing() {
        ReportBench bench("Q7383D");
        QVERIFY(bench.load("Q7383D"));
        TypeInto(*bench.form, "TUpscale1", bench.form->Control("TDownscale1").text());
        bench.dialogs.expect(BoxKind::Information,
                             "\rError: Upscale and Downscale Values cannot be the same\r");
        bench.form->Click("BitBtn1");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QVERIFY(bench.reports.printed.empty());
    }

    // "Save Report as PDF": the chosen file gets the document whole, or keeps what it held.
    void pdfSave_data() {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("renderFailure");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("saved") << true << "" << false << "";
        QTest::newRow("dialog cancelled") << false << "" << false << "";
        QTest::newRow("drawing fails") << true << "The printer did not accept the job." << false
                                       << "The printer did not accept the job.";
        QTest::newRow("disk full") << true << "" << true << DiskFullReason;
    }
    void pdfSave() {
        QFETCH(bool, chosen);
        QFETCH(QString, renderFailure);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        ReportBench bench("Q7383S");
        QVERIFY(bench.load("Q7383S"));
        const QString path = PutFile(bench.home.path(), "sheet.pdf", "old sheet");
        FailingDisk full = FailingDisk::FullFrom(1);
        if (diskFull) {
            bench.state.disk = &full;
        }
        if (!renderFailure.isEmpty()) {
            bench.reports.pdfAnswer = {QByteArray(), renderFailure};
        }
        bench.dialogs.answerFileDialog(chosen ? path : QString());
        if (!reason.isEmpty()) {
            bench.dialogs.expect(BoxKind::Warning,
                                 "The report sheet could not be saved as PDF.\r\r" + path + ": " +
                                     reason +
                                     "\r\rNothing was changed; choose another file or folder.");
        }
        const bool saved = chosen && reason.isEmpty();
        bench.form->Click(QStringLiteral("TBSaveReportPdf"));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(FileBytes(path), saved ? QByteArray("%PDF-1.4 drawn") : QByteArray("old sheet"));
        QCOMPARE(bench.lastLogText() == "Saved Q7383S report sheet as PDF to file sheet.pdf",
                 saved);
        QVERIFY(bench.form->AcceptsInput());

        const FileDialogRequest& request = bench.dialogs.fileRequests().back();
        QCOMPARE(request.filter, QString("PDF Document (*.pdf)"));
        QCOMPARE(request.defaultSuffix, QString("pdf"));
        QVERIFY(request.proposedName.startsWith("Q7383S_"));
    }
};

QTEST_GUILESS_MAIN(TestReportSheet)
#include "tst_reportsheet.moc"
