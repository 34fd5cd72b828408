// kvc7345: the configurator for Q7300/V7300 modules. With a command it runs without a display.

#include "RunWindow.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

int PrintUsage(bool toError) {
    const auto print = toError ? PrintError : PrintOut;
    print(QStringLiteral("Usage: kvc7345 [COMMAND] [OPTIONS]"));
    print(QString());
    print(QStringLiteral("Commands:"));
    print(
        QStringLiteral("  identify [--port NAME | --demo MODEL]   probe the module, print its "
                       "model and firmware"));
    print(QStringLiteral("  read (--port NAME | --demo MODEL) [--out FILE.NVC] [--home DIR]"));
    print(QStringLiteral(
        "                                          read the module's configuration"));
    print(QStringLiteral(
        "  show FILE.NVC [--home DIR]              print the configuration a file loads"));
    print(QStringLiteral(
        "  defaults --out DIR                      save every model's factory defaults"));
    print(QStringLiteral("  parameters [--model M [--firmware N]]   list the parameter catalogue"));
    print(QStringLiteral("  sensors                                 list the sensor table"));
    print(QStringLiteral(
        "  write (--port NAME | --demo MODEL) FILE.NVC [--yes] [--verify] [--home DIR]"));
    print(QStringLiteral(
        "                                          write a configuration file to the module;"));
    print(QStringLiteral(
        "                                          questions are answered No without --yes;"));
    print(
        QStringLiteral("                                          --verify reads it back and fails "
                       "on a difference"));
    print(QStringLiteral("  verify FILE.NVC (--port NAME | --demo MODEL) [--json] [--home DIR]"));
    print(QStringLiteral(
        "                                          compare the module with a configuration file"));
    print(QStringLiteral(
        "  diff A.NVC B.NVC [--json] [--home DIR]  compare two configuration files"));
    print(
        QStringLiteral("  watch (--port NAME | --demo MODEL) [--channel 1|2] [--interval MS] "
                       "[--count N]"));
    print(QStringLiteral(
        "                                          print a channel's live values as CSV"));
    print(
        QStringLiteral("  calibrate zero|reference (--port NAME | --demo Q7356S) --reference N "
                       "--range N [--yes]"));
    print(QStringLiteral(
        "                                          acquire the load cell's zero or reference"));
    print(
        QStringLiteral("  report FILE.NVC --pdf OUT.pdf [--yes] [--done-by TEXT] [--done-for "
                       "TEXT] [--home DIR]"));
    print(QStringLiteral(
        "                                          save a file's report sheet as PDF"));
    print(QString());
    print(
        QStringLiteral("Without a command the window opens: kvc7345 [--port NAME | --demo "
                       "[MODEL]] [--home DIR]"));
    print(QString());
    print(
        QStringLiteral("A port NAME is COMn, a device path (/dev/ttyUSB0) or a name below /dev/."));
    print(QStringLiteral("--demo MODEL runs a simulated module of that model for this run only."));
    print(
        QStringLiteral("--home DIR is the program folder (config.ini, log/, archive/); a demo "
                       "without it uses a fresh temporary one."));
    print(QStringLiteral("parameters and sensors print one tab-separated line per entry."));
    print(QStringLiteral(
        "--json (identify, read, show, verify, diff) prints one JSON document instead of text."));
    return toError ? 2 : 0;
}

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

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) {
            list << QString::fromLocal8Bit(argv[i]);
        }
        return list;
    }();
    const QString command = arguments.value(0);
    // Options alone (--demo, --port) open the window; a command word runs without one.
    const bool help = command == QLatin1String("--help") || command == QLatin1String("-h");
    const bool windowless =
        help || (!command.isEmpty() && !command.startsWith(QLatin1String("--")));
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
    // Commands drive the window model alone: no display, no platform plugin. The report command
    // draws a page, which needs fonts, so it takes the off-screen platform.
    const bool drawsPages = command == QLatin1String("report");
    if (drawsPages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The browser window's web engine shares the window's graphics contexts; this has to be
    // said before the application object exists, even though the engine starts only later.
    if (!windowless) {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    const std::unique_ptr<QCoreApplication> app =
        !windowless  ? std::make_unique<QApplication>(argc, argv)
        : drawsPages ? std::make_unique<QGuiApplication>(argc, argv)
                     : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KVC7345"));

    const std::map<QString, std::function<int(const QStringList&)>> commands{
        {QStringLiteral("identify"), RunIdentify},
        {QStringLiteral("read"), RunRead},
        {QStringLiteral("show"), RunShow},
        {QStringLiteral("defaults"), RunDefaults},
        {QStringLiteral("parameters"), RunParameters},
        {QStringLiteral("sensors"), RunSensors},
        {QStringLiteral("write"), RunWrite},
        {QStringLiteral("watch"), RunWatch},
        {QStringLiteral("calibrate"), RunCalibrate},
        {QStringLiteral("report"), RunReport},
        {QStringLiteral("verify"), RunVerify},
        {QStringLiteral("diff"), RunDiff},
    };
    if (help) {
        return PrintUsage(false);
    }
    if (!windowless) {
        return RunWindow(arguments);
    }
    const auto found = commands.find(command);
    if (found == commands.end()) {
        PrintError(QStringLiteral("Unknown command: ") + command);
        return PrintUsage(true);
    }
    return found->second(arguments.mid(1));
}
