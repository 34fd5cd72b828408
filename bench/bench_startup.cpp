// From launch to the first paint of the window, with settings as after some runs and one silent
// serial port present, against a minimal Qt Widgets window started the same way; a first run,
// whose welcome box opens before the window is painted, beside it. Each child writes "painted" on
// standard error at its first paint; the time, and the child's resident memory, are taken when that
// line arrives. Off-screen always; on the X11 platform as well when a display is set (DISPLAY),
// since a desktop loads what the off-screen platform never does.
//
// Then the idle window, on a silent port and on a simulated module (--demo): its resident and
// proportional memory once settled, and the processor time and wake-ups of all its threads (the
// simulated module's included) over IDLE_SECONDS while nothing changes. Beside it, over the same
// seconds, a minimal window whose only work is a clock label rewritten every second: what one
// repaint a second costs on this machine at that moment, which varies several times over on a
// shared virtual machine.
//
//   bench_startup [ROUNDS [IDLE_SECONDS]]     (IDLE_SECONDS 0 skips the idle figures)

#include "modsim/PtyModule.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

class FirstPaint final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stderr);
            std::fflush(stderr);
            QCoreApplication::quit();
        }
        return QObject::eventFilter(watched, event);
    }
};

// The idle reference: a window of the same size whose clock label, sunken and fixed like the
// program's, is rewritten every second.
int minimalClock(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(747, 658);
    QLabel clock(&window);
    clock.setGeometry(657, 639, 88, 19);
    clock.setFrameShape(QFrame::Panel);
    clock.setFrameShadow(QFrame::Sunken);
    clock.setAlignment(Qt::AlignCenter);
    clock.setAutoFillBackground(true);
    clock.setFixedSize(clock.size());
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &clock, [&clock] {
        clock.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    });
    tick.start(1000);
    window.show();
    return QApplication::exec();
}

int minimalWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(747, 658);
    FirstPaint note;
    window.installEventFilter(&note);
    window.show();
    return QApplication::exec();
}

struct FirstPaintFigures {
    double ms = -1;
    double residentMb = -1;
};

// A "Key:  N kB" field of a /proc file of the process in megabytes; negative where missing.
double procMegabytes(qint64 pid, const char* file, const QByteArray& key) {
    QFile status(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':')) {
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return -1;
}

// Clock ticks (user and system) of the process so far, as top and ps count them.
qint64 processorTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray text = stat.readAll();
    // The fields after the command name, which may hold spaces, start after its ')'.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

// Processor nanoseconds and times scheduled in (wake-ups and preemptions) of each of the
// process's threads so far, from the scheduler's own counts.
struct ThreadCounts {
    qint64 nanoseconds = 0;
    qint64 slices = 0;
};

QHash<QString, ThreadCounts> threadCounts(qint64 pid) {
    QHash<QString, ThreadCounts> counts;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task) + QStringLiteral("/schedstat"));
        if (stat.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> fields = stat.readAll().trimmed().split(' ');
            counts.insert(task, {fields.value(0).toLongLong(), fields.value(2).toLongLong()});
        }
    }
    return counts;
}

// What the threads used between two counts. A pool thread that ended meanwhile (Qt's idle pool
// threads end after 30 s) is left out rather than counted negative; a new one counts whole.
ThreadCounts usedBetween(const QHash<QString, ThreadCounts>& before,
                         const QHash<QString, ThreadCounts>& after) {
    ThreadCounts used;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const ThreadCounts earlier = before.value(it.key());
        used.nanoseconds += it.value().nanoseconds - earlier.nanoseconds;
        used.slices += it.value().slices - earlier.slices;
    }
    return used;
}

struct IdleFigures {
    double residentMb = -1;
    double proportionalMb = -1;
    double processorPercent = -1;
    double wakeupsPerSecond = -1;
    qint64 ticks = -1;
};

// Starts the programs together, lets them settle for six seconds (start-up, port search, first
// paint), then measures each idle over the same seconds.
std::vector<IdleFigures> idleSideBySide(
    const std::vector<std::pair<QString, QStringList>>& programs, QProcessEnvironment environment,
    int seconds) {
    // The note would end the run at the first paint.
    environment.remove(QStringLiteral("KVC7345_FIRST_PAINT_NOTE"));
    std::vector<std::unique_ptr<QProcess>> children;
    for (const auto& [program, arguments] : programs) {
        auto child = std::make_unique<QProcess>();
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(program, arguments);
        child->waitForStarted();
        children.push_back(std::move(child));
    }
    QThread::sleep(6);
    std::vector<IdleFigures> figures(children.size());
    std::vector<QHash<QString, ThreadCounts>> before(children.size());
    std::vector<qint64> ticksBefore(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->state() != QProcess::Running) {
            continue;
        }
        const qint64 pid = children[i]->processId();
        figures[i].residentMb = procMegabytes(pid, "status", "VmRSS");
        figures[i].proportionalMb = procMegabytes(pid, "smaps_rollup", "Pss");
        before[i] = threadCounts(pid);
        ticksBefore[i] = processorTicks(pid);
    }
    QThread::sleep(static_cast<unsigned long>(seconds));
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->state() == QProcess::Running) {
            const qint64 pid = children[i]->processId();
            const ThreadCounts used = usedBetween(before[i], threadCounts(pid));
            figures[i].processorPercent = static_cast<double>(used.nanoseconds) / 1e7 / seconds;
            figures[i].wakeupsPerSecond = static_cast<double>(used.slices) / seconds;
            figures[i].ticks = processorTicks(pid) - ticksBefore[i];
        }
        children[i]->kill();
        children[i]->waitForFinished();
    }
    return figures;
}

