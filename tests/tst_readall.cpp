#include "support/ExpectedTexts.h"
#include "support/FormControls.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "modsim/ModuleEngine.h"
#include "records/ConfigurationFile.h"
#include "shell/MakerSite.h"

#include <QTemporaryFile>
#include <QTest>

using modsim::Fault;

namespace {

const QStringList Identification{"00D00000", "00D00000", "00d80000", "00d00000"};

QStringList tagReads(int channel) {
    QStringList commands{"00D00000"};
    for (int k = 0; k < 8; ++k) {
        commands
            << QStringLiteral("0%1").arg((channel == 2 ? 0x110 : 0x100) + 2 * k, 0, 16).toUpper() +
                   "0000";
    }
    return commands;
}

QString text(const TForm1& form, const char* name) {
    return form.Control(QString::fromLatin1(name)).text();
}

int valueOf(const TForm1& form, const QString& key) {
    return form.Configuration().value(IndexOfKey(form.Catalogue(), key).value());
}

QString problems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join('\n');
}

}  // namespace

class TestReadAll : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void loadCellReadsItsRecordsInCatalogueOrder() {
        WindowBench bench("Q7356S", 7168);
        QVERIFY(bench.started);
        bench.form->ReadAll();
        const QStringList reads{"00C40000", "00C00000", "00CC0000", "00C80000",
                                "00120000", "00140000", "00F00000", "00F20000",
                                "00F40000", "00200000", "00280000"};
        QCOMPARE(bench.engine().commands(), Identification + reads);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QCOMPARE(text(*bench.form, "LStatus"),
                 QStringLiteral("Q7356S parameters correctly loaded."));
        QCOMPARE(text(*bench.form, "LModel"), QStringLiteral("Q7356S"));
        QCOMPARE(ToolTipOf(bench.form->Control("LModel")), QStringLiteral("SW Rev. 7168"));
        QCOMPARE(bench.lastLogText(), "Read Q7356S configuration from " + bench.port());
        QVERIFY(!bench.form->ConfigurationEmpty);
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.state.link.openPortCount(), 0);
        QVERIFY(bench.form->Control("PStatus").isVisible());
        QVERIFY(bench.form->FindControl("BStatus")->isVisible());
    }

    void tagsFollowModelAndFirmware_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("firmware");
        QTest::addColumn<int>("tags");
        QTest::newRow("Q7383D 6149") << "Q7383D" << 6149 << 2;
        QTest::newRow("Q7383D 259") << "Q7383D" << 259 << 2;
        QTest::newRow("Q7383S 259") << "Q7383S" << 259 << 1;
        QTest::newRow("Q7383D 258") << "Q7383D" << 258 << 0;
    }

    void tagsFollowModelAndFirmware() {
        QFETCH(QString, model);
        QFETCH(int, firmware);
        QFETCH(int, tags);
        WindowBench bench(model, firmware);
        QVERIFY(bench.started);
        bench.engine().setRegister(0x100, 0x4142);  // "AB"
        bench.engine().setRegister(0x10E, 0x5A00);  // "Z" and a zero byte
        bench.engine().setRegister(0x110, 0x3132);  // "12"
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));

        QStringList expected = Identification;
        for (int channel = 1; channel <= tags; ++channel) {
            expected += tagReads(channel);
        }
        QCOMPARE(bench.engine().commands().mid(0, expected.size()), expected);
        QCOMPARE(bench.engine().commands().value(expected.size()), QStringLiteral("00000000"));
        QCOMPARE(bench.form->FindControl("TTag1")->isEnabled(), tags >= 1);
        QCOMPARE(bench.form->FindControl("TTag2")->isEnabled(), tags >= 2);
        if (tags >= 1) {
            QCOMPARE(text(*bench.form, "TTag1"), QStringLiteral("AB            Z "));
        }
        if (tags == 2) {
            QCOMPARE(text(*bench.form, "TTag2"), QStringLiteral("12              "));
        }
    }

    void registerWordsBecomeValues_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("FFFF signed") << "Q7324S" << 0x36 << 0xFFFF << "OnDelay1A" << -1 << "-0.1";
        QTest::newRow("FFFF on Q7351S")
            << "Q7351S" << 0x36 << 0xFFFF << "OnDelay1A" << 65535 << "6553.5";
        QTest::newRow("00C9 first choice")
            << "Q7324S" << 0x20 << 0x00C9 << "Output1" << 0 << "4-20 mA";
        QTest::newRow("0009 beyond six") << "Q7324S" << 0x20 << 0x0009 << "Output1" << 9 << "";
    }

    void registerWordsBecomeValues() {
        QFETCH(QString, model);
        QFETCH(int, address);
        QFETCH(int, word);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QString, shown);
        WindowBench bench(model);
        QVERIFY(bench.started);
        bench.engine().setRegister(address, static_cast<quint16>(word));
        bench.form->ReadAll();
        QCOMPARE(valueOf(*bench.form, key), value);
        if (const auto* list = bench.form->FindControl("C" + key)) {
            QCOMPARE(list->currentText(), shown);
        } else {
            QCOMPARE(bench.form->FindControl("T" + key)->text(), shown);
        }
    }

    // Telling a Q7321S from a Q7351S sends commands whose answers it does not need; a module
    // that answers them late must not have them taken for the values of the first parameters.
    void probeAnswersAreNoValues() {
        WindowBench bench("Q7321S");
        QVERIFY(bench.started);
        bench.engine().setReplyDelay(std::chrono::milliseconds(20));
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QVERIFY(!bench.form->ConfigurationEmpty);
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            const TTableEntry& read = bench.form->Catalogue()[i];
            if (AppliesToModel(read, "Q7321S")) {
                const int address = read.ReadCommand.toInt(nullptr, 16);
                const int value = bench.form->Configuration().value(i);
                QVERIFY2(value == bench.engine().registerValue(address),
                         qPrintable(read.Name + ": " + QString::number(value)));
            }
        }
    }

    void dependentFieldsFollowTheSensor_data() {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<bool>("lead");
        QTest::addColumn<bool>("coldJunction");
        QTest::newRow("TC K") << 3 << false << true;
        QTest::newRow("Pt 100") << 11 << true << false;
    }

    void dependentFieldsFollowTheSensor() {
        QFETCH(int, sensor);
        QFETCH(bool, lead);
        QFETCH(bool, coldJunction);
        WindowBench bench("Q7383D", 6149);
        QVERIFY(bench.started);
        bench.engine().setRegister(0x00, static_cast<quint16>(sensor));
        bench.form->ReadAll();
        QCOMPARE(bench.form->FindControl("CLead1")->isEnabled(), lead);
        QCOMPARE(bench.form->FindControl("TRTDLineRef1")->isEnabled(), lead);
        QCOMPARE(bench.form->FindControl("CCJCom1")->isEnabled(), coldJunction);
        // A read is no edit.
        QCOMPARE(bench.form->StatusPanel(2), QString());
    }

    void backupIsTheSavedConfiguration() {
        WindowBench bench("Q7383D", 6149);
        QVERIFY(bench.started);
        bench.form->ReadAll();
        bench.form->ReadAll();
        QTemporaryFile saved;
        QVERIFY(saved.open());
        bench.form->Click(QStringLiteral("BStatus"));
        bench.dialogs.answerFileDialog(saved.fileName());
        QVERIFY(PressKey(*bench.form, Qt::Key_F4));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QFile written(saved.fileName());
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray expected = written.readAll();
        const QByteArray log = bench.configurationLog();
        // Only the clock line may differ between the copies.
        const QRegularExpression time(QStringLiteral("TIME +=[^\r]*"));
        const QString normalised = QString::fromLatin1(log).replace(time, "TIME");
        const QString one = QString::fromLatin1(expected).replace(time, "TIME");
        QCOMPARE(normalised, one + one);
        QVERIFY(one.contains("Sensor 1                                 = TC K\r\n"));
        QVERIFY(one.startsWith(
            "# THE FOLLOWING FILE WAS GENERATED BY KVC7345 SOFTWARE BY NORVIK SRL\r\n"));
    }

    void modifiedAndNoTouchesNothing() {
        WindowBench bench("Q7383D", 6149);
        QVERIFY(bench.started);
        ReadForWriting(bench);
        ChangeAValue(*bench.form);
        bench.dialogs.expect(BoxKind::Warning,
                             "Parameters were modified.\rDo you wish to acquire new data and lose "
                             "changes?",
                             BoxButtons::YesNoDefaultNo, BoxAnswer::No);
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
        QCOMPARE(bench.form->StatusPanel(2), QStringLiteral("Modified"));
    }

    void statusBoxClosesItselfWhenAsked() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        bench.form->FindControl("CBCloseInfoPositiveRead")->setChecked(true);
        bench.form->ReadAll();
        QVERIFY(!bench.form->FindControl("PStatus")->isVisible());
        QVERIFY(bench.form->FindControl("PageControl1")->isEnabled());
    }

    void failuresLeaveNothingHalfRead_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("status");
        QTest::newRow("stops answering") << "stop-after:6"
                                         << "The module stopped answering\nat Highscale 1.";
        QTest::newRow("garbled data") << "nonhex:4"
                                      << "The module sent an invalid value (XZ?G)\nfor Input 1.";
    }

    void failuresLeaveNothingHalfRead() {
        QFETCH(QString, fault);
        QFETCH(QString, status);
        WindowBench bench("Q7323D");
        QVERIFY(bench.started);
        Fault kind{};
        int count = 0;
        QVERIFY(modsim::ParseFault(fault, kind, count));
        bench.engine().setFault(kind, count);
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QCOMPARE(text(*bench.form, "LStatus"), status);
        QCOMPARE(bench.lastLogText(),
                 "Reading Q7323D configuration from " + bench.port() + " failed");
        QVERIFY(bench.form->ConfigurationEmpty);
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.state.link.openPortCount(), 0);
        QVERIFY(!bench.form->FindControl("CInput1")->isEnabled());
        QCOMPARE(text(*bench.form, "LModel"), QStringLiteral("-"));
        QVERIFY(bench.configurationLog().isEmpty());
    }

    // A V7385D at firmware 300 has no cold junction: whatever its sensor asks, the reference
    // field stays off and its caption grey, so nothing is typed that is never written.
    void fieldOfAParameterTheModelLacksStaysOff() {
        WindowBench bench("V7385D", 300);
        QVERIFY(bench.started);
        bench.form->ReadAll();
        QVERIFY(!bench.form->ConfigurationEmpty);
        QVERIFY(bench.form->FindControl("CInputTm1")->currentText().startsWith("TC"));
        QVERIFY(!bench.form->FindControl("CCJCom1")->isEnabled());
        QVERIFY(!bench.form->FindControl("TCJRef1")->isEnabled());
        QCOMPARE(bench.form->FindControl("LCJRef1")->colour(), colours::Silver);
    }

    void noModelNoRead_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("silent");
        QTest::newRow("silent") << "" << true;
        QTest::newRow("unknown model") << "80000014" << false;
    }

    void noModelNoRead() {
        QFETCH(QString, reply);
        QFETCH(bool, silent);
        WindowBench bench("Q7323D");
        QVERIFY(bench.started);
        if (silent) {
            bench.engine().setFault(Fault::Silent);
            bench.dialogs.expect(BoxKind::Warning, ExpectedPortWarning(bench.port()));
        } else {
            bench.engine().setModelReply(reply);
            bench.dialogs.expect(BoxKind::Warning,
                                 "Isolator Model Inserted is not recognized as compatible with "
                                 "this Software Version(132).\rTry downloading latest release at " +
                                     MakerWebSite());
        }
        // The seconds spent on a silent port are seen: the status bar names what is tried.
        QStringList steps;
        QObject::connect(bench.form.get(), &TForm1::progressChanged, [&] {
            if (bench.form->Progress().active) {
                steps << bench.form->Progress().text;
            }
        });
        bench.form->ReadAll();
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QCOMPARE(steps.value(0), "Looking for a module on " + bench.port() + " ...");
        QCOMPARE(steps.contains("Identifying the module on " + bench.port() + " ..."), !silent);
        QVERIFY(bench.form->ConfigurationEmpty);
        QCOMPARE(bench.lastLogText(), "Reading configuration from " + bench.port() + " failed");
        QVERIFY(bench.configurationLog().isEmpty());
        QVERIFY(bench.form->AcceptsInput());
    }
};

QTEST_MAIN(TestReadAll)
#include "tst_readall.moc"
