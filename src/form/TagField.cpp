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
    field.setText(cleaned);
}
