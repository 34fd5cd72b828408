// The check a configuration passes when it leaves the window or arrives in it: the snapshot for
// files and the report, the consistency rules, and the user's say on warnings.

#include "catalogue/CatalogueLookup.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "transfer/ChoiceText.h"
#include "transfer/ConsistencyRules.h"

namespace {

// A control's own enabled state. The pages are disabled while an operation's status box is in
// front (a read checks its configuration then), and that must not hide every field.
bool ownEnabled(const FormControl* control) {
    return control != nullptr && control->isEnabled();
}

QString shownText(const FormControl* field) {
    return field != nullptr ? field->text() : QString();
}

// Every parameter of the model into the entry list; the enabled ones into the report rows.
void collect(const TForm1& form, ProgramState& state) {
    EntryList& entries = state.Entries;
    ReportRows& report = state.Report;
    report.ResetPrintArrays();
    entries.ResetFileArrays();

    int j = 0;
    int k = 0;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = state.ParameterTable[i];
        if (!AppliesToModel(entry, state.ModelCode)) {
            continue;
        }
        ++j;
        entries.FileNames(j) = entry.Name;
        QString value;
        QString unit;
        bool printed = false;
        if (entry.FieldType == FieldKind::Number) {
            const auto* field = form.FindControl(QStringLiteral("T") + entry.Field);
            value = shownText(field);
            printed = ownEnabled(field);
            if (const auto* label =
                    form.FindControl(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
                unit = label->text();
            }
        } else {
            // The catalogue's text, not the list's: a list may show nothing for a value it
            // cannot select.
            value = ChoiceText(entry);
            printed = ownEnabled(form.FindControl(QStringLiteral("C") + entry.Field));
        }
        entries.FileValues(j) = value;
        if (printed) {
            ++k;
            report.PrintNames(k) = entry.Name;
            report.PrintValues(k) = value;
            report.PrintUnits(k) = unit;
        }
    }
}

ShownConfiguration readShownConfiguration(const TForm1& form, const ProgramState& state) {
    ShownConfiguration shown;
    shown.modelCode = state.ModelCode;
    shown.modelVersion = state.ModelVersion;
    for (int channel = 1; channel <= 2; ++channel) {
        const QString digit = QString::number(channel);
        const auto* upscale = form.FindControl(QStringLiteral("TUpscale") + digit);
        const auto* downscale = form.FindControl(QStringLiteral("TDownscale") + digit);
        shown.spans.at(channel - 1) = {shownText(upscale), shownText(downscale),
                                       ownEnabled(upscale)};
    }
    for (int i = 0; i < OutputLimitCount; ++i) {
        const QString key = OutputLimitKey(static_cast<OutputLimit>(i));
        const auto* field = form.FindControl(QStringLiteral("T") + key);
        const auto index = IndexOfKey(state.ParameterTable, key);
        shown.limits.at(i) = {index ? state.ParameterTable[*index].Name : key, shownText(field),
                              ownEnabled(field)};
    }
    if (const auto* output = form.FindControl(QStringLiteral("COutput1"))) {
        shown.outputRange = output->currentIndex();
    }
    return shown;
}

}  // namespace

bool TForm1::CheckAll(CheckMode mode) {
    collect(*this, state_);

    const CheckFindings findings = ApplyConsistencyRules(readShownConfiguration(*this, state_));
    for (const QString& line : findings.logLines) {
        Memo(line);
    }

    bool mayGoOn = !findings.errorFired;
    if (const auto box = DecisionFor(findings, mode)) {
        const BoxAnswer answer = state_.message(BoxKind::Information, box->text, box->buttons);
        if (box->buttons == BoxButtons::OkCancel && answer == BoxAnswer::Cancel) {
            mayGoOn = false;
        }
    }
    return mayGoOn;
}
