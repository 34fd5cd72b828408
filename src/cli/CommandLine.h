#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

struct CommandEntry;

// A command line as the parser read it against the command table: the options given, each with
// its value, and the plain arguments in order. Commands look their options up here; the words
// themselves are read in one place only.
class ParsedArguments {
  public:
    // Whether `option` ("--json") was given, with or without a value.
    bool has(const QString& option) const { return values_.contains(option); }
    // The value given with `option`; nothing when the option was not given or came without one.
    std::optional<QString> value(const QString& option) const { return values_.value(option); }
    // The value given with `option`, or "".
    QString text(const QString& option) const { return value(option).value_or(QString()); }
    // The plain arguments (files, zero|reference) in the order given.
    const QStringList& operands() const { return operands_; }
    QString operand(qsizetype index) const { return operands_.value(index); }

  private:
    friend class ArgumentReader;
    QHash<QString, std::optional<QString>> values_;
    QStringList operands_;
};

// Reads the words after a command's name against the options the table gives it. Nothing, with
// a one-line message in `error`, for a word that is no option of the command, an option missing
// its value, or a plain argument more than the command takes.
std::optional<ParsedArguments> ParseCommandLine(const CommandEntry& command,
                                                const QStringList& words, QString* error);
// The same for a start without a command: the window's options.
std::optional<ParsedArguments> ParseWindowLine(const QStringList& words, QString* error);
