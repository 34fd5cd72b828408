// The program's commands as data: --help, the man page and the bash completion are all printed
// from this one table, so they cannot disagree with each other or with what the program runs.

#include "cli/CommandTable.h"

#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include <algorithm>

namespace {

// The description column of --help starts here; a longer synopsis puts it on the next line.
constexpr qsizetype SummaryColumn = 42;

const OptionEntry Port{QStringLiteral("--port"), QStringLiteral("NAME"), OptionValue::Required,
                       ValueKind::Port,
                       QStringLiteral("the serial port the module is on: COMn, a device path "
                                      "(/dev/ttyUSB0) or a name below /dev/; for this run only")};
const OptionEntry Demo{QStringLiteral("--demo"), QStringLiteral("MODEL"), OptionValue::Required,
                       ValueKind::Model,
                       QStringLiteral("talk to a simulated module of that model instead of a "
                                      "port, for this run only")};
const OptionEntry Home{QStringLiteral("--home"), QStringLiteral("DIR"), OptionValue::Required,
                       ValueKind::Folder,
                       QStringLiteral("the program folder (config.ini, log/, archive/, "
                                      "factorydefaults/) for this run")};
const OptionEntry Json{QStringLiteral("--json"), QString(), OptionValue::None, ValueKind::None,
                       QStringLiteral("print one JSON document on standard output instead of "
                                      "text; messages stay on standard error")};
const OptionEntry Yes{QStringLiteral("--yes"), QString(), OptionValue::None, ValueKind::None,
                      QStringLiteral("answer the program's questions Yes; without it they are "
                                     "answered No")};

std::vector<CommandEntry> makeTable() {
    return {
        {QStringLiteral("identify"),
         QStringLiteral("[--port NAME | --demo MODEL] [--json]"),
         {QStringLiteral("probe the module, print its model and firmware")},
         QStringLiteral("Probes the module on the default port (or the one given) and prints its "
                        "model code and firmware version."),
         ValueKind::None,
         0,
         {},
         {Port, Demo, Json, Home},
         RunIdentify},
        {QStringLiteral("read"),
         QStringLiteral("(--port NAME | --demo MODEL) [--out FILE.NVC] [--json] [--home DIR]"),
         {QStringLiteral("read the module's configuration")},
         QStringLiteral("Reads the module's whole configuration as F1 does in the window, prints "
                        "its parameter lines and appends it to the configuration log."),
         ValueKind::None,
         0,
         {},
         {Port,
          Demo,
          {QStringLiteral("--out"), QStringLiteral("FILE.NVC"), OptionValue::Required,
           ValueKind::ConfigurationFile,
           QStringLiteral("also save the configuration to this file")},
          Json,
          Home},
         RunRead},
        {QStringLiteral("show"),
         QStringLiteral("FILE.NVC [--json] [--home DIR]"),
         {QStringLiteral("print the configuration a file loads")},
         QStringLiteral("Loads a configuration file into the off-screen window and prints the "
                        "values it then holds; standard error names missing parameters and "
                        "values the sensor limits changed."),
         ValueKind::ConfigurationFile,
         1,
         {},
         {Json, Home},
         RunShow},
        {QStringLiteral("defaults"),
         QStringLiteral("--out DIR"),
         {QStringLiteral("save every model's factory defaults")},
         QStringLiteral("Reads every model from the simulated module and saves its factory-default "
                        "configuration file into DIR."),
         ValueKind::None,
         0,
         {},
         {{QStringLiteral("--out"), QStringLiteral("DIR"), OptionValue::Required, ValueKind::Folder,
           QStringLiteral("the folder the files go to")}},
         RunDefaults},
        {QStringLiteral("parameters"),
         QStringLiteral("[--model M [--firmware N]]"),
         {QStringLiteral("list the parameter catalogue")},
         QStringLiteral("Prints the parameter catalogue, one tab-separated line per parameter."),
         ValueKind::None,
         0,
         {},
         {{QStringLiteral("--model"), QStringLiteral("M"), OptionValue::Required, ValueKind::Model,
           QStringLiteral("only the parameters of this model")},
          {QStringLiteral("--firmware"), QStringLiteral("N"), OptionValue::Required,
           ValueKind::Number,
           QStringLiteral("with --model: the sensor choices of this firmware version")}},
         RunParameters},
        {QStringLiteral("sensors"),
         QString(),
         {QStringLiteral("list the sensor table")},
         QStringLiteral("Prints the sensor table, one tab-separated line per sensor and field."),
         ValueKind::None,
         0,
         {},
         {},
         RunSensors},
        {QStringLiteral("write"),
         QStringLiteral("(--port NAME | --demo MODEL) FILE.NVC [--yes] [--verify] [--home DIR]"),
         {QStringLiteral("write a configuration file to the module;"),
          QStringLiteral("questions are answered No without --yes;"),
          QStringLiteral("--verify reads it back and fails on a difference")},
         QStringLiteral("Loads a configuration file and writes it to the module as F2 does in the "
                        "window; a file that lacks parameters of the model is refused."),
         ValueKind::ConfigurationFile,
         1,
         {},
         {Port,
          Demo,
          Yes,
          {QStringLiteral("--verify"), QString(), OptionValue::None, ValueKind::None,
           QStringLiteral("read the module back after the write and fail when it differs")},
          Home},
         RunWrite},
        {QStringLiteral("verify"),
         QStringLiteral("FILE.NVC (--port NAME | --demo MODEL) [--json] [--home DIR]"),
         {QStringLiteral("compare the module with a configuration file")},
         QStringLiteral("Reads the module as F1 does and compares it with the file, parameter by "
                        "parameter: one line per difference, exit status 0 when they agree, 1 "
                        "when they differ, 2 when the read or the file failed."),
         ValueKind::ConfigurationFile,
         1,
         {},
         {Port, Demo, Json, Home},
         RunVerify},
        {QStringLiteral("diff"),
         QStringLiteral("A.NVC B.NVC [--json] [--home DIR]"),
         {QStringLiteral("compare two configuration files;"),
          QStringLiteral("history:N stands for entry N of the history")},
         QStringLiteral("Compares two configuration files: the header (model, firmware, DONEBY, "
                        "DONEFOR) first, then the parameters, saying where one applies to only "
                        "one of the two models. Either file may be history:N, entry N of the "
                        "configuration history."),
         ValueKind::ConfigurationFile,
         2,
         {},
         {Json, Home},
         RunDiff},
        {QStringLiteral("history"),
         QStringLiteral("[show N] [--model M] [--tag TEXT] [--since YYYY-MM-DD] [--out FILE.NVC] "
                        "[--json] [--home DIR]"),
         {QStringLiteral("list the configurations the log holds;"),
          QStringLiteral("show N prints one, --out saves it as logged")},
         QStringLiteral("Lists every configuration of the configuration log and its rotated "
                        "copies, oldest first, one tab-separated line each: number, date, time, "
                        "model, firmware, TAG1, TAG2; damaged entries are named on standard "
                        "error and skipped. history show N prints entry N as show prints a file, "
                        "or with --out saves it byte for byte as the log holds it. diff takes "
                        "history:N in place of a file."),
         ValueKind::Choice,
         2,
         {QStringLiteral("show")},
         {{QStringLiteral("--model"), QStringLiteral("M"), OptionValue::Required, ValueKind::Model,
           QStringLiteral("only the configurations of this model")},
          {QStringLiteral("--tag"), QStringLiteral("TEXT"), OptionValue::Required, ValueKind::Text,
           QStringLiteral("only those whose TAG1 or TAG2 holds TEXT, letter case ignored")},
          {QStringLiteral("--since"), QStringLiteral("YYYY-MM-DD"), OptionValue::Required,
           ValueKind::Text, QStringLiteral("only those of this day or later")},
          {QStringLiteral("--out"), QStringLiteral("FILE.NVC"), OptionValue::Required,
           ValueKind::ConfigurationFile,
           QStringLiteral("with show: save the entry to this file instead of printing it")},
          Json,
          Home},
         RunHistory},
        {QStringLiteral("watch"),
         QStringLiteral("(--port NAME | --demo MODEL) [--channel 1|2] [--interval MS] [--count N]"),
         {QStringLiteral("print a channel's live values as CSV")},
         QStringLiteral("Reads a channel's input as the Values page does and prints "
                        "time_s,value,unit lines until --count readings or Ctrl+C; maximum, "
                        "minimum and average follow on standard error."),
         ValueKind::None,
         0,
         {},
         {Port,
          Demo,
          {QStringLiteral("--channel"), QStringLiteral("1|2"), OptionValue::Required,
           ValueKind::Choice, QStringLiteral("the channel to read, 1 unless given")},
          {QStringLiteral("--interval"), QStringLiteral("MS"), OptionValue::Required,
           ValueKind::Number,
           QStringLiteral("one of the Values page's refresh rates in milliseconds, 200 unless "
                          "given")},
          {QStringLiteral("--count"), QStringLiteral("N"), OptionValue::Required, ValueKind::Number,
           QStringLiteral("stop after N readings")},
          Home},
         RunWatch},
        {QStringLiteral("calibrate"),
         QStringLiteral("zero|reference (--port NAME | --demo Q7356S) --reference N --range N "
                        "[--yes]"),
         {QStringLiteral("acquire the load cell's zero or reference")},
         QStringLiteral("Runs the load cell's zero or reference acquisition as the window's "
                        "buttons do: prints the instruction, waits for Enter unless --yes, then "
                        "prints the result."),
         ValueKind::Choice,
         1,
         {QStringLiteral("zero"), QStringLiteral("reference")},
         {Port,
          Demo,
          {QStringLiteral("--reference"), QStringLiteral("N"), OptionValue::Required,
           ValueKind::Number, QStringLiteral("the reference weight")},
          {QStringLiteral("--range"), QStringLiteral("N"), OptionValue::Required, ValueKind::Number,
           QStringLiteral("the load cell's range")},
          {Yes.name, Yes.argument, Yes.value, Yes.kind,
           QStringLiteral("do not wait for Enter before the acquisition")},
          Home},
         RunCalibrate},
        {QStringLiteral("report"),
         QStringLiteral("FILE.NVC --pdf OUT.pdf [--yes] [--done-by TEXT] [--done-for TEXT] "
                        "[--home DIR]"),
         {QStringLiteral("save a file's report sheet as PDF")},
         QStringLiteral("Loads a configuration file as show does and saves its report sheet as "
                        "an A4 PDF document, the page F6 prints in the window."),
         ValueKind::ConfigurationFile,
         1,
         {},
         {{QStringLiteral("--pdf"), QStringLiteral("OUT.pdf"), OptionValue::Required,
           ValueKind::PdfFile,
           QStringLiteral("the PDF document to write; replaced only when complete")},
          {Yes.name, Yes.argument, Yes.value, Yes.kind,
           QStringLiteral("go on after a consistency warning or with parameters missing")},
          {QStringLiteral("--done-by"), QStringLiteral("TEXT"), OptionValue::Required,
           ValueKind::Text, QStringLiteral("\"Configured by\", else the remembered one")},
          {QStringLiteral("--done-for"), QStringLiteral("TEXT"), OptionValue::Required,
           ValueKind::Text, QStringLiteral("\"Configured for\", else the remembered one")},
          Home},
         RunReport,
         true},
    };
}

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = makeTable();
    return table;
}

