// The Values page on the window model: preparing it for the connected module, reading one
// channel at a time, the statistics and the chart, and what ends a session.

#include "support/FormProbe.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "link/RegisterReply.h"
#include "live/AxisTicks.h"
#include "live/ChannelReading.h"
#include "live/LiveTick.h"
#include "modsim/ModuleEngine.h"

#include <cmath>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ReplyKind)

namespace {

QString shown(const TForm1& form, const QString& name) {
    return form.Control(name).text();
}

// Starts channel `channel` at the chosen refresh rate; ticks are then run by the test itself.
void startChannel(WindowBench& bench, int channel, const QString& rate = QStringLiteral("5000")) {
    const QString list = QStringLiteral("CBRefresh%1").arg(channel);
    bench.form->Choose(list, static_cast<int>(bench.form->Control(list).items().indexOf(rate)));
    bench.form->Click(QStringLiteral("BReadValue%1").arg(channel));
}

void tick(WindowBench& bench, int channel) {
    FormProbe::ReadingTick(*bench.form, channel);
}

const QTimer& readTimer(const WindowBench& bench, int channel) {
    return *bench.form->findChild<QTimer*>(QStringLiteral("Timer_ReadValue%1").arg(channel));
}

QString unavailable(const QString& port) {
    return "Default COM Port (" + port +
           ") defined in Settings has suddenly become unavailable.\r\rPlease Verify that:\r\r"
           "     - module is correctly plugged in\r"
           "     - module is correctly power supplied\r"
           "     - no other application is interfering with serial communication.";
}

}  // namespace

