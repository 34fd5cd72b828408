// From launch to the first paint of the window, with one silent serial port present, against a
// minimal Qt Widgets window started the same way. Each child writes "painted" on standard error
// at its first paint; the time is taken when that line arrives.
//
//   bench_startup [ROUNDS]

#include "modsim/PtyModule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
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

// Milliseconds from starting the program to its "painted" line; negative when it never came.
double timeToFirstPaint(const QString& program, const QStringList& arguments,
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
            child.kill();
            child.waitForFinished();
            return ms;
        }
        if (timer.elapsed() > 10'000) {
            break;
        }
    }
    child.kill();
    child.waitForFinished();
    return -1;
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    environment.insert(QStringLiteral("KVC7345_PORTS"), silent.portName());
    environment.insert(QStringLiteral("KVC7345_FIRST_PAINT_NOTE"), QStringLiteral("1"));

    std::vector<double> program;
    std::vector<double> minimal;
    for (int i = 0; i < rounds; ++i) {
        program.push_back(timeToFirstPaint(
            QStringLiteral(KVC7345_PROGRAM),
            {QStringLiteral("--port"), silent.portName(), QStringLiteral("--home"), home.path()},
            environment));
        minimal.push_back(timeToFirstPaint(QCoreApplication::applicationFilePath(),
                                           {QStringLiteral("--minimal")}, environment));
    }
    const double a = median(program);
    const double b = median(minimal);
    std::printf(
        "first paint: kvc7345 %.1f ms, minimal Qt window %.1f ms (medians of %d), "
        "difference %.1f ms\n",
        a, b, rounds, a - b);
    return a < 0 || b < 0 ? 1 : 0;
}
