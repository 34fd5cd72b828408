#pragma once

#include "records/LoadRecord.h"

#include <QString>

// What the commands that load a configuration file add on standard error to the loader's boxes.

// Why the loader refused `file`, when the box it showed does not say.
void PrintLoadRefusal(const FileLoadRecord& load, const QString& file);
// The notes of the load: what the configuration took otherwise than the file writes it, the
// keys given twice and the lines it left out.
void PrintLoadNotes(const FileLoadRecord& load);
