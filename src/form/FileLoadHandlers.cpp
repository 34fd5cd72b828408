// Loading a configuration file (from the archive or the factory defaults) into the window.

#include "form/TForm1.h"
#include "operations/FileLoading.h"
#include "records/ConfigurationHistory.h"
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

void TForm1::finishShowing() {
    AdjustFor(state_.ModelCode);
    FormControl& dataSheet = Control(QStringLiteral("LDataSheet"));
    dataSheet.setText(state_.ModelCode + QStringLiteral(" Online information"));
    dataSheet.setVisible(Online(state_) && state_.settings.flag(SettingFlag::OnlineLink));
}

// A header line of the file as the window shows it; the configuration holds it already.
void TForm1::showHeader(const LoadedLine& line) {
    using Kind = LoadedLine::Kind;
    switch (line.kind) {
        case Kind::Date:
            setCaption(*this, "LDateLeft", QStringLiteral("Created:"));
            setCaption(*this, "LDateRight", line.value);
            break;
        case Kind::Firmware:
            SetShownModel(ShownModel(), QStringLiteral("SW Rev. ") + QString::number(line.number));
            break;
        case Kind::DoneBy:
        case Kind::DoneFor:
            if (!line.value.isEmpty()) {
                const bool by = line.kind == Kind::DoneBy;
                setCaption(*this, by ? "LExtra1Left" : "LExtra2Left",
                           by ? QStringLiteral("By:") : QStringLiteral("For:"));
                setCaption(*this, by ? "LExtra1Right" : "LExtra2Right", line.value);
            }
            break;
        case Kind::Tag1:
        case Kind::Tag2: {
            const QString channel =
                line.kind == Kind::Tag1 ? QStringLiteral("1") : QStringLiteral("2");
            FormControl& tag = Control(QStringLiteral("TTag") + channel);
            tag.setEnabled(true);
            Control(QStringLiteral("LTag") + channel).setTextColour(colours::Black);
            tag.setText(line.value);
            break;
        }
        case Kind::Parameter:
            break;
    }
}

// The loaded configuration takes the place of the shown one: the file's model, its header lines
// and its parameter lines as the file gives them.
void TForm1::showLoaded(const QString& fileName, const FileLoading& loading) {
    const QString& model = loading.configuration.model;
    ResetAll();
    Control(QStringLiteral("LSourceRight")).setText(fileName);
    AdjustFor(model);
    SetShownModel(model, QString());
    Control(QStringLiteral("LModelTop")).setText(model);
    document_ = loading.configuration;
    for (const LoadedLine& line : loading.headerLines) {
        showHeader(line);
    }
    for (const LoadedValue& value : loading.record.values) {
        ShowField(value.index);
    }
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

        const FileLoading loading = LoadConfiguration(state_, file);
        lastLoad_ = loading.record;
        if (!loading.loaded()) {
            // A file that began to load took the run's model and firmware: they go back.
            if (file.ok()) {
                RestoreSnapshot(before);
            }
            if (loading.result == FileLoading::Result::Retry) {
                continue;
            }
            return false;
        }
        showLoaded(fileName, loading);
        RefreshAfterTransfer(TransferSource::Load, loading.limitsSet);
        finishShowing();
        ConfigurationEmpty = false;
        SetUnmodified();
        Memo(QStringLiteral("Read ") + state_.ModelCode +
             QStringLiteral(" configuration from file ") + fileName);
        // What the window took otherwise than the file writes it follows in the log list.
        for (const QString& note : lastLoad_.notes) {
            Memo(note);
        }
        return true;
    }
}
