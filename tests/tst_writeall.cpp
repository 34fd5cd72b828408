// Writing a configuration: the traffic, the values that reach the module, the tags, the
// outcome shown, and a module that stops answering halfway.

#include "support/FormControls.h"
#include "support/WindowEditing.h"

#include "form/WriteAll.h"
#include "modsim/ModuleEngine.h"

#include <QTest>

using modsim::Fault;

namespace {

// The tag writes of a blank tag: a presence probe, then two blanks into each of 8 registers.
QStringList blankTagWrites(int channel) {
    QStringList commands{"00D00000"};
    const int first = channel == 2 ? 0x111 : 0x101;
    for (int k = 0; k < 8; ++k) {
        commands << QStringLiteral("0%1").arg(first + 2 * k, 0, 16).toUpper() + "2020";
    }
    return commands;
}

// Puts known contents into every register the write tests read, so that no expectation rests
// on the simulator's power-on contents: the sensor, Downscale 1 = -20, both Highscales 2000,
// the output limits, Modbus address 1, blank tags; everything else 0.
void presetRegisters(modsim::ModuleEngine& engine, int sensor) {
    for (int address = 0x00; address <= 0xFE; address += 2) {
        engine.setRegister(address, 0);
    }
    for (int address = 0x100; address <= 0x11E; address += 2) {
        engine.setRegister(address, 0x2020);
    }
    const std::pair<int, int> known[] = {
        {0x00, sensor}, {0x10, sensor}, {0x02, 0xFFEC}, {0x04, 2000},  {0x14, 2000},
        {0xC4, 3800},   {0xC0, 20500},  {0xC6, 3600},   {0xC2, 21000}, {0xCC, 100},
        {0xC8, 10200},  {0xCE, 0},      {0xCA, 10500},  {0xF0, 1}};
    for (const auto& [address, value] : known) {
        engine.setRegister(address, static_cast<quint16>(value));
    }
}

}  // namespace

