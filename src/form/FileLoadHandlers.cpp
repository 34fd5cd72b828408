// Loading a configuration file (from the archive or the factory defaults) into the window.

#include "form/TForm1.h"
#include "records/ConfigurationHistory.h"
#include "records/ConfigurationLoad.h"
#include "records/FileMessages.h"
#include "records/LoadNotes.h"
#include "shell/ModuleAccess.h"
#include "shell/Online.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QFileInfo>

namespace {

FileDialogRequest openRequest(const ProgramState& state, bool defaults) {
    FileDialogRequest request;
    request.title =
        defaults ? QStringLiteral("Load Factory Defaults") : QStringLiteral("Load from File");
    request.folder =
        ProgramSubfolder(state.ProgramFolder,
                         defaults ? QStringLiteral("factorydefaults") : QStringLiteral("archive"));
    request.filter = QStringLiteral("NV Configuration File (*.nvc)");
    request.defaultSuffix = QStringLiteral("NVC");
    request.confirmOverwrite = false;
    return request;
}

void setCaption(TForm1& form, const char* name, const QString& text) {
    form.Control(QString::fromLatin1(name)).setText(text);
}

}  // namespace

// A header line of the file as the window shows it; the configuration has taken it already.
void TForm1::showHeader(const LoadedLine& line) {
    TForm1& form = *this;
    ProgramState& state = state_;
    using Kind = LoadedLine::Kind;
    switch (line.kind) {
        case Kind::Date:
            document_.date = line.value;
            setCaption(form, "LDateLeft", QStringLiteral("Created:"));
            setCaption(form, "LDateRight", line.value);
            break;
        case Kind::Firmware:
            state.ModelVersion = line.number;
            CompareWorkingVersion(state, state.ModelCode, line.number);
            form.SetShownModel(form.ShownModel(),
                               QStringLiteral("SW Rev. ") + QString::number(line.number));
            break;
        case Kind::DoneBy:
        case Kind::DoneFor:
            if (!line.value.isEmpty()) {
                const bool by = line.kind == Kind::DoneBy;
                (by ? document_.doneBy : document_.doneFor) = line.value;
                setCaption(form, by ? "LExtra1Left" : "LExtra2Left",
                           by ? QStringLiteral("By:") : QStringLiteral("For:"));
                setCaption(form, by ? "LExtra1Right" : "LExtra2Right", line.value);
            }
            break;
        case Kind::Tag1:
        case Kind::Tag2: {
            const QString channel =
                line.kind == Kind::Tag1 ? QStringLiteral("1") : QStringLiteral("2");
            document_.tag(channel.toInt()) = line.value;
            FormControl& tag = form.Control(QStringLiteral("TTag") + channel);
            tag.setEnabled(true);
            form.Control(QStringLiteral("LTag") + channel).setTextColour(colours::Black);
            tag.setText(line.value);
            break;
        }
        case Kind::Parameter:
            break;
    }
}

namespace {

// After the lines: the layout follows the firmware the file brought, and the data sheet link
// names the model.
void finishShowing(TForm1& form) {
    ProgramState& state = form.state();
    form.AdjustFor(state.ModelCode);
    FormControl& dataSheet = form.Control(QStringLiteral("LDataSheet"));
    dataSheet.setText(state.ModelCode + QStringLiteral(" Online information"));
    dataSheet.setVisible(Online(state) && state.settings.flag(SettingFlag::OnlineLink));
}

}  // namespace

// The file's model takes the place of the shown configuration, before its lines.
void TForm1::startShowing(const QString& fileName, const QString& model) {
    ResetAll();
    Control(QStringLiteral("LSourceRight")).setText(fileName);
    state_.ModelCode = model;
    // The catalogue follows the file's firmware from its MDVERSION line on.
    document_ = EmptyConfiguration(model, state_.ModelVersion, Catalogue());
    AdjustFor(model);
    SetShownModel(model, QString());
    Control(QStringLiteral("LModelTop")).setText(model);
}

QString HistorySourceName(const HistoryEntry& entry) {
    return QStringLiteral("%1 (%2 %3)")
        .arg(QFileInfo(entry.file).fileName(), entry.date, entry.time);
}

void TForm1::TBOpenFileClick() {
    ReadFromFile(FileSource::Archive);
}

void TForm1::BitBtn2Click() {
    ReadFromFile(FileSource::FactoryDefaults);
}

