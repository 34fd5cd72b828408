// kvc7345.1: the command table as a manual page, so `man kvc7345` and --help say the same.

#include "cli/CommandDocs.h"
#include "cli/CommandTable.h"
#include "cli/ExitStatuses.h"
#include "modsim/SimulatorOptions.h"

#include <QStringList>

namespace {

// Text as roff shows it literally: backslashes and hyphens escaped, no line starting a request.
QString roff(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\''))) {
        text.prepend(QStringLiteral("\\&"));
    }
    return text;
}

QString optionLine(const OptionEntry& option) {
    QString line = QStringLiteral(".TP\n\\fB") + roff(option.name) + QStringLiteral("\\fR");
    if (!option.argument.isEmpty()) {
        line += QStringLiteral(" \\fI") + roff(option.argument) + QStringLiteral("\\fR");
    }
    return line + QLatin1Char('\n') + roff(option.description) + QLatin1Char('\n');
}

const char* const Description =
    "kvc7345 configures the Q7300 and V7300 signal-conditioning modules over a serial port: it "
    "identifies the module, reads its configuration, checks edits against the sensor's limits, "
    "writes the configuration back, keeps configuration files (.NVC) and logs, prints a report "
    "sheet and shows live input values. Without a command it opens its window; with a command it "
    "runs the same operations without a display, prints messages on standard error and results "
    "on standard output.";

}  // namespace

QString ManPageText(const QString& version) {
    QString page;
    page += QStringLiteral(".TH KVC7345 1 \"\" \"kvc7345 ") + roff(version) +
            QStringLiteral("\" \"User Commands\"\n");
    // Command lines read better unbroken and ragged than hyphenated and stretched.
    page += QStringLiteral(".nh\n.ad l\n");
    page += QStringLiteral(
        ".SH NAME\nkvc7345 \\- configurator for Q7300 and V7300 signal-conditioning modules\n");
    page += QStringLiteral(".SH SYNOPSIS\n.B kvc7345\n[\\fIOPTIONS\\fR]\n.br\n");
    for (const CommandEntry& command : CommandTable()) {
        page += QStringLiteral(".B kvc7345 ") + roff(command.name) + QLatin1Char('\n');
        if (!command.arguments.isEmpty()) {
            page += roff(command.arguments) + QLatin1Char('\n');
        }
        page += QStringLiteral(".br\n");
    }
    QStringList programLines;
    for (const OptionEntry& option : ProgramOptions()) {
        programLines << QStringLiteral(".B kvc7345 ") + roff(option.name) + QLatin1Char('\n');
    }
    page += programLines.join(QStringLiteral(".br\n"));
    page += QStringLiteral(".SH DESCRIPTION\n") + roff(QString::fromUtf8(Description)) +
            QLatin1Char('\n');
    page += QStringLiteral(".SH OPTIONS\nWithout a command the window opens; it takes:\n");
    for (const OptionEntry& option : WindowOptions()) {
        page += optionLine(option);
    }
    for (const OptionEntry& option : ProgramOptions()) {
        page += optionLine(option);
    }
    page += QStringLiteral(".SH COMMANDS\n");
    for (const CommandEntry& command : CommandTable()) {
        page += QStringLiteral(".SS ") + roff(command.name) + QLatin1Char('\n');
        page += QStringLiteral(".B kvc7345 ") + roff(command.name) + QLatin1Char('\n');
        if (!command.arguments.isEmpty()) {
            page += roff(command.arguments) + QLatin1Char('\n');
        }
        page += QStringLiteral(".PP\n") + roff(command.description) + QLatin1Char('\n');
        for (const OptionEntry& option : command.options) {
            page += optionLine(option);
        }
    }
    page += QStringLiteral(".SH NOTES\n");
    // The closing lines of --help, after the list of commands and the window's synopsis.
    const QStringList usage = UsageLines();
    const qsizetype notes = usage.lastIndexOf(QString()) + 1;
    for (const QString& line : usage.mid(notes)) {
        page += roff(line) + QStringLiteral("\n.br\n");
    }
    page += QStringLiteral(
        ".SH EXIT STATUS\nEvery command exits 1 when standard output could not take what it "
        "printed, and 2 for a usage error (an unknown option, a missing value).\n");
    for (const ExitStatusEntry& entry : ExitStatusTable()) {
        page += QStringLiteral(".TP\n.B ") + entry.command + QStringLiteral("\n0: ") +
                roff(entry.done) + QStringLiteral("; 1: ") + roff(entry.failed) +
                QStringLiteral("; 2: ") + roff(entry.refused) + QStringLiteral(".\n");
    }
    page += QStringLiteral(
        ".SH ENVIRONMENT\n.TP\n.B KVC7345_HOME\nthe program folder when \\-\\-home is not "
        "given\n.TP\n.B KVC7345_PORTS\nmore port names for the port search, separated by "
        "colons\n.TP\n.B KVC7345_SIMULATED_PORTS\nports whose module is simulated on this "
        "machine, separated by colons: their replies are waited for longer, as a busy machine "
        "may hold a simulator back\n");
    page += QStringLiteral(
        ".SH FILES\n.TP\n.I ~/.local/share/KVC7345/\nthe program folder of an installed program: "
        "config.ini, log/, archive/, factorydefaults/\n.TP\n.I /usr/share/kvc7345/\nthe shipped "
        "config.ini, factory defaults and the user manual DOC0417.pdf\n");
    page += QStringLiteral(
        ".SH SEE ALSO\n.BR kvc7345\\-modsim (1);\nthe user manual, opened with F8 in the "
        "window.\n");
    return page;
}

