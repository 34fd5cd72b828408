// The tag edits of the main window.

#include "form/TForm1.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

void TForm1::CheckTag(FormControl& field) {
    bool replaced = false;
    const QString cleaned = CleanTag(field.text(), &replaced);
    if (replaced) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("Unadmitted characters where found in Tag name"));
    }
    // A tag field in use holds the configuration's tag; the field then shows what it holds.
    const int channel = field.objectName().right(1).toInt();
    if (field.isEnabled() && (channel == 1 || channel == 2)) {
        document_.tag(channel) = cleaned;
    }
    field.setText(cleaned);
    refreshModifiedMark();
}
