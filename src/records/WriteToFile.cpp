// Writing the shown configuration to a configuration file or to the configuration log.

#include "records/Clock.h"
#include "records/ConfigurationFile.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"
#include "shell/window/WidgetFactory.h"

#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QLocale>

namespace {

QString fieldText(const TForm1& form, const char* name) {
    const auto* field = form.Find<QLineEdit>(QString::fromLatin1(name));
    return field != nullptr ? field->text() : QString();
}

std::optional<QString> tagIfInUse(const TForm1& form, const char* name) {
    const auto* field = form.Find<QLineEdit>(QString::fromLatin1(name));
    if (field == nullptr || !widgets::isEnabled(field)) {
        return std::nullopt;
    }
    return field->text();
}

}  // namespace

WriteOutcome TForm1::SubWriteToFile(const QString& fileName, WriteMode mode) {
    ConfigurationHeader header;
    header.model = state_.ModelCode;
    header.date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    header.time = PrintTime();
    header.softwareVersion = state_.SoftwareVersion;
    header.firmware = state_.ModelVersion;
    header.doneBy = fieldText(*this, "TDefaultDoneBy");
    header.doneFor = fieldText(*this, "TDefaultDoneFor");
    header.tag1 = tagIfInUse(*this, "TTag1");
    header.tag2 = tagIfInUse(*this, "TTag2");
    return WriteConfigurationBytes(fileName, ConfigurationFileText(header, state_.Entries), mode);
}

void TForm1::WriteToFile(const QString& target) {
    if (target == QLatin1String("backup")) {
        const QString path = QDir(ProgramSubfolder(state_.ProgramFolder, QStringLiteral("log")))
                                 .filePath(QStringLiteral("config.log"));
        const WriteOutcome outcome = SubWriteToFile(path, WriteMode::Append);
        if (!outcome.rotationProblem.isEmpty()) {
            Memo(QStringLiteral("Configuration log could not be copied to ") +
                 outcome.rotationProblem + QStringLiteral(", so it keeps growing"));
        }
        if (!outcome.written) {
            Memo(QStringLiteral("Configuration log not written: ") + outcome.error);
            state_.message(BoxKind::Warning,
                           QStringLiteral("The configuration could not be added to the "
                                          "configuration log.\r\r") +
                               outcome.error);
        }
        SetStatusPanel(2, QString());
        Busy = false;
    }
}
