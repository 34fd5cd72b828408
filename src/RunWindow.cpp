// Opening the main window: the window model of the run, the widgets that show it, the start-up.

#include "RunWindow.h"

#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/PortChoice.h"
#include "form/TForm1.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"
#include "window/MainWindow.h"
#include "window/PrinterReportOutput.h"
#include "window/WidgetDialogs.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>

#include <memory>
#include <optional>

int RunWindow(const ParsedArguments& options) {
    // "--demo" alone simulates the dual temperature converter.
    std::optional<QString> demo = options.value(QStringLiteral("--demo"));
    if (options.has(QStringLiteral("--demo")) && !demo) {
        demo = QStringLiteral("Q7383D");
    }
    PortChoice port;
    QString error;
    if (!port.choose(options.value(QStringLiteral("--port")), demo, &error) ||
        !port.start(&error)) {
        PrintError(error);
        return 2;
    }
    QString home = options.text(QStringLiteral("--home"));
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

    // The icon of the window and the task bar; the desktop entry's name ties the window to it.
    // Read as PNG and nothing else: left to detect the format, the image reader would load every
    // image plugin to ask each whether it knows the file, before the window is first painted.
    QIcon icon;
    for (const char* size : {"64x64", "256x256"}) {
        QImageReader png(QStringLiteral(":/icons/%1/kvc7345.png").arg(QLatin1String(size)), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("kvc7345"));

    WidgetDialogs dialogs;
    ProgramState state(dialogs);
    PrinterReportOutput reports;
    state.reports = &reports;
    state.ProgramFolder = ResolveProgramFolder(home);
    // Without --port or --demo the default port of config.ini is used.
    if (port.isDemo() || options.has(QStringLiteral("--port"))) {
        state.PortForThisRun = port.portName();
    }
    port.nameDemoPortIn(state);

    // The browser window for the product pages (TForm2) joins the main window here once it
    // exists; until then the product page opens in the desktop's browser.
    TForm1 form(state);
    ConfiguratorWindow window(form);
    dialogs.setParentWindow(&window);
    reports.setParentWindow(&window);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    if (qEnvironmentVariableIsSet("KVC7345_FIRST_PAINT_NOTE")) {
        // For the start-up benchmark: say when the window has been painted, then end the run.
        QObject::connect(&window, &ConfiguratorWindow::firstPainted, &window, [] {
            std::fputs("painted\n", stderr);
            std::fflush(stderr);
            QCoreApplication::quit();
        });
    }
    // Asking the print system for its printers can take a while; the answer is wanted before
    // the start-up ends (no input is taken until then), not before the window is on screen.
    QObject::connect(&window, &ConfiguratorWindow::firstPainted, &window, [&state] {
        state.PrinterAvailable = !QPrinterInfo::availablePrinters().isEmpty();
    });
    // The program ends when the main window has closed, once the closing has written the
    // settings and the log and the user has answered any message about them; never earlier
    // because some other window (a message box, the browser window) happened to close last.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &ConfiguratorWindow::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    // Its boxes and waits let the window paint; no input is taken before its end.
    form.StartUp();
    return QApplication::exec();
}

int RunWindow(const QStringList& arguments) {
    QString error;
    const std::optional<ParsedArguments> options = ParseWindowLine(arguments, &error);
    if (!options) {
        PrintError(error);
        return 2;
    }
    return RunWindow(*options);
}
