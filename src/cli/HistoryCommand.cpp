// kvc7345 history: the configurations the configuration log holds, listed and filtered, and one
// of them printed or saved as it stands in the log.

#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/HistoryEntryFile.h"
#include "cli/JsonOutput.h"
#include "records/ConfigurationFile.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QJsonArray>

namespace {

const QStringList ListOptions{QStringLiteral("--model"), QStringLiteral("--tag"),
                              QStringLiteral("--since"), QStringLiteral("--json")};
const QStringList ShowOptions{QStringLiteral("--out")};

// False, after saying which, when an option of the other form of the command was given.
bool onlyOptionsOf(const ParsedArguments& arguments, const QStringList& foreign,
                   const QString& form) {
    for (const QString& option : foreign) {
        if (arguments.has(option)) {
            PrintError(QStringLiteral("kvc7345: option %1 does not apply to %2").arg(option, form));
            return false;
        }
    }
    return true;
}

QJsonObject entryJson(const HistoryEntry& entry) {
    QJsonObject object{{QStringLiteral("number"), entry.number},
                       {QStringLiteral("date"), entry.date},
                       {QStringLiteral("time"), entry.time},
                       {QStringLiteral("model"), entry.model},
                       {QStringLiteral("firmware"), entry.firmware},
                       {QStringLiteral("doneBy"), entry.doneBy},
                       {QStringLiteral("doneFor"), entry.doneFor},
                       {QStringLiteral("tag1"), entry.tag1},
                       {QStringLiteral("tag2"), entry.tag2},
                       {QStringLiteral("file"), QDir::toNativeSeparators(entry.file)},
                       {QStringLiteral("offset"), entry.offset}};
    return object;
}

QJsonObject damageJson(const HistoryDamage& damage) {
    return {{QStringLiteral("file"), QDir::toNativeSeparators(damage.file)},
            {QStringLiteral("line"), damage.line},
            {QStringLiteral("offset"), damage.offset},
            {QStringLiteral("reason"), damage.reason}};
}

int listHistory(const ParsedArguments& arguments) {
    HistoryQuery query;
    query.model = arguments.text(QStringLiteral("--model"));
    query.tag = arguments.text(QStringLiteral("--tag"));
    if (const auto since = arguments.value(QStringLiteral("--since"))) {
        query.since = QDate::fromString(*since, Qt::ISODate);
        if (!query.since.isValid()) {
            PrintError(
                QStringLiteral("kvc7345: --since takes a date as YYYY-MM-DD, not %1").arg(*since));
            return 2;
        }
    }
    const QString folder = ResolveProgramFolder(arguments.text(QStringLiteral("--home")));
    const ConfigurationHistory history = IndexConfigurationHistory(folder);
    for (const HistoryDamage& damage : history.damaged) {
        PrintError(DamageText(damage));
    }
    QList<const HistoryEntry*> chosen;
    for (const HistoryEntry& entry : history.entries) {
        if (HistoryEntryMatches(entry, query)) {
            chosen << &entry;
        }
    }
    if (arguments.has(QStringLiteral("--json"))) {
        QJsonArray entries;
        for (const HistoryEntry* entry : chosen) {
            entries << entryJson(*entry);
        }
        QJsonArray damaged;
        for (const HistoryDamage& damage : history.damaged) {
            damaged << damageJson(damage);
        }
        PrintJson({{QStringLiteral("entries"), entries}, {QStringLiteral("damaged"), damaged}});
    } else {
        for (const HistoryEntry* entry : chosen) {
            PrintOut(QStringList{QString::number(entry->number), entry->date, entry->time,
                                 entry->model, QString::number(entry->firmware), entry->tag1,
                                 entry->tag2}
                         .join(QLatin1Char('\t')));
        }
    }
    if (!chosen.isEmpty()) {
        return 0;
    }
    PrintError(
        history.entries.isEmpty()
            ? QStringLiteral("The configuration history is empty: %1 holds no configuration")
                  .arg(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("log"))))
            : QStringLiteral("No configuration of the history matches"));
    return 1;
}

int showEntry(const ParsedArguments& arguments) {
    const QString number = arguments.operand(1);
    if (number.isEmpty()) {
        PrintError(
            QStringLiteral("history show needs an entry's number: kvc7345 history show N "
                           "[--out FILE.NVC] [--home DIR]"));
        return 2;
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    const std::optional<QString> out = arguments.value(QStringLiteral("--out"));
    if (out && !session.acceptsOutput(*out)) {
        return 2;
    }
    HistoryEntryFile entry(session.state().ProgramFolder, number);
    if (!entry.ok()) {
        return entry.status();
    }
    if (out) {
        // Byte for byte as the log holds it, replaced only when complete.
        const WriteOutcome outcome =
            WriteConfigurationBytes(*out, entry.bytes(), WriteMode::Rewrite, *session.state().disk);
        if (!outcome.written) {
            PrintError(QStringLiteral("Cannot write ") + outcome.error);
            return 1;
        }
        return 0;
    }
    const QString path = entry.path();
    if (path.isEmpty()) {
        return 1;
    }
    return ShowConfigurationFile(session, path, QStringLiteral("history:") + number, false);
}

}  // namespace

int RunHistory(const ParsedArguments& arguments) {
    const QString form = arguments.operand(0);
    if (form.isEmpty()) {
        return onlyOptionsOf(arguments, ShowOptions, QStringLiteral("history without show"))
                   ? listHistory(arguments)
                   : 2;
    }
    if (form != QLatin1String("show")) {
        PrintError(QStringLiteral("kvc7345: unexpected argument %1 for history (kvc7345 history "
                                  "show N)")
                       .arg(form));
        return 2;
    }
    return onlyOptionsOf(arguments, ListOptions, QStringLiteral("history show"))
               ? showEntry(arguments)
               : 2;
}
