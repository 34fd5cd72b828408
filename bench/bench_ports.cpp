// Times the port listing of the settings page: building the names to try, and the visit of every
// port that the listing makes, on this machine's own ports and with a simulated module added
// through KVC7345_PORTS.

#include "link/PortSearch.h"
#include "modsim/PtyModule.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void listPorts(const char* what, int rounds) {
    ConsoleDialogs dialogs;
    QTemporaryDir home;
    ProgramState state(dialogs);
    state.ProgramFolder = home.path();

    QElapsedTimer timer;
    timer.start();
    QStringList names;
    for (int i = 0; i < rounds; ++i) {
        names = SystemPortNamesToTry();
    }
    const double naming = milliseconds(timer) / rounds;

    // What the settings page lists: every port that opened, the last one a module answered on
    // chosen.
    QStringList opened;
    QString chosen;
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        opened.clear();
        chosen.clear();
        VisitPorts(state.link, names, [&](const PortVisit& port) {
            opened << port.name;
            if (port.answered) {
                chosen = port.name;
            }
            return true;
        });
    }
    const double listing = milliseconds(timer) / rounds;
    std::printf("%s: %lld names, names built in %.2f ms, listing %.1f ms, %lld listed (%s)\n", what,
                static_cast<long long>(names.size()), naming, listing,
                static_cast<long long>(opened.size()), qPrintable(chosen));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    qputenv("KVC7345_PORTS", "");
    listPorts("this machine's ports", rounds);

    modsim::PtyModule module(QStringLiteral("Q7383D"), 0, false);
    if (!module.start()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    qputenv("KVC7345_PORTS", module.portName().toLocal8Bit());
    listPorts("with one simulated module", rounds);

    QStringList missing;
    for (int i = 0; i < 500; ++i) {
        missing << QStringLiteral("/dev/kvc-missing-%1").arg(i);
    }
    qputenv("KVC7345_PORTS", missing.join(QDir::listSeparator()).toLocal8Bit());
    listPorts("with 500 names that lead nowhere", rounds);
    return 0;
}
