// Every command that talks to a module, run as a newcomer runs it first: the built program on
// its own simulated module (--demo).

#include "support/ProgramProcess.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestDemoCommands : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " has not been built"));
    }

    void commandCompletesOnTheDemoModule_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expectedOutput");

        QTest::newRow("identify") << QStringList{"identify", "--demo", "Q7383D"}
                                  << "Model: Q7383D\nFirmware: 6149\n";
        QTest::newRow("read") << QStringList{"read", "--demo", "V7325S"} << "\nV7325S";
        QTest::newRow("watch") << QStringList{"watch", "--demo",     "Q7383D", "--count",
                                              "2",     "--interval", "100"}
                               << "time_s,value,unit\n";
        QTest::newRow("calibrate zero")
            << QStringList{"calibrate", "zero",    "--demo", "Q7356S", "--reference",
                           "100",       "--range", "2",      "--yes"}
            << "Zero succesfully aquired.";
    }
    void commandCompletesOnTheDemoModule() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expectedOutput);
        const QTemporaryDir home;
        const ProcessOutcome outcome = RunProgram(home.path(), arguments);
        QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.err));
        QVERIFY2(outcome.out.contains(expectedOutput), qPrintable(outcome.out));
    }

    // A demo module holds the shipped factory defaults: they verify against a fresh one;
    // changed, they differ, and written back, the module holds them. A Q7383X, with a tag and
    // half a Q7383D's parameters, takes half its line time; each model's own write and read-back
    // are tst_writeroundtrip's.
    void writeThenVerifyOnTheDemoModule() {
        const QTemporaryDir home;
        const QString file = home.filePath("defaults.NVC");
        QVERIFY(QFile::copy(QStringLiteral(KVC7345_DATA_DIR "/factorydefaults/Q7383X.NVC"), file));
        const ProcessOutcome unchanged =
            RunProgram(home.path(), {"verify", file, "--demo", "Q7383X"});
        QVERIFY2(unchanged.exitCode == 0, qPrintable(unchanged.out + unchanged.err));

        QFile configuration(file);
        QVERIFY(configuration.open(QIODevice::ReadOnly));
        QString text = QString::fromLatin1(configuration.readAll());
        configuration.close();
        text.replace(QRegularExpression("(Downscale 1 +=) 0.0"), "\\1 10.0");
        QVERIFY(configuration.open(QIODevice::WriteOnly | QIODevice::Truncate));
        configuration.write(text.toLatin1());
        configuration.close();

        // A fresh demo module does not hold the change; the one written to does, as its
        // read-back in the same run (--verify) finds.
        const ProcessOutcome fresh = RunProgram(home.path(), {"verify", file, "--demo", "Q7383X"});
        QCOMPARE(fresh.exitCode, 1);
        QVERIFY2(fresh.out.contains("Downscale 1: file 10.0, module 0.0"), qPrintable(fresh.out));
        const ProcessOutcome written =
            RunProgram(home.path(), {"write", "--demo", "Q7383X", file, "--yes", "--verify"});
        QVERIFY2(written.exitCode == 0, qPrintable(written.out + written.err));
        QVERIFY2(written.out.contains("Configuration succesfully written to Q7383X."),
                 qPrintable(written.out));
    }
};

QTEST_GUILESS_MAIN(TestDemoCommands)
#include "tst_democommands.moc"
