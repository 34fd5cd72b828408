#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "modsim/PtyModule.h"

#include <QElapsedTimer>
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
        const PortHandle handle = link.OpenComm(module.portName());
        QVERIFY(handle != InvalidHandle);
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00d00000"));
        QCOMPARE(reply.text, QStringLiteral("80000008"));
        QCOMPARE(reply.received, 10);
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("80001805"));
        link.ShutDownComm(handle);
        QCOMPARE(module.engine().commands(),
                 QStringList({QStringLiteral("00d00000"), QStringLiteral("00d80000")}));
    }

    void silentModuleGivesBlanksAfterFullTimeout() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        QElapsedTimer timer;
        timer.start();
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00D00000"));
        // The turnaround plus the whole read time-out, not an early give-up.
        QVERIFY2(timer.elapsed() >= 145, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(reply.text, Blanks);
        QVERIFY(reply.silent());
        QCOMPARE(link.ReadFromComm(handle), Blanks);
        link.ShutDownComm(handle);
    }

    void slowReplyIsMissedThenShiftsNextRead() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Slow);
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d00000")), Blanks);
        // The late answer is queued: the next read of the same open period takes it.
        QTest::qWait(100);
        QCOMPARE(link.ReadFromComm(handle), QStringLiteral("80000008"));
        link.ShutDownComm(handle);
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
        PortHandle handle = link.OpenComm(module.portName());
        QVERIFY(link.exchange(handle, QStringLiteral("00d80000")).silent());
        module.engine().setFault(Fault::None);
        if (reopen) {
            link.ShutDownComm(handle);
            handle = link.OpenComm(module.portName());
        }
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d00000")),
                 QStringLiteral("80000008"));
        link.ShutDownComm(handle);
    }

    void partialReplyIsPaddedWithBlanks() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Short);
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00d00000"));
        QCOMPARE(reply.received, 7);
        QCOMPARE(reply.text, QStringLiteral("80000\r\n "));
        link.ShutDownComm(handle);
    }

    void overLongReplyShiftsTheNextReadUntilReopened() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::OverLong);
        SerialLink link;
        PortHandle handle = link.OpenComm(module.portName());
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d00000")),
                 QStringLiteral("80000008"));
        // "\r\n" of the first answer is still queued ahead of the second answer.
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("\r\n800018"));
        link.ShutDownComm(handle);

        handle = link.OpenComm(module.portName());
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("80001805"));
        link.ShutDownComm(handle);
    }

    void writeThenExchangeReadsTheFirstAnswer() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        link.WriteToComm(handle, QStringLiteral("00d80000"));
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d00000")),
                 QStringLiteral("80001805"));
        QCOMPARE(link.ReadFromComm(handle), QStringLiteral("80000008"));
        link.ShutDownComm(handle);
    }

    void openPurgesWhatArrivedBefore() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.sendUnsolicited(QByteArrayLiteral("8000BEEF\r\n"));
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("80001805"));
        link.ShutDownComm(handle);
    }

    void lineGoingAwayGivesBlanks() {
        PtyModule module(QStringLiteral("Q7383D"), 6149);
        QVERIFY(module.start());
        module.engine().setFault(Fault::DisconnectAfter, 1);
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("80001805"));
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d00000")), Blanks);
        QCOMPARE(link.ReadFromComm(handle), Blanks);
        link.ShutDownComm(handle);
        QVERIFY(!link.isOpen(handle));
    }

    void failedOpenIsHarmless() {
        SerialLink link;
        link.ComHandle = link.OpenComm(QStringLiteral("/dev/kvc7345-no-such-port"));
        QCOMPARE(link.ComHandle, InvalidHandle);
        QCOMPARE(link.WriteReadComm(link.ComHandle, QStringLiteral("00D00000")), Blanks);
        link.ShutDownComm(link.ComHandle);
        QCOMPARE(link.ComHandle, 0);
    }

    void shutDownKeepsAnotherOperationsHandle() {
        PtyModule first(QStringLiteral("Q7383D"), 6149);
        PtyModule second(QStringLiteral("V7385D"), 300);
        QVERIFY(first.start() && second.start());
        SerialLink link;
        link.ComHandle = link.OpenComm(first.portName());
        const PortHandle probe = link.OpenComm(second.portName());
        link.ShutDownComm(probe);
        QVERIFY(link.ComHandle != 0);
        QCOMPARE(link.WriteReadComm(link.ComHandle, QStringLiteral("00d00000")),
                 QStringLiteral("80000008"));
        link.ShutDownComm(link.ComHandle);
        QCOMPARE(link.ComHandle, 0);
    }

    void waitsKeepTheEventLoopRunning() {
        PtyModule module(QStringLiteral("Q7383D"));
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        const PortHandle handle = link.OpenComm(module.portName());
        QVERIFY(handle != InvalidHandle);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(5);
        // Turnaround plus the whole read time-out: a blocking wait would leave the count at 0.
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00d00000"));
        ticker.stop();
        QVERIFY(reply.silent());
        QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
        link.ShutDownComm(handle);
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
        const PortHandle handle = link.OpenComm(module.portName());
        QVERIFY(handle != InvalidHandle);
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00d00000"));
        QCOMPARE(reply.text, QStringLiteral("80000008"));
        QCOMPARE(reply.received, 10);
        QCOMPARE(link.WriteReadComm(handle, QStringLiteral("00d80000")),
                 QStringLiteral("80001805"));
        link.ShutDownComm(handle);
    }

    void unpacedTimingStillWaitsOutASilentModule() {
        PtyModule module(QStringLiteral("Q7383D"), 0, false);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        SerialLink link;
        link.timing = LinkTiming::Unpaced();
        const PortHandle handle = link.OpenComm(module.portName());
        QElapsedTimer timer;
        timer.start();
        const RegisterReply reply = link.exchange(handle, QStringLiteral("00d00000"));
        // Only the turnaround is dropped; the read still gives the module its whole time-out.
        QVERIFY2(timer.elapsed() >= 95, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(reply.silent());
        link.ShutDownComm(handle);
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
        QTimer::singleShot(0, this, [&ran] { ran = true; });
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
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        Sleep(0);
        QVERIFY(!ran);
        Sleep(20);
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
