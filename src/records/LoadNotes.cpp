#include "records/LoadNotes.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ValueFormat.h"
#include "link/ModuleTag.h"
#include "records/ConfigurationLoad.h"
#include "records/ConfigurationReader.h"

#include <QHash>

#include <algorithm>

namespace {

// A parameter given twice takes its last line: an earlier one is worth no note.
bool givenAgainLater(const QList<LoadedValue>& values, qsizetype n) {
    return std::any_of(values.begin() + n + 1, values.end(),
                       [&](const LoadedValue& v) { return v.index == values[n].index; });
}

// The slots of the entry list the load went through, up to the end of the list.
QList<int> takenSlots(const EntryList& entries) {
    QList<int> taken;
    for (int n = 1; n <= EntryList::Slots && !EntriesEndAt(entries, n); ++n) {
        taken << n;
    }
    return taken;
}

// The digits after the last "." or "," of a number as the file writes it.
qsizetype writtenDecimals(const QString& text) {
    const QString number = text.trimmed();
    const qsizetype separator =
        std::max(number.lastIndexOf(QLatin1Char('.')), number.lastIndexOf(QLatin1Char(',')));
    return separator < 0 ? 0 : number.size() - separator - 1;
}

QString decimalsText(qsizetype count) {
    return count == 1 ? QStringLiteral("1 decimal") : QStringLiteral("%1 decimals").arg(count);
}

// "9 and 14", "9, 14 and 20".
QString lineList(const QList<int>& lines) {
    QStringList numbers;
    for (const int line : lines) {
        numbers << QString::number(line);
    }
    const QString last = numbers.takeLast();
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Whether a key's last line decides what is loaded: header lines the load shows, and parameters
// of the model. TIME and SWVERSION describe the saving and are never used.
bool lastLineIsUsed(const TParameterTable& table, const QString& model, const QString& key) {
    if (IsHeaderKey(key)) {
        return key != QLatin1String("TIME") && key != QLatin1String("SWVERSION");
    }
    const auto index = IndexOfName(table, key);
    return index && AppliesToModel(table[*index], model);
}

}  // namespace

QStringList MissingParameters(const TParameterTable& table,
                              const ModuleConfiguration& configuration) {
    QStringList names;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (AppliesToModel(table[i], configuration.model) && !configuration.holds(i)) {
            names << table[i].Name;
        }
    }
    return names;
}

QStringList MissingParametersNote(const QString& model, const QStringList& names) {
    if (names.isEmpty()) {
        return {};
    }
    QStringList lines{QStringLiteral("The file holds no value for these parameters of the ") +
                      model + QStringLiteral(":")};
    for (const QString& name : names) {
        lines << QStringLiteral("     - ") + name;
    }
    return lines;
}

QStringList ChangedValueNotes(const TParameterTable& table,
                              const ModuleConfiguration& configuration,
                              const QList<LoadedValue>& values) {
    QStringList lines;
    for (qsizetype n = 0; n < values.size(); ++n) {
        const LoadedValue& loaded = values[n];
        const TTableEntry& entry = table[loaded.index];
        if (givenAgainLater(values, n) || entry.FieldType != FieldKind::Number ||
            configuration.value(loaded.index) == loaded.value) {
            continue;
        }
        lines << entry.Name + QStringLiteral(" = ") + loaded.text +
                     QStringLiteral(" in the file is beyond the limits of its sensor: ") +
                     FormatMyInt(configuration.value(loaded.index),
                                 configuration.limits(loaded.index).decimals) +
                     QStringLiteral(" is used.");
    }
    return lines;
}

