// A live reading session on the Values page against a paced Q7383D: channel 1 at the 100 ms
// refresh rate for three minutes (or the seconds given), with the window drawing the chart.
// It counts the readings against one per interval, finds the largest gap between two of them,
// the longest the window's thread stalled (a 5 ms timer on it) and the CPU the process used.
// The simulator's line runs on a thread of this process, so the window thread's share is given
// apart: that is the program's own.

#include "form/TForm1.h"
#include "modsim/PtyModule.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int DefaultSeconds = 180;
constexpr int ValuesPage = 1;
const QString Rate = QStringLiteral("100");

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// User plus system seconds of the whole process, or of the calling thread only.
double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the window's events for `milliseconds`, as the user waiting would.
void runFor(qint64 milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// CPU as a share of one core over a stretch of wall time.
double coreShare(double cpu, qint64 wallMs) {
    return wallMs > 0 ? 100.0 * cpu * 1000.0 / static_cast<double>(wallMs) : 0.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    int sessionSeconds = DefaultSeconds;
    if (argc > 1) {
        bool number = false;
        sessionSeconds = QString::fromLocal8Bit(argv[1]).toInt(&number);
        if (!number || sessionSeconds <= 0) {
            std::fprintf(stderr, "usage: bench_live [SECONDS]\n");
            return 2;
        }
    }

    modsim::PtyModule module(QStringLiteral("Q7383D"), 6149);
    if (!module.start()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    ConsoleDialogs dialogs(true);
    QTemporaryDir home;
    ProgramState state(dialogs);
    state.ProgramFolder = home.path();
    state.OnlineOverride = false;
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    state.link.ComPortName = module.portName();
    TForm1 form(state);
    ConfiguratorWindow window(form);
    window.show();

    // The user opens the Values page, which prepares itself when the module answers; the start
    // button is there for when it did not.
    form.Choose(QStringLiteral("PageControl1"), ValuesPage);
    if (form.Live().LiveModelCode.isEmpty()) {
        form.Click(QStringLiteral("BStartReadValues"));
    }
    const int rateIndex =
        static_cast<int>(form.Control(QStringLiteral("CBRefresh1")).items().indexOf(Rate));
    if (form.Live().LiveModelCode.isEmpty() || rateIndex < 0) {
        std::fprintf(stderr, "the Values page was not prepared\n");
        return 1;
    }
    form.Choose(QStringLiteral("CBRefresh1"), rateIndex);
    const qint64 intervalMs = Rate.toLongLong();
    const qint64 expected = sessionSeconds * 1000LL / intervalMs;
    // A tick's reading lands about one exchange after the tick; the last tick of the session
    // comes at its very end, so readings are counted until one interval later.
    const qint64 windowMs = sessionSeconds * 1000LL + intervalMs;

    // The window idles on the prepared page, first alone, then with the 5 ms timer that
    // watches it: what the page and the watching cost before any reading.
    constexpr qint64 IdleMs = 3000;
    double idleCpu = cpuSeconds(RUSAGE_SELF);
    runFor(IdleMs);
    idleCpu = cpuSeconds(RUSAGE_SELF) - idleCpu;

    QElapsedTimer sinceTick;
    QElapsedTimer clickTime;
    qint64 largestStall = 0;
    qint64 largestStallAtMs = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid() && sinceTick.elapsed() > largestStall) {
            largestStall = sinceTick.elapsed();
            largestStallAtMs = clickTime.isValid() ? clickTime.elapsed() : 0;
        }
        sinceTick.start();
    });
    ticker.start(5);
    double watchedIdleCpu = cpuSeconds(RUSAGE_SELF);
    runFor(IdleMs);
    watchedIdleCpu = cpuSeconds(RUSAGE_SELF) - watchedIdleCpu;

    QElapsedTimer session;
    qint64 readings = 0;
    qint64 lastReadingMs = -1;
    qint64 firstReadingMs = -1;
    qint64 largestGap = 0;
    qint64 lateReadings = 0;
    QObject::connect(&form.Live().Chart1, &LiveChart::pointAdded, [&](QPointF) {
        const qint64 now = session.elapsed();
        if (now > windowMs) {
            return;
        }
        ++readings;
        if (lastReadingMs >= 0) {
            const qint64 gap = now - lastReadingMs;
            largestGap = std::max(largestGap, gap);
            lateReadings += gap > intervalMs * 3 / 2 ? 1 : 0;
        } else {
            firstReadingMs = now;
        }
        lastReadingMs = now;
    });
    // The form's own handler runs first, so by now the tick has finished: a tick that left the
    // count where it was took no reading.
    qint64 ticks = 0;
    qint64 emptyTicks = 0;
    int countAfterTick = 0;
    const auto* readTimer = form.findChild<QTimer*>(QStringLiteral("Timer_ReadValue1"));
    QObject::connect(readTimer, &QTimer::timeout, [&] {
        if (session.elapsed() > windowMs) {
            return;
        }
        ++ticks;
        const int count = form.Live().reading(1).count;
        emptyTicks += count == countAfterTick ? 1 : 0;
        countAfterTick = count;
    });

    // The START click identifies the module and tries the port before the timer runs: the
    // session is timed from then, its start reported apart.
    sinceTick.invalidate();
    largestStall = 0;
    const double cpuBefore = cpuSeconds(RUSAGE_SELF);
    const double windowCpuBefore = cpuSeconds(RUSAGE_THREAD);
    // The CPU is taken per third of the session too: a cost that grows with the points on the
    // chart shows there.
    constexpr int Thirds = 3;
    std::array<double, Thirds + 1> cpuAt{};
    int thirdsTaken = 0;
    QTimer thirds;
    thirds.setTimerType(Qt::PreciseTimer);
    QObject::connect(&thirds, &QTimer::timeout, [&] {
        if (thirdsTaken < Thirds) {
            cpuAt[++thirdsTaken] = cpuSeconds(RUSAGE_SELF);
        }
    });
    clickTime.start();
    form.Click(QStringLiteral("BReadValue1"));
    session.start();
    const qint64 startMs = clickTime.elapsed();
    if (form.Control(QStringLiteral("BReadValue1")).text() != QLatin1String("STOP")) {
        std::fprintf(stderr, "the session did not start\n");
        return 1;
    }
    cpuAt[0] = cpuSeconds(RUSAGE_SELF);
    const qint64 thirdMs = windowMs / Thirds;
    thirds.start(static_cast<int>(thirdMs));
    runFor(windowMs);
    // The last third ends with the session, whichever of the two timers came first.
    if (thirdsTaken < Thirds) {
        cpuAt[++thirdsTaken] = cpuSeconds(RUSAGE_SELF);
    }
    const qint64 wallMs = clickTime.elapsed();
    const double cpu = cpuSeconds(RUSAGE_SELF) - cpuBefore;
    const double windowCpu = cpuSeconds(RUSAGE_THREAD) - windowCpuBefore;
    const bool stillRunning =
        form.Control(QStringLiteral("BReadValue1")).text() == QLatin1String("STOP");
    form.Click(QStringLiteral("BReadValue1"));
    ticker.stop();

    std::printf(
        "readings: %lld of %lld in %d s at %lld ms (%lld ticks, %lld without a reading), "
        "largest gap %lld ms, %lld over %lld ms; START took %lld ms, the first reading came "
        "%lld ms later%s\n",
        static_cast<long long>(readings), static_cast<long long>(expected), sessionSeconds,
        static_cast<long long>(intervalMs), static_cast<long long>(ticks),
        static_cast<long long>(emptyTicks), static_cast<long long>(largestGap),
        static_cast<long long>(lateReadings), static_cast<long long>(intervalMs * 3 / 2),
        static_cast<long long>(startMs), static_cast<long long>(firstReadingMs),
        stillRunning ? "" : " (SESSION ENDED EARLY)");
    std::printf("window thread: largest stall %lld ms, %.1f s after START\n",
                static_cast<long long>(largestStall),
                static_cast<double>(largestStallAtMs) / 1000.0);
    std::printf(
        "cpu: %.2f s in %.1f s = %.2f %% of a core (window thread %.2f %%), by third of the "
        "session:",
        cpu, static_cast<double>(wallMs) / 1000.0, coreShare(cpu, wallMs),
        coreShare(windowCpu, wallMs));
    for (int third = 1; third <= thirdsTaken; ++third) {
        std::printf(" %.2f %%", coreShare(cpuAt[third] - cpuAt[third - 1], thirdMs));
    }
    std::printf("; the idle page %.2f %%, with the 5 ms timer %.2f %%\n",
                coreShare(idleCpu, IdleMs), coreShare(watchedIdleCpu, IdleMs));
    return 0;
}
