#pragma once

#include "cli/CommandLine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What a command's argument or option value is, so that completion can offer the right words.
enum class ValueKind {
    None,
    ConfigurationFile,
    PdfFile,
    Folder,
    Port,
    Model,
    Number,
    Text,
    Choice
};

// Whether the word after an option is its value: never (a switch), always, or when there is one
// that is no option (the window's "--demo [MODEL]").
enum class OptionValue { None, Required, Optional };

// One option of a command: "--port" with its argument "NAME" and what it does.
struct OptionEntry {
    QString name;
    QString argument;  // "" for a switch; "1|2" for a choice
    OptionValue value = OptionValue::None;
    ValueKind kind = ValueKind::None;
    QString description;
};

// One command of the program: everything --help, the man page and the shell completion say about
// it, and the function that runs it. Adding a command is adding one entry to the table.
struct CommandEntry {
    QString name;
    QString arguments;                    // the synopsis after the name, as --help shows it
    QStringList summary;                  // the description column of --help, one line each
    QString description;                  // the man page's longer text
    ValueKind operand = ValueKind::None;  // what the plain arguments are, if there are any
    qsizetype operandCount = 0;           // how many plain arguments it takes at most
    QStringList operandWords;             // for ValueKind::Choice: the words it takes
    QList<OptionEntry> options;
    std::function<int(const ParsedArguments&)> run;
    bool drawsPages = false;  // needs fonts (the off-screen platform), not only QtCore
};

// The commands in the order --help lists them.
const std::vector<CommandEntry>& CommandTable();
// The command named `name`, or nullptr.
const CommandEntry* FindCommand(const QString& name);

// The options of the program without a command (the window).
const QList<OptionEntry>& WindowOptions();
// --help and --version: they print and end the program, with or without a command.
const QList<OptionEntry>& ProgramOptions();

// The text of --help, line by line.
QStringList UsageLines();