QStringList UnusedLineNotes(const TParameterTable& table, const QString& model, int firmware,
                            const QList<LoadedValue>& values) {
    QStringList lines;
    for (const LoadedValue& loaded : values) {
        const TTableEntry& entry = table[loaded.index];
        if (!AppliesToModel(entry, model)) {
            lines << entry.Name + QStringLiteral(" = ") + loaded.text +
                         QStringLiteral(" in the file is not a parameter of a ") + model +
                         QStringLiteral(" with firmware ") + QString::number(firmware) +
                         QStringLiteral(": it is left out.");
        }
    }
    return lines;
}

QStringList DecimalNotes(const TParameterTable& table, const ModuleConfiguration& configuration,
                         const QList<LoadedValue>& values) {
    QStringList lines;
    for (qsizetype n = 0; n < values.size(); ++n) {
        const LoadedValue& loaded = values[n];
        const TTableEntry& entry = table[loaded.index];
        const int decimals = configuration.limits(loaded.index).decimals;
        const qsizetype written = writtenDecimals(loaded.text);
        if (givenAgainLater(values, n) || entry.FieldType != FieldKind::Number ||
            written == decimals) {
            continue;
        }
        lines << entry.Name + QStringLiteral(" = ") + loaded.text +
                     QStringLiteral(" in the file is written with ") + decimalsText(written) +
                     QStringLiteral(" where the parameter has ") + decimalsText(decimals) +
                     QStringLiteral(": ") + FormatMyInt(loaded.value, decimals) +
                     QStringLiteral(" is used.");
    }
    return lines;
}

QStringList TagNotes(const EntryList& entries) {
    QStringList lines;
    const QList<int> taken = takenSlots(entries);
    for (const QString& key : {QStringLiteral("TAG1"), QStringLiteral("TAG2")}) {
        const auto last = std::find_if(taken.rbegin(), taken.rend(),
                                       [&](int n) { return entries.FileNames(n) == key; });
        if (last == taken.rend()) {
            continue;
        }
        const QString& value = entries.FileValues(*last);
        // Control characters are shown as "?" here too: a note must not steer the terminal.
        QString shown = value;
        for (QChar& c : shown) {
            if (c.unicode() < 32 || c.unicode() == 127) {
                c = QLatin1Char('?');
            }
        }
        const QString named = key + QStringLiteral(" = ") + shown + QStringLiteral(" in the file ");
        if (CleanTag(value) != value) {
            lines << named +
                         QStringLiteral("holds characters a tag cannot take: each became \"?\".");
        }
        if (value.size() > TagLength) {
            lines << named + QStringLiteral("is longer than the ") + QString::number(TagLength) +
                         QStringLiteral(" characters of a tag: ") + LoadedTag(value) +
                         QStringLiteral(" is used.");
        }
    }
    return lines;
}

QStringList DuplicateKeyNotes(const TParameterTable& table, const QString& model,
                              const EntryList& entries) {
    QStringList keys;  // in the order of their first line
    QHash<QString, QList<int>> linesOf;
    for (const int n : takenSlots(entries)) {
        const QString& key = entries.FileNames(n);
        if (key.isEmpty()) {
            continue;
        }
        if (!linesOf.contains(key)) {
            keys << key;
        }
        linesOf[key] << FileLineOfSlot(n);
    }
    QStringList lines;
    for (const QString& key : keys) {
        const QList<int>& given = linesOf[key];
        if (given.size() > 1 && lastLineIsUsed(table, model, key)) {
            lines << key + QStringLiteral(" is given on lines ") + lineList(given) +
                         QStringLiteral(" of the file: line ") + QString::number(given.last()) +
                         QStringLiteral(" is used.");
        }
    }
    return lines;
}

QStringList LoadNotes(const TParameterTable& table, const ModuleConfiguration& configuration,
                      const EntryList& entries, const QList<LoadedValue>& values) {
    const QString& model = configuration.model;
    return DuplicateKeyNotes(table, model, entries) + TagNotes(entries) +
           UnusedLineNotes(table, model, configuration.firmware, values) +
           DecimalNotes(table, configuration, values) +
           ChangedValueNotes(table, configuration, values);
}
