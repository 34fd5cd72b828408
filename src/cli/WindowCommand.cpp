#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/PortChoice.h"
#include "shell/Dialogs.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

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
    QString home = CommandSession::optionValue(options, QStringLiteral("--home"));
    // A demo never touches the user's own settings or logs.
    std::unique_ptr<QTemporaryDir> demoHome;
    if (home.isEmpty() && port.isDemo()) {
        demoHome = std::make_unique<QTemporaryDir>();
        if (!demoHome->isValid()) {
            PrintError(QStringLiteral("No temporary folder for the demo: ") +
                       demoHome->errorString());
            return 2;
        }
        home = demoHome->path();
    }

    WidgetDialogs dialogs;
    ProgramState state(dialogs);
    state.ProgramFolder = ResolveProgramFolder(home);
    // Without --port or --demo the default port of config.ini is used.
    if (port.isDemo() || options.contains(QStringLiteral("--port"))) {
        state.PortForThisRun = port.portName();
    }

    // The browser window for the product pages (TForm2) joins the main window here once it
    // exists; until then the product page opens in the desktop's browser.
    TForm1 window(state);
    window.show();
    window.FormShow();
    return QApplication::exec();
}