class TestWriteAll : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        qputenv("KVC7345_SERVER", "http://kvc.test");
    }

    void writeSendsTheShownValuesInCatalogueOrder_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<QStringList>("traffic");
        QTest::newRow("Q7323X copies Input 1 first")
            << "Q7323X" << 0
            << IdentificationTraffic() + QStringList{"00110000", "00010000", "0003FFEC",
                                                     "000507D0", "000B0000", "000D0000",
                                                     "00130000", "001507D0", "00210000",
                                                     "00070000", "00290000", "00170000"};
        QTest::newRow("Q7323Y copies Input 1 first")
            << "Q7323Y" << 1
            << IdentificationTraffic() + QStringList{"00110001", "00010001", "0003FFEC", "000507D0",
                                                     "000B0000", "000D0000", "00130000", "001507D0",
                                                     "00210000", "00070000", "00230000", "00290000",
                                                     "00170000", "002B0000"};
        QTest::newRow("Q7383X has no Input 1 to copy")
            << "Q7383X" << 3
            << IdentificationTraffic() + blankTagWrites(1) +
                   QStringList{"00010003", "00090000", "0003FFEC", "000507D0", "00130000",
                               "001507D0", "00210000", "00070000", "00290000", "00170000"};
        QTest::newRow("Q7383Y has no Input 1 to copy")
            << "Q7383Y" << 3
            << IdentificationTraffic() + blankTagWrites(1) +
                   QStringList{"00010003", "00090000", "0003FFEC", "000507D0",
                               "00130000", "001507D0", "00210000", "00070000",
                               "00230000", "00290000", "00170000", "002B0000"};
        QTest::newRow("Q7356S") << "Q7356S" << 0
                                << IdentificationTraffic() +
                                       QStringList{"00C50ED8", "00C15014", "00CD0064", "00C927D8",
                                                   "00130000", "001507D0", "00F10001", "00F30000",
                                                   "00F50000", "00210000", "00290000"};
    }

    void writeSendsTheShownValuesInCatalogueOrder() {
        QFETCH(QString, model);
        QFETCH(int, sensor);
        QFETCH(QStringList, traffic);
        WindowBench bench(model);
        QVERIFY(bench.started);
        presetRegisters(bench.engine(), sensor);
        ReadForWriting(bench);
        QVERIFY(PressKey(*bench.form, Qt::Key_F2));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().commands(), traffic);
        QCOMPARE(ShownText(*bench.form, "LStatus"),
                 "Configuration succesfully written to " + model + ".");
        QCOMPARE(bench.form->StatusPanel(0),
                 QStringLiteral("Status: New Configuration Uploaded Correctly"));
        QCOMPARE(bench.lastLogText(),
                 "Wrote " + model + " unmodified configuration to " + bench.port());
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void editsReachTheModule() {
        WindowBench bench("Q7383D");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        const QByteArray logAfterRead = bench.configurationLog();
        TypeInto(*bench.form, "TDownscale1", "-2");
        TypeInto(*bench.form, "TUpscale2", "350.5");
        Choose(*bench.form, "CInputTm2", 11);  // Pt 100
        Choose(*bench.form, "CBurn1", 2);
        TypeInto(*bench.form, "TTag2", "Pump 7");
        QCOMPARE(bench.form->StatusPanel(2), QStringLiteral("Modified"));

        QVERIFY(PressKey(*bench.form, Qt::Key_F2));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().registerValue(0x02), quint16(0xFFEC));
        QCOMPARE(bench.engine().registerValue(0x14), quint16(3505));
        QCOMPARE(bench.engine().registerValue(0x10), quint16(11));
        QCOMPARE(bench.engine().registerValue(0x06), quint16(2));
        QCOMPARE(bench.engine().registerValue(0x110), quint16(0x5075));  // "Pu"
        QCOMPARE(bench.engine().registerValue(0x116), quint16(0x2020));
        const QStringList differences = RegisterDifferences(*bench.form, bench.engine());
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));

        QCOMPARE(bench.lastLogText(), "Wrote Q7383D modified configuration to " + bench.port());
        QCOMPARE(bench.form->StatusPanel(2), QString());
        // The configuration log holds the read and now the written configuration.
        QVERIFY(bench.configurationLog().startsWith(logAfterRead));
        QVERIFY(bench.configurationLog().size() > logAfterRead.size());
        QVERIFY(
            bench.configurationLog().contains("Sensor 2                                 = Pt 100"));
        // The status box waits for its OK button.
        QVERIFY(bench.form->FindControl("PStatus")->isVisible());
        QVERIFY(bench.form->FindControl("BStatus")->isVisible());
        QVERIFY(!bench.form->FindControl("PageControl1")->isEnabled());
    }

    void statusBoxClosesItselfWhenAsked() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        SetChecked(*bench.form, "CBCloseInfoPositiveWrite", true);
        QVERIFY(SaveToModule(*bench.form).written());
        QVERIFY(!bench.form->FindControl("PStatus")->isVisible());
        QVERIFY(bench.form->FindControl("PageControl1")->isEnabled());
    }

    void tagsOnlyWhereTheModuleKeepsThem_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<QStringList>("tagCommands");
        const QStringList tag1{"01014142", "01032020", "01052020", "01072020",
                               "01092020", "010B2020", "010D2020", "010F2020"};
        const QStringList tag2{"01114344", "01132020", "01152020", "01172020",
                               "01192020", "011B2020", "011D2020", "011F2020"};
        QTest::newRow("Q7383D keeps both") << "Q7383D" << 259 << tag1 + tag2;
        QTest::newRow("Q7383S keeps tag 1") << "Q7383S" << 259 << tag1;
        QTest::newRow("Q7383D 258 keeps none") << "Q7383D" << 258 << QStringList{};
        QTest::newRow("Q7323D keeps none") << "Q7323D" << 258 << QStringList{};
    }

    void tagsOnlyWhereTheModuleKeepsThem() {
        QFETCH(QString, model);
        QFETCH(int, firmware);
        QFETCH(QStringList, tagCommands);
        WindowBench bench(model, firmware);
        QVERIFY(bench.started);
        ReadForWriting(bench);
        // Both tags in use, as a loaded file may leave them.
        ModuleConfiguration tagged = bench.form->Configuration();
        tagged.tag(1) = QStringLiteral("AB");
        tagged.tag(2) = QStringLiteral("CD");
        bench.form->ShowConfiguration(tagged);
        QVERIFY(SaveToModule(*bench.form).written());
        QStringList sent;
        for (const QString& command : bench.engine().commands()) {
            if (command.startsWith("01")) {
                sent << command;
            }
        }
        QCOMPARE(sent, tagCommands);
    }

    void aSilentModuleStopsTheWrite_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("answered");  // commands the module answers before falling silent
        QTest::addColumn<int>("sent");      // commands it receives in all
        QTest::addColumn<QString>("parameter");
        QTest::newRow("Q7323D at Highscale 1") << "Q7323D" << 6 << 7 << "Highscale 1";
        QTest::newRow("Q7323D at the first") << "Q7323D" << 4 << 5 << "Input 1";
        // The replies come one command late, so the silence shows one command later.
        QTest::newRow("Q7323X at Highscale 1") << "Q7323X" << 7 << 9 << "Highscale 1";
        QTest::newRow("Q7323X at the first") << "Q7323X" << 4 << 6 << "Input 1";
    }

    void aSilentModuleStopsTheWrite() {
        QFETCH(QString, model);
        QFETCH(int, answered);
        QFETCH(int, sent);
        QFETCH(QString, parameter);
        WindowBench bench(model);
        QVERIFY(bench.started);
        ReadForWriting(bench);
        const QByteArray logAfterRead = bench.configurationLog();
        TypeInto(*bench.form, "TUpscale1", "12");
        bench.engine().setFault(Fault::StopAfter, answered);
        QVERIFY(!SaveToModule(*bench.form).written());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.engine().commands().size(), sent);
        QCOMPARE(ShownText(*bench.form, "LStatus"),
                 "The module stopped answering during the write\nat " + parameter +
                     ".\nThe configuration was not completely written.");
        QVERIFY(!bench.form->StatusPanel(0).contains("Correctly"));
        QCOMPARE(bench.form->StatusPanel(2), QStringLiteral("Modified"));
        QCOMPARE(bench.lastLogText(),
                 "Writing " + model + " configuration to " + bench.port() + " failed");
        QCOMPARE(bench.configurationLog(), logAfterRead);
        QVERIFY(bench.form->FindControl("BStatus")->isVisible());
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }
};

QTEST_MAIN(TestWriteAll)
#include "tst_writeall.moc"
