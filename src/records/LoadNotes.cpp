#include "records/LoadNotes.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ValueFormat.h"

#include <algorithm>

EntryList HeldEntries(const EntryList& entries, const TParameterTable& table,
                      const HeldValue& held) {
    EntryList kept;
    int next = 0;
    for (int slot = 1; slot <= EntryList::Slots; ++slot) {
        const auto index = IndexOfName(table, entries.FileNames(slot));
        if (index && held(*index)) {
            ++next;
            kept.FileNames(next) = entries.FileNames(slot);
            kept.FileValues(next) = entries.FileValues(slot);
        }
    }
    return kept;
}

QStringList MissingParameters(const TParameterTable& table, const QString& model,
                              const HeldValue& held) {
    QStringList names;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (AppliesToModel(table[i], model) && !held(i)) {
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

QStringList ChangedValueNotes(const TParameterTable& table, const QList<LoadedValue>& values) {
    QStringList lines;
    for (qsizetype n = 0; n < values.size(); ++n) {
        const LoadedValue& loaded = values[n];
        // A parameter given twice takes its last line.
        const auto later =
            std::find_if(values.begin() + n + 1, values.end(),
                         [&](const LoadedValue& v) { return v.index == loaded.index; });
        const TTableEntry& entry = table[loaded.index];
        if (later != values.end() || entry.FieldType != FieldKind::Number ||
            entry.Value == loaded.value) {
            continue;
        }
        lines << entry.Name + QStringLiteral(" = ") + loaded.text +
                     QStringLiteral(" in the file is beyond the limits of its sensor: ") +
                     FormatMyInt(entry.Value, entry.Decimal) + QStringLiteral(" is used.");
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
