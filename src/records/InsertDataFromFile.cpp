// Applying a configuration file's entry list to the window, line by line, driven by the
// catalogue; then the refresh that a read from a module also ends with.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "form/TForm1.h"
#include "link/Identification.h"
#include "records/ConfigurationReader.h"
#include "records/FileMessages.h"
#include "shell/ProgramState.h"

#include <optional>

namespace {

// The first item equal to `text`, letter case included. Empty slots never match.
std::optional<int> indexOfItem(const TTableEntry& entry, const QString& text) {
    for (int k = 0; k < TTableEntry::ItemCount; ++k) {
        const QString& item = entry.Items.at(static_cast<std::size_t>(k));
        if (!item.isEmpty() && item == text) {
            return k;
        }
    }
    return std::nullopt;
}

void setCaption(TForm1& form, const char* name, const QString& text) {
    form.Control(QString::fromLatin1(name)).setText(text);
}

// The texts of a header line load as written; only MDVERSION is a number. False when it is
// not one.
bool applyHeader(TForm1& form, ProgramState& state, const QString& model, const QString& key,
                 const QString& value) {
    if (key == QLatin1String("DATE")) {
        state.ConfigurationDate = value;
        setCaption(form, "LDateLeft", QStringLiteral("Created:"));
        setCaption(form, "LDateRight", value);
    } else if (key == QLatin1String("MDVERSION")) {
        const auto version = FileFirmware(value);
        if (!version) {
            return false;
        }
        state.ModelVersion = *version;
        CompareWorkingVersion(state, state.ModelCode, *version);
        form.Control(QStringLiteral("LModel"))
            .setHint(QStringLiteral("SW Rev. ") + QString::number(*version));
        // The choice lines that follow are compared with the sensors of this firmware, not with
        // those of whatever module was connected before.
        AddNewSensors(state.ParameterTable, state.SensorTable, model, *version);
    } else if (key == QLatin1String("DONEBY") || key == QLatin1String("DONEFOR")) {
        if (!value.isEmpty()) {
            const bool by = key == QLatin1String("DONEBY");
            setCaption(form, by ? "LExtra1Left" : "LExtra2Left",
                       by ? QStringLiteral("By:") : QStringLiteral("For:"));
            setCaption(form, by ? "LExtra1Right" : "LExtra2Right", value);
        }
    } else if (key == QLatin1String("TAG1") || key == QLatin1String("TAG2")) {
        const QString channel = key.right(1);
        FormControl& tag = form.Control(QStringLiteral("TTag") + channel);
        tag.setEnabled(true);
        form.Control(QStringLiteral("LTag") + channel).setTextColour(colours::Black);
        tag.setText(value);
    }
    return true;
}

}  // namespace

LoadOutcome TForm1::InsertDataFromFileToScreen(const QString& model) {
    // Abort keeps what was applied so far; Retry asks for another file from the archive.
    // Either way nothing more of this file is applied.
    auto abandon = [this](BoxKind kind, const QString& text, BoxButtons buttons) {
        const BoxAnswer answer = state_.message(kind, text, buttons);
        if (answer == BoxAnswer::Retry) {
            return LoadOutcome::Retry;
        }
        if (buttons == BoxButtons::OkRetry) {
            ResetAll();
        }
        return LoadOutcome::Abandoned;
    };
    // The box names no line; the command line prints `why` beside it.
    auto invalidFile = [this, &abandon](const QString& why) {
        lastLoad_.refusal = why;
        return abandon(BoxKind::Error, InvalidConfigurationFileText(), BoxButtons::AbortRetry);
    };

    for (int n = 1; n <= EntryList::Slots; ++n) {
        if (EntriesEndAt(state_.Entries, n)) {
            break;
        }
        const QString key = state_.Entries.FileNames(n);
        const QString value = state_.Entries.FileValues(n);
        if (IsHeaderKey(key)) {
            if (!applyHeader(*this, state_, model, key, value)) {
                return invalidFile(ValueProblemText(key, value));
            }
            continue;
        }
        const auto index = IndexOfName(state_.ParameterTable, key);
        if (!index) {
            return invalidFile(KeyProblemText(key));
        }
        TTableEntry& entry = state_.ParameterTable[*index];
        if (entry.FieldType == FieldKind::Number) {
            const auto number = FileNumber(value);
            if (!number) {
                return invalidFile(ValueProblemText(key, value));
            }
            entry.Value = *number;
        } else {
            const auto item = indexOfItem(entry, value);
            if (!item) {
                return abandon(BoxKind::Warning, UnrecognisedValueText(key, value),
                               BoxButtons::OkRetry);
            }
            entry.Value = *item;
        }
        ShowField(*index);
        lastLoad_.values.append({*index, value, entry.Value});
    }
    RefreshAfterTransfer(TransferSource::Load);
    return LoadOutcome::Applied;
}