const CommandEntry* FindCommand(const QString& name) {
    const auto& table = CommandTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const CommandEntry& entry) { return entry.name == name; });
    return found == table.end() ? nullptr : &*found;
}

const QList<OptionEntry>& ProgramOptions() {
    static const QList<OptionEntry> options{
        {QStringLiteral("--help"), QString(), OptionValue::None, ValueKind::None,
         QStringLiteral("list the commands and exit")},
        {QStringLiteral("--version"), QString(), OptionValue::None, ValueKind::None,
         QStringLiteral("print the program's version and exit")}};
    return options;
}

const QList<OptionEntry>& WindowOptions() {
    static const QList<OptionEntry> options{
        Port,
        {Demo.name, QStringLiteral("[MODEL]"), OptionValue::Optional, Demo.kind, Demo.description},
        Home};
    return options;
}

QStringList UsageLines() {
    QStringList lines{QStringLiteral("Usage: kvc7345 [COMMAND] [OPTIONS]"), QString(),
                      QStringLiteral("Commands:")};
    const QString indent(SummaryColumn, QLatin1Char(' '));
    for (const CommandEntry& command : CommandTable()) {
        QString synopsis = QStringLiteral("  ") + command.name;
        if (!command.arguments.isEmpty()) {
            synopsis += QLatin1Char(' ') + command.arguments;
        }
        QStringList summary = command.summary;
        // A synopsis that leaves less than three blanks before the column gets a line of its own.
        if (synopsis.size() + 3 > SummaryColumn) {
            lines << synopsis;
        } else if (!summary.isEmpty()) {
            lines << synopsis.leftJustified(SummaryColumn) + summary.takeFirst();
        }
        for (const QString& line : summary) {
            lines << indent + line;
        }
    }
    lines << QString()
          << QStringLiteral(
                 "Without a command the window opens: kvc7345 [--port NAME | --demo [MODEL]] "
                 "[--home DIR]");
    for (const OptionEntry& option : ProgramOptions()) {
        lines << (QStringLiteral("  kvc7345 ") + option.name).leftJustified(SummaryColumn) +
                     option.description;
    }
    lines << QString()
          << QStringLiteral(
                 "A port NAME is COMn, a device path (/dev/ttyUSB0) or a name below /dev/.")
          << QStringLiteral("--demo MODEL runs a simulated module of that model for this run only.")
          << QStringLiteral(
                 "--home DIR is the program folder (config.ini, log/, archive/); a demo without "
                 "it uses a fresh temporary one.")
          << QStringLiteral(
                 "parameters, sensors and history print one tab-separated line per entry.")
          << QStringLiteral(
                 "--json (identify, read, show, verify, diff, history) prints one JSON document "
                 "instead of text.");
    return lines;
}

int PrintUsage(bool toError) {
    const auto print = toError ? PrintError : PrintOut;
    for (const QString& line : UsageLines()) {
        print(line);
    }
    return toError ? 2 : 0;
}
