// The window's check after a write (VERIFYWRITE): the module read back, a difference shown as a
// warning and logged.

#include "support/FormControls.h"
#include "support/WindowEditing.h"

#include "form/ReadBack.h"
#include "support/ExpectedTexts.h"

#include <QTest>

namespace {

// Highscale 1 of the Q7323S: register 04.
constexpr int Highscale1 = 0x04;

bool readsAfterWriting(const QStringList& commands) {
    const qsizetype lastWrite = commands.lastIndexOf(QStringLiteral("00053A98"));
    return lastWrite >= 0 && commands.mid(lastWrite).contains(QStringLiteral("00040000"));
}

}  // namespace

class TestWriteVerification : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        qputenv("KVC7345_SERVER", "http://kvc.test");
    }

    void afterWriting_data() {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("ignoresWrite");
        QTest::addColumn<QString>("warning");  // "" for none
        QTest::addColumn<QString>("logLine");  // the last line; %1 the port
        QTest::newRow("not asked for")
            << false << true << QString() << "Wrote Q7323S modified configuration to %1";
        QTest::newRow("the module holds it")
            << true << false << QString() << "Verified Q7323S configuration on %1";
        QTest::newRow("the module ignored a value")
            << true << true
            << "The Q7323S does not hold the configuration just written:\r\r"
               "Highscale 1: written 15.000, read back 20.000"
            << "Verifying Q7323S configuration on %1: the module differs in Highscale 1";
    }

    void afterWriting() {
        QFETCH(bool, verify);
        QFETCH(bool, ignoresWrite);
        QFETCH(QString, warning);
        QFETCH(QString, logLine);
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        // Ticking the box is what sets the key; it is off until then.
        SetChecked(*bench.form, "CBVerifyWrite", verify);
        QCOMPARE(bench.state.settings.ReadConfig("VERIFYWRITE"),
                 verify ? QStringLiteral("Y") : QString());
        if (ignoresWrite) {
            bench.engine().setIgnoredWrite(Highscale1);
        }
        TypeInto(*bench.form, "TUpscale1", "15");
        if (!warning.isEmpty()) {
            bench.dialogs.expect(BoxKind::Warning, warning);
        }
        QVERIFY(PressKey(*bench.form, Qt::Key_F2));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.lastLogText(), logLine.arg(bench.port()));
        QCOMPARE(readsAfterWriting(bench.engine().commands()), verify);
        // The window keeps what was written; after a failed verify the status bar and the status
        // box say the module holds something else.
        QCOMPARE(ShownText(*bench.form, "TUpscale1"), QStringLiteral("15.000"));
        const bool differs = verify && ignoresWrite;
        QCOMPARE(bench.form->StatusPanel(0),
                 differs ? QStringLiteral("Status: Module Holds Other Values in 1 Parameter")
                         : QStringLiteral("Status: New Configuration Uploaded Correctly"));
        QCOMPARE(bench.form->Control("LStatus").text().contains("holds other values"), differs);
        QVERIFY(bench.form->StatusPanelInFront());
        QVERIFY(bench.form->AcceptsInput());
        // What the window shows is not what the module holds: marked, and the read that found
        // out is no read of the user's.
        QCOMPARE(bench.form->StatusPanel(2), differs ? QStringLiteral("Modified") : QString());
        const QStringList& log = bench.form->LogLines();
        QCOMPARE(log.at(log.size() - 2)
                     .endsWith("] - Read back Q7323S configuration from " + bench.port()),
                 verify);
    }

    void readBackComparesWithWhatWasShown() {
        WindowBench bench("Q7323S");
        QVERIFY(bench.started);
        ReadForWriting(bench);
        ConfigurationValues expected =
            ValuesOf(bench.form->Configuration(), bench.form->Catalogue());
        QCOMPARE(expected.model, QStringLiteral("Q7323S"));
        QCOMPARE(expected.parameters.size(), 7);
        QCOMPARE(expected.parameters[2].name, QStringLiteral("Highscale 1"));
        QCOMPARE(expected.parameters[2].text, QStringLiteral("20.000"));
        QCOMPARE(expected.parameters[2].word, std::optional<int>(20000));

        const ReadBackResult same = ReadBackAndCompare(*bench.form, expected);
        QVERIFY(same.read);
        QVERIFY(same.differences.isEmpty());
        QCOMPARE(same.module.parameters, expected.parameters);

        // A negative value reads back as its 16-bit register word.
        bench.engine().setRegister(0x02, 0xFFEC);
        const ReadBackResult changed = ReadBackAndCompare(*bench.form, expected);
        QVERIFY(changed.read);
        QCOMPARE(changed.differences.size(), 1);
        QCOMPARE(changed.differences[0].name, QStringLiteral("Downscale 1"));
        QCOMPARE(changed.differences[0].second, QStringLiteral("-0.020"));
        QCOMPARE(changed.module.parameters[1].word, std::optional<int>(0xFFEC));
        bench.form->Click(QStringLiteral("BStatus"));

        bench.engine().setFault(modsim::Fault::Silent);
        bench.dialogs.expect(BoxKind::Warning, ExpectedPortWarning(bench.port()));
        QVERIFY(!ReadBackAndCompare(*bench.form, expected).read);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
    }
};

QTEST_GUILESS_MAIN(TestWriteVerification)
#include "tst_writeverification.moc"
