// The report page as a printer gets it: pixel positions for a resolution and the printable
// area's offsets, the PDF document read back, and kvc7345 report from a terminal.

#include "support/ConfigurationFiles.h"
#include "support/ProgramProcess.h"
#include "support/ScriptedDialogs.h"

#include "form/TForm1.h"
#include "records/ReportJobs.h"
#include "records/ReportSheet.h"
#include "report/ReportPainter.h"
#include "report/ReportPdf.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the painter was asked to draw, in device pixels.
struct Recorded {
    QList<QLine> lines;
    QList<QRect> rects;
    struct Text {
        QString text;
        QPoint baseline;
        QFont font;
    };
    QList<Text> texts;
};

class RecordingEngine final : public QPaintEngine {
  public:
    explicit RecordingEngine(Recorded& record) : QPaintEngine(AllFeatures), record_(record) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            record_.lines << lines[i];
        }
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            record_.lines << lines[i].toLine();
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            record_.rects << rects[i];
        }
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        record_.texts << Recorded::Text{item.text(), p.toPoint(), item.font()};
    }

  private:
    Recorded& record_;
};

// A page of `pixelsPerInch` resolution that records instead of drawing.
class RecordingDevice final : public QPaintDevice {
  public:
    RecordingDevice(int pixelsPerInch, QSize size)
        : pixelsPerInch_(pixelsPerInch), size_(size), engine_(record) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    Recorded record;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return pixelsPerInch_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return INT_MAX;
            default:
                return QPaintDevice::metric(metric);
        }
    }

  private:
    int pixelsPerInch_;
    QSize size_;
    mutable RecordingEngine engine_;
};

// A4 at 600 pixels per inch, less the offsets on each side.
RecordingDevice* drawOnA4(const ReportPage& page, int offset) {
    const QSize printable(4961 - 2 * offset, 7016 - 2 * offset);
    auto* device = new RecordingDevice(600, printable);
    QPainter painter(device);
    ReportPainter(painter, {600, offset, offset, printable.width(), printable.height()})
        .drawPage(page);
    return device;
}

ReportSheet smallSheet() {
    return {"Q7383D",
            "07/12/2026",
            "J. Smith",
            "ACME",
            QString("TT-101"),
            std::nullopt,
            {{"Sensor 1", "TC K", ""}, {"Highscale 2", "1000.0", "°C"}, {"Output mA", "on", ""}}};
}

QString pdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    QProcess process;
    process.start("pdfinfo", {path});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const qsizetype at = info.indexOf("Pages:");
    return at < 0 ? 0 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
}

// The rows a file's report holds, as the window model collects them.
QStringList reportRowsOf(const QString& file, QString* date) {
    ScriptedDialogs dialogs;
    ProgramState state(dialogs);
    QTemporaryDir home;
    state.ProgramFolder = home.path();
    TForm1 form(state);
    dialogs.answerFileDialog(file);
    if (!form.ReadFromFile(FileSource::Archive) || !form.CheckAll(CheckMode::Print)) {
        return {};
    }
    *date = form.Configuration().date;
    QStringList rows;
    const ReportSheet sheet = form.ShownReport();
    for (const ReportRow& row : sheet.rows) {
        rows << row.name + "|" + (row.value + " " + row.unit).trimmed();
    }
    return rows;
}

}  // namespace