// Milliseconds from starting the program to its "painted" line (negative when it never came),
// and its resident memory then.
FirstPaintFigures timeToFirstPaint(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setReadChannel(QProcess::StandardError);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    QByteArray said;
    while (child.waitForReadyRead(10'000) || child.state() == QProcess::Running) {
        said += child.readAllStandardError();
        if (said.contains("painted")) {
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            const double resident = procMegabytes(child.processId(), "status", "VmRSS");
            child.kill();
            child.waitForFinished();
            return {ms, resident};
        }
        if (timer.elapsed() > 10'000) {
            break;
        }
    }
    child.kill();
    child.waitForFinished();
    return {};
}

bool writeSettledSettings(const QString& folder) {
    QFile settings(QDir(folder).filePath(QStringLiteral("config.ini")));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write("RUNTIMES = 5\r\nAUTOUPDATE = N\r\n") > 0 && settings.flush();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--minimal") {
        return minimalWindow(argc, argv);
    }
    if (argc > 1 && QByteArray(argv[1]) == "--minimal-clock") {
        return minimalClock(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int idleSeconds = argc > 2 ? std::max(0, std::atoi(argv[2])) : 30;

    // The silent port is the default port and is listed for the port search.
    modsim::PtyModule silent(QStringLiteral("Q7383D"));
    if (!silent.start()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    silent.engine().setFault(modsim::Fault::Silent);
    // A settings file that skips the welcome and the update question, as after some runs: the
    // start users meet every day. A first run, whose welcome box opens over the window before it
    // is painted, is timed beside it in a folder without settings (a run ended at its first
    // paint never writes them).
    QTemporaryDir settledHome;
    QTemporaryDir firstRunHome;
    if (!writeSettledSettings(settledHome.path())) {
        std::fprintf(stderr, "no settings file in %s\n", qPrintable(settledHome.path()));
        return 1;
    }
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    QStringList platforms;
    if (system.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        platforms << system.value(QStringLiteral("QT_QPA_PLATFORM"));
    } else {
        platforms << QStringLiteral("offscreen");
        if (!system.value(QStringLiteral("DISPLAY")).isEmpty()) {
            platforms << QStringLiteral("xcb");
        }
    }
    bool complete = true;
    for (const QString& platform : platforms) {
        QProcessEnvironment environment = system;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("KVC7345_PORTS"), silent.portName());
        environment.insert(QStringLiteral("KVC7345_FIRST_PAINT_NOTE"), QStringLiteral("1"));

        const QStringList programArguments{QStringLiteral("--port"), silent.portName(),
                                           QStringLiteral("--home")};
        std::vector<double> program;
        std::vector<double> firstRun;
        std::vector<double> minimal;
        std::vector<double> programMemory;
        std::vector<double> minimalMemory;
        for (int i = 0; i < rounds; ++i) {
            const FirstPaintFigures a =
                timeToFirstPaint(QStringLiteral(KVC7345_PROGRAM),
                                 programArguments + QStringList{settledHome.path()}, environment);
            const FirstPaintFigures b =
                timeToFirstPaint(QCoreApplication::applicationFilePath(),
                                 {QStringLiteral("--minimal")}, environment);
            const FirstPaintFigures c =
                timeToFirstPaint(QStringLiteral(KVC7345_PROGRAM),
                                 programArguments + QStringList{firstRunHome.path()}, environment);
            program.push_back(a.ms);
            programMemory.push_back(a.residentMb);
            minimal.push_back(b.ms);
            minimalMemory.push_back(b.residentMb);
            firstRun.push_back(c.ms);
        }
        const double a = median(program);
        const double b = median(minimal);
        const double c = median(firstRun);
        std::printf(
            "%s: first paint: kvc7345 %.1f ms, minimal Qt window %.1f ms (medians of %d), "
            "difference %.1f ms; resident memory at first paint: kvc7345 %.1f MB, minimal %.1f "
            "MB\n",
            qPrintable(platform), a, b, rounds, a - b, median(programMemory),
            median(minimalMemory));
        std::printf(
            "%s: first paint of a first run, the welcome box over the window: kvc7345 "
            "%.1f ms, difference %.1f ms\n",
            qPrintable(platform), c, c - b);
        complete = complete && a >= 0 && b >= 0 && c >= 0;

        if (idleSeconds == 0) {
            continue;
        }
        const struct {
            const char* name;
            QStringList arguments;
        } cases[] = {
            {"silent port", {QStringLiteral("--port"), silent.portName()}},
            {"--demo Q7383D", {QStringLiteral("--demo"), QStringLiteral("Q7383D")}},
        };
        for (const auto& idle : cases) {
            const std::vector<IdleFigures> figures = idleSideBySide(
                {{QStringLiteral(KVC7345_PROGRAM),
                  idle.arguments + QStringList{QStringLiteral("--home"), settledHome.path()}},
                 {QCoreApplication::applicationFilePath(), {QStringLiteral("--minimal-clock")}}},
                environment, idleSeconds);
            const IdleFigures& program = figures[0];
            const IdleFigures& reference = figures[1];
            std::printf(
                "%s: idle window (%s): resident %.1f MB, proportional %.1f MB; processor %.3f %% "
                "of a core over %d s (%lld clock ticks), %.1f wake-ups a second; minimal window "
                "with a clock over the same seconds: %.3f %%, %.1f wake-ups a second\n",
                qPrintable(platform), idle.name, program.residentMb, program.proportionalMb,
                program.processorPercent, idleSeconds, static_cast<long long>(program.ticks),
                program.wakeupsPerSecond, reference.processorPercent, reference.wakeupsPerSecond);
            complete = complete && program.processorPercent >= 0;
        }
    }
    return complete ? 0 : 1;
}
