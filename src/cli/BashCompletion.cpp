// The bash completion for kvc7345, written from the command table: every command, its options
// and the words their values take (models, channels, files of the right kind).

#include "cli/CommandDocs.h"
#include "cli/CommandTable.h"
#include "link/ModelTable.h"

#include <QStringList>

namespace {

// The bash words that complete a value of this kind, after "COMPREPLY=(".
QString completionOf(ValueKind kind, const QStringList& choices) {
    switch (kind) {
        case ValueKind::ConfigurationFile:
            return QStringLiteral(
                "$(compgen -f -X '!*.[nN][vV][cC]' -- \"$cur\") $(compgen -d -- "
                "\"$cur\")");
        case ValueKind::PdfFile:
            return QStringLiteral(
                "$(compgen -f -X '!*.[pP][dD][fF]' -- \"$cur\") $(compgen -d -- "
                "\"$cur\")");
        case ValueKind::Folder:
            return QStringLiteral("$(compgen -d -- \"$cur\")");
        case ValueKind::Port:
            return QStringLiteral(
                "$(compgen -W \"COM1 COM2 COM3 COM4\" -- \"$cur\") $(compgen -f -- \"$cur\")");
        case ValueKind::Model:
            return QStringLiteral("$(compgen -W \"") + ConfigurableModels().join(QLatin1Char(' ')) +
                   QStringLiteral("\" -- \"$cur\")");
        case ValueKind::Choice:
            return QStringLiteral("$(compgen -W \"") + choices.join(QLatin1Char(' ')) +
                   QStringLiteral("\" -- \"$cur\")");
        case ValueKind::None:
        case ValueKind::Number:
        case ValueKind::Text:
            break;
    }
    return {};
}

QStringList optionNames(const QList<OptionEntry>& options) {
    QStringList names;
    for (const OptionEntry& option : options) {
        names << option.name;
    }
    return names;
}

// "--port|--demo)" case lines for the options that take a value, one per distinct completion.
QString valueCases(const QList<OptionEntry>& options, const QString& indent) {
    QString cases;
    for (const OptionEntry& option : options) {
        if (option.value == OptionValue::None) {
            continue;
        }
        const QString words = completionOf(option.kind, option.argument.split(QLatin1Char('|')));
        cases += indent + option.name + QStringLiteral(")\n") + indent +
                 QStringLiteral("    COMPREPLY=(") + words + QStringLiteral(")\n") + indent +
                 QStringLiteral("    return\n") + indent + QStringLiteral("    ;;\n");
    }
    return cases;
}

}  // namespace

QString BashCompletionText() {
    QStringList commands;
    for (const CommandEntry& command : CommandTable()) {
        commands << command.name;
    }
    const QStringList windowOptions = optionNames(WindowOptions()) + optionNames(ProgramOptions());

    QString script = QStringLiteral(
        "# bash completion for kvc7345, written from the program's command table\n"
        "_kvc7345() {\n"
        "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
        "    local command=\"\" i\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        case \"${COMP_WORDS[i]}\" in\n");
    script += QStringLiteral("            ") + commands.join(QLatin1Char('|')) +
              QStringLiteral(
                  ")\n                command=\"${COMP_WORDS[i]}\"\n"
                  "                break\n                ;;\n");
    script += QStringLiteral("        esac\n    done\n    COMPREPLY=()\n");
    script += QStringLiteral("    case \"$command\" in\n");
    script += QStringLiteral("        \"\")\n            case \"$prev\" in\n");
    script += valueCases(WindowOptions(), QStringLiteral("                "));
    script += QStringLiteral("            esac\n            COMPREPLY=($(compgen -W \"") +
              (commands + windowOptions).join(QLatin1Char(' ')) +
              QStringLiteral("\" -- \"$cur\"))\n            ;;\n");
    for (const CommandEntry& command : CommandTable()) {
        script += QStringLiteral("        ") + command.name + QStringLiteral(")\n");
        script += QStringLiteral("            case \"$prev\" in\n");
        script += valueCases(command.options, QStringLiteral("                "));
        script += QStringLiteral("            esac\n");
        script += QStringLiteral("            if [[ \"$cur\" == -* ]]; then\n");
        script += QStringLiteral("                COMPREPLY=($(compgen -W \"") +
                  optionNames(command.options).join(QLatin1Char(' ')) +
                  QStringLiteral("\" -- \"$cur\"))\n");
        const QString operand = completionOf(command.operand, command.operandWords);
        if (!operand.isEmpty()) {
            script += QStringLiteral("            else\n                COMPREPLY=(") + operand +
                      QStringLiteral(")\n");
        }
        script += QStringLiteral("            fi\n            ;;\n");
    }
    script += QStringLiteral("    esac\n}\ncomplete -F _kvc7345 kvc7345\n");
    return script;
}
