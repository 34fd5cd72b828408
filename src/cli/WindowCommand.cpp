#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/PortChoice.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"

#include <QApplication>

int RunWindow(const QStringList& arguments) {
    QStringList options = arguments;
    // "--demo" alone simulates the dual temperature converter.
    if (const qsizetype demo = options.indexOf(QStringLiteral("--demo"));
        demo >= 0 &&
        (demo + 1 >= options.size() || options[demo + 1].startsWith(QLatin1String("--")))) {
        options.insert(demo + 1, QStringLiteral("Q7383D"));
    }
    PortChoice port;
    QString error;
    if (!port.parse(options, &error) || !port.start(&error)) {
        PrintError(error);
        return 2;
    }
    WidgetDialogs dialogs;
    ProgramState state(dialogs);
    port.applyTo(state);

    TForm1 window(state);
    window.setWindowTitle(QStringLiteral("Norvik KVC7345 Configurator [1.3.2]"));
    window.show();
    return QApplication::exec();
}
