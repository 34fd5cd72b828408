// The window's thread during a full paced read and write of a Q7383D: a 5 ms timer on it
// records the largest gap between its ticks, which is how long the window could not repaint.

#include "form/TForm1.h"
#include "form/WriteAll.h"
#include "modsim/PtyModule.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
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

    QElapsedTimer sinceTick;
    qint64 largestGap = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid()) {
            largestGap = std::max(largestGap, sinceTick.elapsed());
        }
        sinceTick.start();
        ++ticks;
    });
    ticker.start(5);

    QElapsedTimer timer;
    timer.start();
    form.RunCommand([&form] { form.ReadAll(); });
    const qint64 readMs = timer.restart();
    form.Click(QStringLiteral("BStatus"));
    form.RunCommand([&form] { SaveToModule(form); });
    const qint64 writeMs = timer.elapsed();
    std::printf("read %lld ms, write %lld ms, %d ticks of the 5 ms timer, largest gap %lld ms%s\n",
                static_cast<long long>(readMs), static_cast<long long>(writeMs), ticks,
                static_cast<long long>(largestGap),
                form.ConfigurationEmpty ? " (READ FAILED)" : "");
    return 0;
}
