#include "form/ShownConfiguration.h"

#include "catalogue/CatalogueLookup.h"
#include "form/TForm1.h"
#include "records/Clock.h"
#include "records/LoadNotes.h"
#include "shell/ProgramState.h"
#include "transfer/ChoiceText.h"

#include <QLocale>

namespace {

std::optional<QString> tagIfInUse(const TForm1& form, const QString& name) {
    const FormControl& field = form.Control(name);
    return field.isEnabled() ? std::optional<QString>(field.text()) : std::nullopt;
}

ParameterValue shownParameter(const TForm1& form, const TTableEntry& entry, int index) {
    ParameterValue value{index, entry.Name, entry.Field, {}, {}, {}};
    if (entry.FieldType == FieldKind::Choice) {
        value.text = ChoiceText(entry);
        value.word = entry.Value;
        return value;
    }
    value.text = form.Control(QStringLiteral("T") + entry.Field).text();
    // A register holds 16 bits; negative values travel in two's complement.
    value.word = entry.Value & 0xFFFF;
    const FormControl* unit =
        form.FindControl(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"));
    value.unit = unit != nullptr ? unit->text() : entry.Dimension;
    return value;
}

}  // namespace

ConfigurationHeader ShownHeader(const TForm1& form, const QDateTime& moment) {
    const ProgramState& state = form.state();
    ConfigurationHeader header;
    header.model = state.ModelCode;
    header.date = QLocale().toString(moment.date(), QLocale::ShortFormat);
    header.time = PrintTime(moment.time());
    header.softwareVersion = state.SoftwareVersion;
    header.firmware = state.ModelVersion;
    header.doneBy = form.Control(QStringLiteral("TDefaultDoneBy")).text();
    header.doneFor = form.Control(QStringLiteral("TDefaultDoneFor")).text();
    header.tag1 = tagIfInUse(form, QStringLiteral("TTag1"));
    header.tag2 = tagIfInUse(form, QStringLiteral("TTag2"));
    return header;
}

ConfigurationValues ShownValues(const TForm1& form) {
    const ProgramState& state = form.state();
    ConfigurationValues values;
    values.model = state.ModelCode;
    values.firmware = state.ModelVersion;
    values.doneBy = form.Control(QStringLiteral("LExtra1Right")).text();
    values.doneFor = form.Control(QStringLiteral("LExtra2Right")).text();
    values.tag1 = tagIfInUse(form, QStringLiteral("TTag1"));
    values.tag2 = tagIfInUse(form, QStringLiteral("TTag2"));
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = state.ParameterTable[i];
        if (!AppliesToModel(entry, state.ModelCode)) {
            continue;
        }
        values.applicable.insert(i);
        if (form.HoldsValue(i)) {
            values.parameters.append(shownParameter(form, entry, i));
        }
    }
    return values;
}

QStringList ShownConfigurationLines(const TForm1& form) {
    const ProgramState& state = form.state();
    const ConfigurationValues shown = ShownValues(form);
    QStringList lines{state.ModelCode, KeyLine(QStringLiteral("DATE"), state.ConfigurationDate),
                      KeyLine(QStringLiteral("DONEBY"), shown.doneBy),
                      KeyLine(QStringLiteral("DONEFOR"), shown.doneFor)};
    // A tag line only for a tag field in use, as a save writes them.
    for (const auto& [key, tag] : {std::pair{QStringLiteral("TAG1"), shown.tag1},
                                   std::pair{QStringLiteral("TAG2"), shown.tag2}}) {
        if (tag) {
            lines << KeyLine(key, *tag);
        }
    }
    // Only values that came from the file; what it lacks is named instead of shown empty.
    const HeldValue held = [&form](int i) { return form.HoldsValue(i); };
    lines << ParameterLines(HeldEntries(state.Entries, state.ParameterTable, held));
    return lines;
}
