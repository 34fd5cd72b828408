// Writing the shown configuration to a configuration file or to the configuration log.

#include "form/TForm1.h"
#include "records/Clock.h"
#include "records/ConfigurationFile.h"
#include "records/FileMessages.h"
#include "records/ShownHeader.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString fieldText(const TForm1& form, const char* name) {
    return form.Control(QString::fromLatin1(name)).text();
}

std::optional<QString> tagIfInUse(const TForm1& form, const char* name) {
    const FormControl& field = form.Control(QString::fromLatin1(name));
    if (!field.isEnabled()) {
        return std::nullopt;
    }
    return field.text();
}

const QString SettingsMissingText = QStringLiteral(
    "One or more Additional Information was not set and will appear as blank in file.\rDo you "
    "wish to complete these informations first?\r\rTo ignore this warning uncheck the "
    "corresponding option in Settings screen");

constexpr int SettingsPage = 2;

}  // namespace

ConfigurationHeader ShownHeader(const TForm1& form, const QDateTime& moment) {
    const ProgramState& state = form.state();
    ConfigurationHeader header;
    header.model = state.ModelCode;
    header.date = QLocale().toString(moment.date(), QLocale::ShortFormat);
    header.time = PrintTime(moment.time());
    header.softwareVersion = state.SoftwareVersion;
    header.firmware = state.ModelVersion;
    header.doneBy = fieldText(form, "TDefaultDoneBy");
    header.doneFor = fieldText(form, "TDefaultDoneFor");
    header.tag1 = tagIfInUse(form, "TTag1");
    header.tag2 = tagIfInUse(form, "TTag2");
    return header;
}

WriteOutcome TForm1::SubWriteToFile(const QString& fileName, WriteMode mode) {
    return WriteConfigurationBytes(
        fileName, ConfigurationFileText(ShownHeader(*this), state_.Entries), mode, *state_.disk);
}

void TForm1::TBSaveFileClick() {
    if (state_.settings.flag(SettingFlag::WarnNoInfo) &&
        (fieldText(*this, "TDefaultDoneBy").isEmpty() ||
         fieldText(*this, "TDefaultDoneFor").isEmpty()) &&
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
        const QString path = QDir(ProgramSubfolder(state_.ProgramFolder, QStringLiteral("log")))
                                 .filePath(QStringLiteral("config.log"));
        const WriteOutcome outcome = SubWriteToFile(path, WriteMode::Append);
        if (!outcome.rotationProblem.isEmpty()) {
            Memo(QStringLiteral("Configuration log could not be copied to ") +
                 outcome.rotationProblem + QStringLiteral(", so it keeps growing"));
        }
        if (!outcome.written) {
            state_.LogWriteFailed = true;
            Memo(QStringLiteral("Configuration log not written: ") + outcome.error);
            state_.message(BoxKind::Warning,
                           QStringLiteral("The configuration could not be added to the "
                                          "configuration log.\r\r") +
                               outcome.error);
        }
        SetStatusPanel(2, QString());
        Busy = false;
        return;
    }

    Busy = true;
    FileDialogRequest request;
    request.title = QStringLiteral("Save to File");
    request.folder = ProgramSubfolder(state_.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = TimeStamp();
    request.filter = QStringLiteral("NV Configuration File (*.nvc)");
    request.defaultSuffix = QStringLiteral("NVC");
    request.confirmOverwrite = true;
    const QString path = state_.dialogs->chooseSaveFile(request);
    if (!path.isEmpty()) {
        const WriteOutcome outcome = SubWriteToFile(path, WriteMode::Rewrite);
        if (outcome.written) {
            Memo(QStringLiteral("Wrote ") + state_.ModelCode +
                 QStringLiteral(" configuration to file ") + QFileInfo(path).fileName());
            SetStatusPanel(2, QString());
        } else {
            // The configuration stays on screen and marked as it was.
            state_.message(BoxKind::Error, UnwritableFileText(outcome.error));
        }
    }
    Busy = false;
}
