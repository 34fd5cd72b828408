#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "modsim/PtyModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using modsim::Fault;
using modsim::PtyModule;

namespace {

const QString Blanks(8, QLatin1Char(' '));

}  // namespace

class TestSerialLink : public QObject {
    Q_OBJECT

  private slots:
    void completeReplyDropsLineEnd() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        const RegisterReply reply = session.exchange(QStringLiteral("00d00000"));
        QCOMPARE(reply.text, QStringLiteral("80000008"));
        QCOMPARE(reply.received, 10);
        QCOMPARE(reply.kind, ReplyKind::Answered);
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("80001805"));
        session.close();
        QCOMPARE(module.engine().commands(),
                 QStringList({QStringLiteral("00d00000"), QStringLiteral("00d80000")}));
    }

    void silentModuleGivesBlanksAfterFullTimeout() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QElapsedTimer timer;
        timer.start();
        const RegisterReply reply = session.exchange(QStringLiteral("00D00000"));
        // The turnaround plus the whole read time-out, not an early give-up.
        QVERIFY2(timer.elapsed() >= 145, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(reply.text, Blanks);
        QCOMPARE(reply.kind, ReplyKind::Silent);
        QCOMPARE(session.read().text, Blanks);
        session.close();
    }

    void slowReplyIsMissedThenShiftsNextRead() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Slow);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QCOMPARE(session.exchange(QStringLiteral("00d00000")).text, Blanks);
        // The late answer is queued once the module has sent it: the next read of the same
        // open period takes it.
        QVERIFY(module.awaitHandled(link.bytesSentTo(module.portName()), std::chrono::seconds(5)));
        QCOMPARE(session.read().text, QStringLiteral("80000008"));
        session.close();
    }

    // A module simulated on this machine may answer later than a real one when the machine is
    // busy: its answer is still taken, whether the port was named in code or in the environment,
    // and when the module tells how far it has got, as long as it is behind.
    void simulatedModuleIsGivenRoomForALateAnswer_data() {
        QTest::addColumn<bool>("byEnvironment");
        QTest::addColumn<bool>("tellsProgress");
        QTest::newRow("named in code") << false << false;
        QTest::newRow("named in KVC7345_SIMULATED_PORTS") << true << false;
        QTest::newRow("named in code, telling its progress") << false << true;
    }

    void simulatedModuleIsGivenRoomForALateAnswer() {
        QFETCH(bool, byEnvironment);
        QFETCH(bool, tellsProgress);
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Slow);
        if (byEnvironment) {
            qputenv("KVC7345_SIMULATED_PORTS", module.portName().toLocal8Bit());
        }
        SerialLink link;
        qunsetenv("KVC7345_SIMULATED_PORTS");
        if (tellsProgress) {
            link.AllowForSimulatedModule(
                module.portName(), [&module](qint64 sent) { return module.caughtUpWith(sent); });
        } else if (!byEnvironment) {
            link.AllowForSimulatedModule(module.portName());
        }
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        QCOMPARE(opening.session->exchange(QStringLiteral("00d00000")).text,
                 QStringLiteral("80000008"));
    }

    // An answer that missed its read is never taken for the reply to the next command, on the
    // same open port or on the port opened again at once.
    void lateAnswerIsDiscardedBeforeTheNextCommand_data() {
        QTest::addColumn<bool>("reopen");
        QTest::newRow("same port") << false;
        QTest::newRow("port opened again") << true;
    }

    void lateAnswerIsDiscardedBeforeTheNextCommand() {
        QFETCH(bool, reopen);
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Slow);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QVERIFY(session.exchange(QStringLiteral("00d80000")).silent());
        module.engine().setFault(Fault::None);
        if (reopen) {
            session.close();
            opening = link.open(module.portName());
            QVERIFY(opening);
        }
        QCOMPARE(session.exchange(QStringLiteral("00d00000")).text, QStringLiteral("80000008"));
        session.close();
    }

    void partialReplyIsPaddedWithBlanks() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Short);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        const RegisterReply reply = session.exchange(QStringLiteral("00d00000"));
        QCOMPARE(reply.received, 7);
        QCOMPARE(reply.text, QStringLiteral("80000\r\n "));
        QCOMPARE(reply.kind, ReplyKind::Garbled);
        QCOMPARE(reply.bytes, QByteArrayLiteral("80000\r\n"));
        session.close();
    }

    void overLongReplyShiftsTheNextReadUntilReopened() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::OverLong);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QCOMPARE(session.exchange(QStringLiteral("00d00000")).text, QStringLiteral("80000008"));
        // "\r\n" of the first answer is still queued ahead of the second answer.
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("\r\n800018"));
        session.close();
        opening = link.open(module.portName());
        QVERIFY(opening);
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("80001805"));
        session.close();
    }

    void writeThenExchangeReadsTheFirstAnswer() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        session.send(QStringLiteral("00d80000"));
        QCOMPARE(session.exchange(QStringLiteral("00d00000")).text, QStringLiteral("80001805"));
        QCOMPARE(session.read().text, QStringLiteral("80000008"));
        session.close();
    }

    // An answer owed for a command sent without a read is taken before the port closes, so it
    // is never read as the first reply of the session that follows at once.
    void owedAnswerIsTakenBeforeThePortCloses() {
        PtyModule module(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(module.start());
        module.engine().setReplyDelay(std::chrono::milliseconds(30));
        SerialLink link;
        link.timing = LinkTiming::Unpaced();
        {
            SessionOpening first = link.open(module.portName());
            QVERIFY(first);
            QVERIFY(first.session->send(QStringLiteral("00d80000")));
        }
        SessionOpening second = link.open(module.portName());
        QVERIFY(second);
        QCOMPARE(second.session->exchange(QStringLiteral("00d00000")).text,
                 QStringLiteral("80000008"));
    }

    void openPurgesWhatArrivedBefore() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.sendUnsolicited(QByteArrayLiteral("8000BEEF\r\n"));
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("80001805"));
        session.close();
    }

    void lineGoingAwayGivesBlanks() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::DisconnectAfter, 1);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("80001805"));
        QCOMPARE(session.exchange(QStringLiteral("00d00000")).text, Blanks);
        QCOMPARE(session.read().kind, ReplyKind::LineGone);
        session.close();
        QCOMPARE(link.openPortCount(), 0);
    }

    void failedOpenIsReportedAsAFailedOpen() {
        SerialLink link;
        const SessionOpening opening = link.open(QStringLiteral("/dev/kvc7345-no-such-port"));
        QVERIFY(!opening);
        QCOMPARE(opening.failure.fault, PortOpenFault::Missing);
        QCOMPARE(link.openPortCount(), 0);
    }

    // Two conversations on one line would read each other's replies: a device held by a
    // session is refused to a second one, under its own name or another, until it is closed.
    void secondSessionOnAHeldDeviceIsRefused_data() {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("same name") << false;
        QTest::newRow("a symbolic link to it") << true;
    }

    void secondSessionOnAHeldDeviceIsRefused() {
        QFETCH(bool, throughLink);
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        QTemporaryDir folder;
        QString second = module.portName();
        if (throughLink) {
            second = folder.filePath(QStringLiteral("module"));
            QVERIFY(QFile::link(module.portName(), second));
        }
        SerialLink link;
        SessionOpening first = link.open(module.portName());
        QVERIFY(first);
        const SessionOpening refused = link.open(second);
        QVERIFY(!refused);
        QCOMPARE(refused.failure.fault, PortOpenFault::InUse);
        QCOMPARE(refused.failure.reason, QStringLiteral("Reason: ") + second +
                                             QStringLiteral(" is in use by this program."));
        QCOMPARE(first.session->exchange(QStringLiteral("00d00000")).text,
                 QStringLiteral("80000008"));
        // What went out under one name was sent to the port the other name leads to as well.
        QCOMPARE(link.bytesSentTo(second), 10);
        first.session.reset();
        QCOMPARE(link.openPortCount(), 0);
        QVERIFY(link.open(second));
    }

    void waitsKeepTheEventLoopRunning() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(5);
        // Turnaround plus the whole read time-out: a blocking wait would leave the count at 0.
        const RegisterReply reply = session.exchange(QStringLiteral("00d00000"));
        ticker.stop();
        QVERIFY(reply.silent());
        QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
        session.close();
    }

    void exchangeAnswersWithEitherTiming_data() {
        QTest::addColumn<bool>("unpaced");
        QTest::newRow("real timing, paced module") << false;
        QTest::newRow("unpaced timing, unpaced module") << true;
    }

    void exchangeAnswersWithEitherTiming() {
        QFETCH(bool, unpaced);
        PtyModule module(QStringLiteral("Q7383D"), 6149, !unpaced);
        QVERIFY(module.start());
        SerialLink link;
        link.timing = unpaced ? LinkTiming::Unpaced() : LinkTiming::Real();
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        const RegisterReply reply = session.exchange(QStringLiteral("00d00000"));
        QCOMPARE(reply.text, QStringLiteral("80000008"));
        QCOMPARE(reply.received, 10);
        QCOMPARE(session.exchange(QStringLiteral("00d80000")).text, QStringLiteral("80001805"));
        session.close();
    }

    void unpacedTimingStillWaitsOutASilentModule() {
        PtyModule module(QStringLiteral("Q7383D"), 0, false);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        link.timing = LinkTiming::Unpaced();
        SessionOpening opening = link.open(module.portName());
        QVERIFY(opening);
        ModuleSession& session = *opening.session;
        QElapsedTimer timer;
        timer.start();
        const RegisterReply reply = session.exchange(QStringLiteral("00d00000"));
        // Only the turnaround is dropped; the read still gives the module its whole time-out.
        QVERIFY2(timer.elapsed() >= 95, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(reply.silent());
        session.close();
    }

    void pauseWaitsOnlyWithFixedPauses_data() {
        QTest::addColumn<bool>("fixedPauses");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("fixed pauses on") << true << 20;
        QTest::newRow("fixed pauses off") << false << 2000;
    }

    void pauseWaitsOnlyWithFixedPauses() {
        QFETCH(bool, fixedPauses);
        QFETCH(int, milliseconds);
        SerialLink link;
        link.timing.fixedPauses = fixedPauses;
        bool ran = false;
        // The event dies with this test when nothing ran it, so it never writes to a gone `ran`.
        const QObject scope;
        QTimer::singleShot(0, &scope, [&ran] { ran = true; });
        QElapsedTimer timer;
        timer.start();
        link.pause(milliseconds);
        // A waited pause runs pending events; a skipped one returns before any of them.
        QCOMPARE(ran, fixedPauses);
        if (fixedPauses) {
            QVERIFY(timer.elapsed() >= milliseconds - 1);
        } else {
            QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        }
    }

    void isHex_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("digits and letters") << "09aF" << true;
        QTest::newRow("blank among digits") << "1A 3" << true;
        QTest::newRow("four blanks") << "    " << true;
        QTest::newRow("letter G") << "12G4" << false;
        QTest::newRow("carriage return") << "12\r4" << false;
    }

    void isHex() {
        QFETCH(QString, text);
        QFETCH(bool, hex);
        QCOMPARE(IsHex(text), hex);
    }

    void portLocation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location");
        QTest::newRow("COM1") << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("COM32") << "COM32"
                               << "/dev/ttyS31";
        QTest::newRow("path") << "/dev/pts/4"
                              << "/dev/pts/4";
        QTest::newRow("by-id link") << "/dev/serial/by-id/usb-x"
                                    << "/dev/serial/by-id/usb-x";
        QTest::newRow("plain name") << "ttyUSB0"
                                    << "/dev/ttyUSB0";
        QTest::newRow("lower-case com") << "com3"
                                        << "/dev/ttyS2";
        QTest::newRow("COM0 is no COM port") << "COM0"
                                             << "/dev/COM0";
    }

    void portLocation() {
        QFETCH(QString, name);
        QFETCH(QString, location);
        QCOMPARE(SystemPortLocation(name), location);
    }

    void sleepProcessesEventsOnlyWhenWaiting() {
        bool ran = false;
        // The event dies with this test when nothing ran it, so it never writes to a gone `ran`.
        const QObject scope;
        QTimer::singleShot(0, &scope, [&ran] { ran = true; });
        Sleep(0);
        QVERIFY(!ran);
        Sleep(20);
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
