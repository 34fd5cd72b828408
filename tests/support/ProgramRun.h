#pragma once

#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "support/ScriptedDialogs.h"

#include <QByteArray>
#include <QString>

#include <memory>

// One run of the program on a program folder: a fresh state, scripted boxes and the main
// window, not yet shown. The test starts it (StartUp) and ends it (RequestClose) as the program
// does.
struct ProgramRun {
    explicit ProgramRun(const QString& folder);

    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    std::unique_ptr<TForm1> form;
};

// config.ini of a program folder as bytes; "(missing)" when there is none.
QByteArray ConfigIniBytes(const QString& folder);
// Puts `bytes` into the folder's config.ini.
bool WriteConfigIni(const QString& folder, const QByteArray& bytes);

// The folder as the closing message names it: native separators and a closing separator.
QString ShownFolder(const QString& folder);