QString SimulatorManPageText(const QString& version) {
    QString page;
    page += QStringLiteral(".TH KVC7345\\-MODSIM 1 \"\" \"kvc7345 ") + roff(version) +
            QStringLiteral("\" \"User Commands\"\n.nh\n.ad l\n");
    page += QStringLiteral(".SH NAME\nkvc7345\\-modsim \\- ") +
            roff(modsim::SimulatorSummary().chopped(1).toLower()) + QLatin1Char('\n');
    page += QStringLiteral(".SH SYNOPSIS\n.B kvc7345\\-modsim\n[\\fIOPTIONS\\fR]\n");
    page += QStringLiteral(
        ".SH DESCRIPTION\nkvc7345\\-modsim answers like a Q7300 or V7300 module on a "
        "pseudo\\-terminal, for trying kvc7345 without hardware. It prints the model, its "
        "firmware and the port name, then answers on that port until it is interrupted.\n");
    page += QStringLiteral(".SH OPTIONS\n");
    for (const QCommandLineOption& option : modsim::SimulatorOptions()) {
        page += QStringLiteral(".TP\n\\fB\\-\\-") + roff(option.names().constFirst()) +
                QStringLiteral("\\fR");
        if (!option.valueName().isEmpty()) {
            page += QStringLiteral(" \\fI") + roff(option.valueName()) + QStringLiteral("\\fR");
        }
        page += QLatin1Char('\n') + roff(option.description()) + QLatin1Char('\n');
    }
    page += QStringLiteral(".TP\n\\fB\\-h\\fR, \\fB\\-\\-help\\fR\nShows the options.\n");
    page += QStringLiteral(
        ".SH EXAMPLES\n.nf\nkvc7345\\-modsim \\-\\-model Q7383D \\-\\-link /tmp/ttyQ7383D &\n"
        "kvc7345 read \\-\\-port /tmp/ttyQ7383D\n.fi\n");
    page += QStringLiteral(
        ".SH EXIT STATUS\n0 when interrupted, 1 when the pseudo\\-terminal or the link cannot be "
        "made, 2 for a usage error.\n");
    page += QStringLiteral(".SH SEE ALSO\n.BR kvc7345 (1)\n");
    return page;
}
