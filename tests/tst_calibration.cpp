// The load-cell zero and reference acquisition, in the window model and from the terminal.

#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "modsim/ModuleEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Identification{"00D00000", "00D00000", "00d80000", "00d00000"};

void setFields(WindowBench& bench, const QString& reference, const QString& range) {
    bench.form->Control("TCalReference").setText(reference);
    bench.form->Control("TCalRange").setText(range);
}

// Starts an acquisition as the terminal's calibrate does: on a window that shows nothing yet,
// where only a shown Q7356S would have enabled the button.
void startAcquisition(WindowBench& bench, bool zero) {
    const QString button =
        zero ? QStringLiteral("BAquireZero") : QStringLiteral("BAquireReference");
    bench.form->Control(button).setEnabled(true);
    bench.form->Click(button);
}

// The status panel's button that goes on with the acquisition.
void continueAcquisition(WindowBench& bench, bool zero) {
    bench.form->Click(zero ? QStringLiteral("BStatus_AquireZero")
                           : QStringLiteral("BStatus_AquireReference"));
}

bool shownControl(const WindowBench& bench, const char* name) {
    return bench.form->Control(QString::fromLatin1(name)).isVisible();
}

}  // namespace

class TestCalibration : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void stepsAndTraffic_data() {
        QTest::addColumn<bool>("zero");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("result");
        QTest::newRow("zero") << true
                              << "Unload cell before proceeding.\nPress button to continue when "
                                 "ready."
                              << "00E40000"
                              << "Zero succesfully aquired.";
        QTest::newRow("reference")
            << false
            << "Set input to 10000 before proceeding.\nPress button to continue when ready."
            << "00E50000"
            << "Reference succesfully aquired.";
    }

    void stepsAndTraffic() {
        QFETCH(bool, zero);
        QFETCH(QString, instruction);
        QFETCH(QString, command);
        QFETCH(QString, result);
        WindowBench bench("Q7356S");
        QVERIFY(bench.started);
        setFields(bench, "10000", "20000");
        startAcquisition(bench, zero);
        QCOMPARE(ShownText(*bench.form, "LStatus"), instruction);
        QCOMPARE(ShownText(*bench.form, "LStatusTitle"),
                 QStringLiteral("Q7356S ") + (zero ? "Zero" : "Reference") + " aquiring procedure");
        QVERIFY(shownControl(bench, "PStatus"));
        QVERIFY(shownControl(bench, "BCancelStatus"));
        QCOMPARE(shownControl(bench, "BStatus_AquireZero"), zero);
        QCOMPARE(shownControl(bench, "BStatus_AquireReference"), !zero);
        QVERIFY(!shownControl(bench, "BStatus"));
        QVERIFY(bench.form->CalibrationPending());
        bench.engine().clearCommands();

        continueAcquisition(bench, zero);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().commands(), (QStringList{"00132710", "00154E20", command}));
        QCOMPARE(ShownText(*bench.form, "LStatus"), result);
        QVERIFY(shownControl(bench, "BStatus"));
        QVERIFY(!shownControl(bench, "BCancelStatus"));
        QVERIFY(!bench.form->CalibrationPending());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void cancelSendsNothing() {
        WindowBench bench("Q7356S");
        QVERIFY(bench.started);
        setFields(bench, "10000", "20000");
        startAcquisition(bench, false);
        bench.engine().clearCommands();
        bench.form->Click("BCancelStatus");
        QVERIFY(bench.engine().commands().isEmpty());
        QVERIFY(!shownControl(bench, "PStatus"));
        QVERIFY(!bench.form->CalibrationPending());
        QVERIFY(bench.form->AcceptsInput());
    }

    void anotherModelGetsNoPanel() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.dialogs.expect(BoxKind::Warning,
                             "This function is only available in Q7356S modules.");
        startAcquisition(bench, true);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(!shownControl(bench, "PStatus"));
        QVERIFY(!bench.form->CalibrationPending());
    }

    // A load cell's configuration on screen and another model on the line: the window keeps
    // what it shows, laid out for it, and the calibration is refused.
    void aShownLoadCellStaysWhenAnotherModelIsConnected() {
        WindowBench bench("Q7384S");
        QVERIFY(bench.started);
        bench.dialogs.answerFileDialog(KVC7345_DATA_DIR "/factorydefaults/Q7356S.NVC");
        QVERIFY(bench.form->ReadFromFile(FileSource::Archive));
        const QString described = bench.form->StatusPanel(1);
        QVERIFY(described.startsWith("Q7356S"));
        bench.dialogs.expect(BoxKind::Warning,
                             "This function is only available in Q7356S modules.");
        bench.form->Click("BAquireZero");
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(!bench.form->CalibrationPending());
        QCOMPARE(bench.form->StatusPanel(1), described);
        QCOMPARE(bench.state.ModelCode, QStringLiteral("Q7356S"));
        for (const char* name : {"BAquireZero", "TCalReference", "TCalRange"}) {
            QVERIFY2(bench.form->Control(name).isEnabled(), name);
        }
    }

    void failedAcquisitions_data() {
        QTest::addColumn<bool>("silent");
        QTest::newRow("silent module") << true;
        QTest::newRow("acquisition refused") << false;
    }

    void failedAcquisitions() {
        QFETCH(bool, silent);
        WindowBench bench("Q7356S");
        QVERIFY(bench.started);
        setFields(bench, "100", "200");
        startAcquisition(bench, true);
        silent ? bench.engine().setFault(modsim::Fault::Silent)
               : bench.engine().setAcquireSucceeds(false);
        continueAcquisition(bench, true);
        QCOMPARE(ShownText(*bench.form, "LStatus"), QStringLiteral("Connection problem."));
        QVERIFY(shownControl(bench, "BStatus"));
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // A field that is no whole number within 0..30000: nothing is sent, the port is closed and
    // the panel keeps its OK button.
    void aBadFieldIsNeverSent_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("field");
        QTest::newRow("reference not a number") << "12a"
                                                << "200"
                                                << "Calibration Reference";
        QTest::newRow("range beyond 30000") << "100"
                                            << "30001"
                                            << "Calibration Range";
    }

    void aBadFieldIsNeverSent() {
        QFETCH(QString, reference);
        QFETCH(QString, range);
        QFETCH(QString, field);
        WindowBench bench("Q7356S");
        QVERIFY(bench.started);
        setFields(bench, "100", "200");
        startAcquisition(bench, false);
        setFields(bench, reference, range);
        bench.engine().clearCommands();
        const QString why =
            field + " must be a whole number from 0 to 30000.\rNothing was sent to the module.";
        bench.dialogs.expect(BoxKind::Error, why);
        continueAcquisition(bench, false);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
        QCOMPARE(bench.state.link.openPortCount(), 0);
        QVERIFY(shownControl(bench, "BStatus"));
        QVERIFY(!shownControl(bench, "BStatus_AquireReference"));
        QVERIFY(bench.form->AcceptsInput());
        QVERIFY(!bench.form->CalibrationPending());
    }

    void aWaitingProcedureKeepsThePort() {
        WindowBench bench("Q7356S");
        QVERIFY(bench.started);
        startAcquisition(bench, true);
        bench.engine().clearCommands();
        bench.dialogs.expect(BoxKind::Warning,
                             "A load-cell calibration is waiting in the status panel.\rFinish or "
                             "cancel it before using the port for anything else.");
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
    }

    // The terminal's traffic, byte for byte: the silent probe and the identification, then the
    // three commands of step 2.
    void theCommandLineCalibrates_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("acquires");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("acquisition");
        QTest::newRow("zero") << "zero" << true
                              << "Unload cell before proceeding.\nPress button to continue when "
                                 "ready.\nZero succesfully aquired.\n"
                              << ""
                              << "00E40000";
        QTest::newRow("reference") << "reference" << true
                                   << "Set input to 10000 before proceeding.\nPress button to "
                                      "continue when ready.\nReference succesfully aquired.\n"
                                   << ""
                                   << "00E50000";
        QTest::newRow("zero refused") << "zero" << false
                                      << "Unload cell before proceeding.\nPress button to "
                                         "continue when ready.\n"
                                      << "Connection problem.\n"
                                      << "00E40000";
    }

    void theCommandLineCalibrates() {
        QFETCH(QString, what);
        QFETCH(bool, acquires);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, acquisition);
        modsim::PtyModule module(QStringLiteral("Q7356S"), 0, false);
        QVERIFY(module.start());
        module.engine().setAcquireSucceeds(acquires);
        QTemporaryDir home;
        QProcess process;
        process.start(QDir(QCoreApplication::applicationDirPath()).filePath("../kvc7345"),
                      {"calibrate", what, "--port", module.portName(), "--reference", "10000",
                       "--range", "20000", "--yes", "--home", home.path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), out);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
        QCOMPARE(process.exitCode(), acquires ? 0 : 1);
        const QStringList expected =
            Identification + QStringList{"00132710", "00154E20", acquisition};
        QCOMPARE(module.engine().commands(), expected);
    }
};

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
