#pragma once

#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"

#include <QDateTime>
#include <QStringList>

class TForm1;

// The configuration the window shows, taken as values for the services that save, print,
// compare and verify it.

// The header a save writes, made at `moment`: the model and its firmware, the texts of the
// Settings page's additional information, and the tags of the fields in use.
ConfigurationHeader ShownHeader(const TForm1& form,
                                const QDateTime& moment = QDateTime::currentDateTime());

// The model, its firmware, the additional information a loaded file brought (none after a
// read), the tags in use and every parameter the window holds.
ConfigurationValues ShownValues(const TForm1& form);

// What "kvc7345 show" prints of a loaded file, line by line: the model, the header lines, the
// tags in use and the lines of the parameters the file held, as a save writes them.
QStringList ShownConfigurationLines(const TForm1& form);
