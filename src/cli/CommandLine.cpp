#include "cli/CommandLine.h"

#include "cli/CommandTable.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {

// Every option name the program knows, so a misplaced option is told apart from a misspelt one.
bool knownAnywhere(const QString& name) {
    static const QSet<QString> names = [] {
        QSet<QString> all;
        for (const QList<OptionEntry>* options : {&WindowOptions(), &ProgramOptions()}) {
            for (const OptionEntry& option : *options) {
                all.insert(option.name);
            }
        }
        for (const CommandEntry& command : CommandTable()) {
            for (const OptionEntry& option : command.options) {
                all.insert(option.name);
            }
        }
        return all;
    }();
    return names.contains(name);
}

const OptionEntry* findOption(const QList<OptionEntry>& options, const QString& name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionEntry& option) { return option.name == name; });
    return found == options.end() ? nullptr : &*found;
}

}  // namespace

// Walks the words once; the first word it cannot place ends the reading with its reason.
class ArgumentReader {
  public:
    ArgumentReader(QString who, const QList<OptionEntry>& options, qsizetype operandCount)
        : who_(std::move(who)), options_(options), operandCount_(operandCount) {}

    std::optional<ParsedArguments> read(const QStringList& words, QString* error) {
        ParsedArguments parsed;
        bool operandsOnly = false;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString& word = words[i];
            // "--" ends the options, so a file whose name starts with "-" can still be given.
            if (!operandsOnly && word == QLatin1String("--")) {
                operandsOnly = true;
                continue;
            }
            if (operandsOnly || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
                if (parsed.operands_.size() >= operandCount_) {
                    *error =
                        refusal(QStringLiteral("unexpected argument %1 for %2").arg(word, who_));
                    return std::nullopt;
                }
                parsed.operands_ << word;
                continue;
            }
            // "--name=value" is the same as "--name value".
            const qsizetype equals = word.indexOf(QLatin1Char('='));
            const QString name = equals > 0 ? word.left(equals) : word;
            const std::optional<QString> attached =
                equals > 0 ? std::optional<QString>(word.mid(equals + 1)) : std::nullopt;
            const OptionEntry* option = findOption(options_, name);
            if (option == nullptr) {
                option = findOption(ProgramOptions(), name);
            }
            if (option == nullptr) {
                *error =
                    refusal(knownAnywhere(name) ? QStringLiteral("option %1 does not apply to %2")
                                                : QStringLiteral("unknown option %1 for %2"),
                            name);
                return std::nullopt;
            }
            std::optional<QString> value = attached;
            switch (option->value) {
                case OptionValue::None:
                    if (attached) {
                        *error = refusal(QStringLiteral("option %1 of %2 takes no value"), name);
                        return std::nullopt;
                    }
                    break;
                case OptionValue::Required:
                    // A word that is itself an option means the value was left out.
                    if (!value && i + 1 < words.size() &&
                        !words[i + 1].startsWith(QLatin1String("--"))) {
                        value = words[++i];
                    }
                    if (!value) {
                        *error = refusal(QStringLiteral("missing value for option %1 of %2 (%1 ") +
                                             option->argument + QLatin1Char(')'),
                                         name);
                        return std::nullopt;
                    }
                    break;
                case OptionValue::Optional:
                    if (!value && i + 1 < words.size() &&
                        !words[i + 1].startsWith(QLatin1Char('-'))) {
                        value = words[++i];
                    }
                    break;
            }
            parsed.values_.insert(name, value);
        }
        return parsed;
    }

  private:
    QString refusal(const QString& pattern, const QString& name) const {
        return refusal(pattern.arg(name, who_));
    }
    static QString refusal(const QString& text) { return QStringLiteral("kvc7345: ") + text; }

    QString who_;
    const QList<OptionEntry>& options_;
    qsizetype operandCount_;
};

std::optional<ParsedArguments> ParseCommandLine(const CommandEntry& command,
                                                const QStringList& words, QString* error) {
    return ArgumentReader(command.name, command.options, command.operandCount).read(words, error);
}

std::optional<ParsedArguments> ParseWindowLine(const QStringList& words, QString* error) {
    return ArgumentReader(QStringLiteral("the window"), WindowOptions(), 0).read(words, error);
}
