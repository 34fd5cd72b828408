#pragma once

#include "records/ConfigurationFile.h"

#include <QDateTime>

class TForm1;

// The header a save writes for the configuration the window shows, made at `moment`: the model
// and its firmware, the texts of the Settings page's additional information, and the tags of
// the fields in use.
ConfigurationHeader ShownHeader(const TForm1& form,
                                const QDateTime& moment = QDateTime::currentDateTime());
