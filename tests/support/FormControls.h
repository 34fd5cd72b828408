#pragma once

#include "form/FormControl.h"
#include "form/TForm1.h"

#include <QString>

// Reading and using the window model's controls as a user sees them.

// What a control shows as its tool tip: its hint while hints are on, nothing otherwise.
inline QString ToolTipOf(const FormControl& control) {
    return control.showHint() ? control.hint() : QString();
}

// The text a control shows: a list's chosen item, otherwise its caption or text.
inline QString ShownTextOf(const FormControl& control) {
    return control.kind() == ControlKind::Choice ? control.currentText() : control.text();
}

// Clicks a check box as the user would: its tick turns over.
inline void ClickBox(TForm1& form, const QString& name) {
    FormControl& box = form.Control(name);
    form.RunCommand([&box] { box.setChecked(!box.isChecked()); });
}

// Presses a function key (or Enter, Escape) as the window passes it on: through the gate, with
// the refresh's pending tick first. False when the gate refused it.
inline bool PressKey(TForm1& form, int key) {
    return form.RunCommand([&form, key] { form.FormKeyDown(key); });
}
