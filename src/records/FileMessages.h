#pragma once

#include "records/ConfigurationCheck.h"
#include "records/ConfigurationReader.h"

#include <QString>

// The texts of the boxes that loading and saving configuration files show.

// A file whose shape, keys or numbers cannot be a configuration (buttons Abort and Retry),
// followed by `reason`, the one thing the loader could not use, when there is one.
QString InvalidConfigurationFileText(const QString& reason);
// A choice value that names none of the entry's choices (buttons OK and Retry).
QString UnrecognisedValueText(const QString& name, const QString& value);
// Why the loader found a file invalid, in one line: the box shows it below its text and the
// command line prints it after the file's name. The file's shape or content ("" when valid), a key
// that names no parameter, a value that is no number the parameter can take.
QString ShapeProblemText(FileShape shape);
QString ContentProblemText(const ContentCheck& check, const QString& model);
QString KeyProblemText(const QString& key);
QString ValueProblemText(const QString& key, const QString& value);
// The file could not be opened or read; `reason` says why and names it.
QString UnreadableFileText(const QString& reason);
// The file could not be created or written; `reason` says why and names it.
QString UnwritableFileText(const QString& reason);
