// Times one session exchange against the simulated module paced like a 9600-baud line,
// and compares it with its floor: the fixed turnaround wait.

#include "link/LinkTiming.h"
#include "link/SerialLink.h"
#include "modsim/PtyModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    modsim::PtyModule module(QStringLiteral("Q7383D"));
    QString error;
    if (!module.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    SerialLink link;
    SessionOpening opening = link.open(module.portName());
    if (!opening) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(module.portName()));
        return 1;
    }

    std::vector<double> times;
    times.reserve(rounds);
    int answered = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString reply = opening.session->exchange(QStringLiteral("00d00000")).text;
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        answered += reply == QLatin1String("80000008") ? 1 : 0;
    }
    opening.session->close();

    std::sort(times.begin(), times.end());
    double sum = 0;
    for (const double t : times) {
        sum += t;
    }
    const double mean = sum / rounds;
    const double floor = std::chrono::duration<double, std::milli>(linktiming::Turnaround).count();
    std::printf("exchanges: %d (answered correctly: %d)\n", rounds, answered);
    std::printf("mean: %.3f ms  median: %.3f ms  max: %.3f ms\n", mean, times[rounds / 2],
                times.back());
    std::printf("floor (turnaround wait): %.1f ms  ratio mean/floor: %.4f\n", floor, mean / floor);
    return answered == rounds ? 0 : 1;
}