class TestReportPage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void conversion_data() {
        QTest::addColumn<int>("pixelsPerInch");
        QTest::addColumn<int>("offset");
        QTest::addColumn<double>("centimetres");
        QTest::addColumn<int>("pixel");
        // 600 × 2.0 × 0.3937 = 472.44: the fraction goes before the offset is taken off.
        QTest::newRow("600 dpi, 2.0 cm") << 600 << 0 << 2.0 << 472;
        QTest::newRow("600 dpi, 2.0 cm, offset 50") << 600 << 50 << 2.0 << 422;
        QTest::newRow("600 dpi, 19.5 cm") << 600 << 0 << 19.5 << 4606;
        QTest::newRow("300 dpi, 11.17 cm, offset 13") << 300 << 13 << 11.17 << 1306;
        QTest::newRow("1200 dpi, 0.3 cm, offset 200") << 1200 << 200 << 0.3 << -59;
    }
    void conversion() {
        QFETCH(int, pixelsPerInch);
        QFETCH(int, offset);
        QFETCH(double, centimetres);
        QFETCH(int, pixel);
        const PageMeasures measures{pixelsPerInch, offset, offset + 7, 4000, 6000};
        QCOMPARE(put(measures, Axis::X, centimetres), pixel);
        QCOMPARE(put(measures, Axis::Y, centimetres), pixel - 7);
    }

    // The fixed items where a 600 dpi printer with the given offsets must put them.
    void fixedItemPixels_data() {
        QTest::addColumn<int>("offset");
        QTest::newRow("no offsets") << 0;
        QTest::newRow("offsets 50") << 50;
    }
    void fixedItemPixels() {
        QFETCH(int, offset);
        const std::unique_ptr<RecordingDevice> device(
            drawOnA4(LayOutReport(smallSheet()).front(), offset));
        const Recorded& record = device->record;
        const auto line = [offset](int x1, int y1, int x2, int y2) {
            return QLine(x1 - offset, y1 - offset, x2 - offset, y2 - offset);
        };
        // 1.5 → 354, 19.5 → 4606, 3.3 → 779, 4.5 → 1062, 22.0 → 5196, 11.0 → 2598,
        // 24.5 → 5787, 28.5 → 6732, in the order they are drawn.
        QCOMPARE(record.lines.at(0), line(354, 779, 4606, 779));
        QCOMPARE(record.lines.at(1), line(354, 1062, 4606, 1062));
        QCOMPARE(record.lines.at(2), line(2598, 5787, 2598, 6732));
        QCOMPARE(record.lines.at(3), line(354, 5196, 4606, 5196));
        // The column line runs down to the table's closing row 8 (7.3 cm → 1724).
        QVERIFY(record.lines.contains(line(2598, 1062, 2598, 1724)));

        // Text positions are top-left corners: the baseline lies one ascent lower.
        struct Expected {
            QString text;
            int x;
            int y;
            int points;
        };
        const Expected texts[] = {
            {"Model: Q7383D            Serial: ...........................", 472, 425, 14},
            {"Date: 07/12/2026", 3732, 425, 10},
            {"Configuration Report", 1771, 826, 20},
            {"Notes:", 425, 5244, 10},
            {"CHANNEL 1", 425, 1062, 10},
            {"TAG: TT-101", 2669, 1062, 10},
        };
        for (const Expected& expected : texts) {
            const auto found = std::find_if(
                record.texts.begin(), record.texts.end(),
                [&](const Recorded::Text& text) { return text.text == expected.text; });
            QVERIFY2(found != record.texts.end(), qPrintable(expected.text));
            QCOMPARE(found->font.pointSize(), expected.points);
            const int ascent = QFontMetrics(found->font, device.get()).ascent();
            QCOMPARE(found->baseline, QPoint(expected.x - offset, expected.y - offset + ascent));
        }

        // The frame: 1.5 cm and 1.2 cm (283 px) in from the paper's edges, one pixel wide.
        QCOMPARE(record.rects.size(), 1);
        const QRect frame = record.rects.front();
        QCOMPARE(frame.topLeft(), QPoint(354 - offset, 283 - offset));
        QCOMPARE(frame.left() + offset + frame.width() + 1, 4961 - 354);
        QCOMPARE(frame.top() + offset + frame.height() + 1, 7016 - 283);
    }

    // No text runs out of the frame on the right, in the font this machine offers.
    void textsStayInsideTheFrame() {
        const std::unique_ptr<RecordingDevice> device(
            drawOnA4(LayOutReport(smallSheet()).front(), 0));
        const int frameRight = 4961 - 354;
        for (const Recorded::Text& text : device->record.texts) {
            const int right = text.baseline.x() +
                              QFontMetrics(text.font, device.get()).horizontalAdvance(text.text);
            QVERIFY2(right < frameRight, qPrintable(text.text));
        }
    }

    // The PDF document reads back: its text, and one page per laid-out page.
    void pdfReadsBack() {
        QTemporaryDir folder;
        ReportSheet sheet = smallSheet();
        for (int i = 0; i < 60; ++i) {
            sheet.rows.push_back(
                {"Extra " + QString(QChar('a' + i % 26)) + QChar('a' + i / 26), "x", ""});
        }
        const PdfOutcome one = RenderReportPdf(LayOutReport(smallSheet()));
        const PdfOutcome two = RenderReportPdf(LayOutReport(sheet));
        QVERIFY(one.made());
        QVERIFY(two.made());
        const QString onePath = PutFile(folder.path(), "one.pdf", one.document);
        const QString twoPath = PutFile(folder.path(), "two.pdf", two.document);
        QCOMPARE(pdfPages(onePath), 1);
        QCOMPARE(pdfPages(twoPath), 2);
        const QString text = pdfText(onePath);
        for (const char* expected :
             {"Model: Q7383D", "Date: 07/12/2026", "Configuration Report", "CHANNEL 1",
              "TAG: TT-101", "CHANNEL 2", "Highscale 2", "1000.0 °C", "Configured by: J. Smith",
              "Configured for: ACME"}) {
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        }
    }

    // From a terminal: the model, the file's date and every row of the report in the PDF.
    void reportCommand_data() {
        QTest::addColumn<QString>("model");
        QTest::newRow("Q7383D") << "Q7383D";
        QTest::newRow("V7380D") << "V7380D";
    }
    void reportCommand() {
        QFETCH(QString, model);
        QTemporaryDir home;
        const QString file = QDir(KVC7345_DATA_DIR).filePath("factorydefaults/" + model + ".NVC");
        const QString pdf = QDir(home.path()).filePath("sheet.pdf");
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"report", file, "--pdf", pdf, "--done-by", "J. Smith"});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.err, QString());
        QString date;
        const QStringList rows = reportRowsOf(file, &date);
        QVERIFY(rows.size() > 10);
        QVERIFY(!date.isEmpty());
        // Lines of the text as laid out: a row's name and value stand on one line.
        const QStringList lines = pdfText(pdf).split('\n');
        const auto hasLine = [&lines](const QStringList& parts) {
            return std::any_of(lines.begin(), lines.end(), [&parts](const QString& line) {
                const QString joined = line.simplified();
                return std::all_of(parts.begin(), parts.end(), [&joined](const QString& part) {
                    return joined.contains(part);
                });
            });
        };
        QVERIFY(hasLine({"Model: " + model, "Date: " + date}));
        QVERIFY(hasLine({"Configured by: J. Smith"}));
        for (const QString& row : rows) {
            QVERIFY2(hasLine(row.split('|')), qPrintable(row));
        }
    }

    // A sheet that would lack parameters names them and is drawn only with --yes.
    void reportNamesWhatTheFileLacks_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("refused") << false;
        QTest::newRow("--yes") << true;
    }
    void reportNamesWhatTheFileLacks() {
        QFETCH(bool, yes);
        QTemporaryDir home;
        QByteArray bytes = FileBytes(QDir(KVC7345_DATA_DIR).filePath("factorydefaults/Q7323S.NVC"));
        const QByteArray highscale = "Highscale 1                              = 20.000\r\n";
        QVERIFY(bytes.contains(highscale));
        const QString file = PutFile(home.path(), "lacking.NVC", bytes.replace(highscale, ""));
        const QString pdf = QDir(home.path()).filePath("sheet.pdf");
        QStringList arguments{"report", file, "--pdf", pdf};
        if (yes) {
            arguments << "--yes";
        }
        const ProcessOutcome outcome = RunProgram(home.path(), arguments);
        const QString note =
            "The file holds no value for these parameters of the Q7323S:\n     - Highscale 1\n";
        QCOMPARE(outcome.err,
                 yes ? note
                     : note + "No report: " + file +
                           " lacks parameters of the Q7323S; --yes draws the sheet without them\n");
        QCOMPARE(outcome.exitCode, yes ? 0 : 1);
        QCOMPARE(QFileInfo::exists(pdf), yes);
    }

    void reportCommandRefusals_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a configuration")
            << "hello\r\n"
            << QStringList{} << 1 << "does not seem to be a valid configuration file";
        QTest::newRow("no --pdf") << "" << QStringList{"--no-pdf"} << 2 << "--pdf OUT.pdf";
    }
    void reportCommandRefusals() {
        QFETCH(QString, content);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir home;
        const QString file = PutFile(home.path(), "bad.NVC", content.toLatin1());
        const QString pdf = QDir(home.path()).filePath("sheet.pdf");
        const QStringList arguments = options.isEmpty() ? QStringList{"report", file, "--pdf", pdf}
                                                        : QStringList{"report", file};
        const ProcessOutcome outcome = RunProgram(home.path(), arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

QTEST_MAIN(TestReportPage)
#include "tst_reportpage.moc"
