#pragma once

#include <QLibrary>
#include <QString>

// Parts of the window whose libraries are large (the web engine, the charts) live in modules of
// the program's own, loaded when first needed, so a start never pays for them. A module is looked
// for beside the program (a build or a portable copy), then in the installed library folder.

// The entry point `function` of the module `name` ("kvc7345charts"), or nullptr with `why`.
// A module once loaded stays loaded for the rest of the run: what it made lives that long.
QFunctionPointer ModuleEntryPoint(const QString& name, const char* function, QString* why);
