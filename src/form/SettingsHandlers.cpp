// The yes/no boxes and the remembered additional information of the Settings page. Each
// writes its setting in memory at once; config.ini follows when the window closes.

#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "shell/SettingsBoxes.h"

void TForm1::SettingsBoxClick(const QString& boxName) {
    for (const auto& [box, flag] : SettingsBoxes) {
        if (boxName == QLatin1String(box)) {
            state_.settings.setFlag(flag, FindControl(boxName)->isChecked());
            return;
        }
    }
}

void TForm1::BDoneByDoneForClick() {
    SettingsStore& settings = state_.settings;
    if (FindControl(QStringLiteral("CBDoneByDoneFor"))->isChecked()) {
        settings.WriteConfig(QStringLiteral("DONEBY"),
                             FindControl(QStringLiteral("TDefaultDoneBy"))->text());
        settings.WriteConfig(QStringLiteral("DONEFOR"),
                             FindControl(QStringLiteral("TDefaultDoneFor"))->text());
        state_.message(
            BoxKind::Information,
            QStringLiteral("Inserted values were saved as default parameters for future use."));
    } else {
        // The texts still serve files and reports of this session, whatever the box says.
        settings.WriteConfig(QStringLiteral("DONEBY"), QString());
        settings.WriteConfig(QStringLiteral("DONEFOR"), QString());
        state_.message(BoxKind::Information,
                       QStringLiteral("Inserted values will be used for Report Sheets done within "
                                      "this working session."));
    }
}
