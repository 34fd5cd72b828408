// kvc7345: the configurator for Q7300/V7300 modules. With a command it runs without a display.

#include "RunWindow.h"
#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "shell/ProgramState.h"
#include "shell/StartUp.h"
#include "window/BrowserProcess.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

QtMessageHandler standardHandler = nullptr;

// Standard error carries the program's own messages; the off-screen platform's note about a
// missing runtime folder is no concern of the user's.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    if (standardHandler != nullptr) {
        standardHandler(type, context, text);
    } else {
        std::fputs(qPrintable(qFormatLogMessage(type, context, text) + QLatin1Char('\n')), stderr);
    }
}

int runProgram(int argc, char* argv[]) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) {
            list << QString::fromLocal8Bit(argv[i]);
        }
        return list;
    }();
    const QString command = arguments.value(0);
    if (command == QLatin1String("-h")) {
        return PrintUsage(false);
    }
    // Options alone (--demo, --port) open the window; a command word runs without one.
    const CommandEntry* const entry = FindCommand(command);
    if (entry == nullptr && !command.isEmpty() && !command.startsWith(QLatin1Char('-'))) {
        PrintError(QStringLiteral("Unknown command: ") + command);
        return PrintUsage(true);
    }
    // The whole line is read before anything starts, so a mistyped option does nothing at all.
    QString error;
    const std::optional<ParsedArguments> parsed =
        entry != nullptr ? ParseCommandLine(*entry, arguments.mid(1), &error)
                         : ParseWindowLine(arguments, &error);
    if (!parsed) {
        PrintError(error);
        return 2;
    }
    if (parsed->has(QStringLiteral("--help"))) {
        return PrintUsage(false);
    }
    if (parsed->has(QStringLiteral("--version"))) {
        PrintOut(QStringLiteral("kvc7345 ") + DottedVersion(SoftwareVersionText));
        return 0;
    }
    const bool windowless = entry != nullptr;
#ifdef Q_OS_LINUX
    // Without a desktop the window cannot open; say so instead of letting the toolkit abort.
    if (!windowless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs(
            "No display is available for the window. Run under a desktop (or xvfb-run), "
            "or use one of the commands of --help.\n",
            stderr);
        return 1;
    }
#endif
    standardHandler = qInstallMessageHandler(quietPlatformNotes);
    // Commands drive the window model alone: no display, no platform plugin. A command that draws
    // a page (the report) needs fonts, so it takes the off-screen platform.
    const bool drawsPages = entry != nullptr && entry->drawsPages;
    if (drawsPages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app =
        !windowless  ? std::make_unique<QApplication>(argc, argv)
        : drawsPages ? std::make_unique<QGuiApplication>(argc, argv)
                     : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KVC7345"));

    return windowless ? entry->run(*parsed) : RunWindow(*parsed);
}

}  // namespace

int main(int argc, char* argv[]) {
    GuardStandardStreams();
    // The window's internal browser runs in a process of its own, this program started again.
    if (argc == 2 && qstrcmp(argv[1], BrowserWindowOption) == 0) {
        standardHandler = qInstallMessageHandler(quietPlatformNotes);
        return RunBrowserWindow(argc, argv);
    }
    return FinishStandardOutput(runProgram(argc, argv));
}