bool TForm1::ReadFromFile(FileSource source) {
    return loadConfiguration(source, nullptr);
}

bool TForm1::ReadFromHistory(const HistoryEntry& entry) {
    return loadConfiguration(FileSource::Archive, &entry);
}

bool TForm1::loadConfiguration(FileSource source, const HistoryEntry* entry) {
    // A Retry offers another file from the archive, as a new load that asks its questions
    // again. A file the user abandons halfway leaves the window as it was before the load.
    const WindowSnapshot before = TakeSnapshot();
    for (FileSource offered = source;; offered = FileSource::Archive, entry = nullptr) {
        lastLoad_ = {};
        if (IsModified() &&
            state_.message(BoxKind::Warning,
                           QStringLiteral("Parameters were modified.\rDo you wish to acquire new "
                                          "data and lose changes?"),
                           BoxButtons::YesNoDefaultNo) != BoxAnswer::Yes) {
            return false;
        }
        // An entry of the history loads as the file it was, named after its log and its time.
        QString fileName;
        FileReadOutcome file;
        if (entry != nullptr) {
            fileName = HistorySourceName(*entry);
            const HistoryLoad load = LoadHistoryEntry(*entry);
            file = load.ok() ? ReadConfigurationBytes(load.bytes)
                             : FileReadOutcome{LoadFailure::Unreadable, load.message, {}};
        } else {
            const QString path = state_.dialogs->chooseOpenFile(
                openRequest(state_, offered == FileSource::FactoryDefaults));
            if (path.isEmpty()) {
                return false;
            }
            fileName = QFileInfo(path).fileName();
            file = ReadConfigurationFile(path);
        }

        // A file that cannot be a configuration leaves the shown one as it was.
        if (file.failure == LoadFailure::Unreadable) {
            state_.message(BoxKind::Error, UnreadableFileText(file.message));
            return false;
        }
        if (!file.ok()) {
            lastLoad_.refusal = file.message;
            if (state_.message(BoxKind::Error, InvalidConfigurationFileText(file.message),
                               BoxButtons::AbortRetry) == BoxAnswer::Retry) {
                continue;
            }
            return false;
        }

        startShowing(fileName, file.text.model);
        const LoadOutcome outcome = InsertDataFromFileToScreen(file.text.entries);
        if (outcome != LoadOutcome::Applied) {
            RestoreSnapshot(before);
            if (outcome == LoadOutcome::Retry) {
                continue;
            }
            return false;
        }
        finishShowing(*this);
        ConfigurationEmpty = false;
        SetUnmodified();
        Memo(QStringLiteral("Read ") + state_.ModelCode +
             QStringLiteral(" configuration from file ") + fileName);
        // What the window took otherwise than the file writes it follows in the log list.
        lastLoad_.notes = LoadNotes(Catalogue(), document_, file.text.entries, lastLoad_.values);
        for (const QString& note : lastLoad_.notes) {
            Memo(note);
        }
        return true;
    }
}

LoadOutcome TForm1::InsertDataFromFileToScreen(const EntryList& entries) {
    auto show = [this](const LoadedLine& line) {
        if (line.kind != LoadedLine::Kind::Parameter) {
            showHeader(line);
            return;
        }
        ShowField(line.index);
        lastLoad_.values.append({line.index, line.value, line.number});
    };
    const EntriesOutcome taken =
        TakeConfigurationEntries(entries, document_, state_.Catalogue, show);
    if (taken.ok()) {
        RefreshAfterTransfer(TransferSource::Load);
        return LoadOutcome::Applied;
    }
    // Abort keeps what was applied so far, OK clears it; Retry asks for another file from the
    // archive. Either way nothing more of this file is applied. The box says what it could
    // not use, so the user knows what to mend.
    if (taken.failure == LoadFailure::Invalid) {
        lastLoad_.refusal = taken.message;
        return state_.message(BoxKind::Error, InvalidConfigurationFileText(taken.message),
                              BoxButtons::AbortRetry) == BoxAnswer::Retry
                   ? LoadOutcome::Retry
                   : LoadOutcome::Abandoned;
    }
    if (state_.message(BoxKind::Warning, UnrecognisedValueText(taken.key, taken.value),
                       BoxButtons::OkRetry) == BoxAnswer::Retry) {
        return LoadOutcome::Retry;
    }
    ResetAll();
    return LoadOutcome::Abandoned;
}
