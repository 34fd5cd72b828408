// Loading a configuration file (from the archive or the factory defaults) into the window.

#include "form/TForm1.h"
#include "records/ConfigurationCheck.h"
#include "records/ConfigurationReader.h"
#include "records/FileMessages.h"
#include "shell/Online.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// A configuration file takes a few kilobytes; anything this large was chosen by mistake and is
// not read into memory.
constexpr qint64 LargestConfigurationFile = 1 << 20;

struct FileBytes {
    std::optional<QByteArray> bytes;  // nothing: the file could not be read
    QString error;
    bool tooLarge = false;
};

FileBytes readBytes(const QString& path) {
    FileBytes result;
    if (const QString problem = FileKindProblem(path); !problem.isEmpty()) {
        result.error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + problem;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        return result;
    }
    // Devices report no size, so the read itself is bounded too.
    QByteArray bytes = file.read(LargestConfigurationFile + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        return result;
    }
    result.tooLarge = bytes.size() > LargestConfigurationFile;
    result.bytes = std::move(bytes);
    return result;
}

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

}  // namespace

void TForm1::TBOpenFileClick() {
    ReadFromFile(FileSource::Archive);
}

void TForm1::BitBtn2Click() {
    ReadFromFile(FileSource::FactoryDefaults);
}

bool TForm1::ReadFromFile(FileSource source) {
    // A Retry offers another file from the archive, as a new load that asks its questions
    // again. A file the user abandons halfway leaves the window as it was before the load.
    const WindowSnapshot before = TakeSnapshot();
    auto finish = [&](bool result) {
        Busy = false;
        return result;
    };
    for (FileSource offered = source;; offered = FileSource::Archive) {
        Busy = true;
        lastLoad_ = {};
        if (StatusPanel(2) == QLatin1String("Modified") &&
            state_.message(BoxKind::Warning,
                           QStringLiteral("Parameters were modified.\rDo you wish to acquire new "
                                          "data and lose changes?"),
                           BoxButtons::YesNoDefaultNo) != BoxAnswer::Yes) {
            return finish(false);
        }
        const QString path = state_.dialogs->chooseOpenFile(
            openRequest(state_, offered == FileSource::FactoryDefaults));
        if (path.isEmpty()) {
            return finish(false);
        }

        // The whole file is read and its shape and content checked before the window changes,
        // so a file that cannot be a configuration leaves the shown one as it was.
        const FileBytes file = readBytes(path);
        if (!file.bytes) {
            state_.message(BoxKind::Error, UnreadableFileText(file.error));
            return finish(false);
        }
        ConfigurationText text;
        if (file.tooLarge) {
            text.shape = FileShape::TooManyKeyLines;
        } else {
            text = ReadConfigurationText(*file.bytes);
        }
        const ContentCheck content =
            text.shape == FileShape::Valid ? CheckConfigurationContent(text) : ContentCheck{};
        if (text.shape != FileShape::Valid || content.content != FileContent::Valid) {
            lastLoad_.refusal = text.shape != FileShape::Valid
                                    ? ShapeProblemText(text.shape)
                                    : ContentProblemText(content, text.model);
            if (state_.message(BoxKind::Error, InvalidConfigurationFileText(),
                               BoxButtons::AbortRetry) == BoxAnswer::Retry) {
                continue;
            }
            return finish(false);
        }

        ResetAll();
        state_.Entries = text.entries;
        FormControl& sourceLabel = Control(QStringLiteral("LSourceRight"));
        sourceLabel.setText(QFileInfo(path).fileName());
        state_.ModelCode = text.model;
        AdjustFor(state_.ModelCode);
        Control(QStringLiteral("LModel")).setText(state_.ModelCode);
        Control(QStringLiteral("LModelTop")).setText(state_.ModelCode);

        const LoadOutcome outcome = InsertDataFromFileToScreen(state_.ModelCode);
        if (outcome != LoadOutcome::Applied) {
            RestoreSnapshot(before);
            if (outcome == LoadOutcome::Retry) {
                continue;
            }
            return finish(false);
        }
        AdjustFor(state_.ModelCode);

        FormControl& dataSheet = Control(QStringLiteral("LDataSheet"));
        dataSheet.setText(state_.ModelCode + QStringLiteral(" Online information"));
        dataSheet.setVisible(Online(state_) && state_.settings.flag(SettingFlag::OnlineLink));

        ConfigurationEmpty = false;
        SetStatusPanel(2, QString());
        Memo(QStringLiteral("Read ") + state_.ModelCode +
             QStringLiteral(" configuration from file ") + sourceLabel.text());
        return finish(true);
    }
}
