// The tag edits of the main window.

#include "link/ModuleTag.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"

#include <QLineEdit>

void TForm1::CheckTag(QLineEdit* field) {
    bool replaced = false;
    const QString cleaned = CleanTag(field->text(), &replaced);
    if (replaced) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("Unadmitted characters where found in Tag name"));
    }
    field->setText(cleaned);
}
