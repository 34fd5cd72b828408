#pragma once

#include <QString>

// The texts of the boxes that loading and saving configuration files show.

// A file whose shape, keys or numbers cannot be a configuration (buttons Abort and Retry).
QString InvalidConfigurationFileText();
// A choice value that names none of the entry's choices (buttons OK and Retry).
QString UnrecognisedValueText(const QString& name, const QString& value);
// The file could not be opened or read; `reason` says why and names it.
QString UnreadableFileText(const QString& reason);
// The file could not be created or written; `reason` says why and names it.
QString UnwritableFileText(const QString& reason);
