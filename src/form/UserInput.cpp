// What the window passes on from the user: commands, choices, keystrokes, focus and closing.

#include "form/TForm1.h"

bool TForm1::RunCommand(const std::function<void()>& command) {
    // An operation waiting on the line keeps the events flowing; a second command meanwhile
    // would interleave two conversations with the module.
    if (commandDepth_ > 0) {
        return false;
    }
    ++commandDepth_;
    CommitEditing();
    command();
    --commandDepth_;
    EndProgress();
    if (closePending_) {
        closePending_ = false;
        emit closeNow();
    }
    return true;
}

void TForm1::Click(const QString& name) {
    if (FormControl* control = FindControl(name)) {
        RunCommand([control] { control->click(); });
    }
}

void TForm1::Choose(const QString& name, int index) {
    FormControl* list = FindControl(name);
    if (list == nullptr) {
        return;
    }
    RunCommand([list, index] {
        list->setCurrentIndex(index);
        list->click();
    });
}

void TForm1::Typed(const QString& name, const QString& text) {
    if (FormControl* field = FindControl(name)) {
        if (validatesOnLeave(name)) {
            pendingEdit_ = field->objectName();
        }
        field->setText(text);
    }
}

void TForm1::FieldEntered(const QString& name) {
    if (validatesOnLeave(name)) {
        pendingEdit_ = Control(name).objectName();
    }
}

void TForm1::FieldLeft(const QString& name) {
    if (pendingEdit_.compare(name, Qt::CaseInsensitive) == 0) {
        CommitEditing();
    }
}

void TForm1::CommitEditing() {
    if (pendingEdit_.isEmpty()) {
        return;
    }
    // Cleared first: a warning box the validation shows takes the focus away from the field.
    FormControl& field = Control(pendingEdit_);
    pendingEdit_.clear();
    if (field.objectName().startsWith(QLatin1String("TTag"))) {
        CheckTag(field);
    } else {
        OnEditLeave(field);
    }
}

bool TForm1::RequestClose() {
    if (commandDepth_ > 0) {
        stopRequested_ = true;
        closePending_ = true;
        return false;
    }
    CommitEditing();
    FormClose();
    return true;
}
