// From launch to the first paint of the window, with one silent serial port present, against a
// minimal Qt Widgets window started the same way. Each child writes "painted" on standard error
// at its first paint; the time, and the child's resident memory, are taken when that line
// arrives. Off-screen always; on the X11 platform as well when a display is set (DISPLAY), since
// a desktop loads what the off-screen platform never does.
//
//   bench_startup [ROUNDS]

#include "modsim/PtyModule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
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

// The resident memory of a running process in megabytes; negative where it cannot be read.
double residentMegabytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return -1;
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
            const double resident = residentMegabytes(child.processId());
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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--minimal") {
        return minimalWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    // The silent port is the default port and is listed for the port search.
    modsim::PtyModule silent(QStringLiteral("Q7383D"));
    if (!silent.start()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    silent.engine().setFault(modsim::Fault::Silent);
    QTemporaryDir home;
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

        std::vector<double> program;
        std::vector<double> minimal;
        std::vector<double> programMemory;
        std::vector<double> minimalMemory;
        for (int i = 0; i < rounds; ++i) {
            const FirstPaintFigures a =
                timeToFirstPaint(QStringLiteral(KVC7345_PROGRAM),
                                 {QStringLiteral("--port"), silent.portName(),
                                  QStringLiteral("--home"), home.path()},
                                 environment);
            const FirstPaintFigures b =
                timeToFirstPaint(QCoreApplication::applicationFilePath(),
                                 {QStringLiteral("--minimal")}, environment);
            program.push_back(a.ms);
            programMemory.push_back(a.residentMb);
            minimal.push_back(b.ms);
            minimalMemory.push_back(b.residentMb);
        }
        const double a = median(program);
        const double b = median(minimal);
        std::printf(
            "%s: first paint: kvc7345 %.1f ms, minimal Qt window %.1f ms (medians of %d), "
            "difference %.1f ms; resident memory at first paint: kvc7345 %.1f MB, minimal %.1f "
            "MB\n",
            qPrintable(platform), a, b, rounds, a - b, median(programMemory),
            median(minimalMemory));
        complete = complete && a >= 0 && b >= 0;
    }
    return complete ? 0 : 1;
}
