#pragma once

#include "support/WindowBench.h"

#include <QString>
#include <QStringList>

// What a user does in the window, and what the module holds afterwards, for the write tests.

// The identification every operation starts with: the presence probe, then DetectModel's own
// probe, the firmware query and the model query.
const QStringList& IdentificationTraffic();

// Reads the module into the window and closes the status box, ready for a write; the
// simulator's record then starts empty.
void ReadForWriting(WindowBench& bench);

// The script's problems as one text for a failure message.
QString ScriptProblems(const ScriptedDialogs& dialogs);
// The text of a label or an edit.
QString ShownText(const TForm1& form, const char* name);
void SetChecked(TForm1& form, const char* name, bool checked);

// Types `text` into the edit `name` and leaves it, as the user would.
void TypeInto(TForm1& form, const QString& name, const QString& text);
// Picks choice `index` of the list `name`, as the user would.
void Choose(TForm1& form, const QString& name, int index);

// Points the default port and the port in use at another simulated module (a module swapped
// on the same cable).
void UseModule(SimulatedPort& bench, const modsim::PtyModule& module);

// The parameters of the shown model where the module's register differs from what the window
// shows: "key: window <shown>, module <register as shown>". Empty when they all agree.
QStringList RegisterDifferences(const TForm1& form, const modsim::ModuleEngine& module);

// Types a new number into a field of the shown configuration and leaves it (the first number it
// holds, or the first number at all on an empty window), so that the configuration differs from
// the one last read or saved. The index changed.
int ChangeAValue(TForm1& form);
