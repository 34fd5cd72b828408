// What the window passes on from the user: commands, choices, keystrokes, focus and closing.
// Every one of them passes the gate below.

#include "form/TForm1.h"
#include "shell/ProgramState.h"

namespace {

// The controls on the password cover: while it is up, the user reaches nothing else.
const QStringList CoverInputs{QStringLiteral("TEntryPassword"), QStringLiteral("BEnterPassword")};

}  // namespace

bool TForm1::runGated(const std::function<void()>& command) {
    // An operation waiting on the line keeps the events flowing; a second command meanwhile
    // would interleave two conversations with the module.
    if (CommandRunning()) {
        return false;
    }
    ++commandDepth_;
    CommitEditing();
    command();
    --commandDepth_;
    // A command may change what the refresh looks at without touching a control (a flag).
    refreshSoon();
    EndProgress();
    if (closePending_) {
        closePending_ = false;
        emit closeNow();
    }
    return true;
}

bool TForm1::CommandRunning() const {
    // A held session is no command: STOP must be taken while a reading waits on the line.
    return commandDepth_ > 0 || state_.link.lineUse().operationSession;
}

bool TForm1::AcceptsInput() const {
    return startUp_ != StartUpStage::Running && !CommandRunning();
}

bool TForm1::PasswordCoverUp() const {
    return Control(QStringLiteral("PasswordPanel")).isVisible();
}

bool TForm1::behindCover(const QString& name) const {
    if (PasswordCoverUp()) {
        return !CoverInputs.contains(name, Qt::CaseInsensitive);
    }
    // The panel's result belongs to the operation that showed it: a tool-bar command behind it
    // (F7 wiping the form under "parameters correctly loaded") would change what it speaks of.
    return StatusPanelInFront() && (name.startsWith(QLatin1String("TB"), Qt::CaseInsensitive) ||
                                    name.startsWith(QLatin1String("BitBtn"), Qt::CaseInsensitive));
}

bool TForm1::StatusPanelInFront() const {
    return Control(QStringLiteral("PStatus")).isVisible();
}

bool TForm1::RunCommand(const std::function<void()>& command) {
    // The start-up's own steps pass the gate on their own; the user waits for its end.
    return AcceptsInput() && runGated(command);
}

bool TForm1::runUserCommand(const QString& name, const std::function<void()>& command) {
    return !behindCover(name) && RunCommand(command);
}

void TForm1::Click(const QString& name) {
    if (FormControl* control = FindControl(name)) {
        runUserCommand(name, [control] { control->click(); });
    }
}

bool TForm1::Choose(const QString& name, int index) {
    FormControl* list = FindControl(name);
    if (list == nullptr) {
        return false;
    }
    return runUserCommand(name, [list, index] {
        list->setCurrentIndex(index);
        list->click();
    });
}

bool TForm1::Check(const QString& name, bool checked) {
    FormControl& box = Control(name);
    return runUserCommand(name, [&box, checked] { box.setChecked(checked); });
}

bool TForm1::ShowPage(const QString& name, int index) {
    FormControl& pages = Control(name);
    return runUserCommand(name, [&pages, index] { pages.setCurrentIndex(index); });
}

bool TForm1::Typed(const QString& name, const QString& text) {
    FormControl* field = FindControl(name);
    if (field == nullptr || !AcceptsInput() || behindCover(name)) {
        return false;
    }
    if (validatesOnLeave(name)) {
        pendingEdit_ = field->objectName();
    }
    field->setText(text);
    return true;
}

void TForm1::FieldEntered(const QString& name) {
    // The focus also comes back to a field after a box an operation showed: that is no input,
    // but a field entered before the start-up's end or behind the cover is none either.
    if (startUp_ == StartUpStage::Running || behindCover(name)) {
        return;
    }
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
    // Closing waits for the running command (a start-up step too) rather than being refused: a
    // read or a port search stops at its next exchange, and closeNow() follows.
    if (commandDepth_ > 0) {
        stopRequested_ = true;
        closePending_ = true;
        return false;
    }
    if (startUp_ == StartUpStage::Running) {
        startUp_ = StartUpStage::Ended;  // the steps still to come are left out
    }
    CommitEditing();
    FormClose();
    return true;
}

void TForm1::PointedAt(const QString& hint) {
    // Like a tool tip, but always in status panel 0, taken also while an operation runs.
    SetStatusPanel(0, hint);
}
