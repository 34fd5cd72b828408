// Times a full configuration read from the simulated module paced like the real line, for the
// largest models, against its floor: 50 ms for every command sent plus the read's fixed 100 ms.

#include "form/TForm1.h"
#include "modsim/PtyModule.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void measure(const QString& model, int firmware, int rounds) {
    modsim::PtyModule module(model, firmware);
    if (!module.start()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return;
    }
    ConsoleDialogs dialogs;
    QTemporaryDir home;
    ProgramState state(dialogs);
    state.ProgramFolder = home.path();
    state.OnlineOverride = false;
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    state.link.ComPortName = module.portName();
    TForm1 form(state);

    double total = 0;
    qsizetype commands = 0;
    for (int i = 0; i < rounds; ++i) {
        module.engine().clearCommands();
        QElapsedTimer timer;
        timer.start();
        form.ReadAll();
        total += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        commands = module.engine().commands().size();
        form.Click(QStringLiteral("BStatus"));
    }
    const double mean = total / rounds;
    const double floor = 50.0 * static_cast<double>(commands) + 100.0;
    std::printf("%s firmware %d: %lld commands, mean read %.1f ms, floor %.1f ms, ratio %.4f%s\n",
                qPrintable(model), firmware, static_cast<long long>(commands), mean, floor,
                mean / floor, form.ConfigurationEmpty ? " (READ FAILED)" : "");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    measure(QStringLiteral("V7380D"), 300, rounds);
    measure(QStringLiteral("Q7383D"), 6149, rounds);
    return 0;
}
