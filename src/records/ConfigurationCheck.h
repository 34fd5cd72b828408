#pragma once

#include "records/ConfigurationReader.h"

#include <QString>

// What a well-formed configuration file must hold before any of it reaches the window: a model
// this program configures, the firmware version of the module, and only parameters that model
// has. Without them the window would show, and a write would send, values the file never held.

// Why the file at `path` is not even opened: a folder, or no regular file at all (a pipe or a
// device, whose opening or reading may wait forever). "" for a regular file, and for a path
// that does not exist, which opening it explains.
QString FileKindProblem(const QString& path);

enum class FileContent {
    Valid,
    UnknownModel,      // line 5 names no configurable model (letter case counts)
    NoFirmware,        // no MDVERSION line, or one that is no firmware version
    ForeignParameter,  // a parameter line of another model
};

struct ContentCheck {
    FileContent content = FileContent::Valid;
    QString detail;  // the model code, the MDVERSION value or the parameter's name
};

// Looks at the key lines the loader applies: those before the end of the entry list. A key
// that names no catalogue parameter at all is left to the loader, which refuses it as it comes.
ContentCheck CheckConfigurationContent(const ConfigurationText& text);