class TestLiveValues : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void preparationFollowsTheModel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::newRow("Q7383D") << "Q7383D" << 2 << QString::fromUtf8("TC K")
                                << QString::fromUtf8("[\u00B0C]") << 1 << -270.0 << 1370.0;
        QTest::newRow("Q7383S") << "Q7383S" << 1 << QString::fromUtf8("TC K")
                                << QString::fromUtf8("[\u00B0C]") << 1 << -270.0 << 1370.0;
        QTest::newRow("load cell") << "Q7356S" << 1 << "Load Cell"
                                   << "" << 0 << -50.0 << 30000.0;
    }

    void preparationFollowsTheModel() {
        QFETCH(QString, model);
        QFETCH(int, channels);
        QFETCH(QString, sensor);
        QFETCH(QString, unit);
        QFETCH(int, decimals);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        WindowBench bench(model);
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        const LiveState& live = bench.form->Live();
        QCOMPARE(live.LiveModelCode, model);
        QCOMPARE(live.InputChannelCount, channels);
        QCOMPARE(live.LiveDecimals1, decimals);
        QCOMPARE(live.Chart1.minimum(), lowest);
        QCOMPARE(live.Chart1.maximum(), highest);
        QCOMPARE(live.Chart2.isEnabled(), channels == 2);
        QCOMPARE(bench.form->Control("BReadValue2").isEnabled(), channels == 2);
        QCOMPARE(bench.form->Control("TabSheet6").isVisible(), channels == 2);
        QCOMPARE(shown(*bench.form, "LSensor1OnScreen_dx"), sensor);
        QCOMPARE(shown(*bench.form, "LInput1CurrentValue_DIM"), unit);
        QCOMPARE(shown(*bench.form, "LModelRV1_dx"), model);
        QVERIFY(bench.form->Control("PageControl2").isVisible());
        QVERIFY(!bench.form->Control("BStartReadValues").isVisible());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // The value axis labels round values: 1, 2 or 5 times a power of ten apart, four to eight of
    // them inside the range, never finer than the values' last place.
    void axisTicksAreRound_data() {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("anchor");
        QTest::addColumn<double>("interval");
        QTest::newRow("TC K") << -270.0 << 1370.0 << 1 << -200.0 << 200.0;
        QTest::newRow("load cell") << -50.0 << 30000.0 << 0 << 0.0 << 5000.0;
        QTest::newRow("0 to 30000") << 0.0 << 30000.0 << 0 << 0.0 << 5000.0;
        QTest::newRow("inner quarters") << 7462.5 << 22487.5 << 1 << 8000.0 << 2000.0;
        QTest::newRow("0 to 1, two places") << 0.0 << 1.0 << 2 << 0.0 << 0.2;
        QTest::newRow("0 to 1, whole values") << 0.0 << 1.0 << 0 << 0.0 << 1.0;
        QTest::newRow("below zero") << -200.0 << -50.0 << 0 << -200.0 << 20.0;
        QTest::newRow("below zero, one place") << -1.5 << -0.2 << 1 << -1.4 << 0.2;
        QTest::newRow("across zero, small") << -0.1 << 0.9 << 1 << 0.0 << 0.2;
    }

    void axisTicksAreRound() {
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(int, decimals);
        QFETCH(double, anchor);
        QFETCH(double, interval);
        const AxisTicks ticks = RoundAxisTicks(minimum, maximum, decimals);
        QCOMPARE(ticks.interval, interval);
        QCOMPARE(ticks.anchor, anchor);
        QVERIFY(anchor != 0.0 || !std::signbit(ticks.anchor));  // a label "-0.0" reads wrong
    }

    // A sensor register that names no sensor of the list: no table is read beyond its end.
    void anUnknownSensorStillGetsAChart() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.engine().setRegister(0x00, 0x0063);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        const LiveState& live = bench.form->Live();
        QCOMPARE(shown(*bench.form, "LSensor1OnScreen_dx"), QStringLiteral("?"));
        QCOMPARE(live.LiveDecimals1, 0);
        QVERIFY(live.Chart1.minimum() < live.Chart1.maximum());
    }

    void fullScaleWordReadsByModel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("value");
        QTest::newRow("signed") << "Q7383D" << -1;
        QTest::newRow("Q7351S counts without a sign") << "Q7351S" << 65535;
    }

    void fullScaleWordReadsByModel() {
        QFETCH(QString, model);
        QFETCH(int, value);
        WindowBench bench(model);
        QVERIFY(bench.started);
        bench.engine().setInputValue(1, 0xFFFF);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        tick(bench, 1);
        QCOMPARE(bench.form->Live().reading(1).last, value);
        QCOMPARE(bench.form->Live().reading(1).count, 1);
    }

    // At 5000 ms each tick moves the time by 5 s: the 37th passes 180 s and clears the chart,
    // while the statistics go on.
    void theChartStartsAgainAfterThreeMinutes() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.engine().setInputValue(1, 100);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1, "5000");
        for (int i = 0; i < 36; ++i) {
            tick(bench, 1);
        }
        QCOMPARE(bench.form->Live().Chart1.points().size(), 36);
        QCOMPARE(bench.form->Live().Chart1.points().last(), QPointF(180.0, 10.0));
        tick(bench, 1);
        QVERIFY(bench.form->Live().Chart1.points().isEmpty());
        QCOMPARE(bench.form->Live().reading(1).count, 37);
        QCOMPARE(shown(*bench.form, "LReadValueAvg1"), QStringLiteral("10.0"));
        QCOMPARE(shown(*bench.form, "Lstatus1_dx"), QStringLiteral("Aquiring"));
        QCOMPARE(bench.form->StatusPanel(0), QStringLiteral("Status: Reading Input values .."));
    }

    void statisticsOfASession_data() {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("average");
        QTest::newRow("truncated") << QList<int>{1, 2, 2} << 2 << 1 << 1;
        QTest::newRow("towards zero") << QList<int>{-1, -2, -2} << -1 << -2 << -1;
        QTest::newRow("one value") << QList<int>{7} << 7 << 7 << 7;
    }

    void statisticsOfASession() {
        QFETCH(QList<int>, values);
        QFETCH(int, maximum);
        QFETCH(int, minimum);
        QFETCH(int, average);
        ChannelReading reading;
        reading.start();
        for (const int value : values) {
            reading.add(value);
        }
        QCOMPARE(reading.maximum, maximum);
        QCOMPARE(reading.minimum, minimum);
        QCOMPARE(reading.average, average);
    }

    // A reply gives a value only when it is one whole, well-formed reply; otherwise it says how
    // it failed, even when its data positions would read as a number.
    void aTickSaysHowItFailed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lineGone");
        QTest::addColumn<ReplyKind>("kind");
        QTest::addColumn<int>("value");
        QTest::newRow("answered") << QByteArray("8000FFF1\r\n") << false << ReplyKind::Answered
                                  << -15;
        QTest::newRow("silent") << QByteArray() << false << ReplyKind::Silent << 0;
        QTest::newRow("garbled") << QByteArray("8000XZ?G\r\n") << false << ReplyKind::Garbled << 0;
        QTest::newRow("runs on") << QByteArray("8000FFF155") << false << ReplyKind::Garbled << 0;
        QTest::newRow("shifted") << QByteArray("\r\n8000FFF1") << false << ReplyKind::Garbled << 0;
        QTest::newRow("line gone") << QByteArray("80") << true << ReplyKind::LineGone << 0;
    }

    void aTickSaysHowItFailed() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lineGone);
        QFETCH(ReplyKind, kind);
        QFETCH(int, value);
        const LiveTick tick = LiveTickFromReply(MakeReply(bytes, lineGone), "Q7383S");
        QCOMPARE(tick.kind, kind);
        QCOMPARE(tick.value, value);
    }

    void oneChannelAtATime() {
        WindowBench bench("Q7383D");
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 2);
        bench.dialogs.expect(BoxKind::Warning,
                             "Only one channel at a time can be read. Please "
                             "stop Channel 2 before continuing.");
        bench.form->Click("BReadValue1");
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.form->Control("PageControl2").currentIndex(), 1);
        QCOMPARE(shown(*bench.form, "BReadValue1"), QStringLiteral("START"));
        QCOMPARE(shown(*bench.form, "BReadValue2"), QStringLiteral("STOP"));
        QVERIFY(readTimer(bench, 2).isActive());
        QVERIFY(!readTimer(bench, 1).isActive());
    }

    void leavingThePageStopsTheSession() {
        WindowBench bench("Q7383D");
        QVERIFY(bench.started);
        bench.form->Control("PageControl1").setCurrentIndex(1);
        QVERIFY(bench.form->Live().LiveModelCode == QLatin1String("Q7383D"));
        startChannel(bench, 1);
        bench.dialogs.expect(BoxKind::Warning, "Aquiring of Input Values Session Stopped.");
        bench.form->Control("PageControl1").setCurrentIndex(0);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(shown(*bench.form, "BReadValue1"), QStringLiteral("START"));
        QCOMPARE(shown(*bench.form, "BReadValue2"), QStringLiteral("START"));
        QVERIFY(!bench.form->LiveSessionRunning());
        QVERIFY(bench.form->Live().LiveModelCode.isEmpty());
        QCOMPARE(bench.form->StatusPanel(0), QStringLiteral("Status : Ready"));
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // A module that falls silent mid-session: one warning, the port closed, and the failed
    // reading neither shown nor counted nor drawn.
    void aSilentModuleEndsTheSession() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.engine().setInputValue(1, 250);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        tick(bench, 1);
        bench.engine().setFault(modsim::Fault::Silent);
        bench.dialogs.expect(BoxKind::Warning, unavailable(bench.port()));
        tick(bench, 1);
        tick(bench, 1);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        const ChannelReading& reading = bench.form->Live().reading(1);
        QCOMPARE(reading.count, 1);
        QCOMPARE(reading.minimum, 250);
        QCOMPARE(bench.form->Live().Chart1.points().size(), 1);
        QCOMPARE(shown(*bench.form, "LInput1CurrentValue"), QStringLiteral("25.0"));
        QCOMPARE(shown(*bench.form, "BReadValue1"), QStringLiteral("START"));
        QVERIFY(!bench.form->LiveSessionRunning());
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // Replies that run on are no readings: skipped, with nothing shown, counted or drawn, and
    // the line drained so that the next whole reply reads right. Three in a row end the session.
    void repliesOfTheWrongShapeAreSkipped() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.engine().setInputValue(1, 250);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        tick(bench, 1);
        bench.engine().setFault(modsim::Fault::OverLong);
        tick(bench, 1);
        tick(bench, 1);
        const ChannelReading& reading = bench.form->Live().reading(1);
        QVERIFY(bench.form->LiveSessionRunning());
        QCOMPARE(reading.count, 1);
        QCOMPARE(reading.skipped, 2);
        QCOMPARE(bench.form->Live().Chart1.points().size(), 1);
        QCOMPARE(shown(*bench.form, "LReadValueMin1"), QStringLiteral("25.0"));

        bench.engine().setFault(modsim::Fault::None);
        bench.engine().setInputValue(1, 300);
        tick(bench, 1);
        QCOMPARE(reading.count, 2);
        QCOMPARE(reading.last, 300);

        bench.engine().setFault(modsim::Fault::OverLong);
        bench.dialogs.expect(BoxKind::Warning, unavailable(bench.port()));
        for (int i = 0; i < ChannelReading::MostSkippedInARow; ++i) {
            tick(bench, 1);
        }
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(!bench.form->LiveSessionRunning());
        QCOMPARE(reading.count, 2);
        QCOMPARE(reading.skipped, 2 + ChannelReading::MostSkippedInARow);
        QCOMPARE(reading.minimum, 250);
        QCOMPARE(reading.maximum, 300);
        QCOMPARE(bench.form->Live().Chart1.points().size(), 2);
        QCOMPARE(shown(*bench.form, "LInput1CurrentValue"), QStringLiteral("30.0"));
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // Another module on the cable between two STARTs: prepared afresh, nothing of the old
    // model's chart or statistics left.
    void anotherModelIsPreparedAfresh() {
        WindowBench bench("Q7383D");
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        tick(bench, 1);
        bench.form->Click("BReadValue1");
        modsim::PtyModule other(QStringLiteral("Q7323S"), 0, false);
        QVERIFY(other.start());
        UseModule(bench, other);
        startChannel(bench, 1);
        QCOMPARE(bench.form->Live().LiveModelCode, QStringLiteral("Q7323S"));
        QCOMPARE(bench.form->Live().InputChannelCount, 1);
        QCOMPARE(shown(*bench.form, "LModelRV1_dx"), QStringLiteral("Q7323S"));
        QVERIFY(bench.form->Live().Chart1.points().isEmpty());
        QCOMPARE(bench.form->Live().reading(1).count, 0);
        QVERIFY(!bench.form->Control("TabSheet6").isVisible());
    }

    // While a session holds the port, nothing else may talk to the module.
    void aSessionKeepsOtherOperationsOffThePort() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        bench.engine().clearCommands();
        const QString refused =
            "Input values are being read on the Values page.\rPress STOP there before using the "
            "port for anything else.";
        bench.dialogs.expect(BoxKind::Warning, refused);
        bench.dialogs.expect(BoxKind::Warning, refused);
        bench.form->ReadAll();
        bench.form->Click("BAutoDetect");
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
        QVERIFY(bench.form->LiveSessionRunning());
        QVERIFY(bench.form->AcceptsInput());
        // STOP gives the port back: the same read now talks to the module.
        bench.form->Click("BReadValue1");
        QVERIFY(bench.form->ReadAll().completed());
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    // A tick that comes while the previous one waits on the line is left out, not sent over it.
    void aTickWhileTheLineIsWaitedOnIsLeftOut() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        bench.engine().clearCommands();
        bool duringExchange = false;
        // Runs among the events the first tick's exchange keeps running.
        QTimer::singleShot(0, bench.form.get(), [&bench, &duringExchange] {
            duringExchange = bench.state.link.lineUse().exchange;
            tick(bench, 1);
        });
        tick(bench, 1);
        QVERIFY(duringExchange);
        QCOMPARE(bench.engine().commands(), QStringList{QStringLiteral("00E20000")});
        QCOMPARE(bench.form->Live().reading(1).count, 1);
        QVERIFY(bench.form->LiveSessionRunning());
    }

    // The readings saved as CSV: the seconds since START at which each arrived, the value in the
    // channel's decimals with a point, the unit in UTF-8 (the degree sign C2 B0, as `watch` prints
    // it); CR LF after every line.
    void theReadingsSaveAsCsv() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.engine().setInputValue(1, 0xFFF1);  // -1.5 degrees
        bench.form->Click(QStringLiteral("BStartReadValues"));
        QElapsedTimer sinceStart;
        sinceStart.start();
        startChannel(bench, 1, "100");
        for (int i = 0; i < 2; ++i) {
            tick(bench, 1);
        }
        bench.engine().setInputValue(1, 12345);
        tick(bench, 1);
        const double longest = static_cast<double>(sinceStart.elapsed()) / 1000.0;
        const QString path = QDir(bench.home.path()).filePath("ch1.csv");
        bench.dialogs.answerFileDialog(path);
        bench.form->Click("BSaveValues1");
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(ScriptProblems(bench.dialogs)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.takeFirst(), QByteArray("time_s,value,unit\r"));
        QCOMPARE(lines.takeLast(), QByteArray());
        const QList<QByteArray> values{
            "-1.5,\xC2\xB0"
            "C\r",
            "-1.5,\xC2\xB0"
            "C\r",
            "1234.5,\xC2\xB0"
            "C\r"};
        QCOMPARE(lines.size(), values.size());
        double previous = 0.0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const qsizetype comma = lines[i].indexOf(',');
            QCOMPARE(lines[i].mid(comma + 1), values[i]);
            const double seconds = lines[i].left(comma).toDouble();
            QVERIFY2(seconds >= previous && seconds <= longest, lines[i].constData());
            previous = seconds;
        }
        QCOMPARE(bench.lastLogText(), QStringLiteral("Saved channel 1 readings to file ch1.csv"));
    }

    void theStatusTurnsItsDots() {
        WindowBench bench("Q7383S");
        QVERIFY(bench.started);
        bench.form->Click(QStringLiteral("BStartReadValues"));
        startChannel(bench, 1);
        QStringList seen;
        for (int i = 0; i < 6; ++i) {
            FormProbe::ClockTick(*bench.form);
            seen << shown(*bench.form, "Lstatus1_dx");
        }
        QCOMPARE(seen, (QStringList{"Aquiring .", "Aquiring ..", "Aquiring ...", "Aquiring ....",
                                    "Aquiring", "Aquiring ."}));
    }
};

QTEST_MAIN(TestLiveValues)
#include "tst_livevalues.moc"
