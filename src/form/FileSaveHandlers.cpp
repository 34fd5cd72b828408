// Writing the shown configuration to a configuration file or to the configuration log, and the
// window's log list to the system log at closing.

#include "form/TForm1.h"
#include "operations/ConfigurationLogging.h"
#include "records/Clock.h"
#include "records/ConfigurationFile.h"
#include "records/FileMessages.h"
#include "records/SystemLog.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QFileInfo>

namespace {

const QString SettingsMissingText = QStringLiteral(
    "One or more Additional Information was not set and will appear as blank in file.\rDo you "
    "wish to complete these informations first?\r\rTo ignore this warning uncheck the "
    "corresponding option in Settings screen");

constexpr int SettingsPage = 2;

FileDialogRequest saveRequest(const ProgramState& state) {
    FileDialogRequest request;
    request.title = QStringLiteral("Save to File");
    request.folder = ProgramSubfolder(state.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = TimeStamp();
    request.filter = QStringLiteral("NV Configuration File (*.nvc)");
    request.defaultSuffix = QStringLiteral("NVC");
    request.confirmOverwrite = true;
    return request;
}

}  // namespace

ConfigurationHeader TForm1::SaveHeader(const QDateTime& moment) const {
    return HeaderFor(document_, moment, state_.SoftwareVersion,
                     Control(QStringLiteral("TDefaultDoneBy")).text(),
                     Control(QStringLiteral("TDefaultDoneFor")).text());
}

WriteOutcome TForm1::SubWriteToFile(const QString& fileName, WriteMode mode) {
    return WriteConfiguration(fileName, SaveHeader(QDateTime::currentDateTime()), document_,
                              Catalogue(), mode, *state_.disk);
}

void TForm1::TBSaveFileClick() {
    if (state_.settings.flag(SettingFlag::WarnNoInfo) &&
        (Control(QStringLiteral("TDefaultDoneBy")).text().isEmpty() ||
         Control(QStringLiteral("TDefaultDoneFor")).text().isEmpty()) &&
        state_.message(BoxKind::Warning, SettingsMissingText, BoxButtons::YesNo) ==
            BoxAnswer::Yes) {
        Control(QStringLiteral("PageControl1")).setCurrentIndex(SettingsPage);
        return;
    }
    if (!CheckAll(CheckMode::Write)) {
        return;
    }
    WriteToFile(SaveTarget::ChosenFile);
}

void TForm1::WriteToFile(SaveTarget target) {
    if (target == SaveTarget::ConfigurationLog) {
        const LogAppend append = AppendToConfigurationLog(
            state_, SaveHeader(QDateTime::currentDateTime()), document_, Catalogue());
        for (const QString& line : append.logLines) {
            Memo(line);
        }
        SetUnmodified();
        return;
    }

    const QString path = state_.dialogs->chooseSaveFile(saveRequest(state_));
    if (!path.isEmpty()) {
        const WriteOutcome outcome = SubWriteToFile(path, WriteMode::Rewrite);
        if (outcome.written) {
            Memo(QStringLiteral("Wrote ") + state_.ModelCode +
                 QStringLiteral(" configuration to file ") + QFileInfo(path).fileName());
            SetUnmodified();
        } else {
            // The configuration stays on screen and marked as it was.
            state_.message(BoxKind::Error, UnwritableFileText(outcome.error));
        }
    }
}

void TForm1::UpdateLog() {
    const SystemLogOutcome outcome =
        AppendToSystemLog(state_.ProgramFolder, Today(), logLines_, *state_.disk);
    if (!outcome.written) {
        state_.LogWriteFailed = true;
        // The run is over either way; the user learns that its record is missing.
        state_.message(BoxKind::Warning,
                       QStringLiteral("The log of this session could not be added to the "
                                      "system log.\r\r") +
                           outcome.error);
    }
}
