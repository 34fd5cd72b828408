// The line's faults as the command line meets them: what is printed, the exit status, and what
// the module received.

#include "link/LinkTiming.h"
#include "link/SerialLink.h"
#include "modsim/PtyModule.h"
#include "support/ProgramProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using modsim::Fault;
using modsim::PtyModule;

namespace {

using Outcome = ProcessOutcome;

Outcome runProgram(const QTemporaryDir& home, const QStringList& arguments,
                   ReplyTiming timing = ReplyTiming::Simulated) {
    return RunProgram(home.path(), arguments, timing);
}

QString portWarning(const QString& port) {
    return "Warning: Default COM Port (" + port +
           ") defined in Settings is not available at the moment.\n\nPlease Verify that:\n\n"
           "     - cable LNK0307 is correctly plugged in the module (6 pin jack)\n"
           "     - module is correctly supplied\n"
           "     - serial cable is LNK00310 or similar\n"
           "     - COM port settings are correct\n"
           "     - USB/Serial converter (if present) is functioning\n";
}

}  // namespace

class TestLineCommands : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " has not been built"));
    }

    // On a Q7383X, whose read takes half a Q7383D's line time, the mid-read faults land on its
    // Lead 1 after the identification, the tag and Sensor 1.
    void faultsArePrintedWithTheirExitStatus_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("read stops answering") << "read"
                                              << "stop-after:14" << 1 << ""
                                              << "The module stopped answering\nat Lead 1.\n";
        QTest::newRow("read garbled") << "read"
                                      << "nonhex:14" << 1 << ""
                                      << "The module sent an invalid value (XZ?G)\nfor Lead 1.\n";
        // The line end of a short reply is shown by its codes, not as a line break.
        QTest::newRow("read short reply")
            << "read"
            << "short:14" << 1 << ""
            << "The module sent an invalid value (0<0D><0A> )\nfor Lead 1.\n";
        QTest::newRow("read line goes away") << "read"
                                             << "disconnect-after:14" << 1 << ""
                                             << "The module stopped answering\nat Lead 1.\n";
        // A late answer is thrown away, never read as the answer to the next command.
        QTest::newRow("read slow module") << "read"
                                          << "slow" << 1 << ""
                                          << "%WARNING%";
        QTest::newRow("identify slow module") << "identify"
                                              << "slow" << 1 << "No module answered on %PORT%\n"
                                              << "%WARNING%";
    }

    void faultsArePrintedWithTheirExitStatus() {
        QFETCH(QString, command);
        QFETCH(QString, fault);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        PtyModule module(QStringLiteral("Q7383X"), 6149);
        QVERIFY(module.start());
        Fault kind{};
        int count = 0;
        QVERIFY(modsim::ParseFault(fault, kind, count));
        module.engine().setFault(kind, count);
        QTemporaryDir home;
        // A slow module is told by the real line's time-outs.
        const ReplyTiming timing = kind == Fault::Slow ? ReplyTiming::Real : ReplyTiming::Simulated;
        const Outcome outcome = runProgram(home, {command, "--port", module.portName()}, timing);
        err.replace("%WARNING%", portWarning(module.portName()));
        out.replace("%PORT%", module.portName());
        QCOMPARE(outcome.err, err);
        QCOMPARE(outcome.out, out);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY(!QFile::exists(QDir(home.path()).filePath("log/config.log")));
    }

    // The tag 2 probe meets garbage: the write stops before any of its tag writes, says so, and
    // logs nothing as written.
    void aTagThatCannotBeWrittenFailsTheWrite() {
        PtyModule module(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Garbage, 10);
        QTemporaryDir home;
        const QString file =
            QDir(QStringLiteral(KVC7345_DATA_DIR)).filePath("factorydefaults/Q7383D.NVC");
        const Outcome outcome =
            runProgram(home, {"write", "--port", module.portName(), file, "--yes"});
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, portWarning(module.portName()) +
                                  "The module stopped answering during the write\nat Tag 2.\n"
                                  "The configuration was not completely written.\n");
        QCOMPARE(outcome.exitCode, 1);
        const QStringList commands = module.engine().commands();
        QVERIFY(commands.contains("01012020"));  // a tag 1 write went out
        for (const QString& command : commands) {
            QVERIFY2(!command.startsWith("011"), qPrintable(command));
        }
        QVERIFY(!QFile::exists(QDir(home.path()).filePath("log/config.log")));
    }

    // A pinned input, read three times: the CSV on standard output, the statistics on standard
    // error. A module that falls silent ends the watch with a warning and a failure status; one
    // whose replies run on has them skipped, never read as values, until three in a row end it.
    void watchPrintsTheReadingsAsCsv_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<int>("exitCode");
        const QString unavailable =
            "Warning: Default COM Port (%PORT%) defined in Settings has suddenly become "
            "unavailable.\n\nPlease Verify that:\n\n     - module is correctly plugged in\n"
            "     - module is correctly power supplied\n     - no other application is "
            "interfering with serial communication.\n";
        QTest::newRow("three readings") << "none"
                                        << "3"
                                        << ""
                                        << "" << 0;
        QTest::newRow("falls silent") << "stop-after:14"
                                      << "0" << unavailable << "" << 1;
        QTest::newRow("replies run on")
            << "long:14"
            << "0" << unavailable
            << "3 readings skipped: the module's replies were not well-formed readings.\n"
            << 1;
    }

    void watchPrintsTheReadingsAsCsv() {
        QFETCH(QString, fault);
        QFETCH(QString, count);
        QFETCH(QString, err);
        QFETCH(QString, skipped);
        QFETCH(int, exitCode);
        PtyModule module(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(module.start());
        module.engine().setInputValue(2, 0xFFF1);
        Fault kind{};
        int after = 0;
        QVERIFY(modsim::ParseFault(fault, kind, after));
        module.engine().setFault(kind, after);
        QTemporaryDir home;
        const Outcome outcome = runProgram(home, {"watch", "--port", module.portName(), "--channel",
                                                  "2", "--interval", "100", "--count", count});
        QStringList lines = outcome.out.split('\n');
        QCOMPARE(lines.takeFirst(), QStringLiteral("time_s,value,unit"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), 3);
        double previous = 0.0;
        for (const QString& line : lines) {
            const qsizetype comma = line.indexOf(',');
            QCOMPARE(line.mid(comma), QString::fromUtf8(",-1.5,\u00B0C"));
            const double seconds = line.left(comma).toDouble();
            QVERIFY2(seconds > previous, qPrintable(outcome.out));
            previous = seconds;
        }
        err.replace("%PORT%", module.portName());
        QCOMPARE(outcome.err, err + QStringLiteral("Max: -1.5\nMin: -1.5\nAvg: -1.5\n") + skipped);
        QCOMPARE(outcome.exitCode, exitCode);
    }

    // A module that answers slowly: a reading takes longer than the interval, so the time column
    // runs ahead of readings times interval. Each of the five answers came at least the module's
    // delay and its 20 bytes on the line after its command, one after the other.
    void watchTimesTheReadingsAsTheyArrive() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        const auto delay = std::chrono::milliseconds(100);
        module.engine().setReplyDelay(delay);
        QTemporaryDir home;
        const Outcome outcome = runProgram(
            home, {"watch", "--port", module.portName(), "--interval", "100", "--count", "5"});
        QCOMPARE(outcome.exitCode, 0);
        const QStringList lines = outcome.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        const double last = lines.last().section(',', 0, 0).toDouble();
        const auto perReading = std::chrono::duration<double>(delay + 20 * linktiming::ByteTime);
        QVERIFY2(last >= 5 * perReading.count(), qPrintable(outcome.out));
    }

    void anUnusablePortSaysWhy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("empty name") << "empty" << 2 << "--port needs a value, not an empty name\n";
        QTest::newRow("held by another program")
            << "held" << 1
            << "Warning: Default COM Port (%PORT%) defined in Settings is in use by another "
               "program.\n\nClose the program that holds it (it may be another KVC7345 window) "
               "and try again.\n";
    }

    void anUnusablePortSaysWhy() {
        QFETCH(QString, kind);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        PtyModule module(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(module.start());
        SerialLink holder;
        SessionOpening held;
        QString port;
        if (kind == QLatin1String("held")) {
            port = module.portName();
            held = holder.open(port);
            QVERIFY(held);
        }
        QTemporaryDir home;
        const Outcome outcome = runProgram(home, {"identify", "--port", port});
        QCOMPARE(outcome.err, err.replace("%PORT%", port));
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY(module.engine().commands().isEmpty());
    }
};

QTEST_MAIN(TestLineCommands)
#include "tst_linecommands.moc"
