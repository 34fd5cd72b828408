// Writes that are refused before anything is sent, and the question before an unchanged one.

#include "support/ConfigurationFiles.h"
#include "support/ExpectedTexts.h"
#include "support/FormControls.h"
#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "form/WriteAll.h"
#include "modsim/ModuleEngine.h"

#include <QDir>
#include <QTest>

using modsim::Fault;
using modsim::PtyModule;

class TestWriteRefusals : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        qputenv("KVC7345_SERVER", "http://kvc.test");
    }

    void unchangedConfigurationAsksFirst_data() {
        QTest::addColumn<BoxAnswer>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("Yes writes") << BoxAnswer::Yes << true;
        QTest::newRow("No stops") << BoxAnswer::No << false;
    }

    void unchangedConfigurationAsksFirst() {
        QFETCH(BoxAnswer, answer);
        QFETCH(bool, written);
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        const QByteArray logAfterRead = bench.configurationLog();
        SetChecked(*bench.form, "CBWarnNoModify", true);
        bench.dialogs.expect(
            BoxKind::Information,
            "Parameters were not changed since last aquiring.\rDo you wish to write anyway?",
            BoxButtons::YesNo, answer);
        QCOMPARE(SaveToModule(*bench.form).written(), written);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().commands().size() > IdentificationTraffic().size(), written);
        QCOMPARE(bench.lastLogText(),
                 written ? "Wrote Q7323S unmodified configuration to " + bench.port()
                         : "Read Q7323S configuration from " + bench.port());
        QCOMPARE(bench.configurationLog().size() > logAfterRead.size(), written);
        QVERIFY(bench.form->AcceptsInput());
    }

    void anEditedConfigurationIsNotQuestioned() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        SetChecked(*bench.form, "CBWarnNoModify", true);
        TypeInto(*bench.form, "TUpscale1", "12");
        QVERIFY(SaveToModule(*bench.form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().registerValue(0x04), quint16(12000));
    }

    void anotherModelIsRefused() {
        WindowBench bench("Q7383S");
        PtyModule swapped("Q7383D", 0, false);
        QVERIFY(bench.started && swapped.start());
        ReadForWriting(bench);
        const QString description = bench.form->StatusPanel(1);
        const bool secondSensorShown = bench.form->FindControl("CInputTm2")->isVisible();
        UseModule(bench, swapped);
        bench.dialogs.expect(BoxKind::Error,
                             "Writing a configuration belonging to a Q7383S into a Q7383D is not "
                             "permitted");
        QVERIFY(!SaveToModule(*bench.form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(swapped.engine().commands(), IdentificationTraffic());
        // The window still shows the Q7383S configuration in the Q7383S layout.
        QCOMPARE(bench.form->StatusPanel(1), description);
        QCOMPARE(bench.form->FindControl("CInputTm2")->isVisible(), secondSensorShown);
        QCOMPARE(bench.state.ModelCode, QStringLiteral("Q7383S"));
        QCOMPARE(ShownText(*bench.form, "LModel"), QStringLiteral("Q7383S"));
        QVERIFY(bench.form->AcceptsInput());
    }

    void firmwareCheck_data() {
        QTest::addColumn<int>("configuration");
        QTest::addColumn<int>("module");
        QTest::addColumn<bool>("refused");
        QTest::newRow("newer configuration") << 6149 << 6147 << true;
        QTest::newRow("older configuration") << 6147 << 6149 << false;
    }

    void firmwareCheck() {
        QFETCH(int, configuration);
        QFETCH(int, module);
        QFETCH(bool, refused);
        WindowBench bench("Q7383S", configuration);
        PtyModule swapped("Q7383S", module, false);
        QVERIFY(bench.started && swapped.start());
        ReadForWriting(bench);
        UseModule(bench, swapped);
        const QString newer =
            "Some of the parameters in this configuration set are not suitable for the Model "
            "software release you are programming. Click Ok for more details (online).";
        if (refused) {
            bench.dialogs.expect(BoxKind::Warning, newer, BoxButtons::OkCancel, BoxAnswer::Ok);
            // Pressing F2 again meets the same check: the configuration's firmware is kept.
            bench.dialogs.expect(BoxKind::Warning, newer, BoxButtons::OkCancel, BoxAnswer::Cancel);
        }
        QCOMPARE(SaveToModule(*bench.form).written(), !refused);
        if (refused) {
            QVERIFY(!SaveToModule(*bench.form).written());
        }
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        if (refused) {
            QCOMPARE(swapped.engine().commands(),
                     IdentificationTraffic() + IdentificationTraffic());
            QCOMPARE(bench.dialogs.openedUrls(),
                     QList<QUrl>{QUrl("http://kvc.test?p=software.php&target=kvc7345&"
                                      "errorcode=1003")});
            QCOMPARE(bench.state.ModelVersion, configuration);
        } else {
            QVERIFY(swapped.engine().commands().size() > IdentificationTraffic().size());
            QCOMPARE(bench.state.ModelVersion, module);
        }
        QVERIFY(bench.form->AcceptsInput());
    }

    void sensorsMissingFromFirmware256_data() {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("module");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Pt 200 on 256") << 21 << 256 << true;
        QTest::newRow("Pt 300 on 256") << 22 << 256 << true;
        QTest::newRow("Pt 100 on 256") << 11 << 256 << false;
        QTest::newRow("Pt 200 on 257") << 21 << 257 << false;
    }

    void sensorsMissingFromFirmware256() {
        QFETCH(int, sensor);
        QFETCH(int, module);
        QFETCH(bool, refused);
        // A configuration of firmware 255, which still lists every sensor.
        WindowBench bench("Q7383S", 255);
        PtyModule swapped("Q7383S", module, false);
        QVERIFY(bench.started && swapped.start());
        ReadForWriting(bench);
        Choose(*bench.form, "CInputTm1", sensor);
        UseModule(bench, swapped);
        if (refused) {
            bench.dialogs.expect(BoxKind::Error,
                                 "One or more of the chosen Sensors are not available\rfor the "
                                 "software release of the Q7383S you are using.Please change "
                                 "sensor type.");
        }
        QCOMPARE(SaveToModule(*bench.form).written(), !refused);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        if (refused) {
            QCOMPARE(swapped.engine().commands(), IdentificationTraffic());
            QCOMPARE(bench.state.ModelVersion, 255);
        } else {
            QCOMPARE(swapped.engine().registerValue(0x00), quint16(sensor));
        }
    }

    void aConfigurationWithGapsIsRefused() {
        WindowBench bench("Q7323D");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        // What a hand-shortened file leaves: parameters without any value.
        ModuleConfiguration shortened = bench.form->Configuration();
        for (const char* key : {"BurnoutHigh2", "Burn2"}) {
            shortened.forget(IndexOfKey(bench.form->Catalogue(), key).value());
        }
        bench.form->ShowConfiguration(shortened);
        bench.dialogs.expect(BoxKind::Error,
                             "The configuration shown cannot be written to the Q7323D.\r\r"
                             "It holds no value for:\r"
                             "     - Burnout High 2\r"
                             "     - Burnout 2\r"
                             "\rNothing was written. Read the module or load a complete "
                             "configuration file.");
        QVERIFY(!SaveToModule(*bench.form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
        QVERIFY(bench.form->AcceptsInput());
    }

    void aGapTheSensorLimitsFilledInIsStillAGap() {
        WindowBench bench("Q7323D");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        TForm1& form = *bench.form;
        // A file that lacks Burnout High 2: the loader shows every value it holds, then the
        // limits of the chosen input, which leave the missing one empty.
        const int burnoutHigh2 = 18;
        QByteArray lacking = FileBytes(KVC7345_DATA_DIR "/factorydefaults/Q7323D.NVC");
        const QByteArray line = "Burnout High 2                           = 21.000\r\n";
        QVERIFY(lacking.contains(line));
        lacking.replace(line, "");
        bench.dialogs.answerFileDialog(
            PutFile(QDir(bench.home.path()).filePath("archive"), "lacking.NVC", lacking));
        QVERIFY(form.ReadFromFile(FileSource::Archive));
        QVERIFY(!form.Configuration().holds(burnoutHigh2));
        QVERIFY(ShownText(form, "TBurnoutHigh2").isEmpty());
        QCOMPARE(bench.state.ParameterTable()[burnoutHigh2].Name, QStringLiteral("Burnout High 2"));
        bench.dialogs.expect(BoxKind::Error,
                             "The configuration shown cannot be written to the Q7323D.\r\r"
                             "It holds no value for:\r"
                             "     - Burnout High 2\r"
                             "\rNothing was written. Read the module or load a complete "
                             "configuration file.");
        QVERIFY(!SaveToModule(form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
    }

    void noModuleNoWrite() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        bench.engine().setFault(Fault::Silent);
        bench.dialogs.expect(BoxKind::Warning, ExpectedPortWarning(bench.port()));
        QVERIFY(!SaveToModule(*bench.form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().commands(), (QStringList{"00D00000", "00D00000"}));
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.lastLogText(), "Read Q7323S configuration from " + bench.port());
    }

    // Another operation's session has the port: the write neither checks, asks nor sends.
    void nothingWhileBusy() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        const SessionOpening other = bench.state.link.open(bench.port());
        QVERIFY(other);
        QVERIFY(!bench.form->AcceptsInput());
        QVERIFY(!PressKey(*bench.form, Qt::Key_F2));
        QVERIFY(!SaveToModule(*bench.form).written());
        QVERIFY(bench.engine().commands().isEmpty());
        QVERIFY(bench.dialogs.shown().isEmpty());
    }
};

QTEST_MAIN(TestWriteRefusals)
#include "tst_writerefusals.moc"
