#pragma once

#include "shell/SettingsStore.h"

#include <QByteArray>
#include <QString>

class DiskWriter;

// config.ini: one "key = value" line per setting in slot order, Latin-1, CR LF after every line.
// Keys are filled with blanks to this width, so "=" stands in column 17 and the value begins in
// column 19; a longer key is written unchanged.
inline constexpr int SettingsKeyWidth = 15;

// The path of config.ini in the program folder.
QString SettingsFilePath(const QString& programFolder);

// One line of the file, without its line end.
QString SettingsLine(const QString& key, const QString& value);

// The whole file for the slots before the first empty key.
QByteArray SettingsFileText(const SettingsStore& store);

// Empties the store and fills slots 1, 2, ... from the file's lines until an empty line, the
// end of the text or the 50th line. A line's key is the text before its first "=" without trailing
// blanks (a line without "=" leaves its slot's key empty); its value is everything after the blank
// that follows "=", blanks kept. False, with the store untouched, when the first line is empty or
// there is no line at all.
bool ParseSettingsText(const QByteArray& text, SettingsStore& store);

// What reading config.ini found.
enum class SettingsFileStatus {
    Read,        // the settings are in the store
    Missing,     // no file
    Empty,       // no first line, or an empty one
    Unreadable,  // the file is there but could not be opened or read (see `error`)
};

struct SettingsFileRead {
    SettingsFileStatus status = SettingsFileStatus::Missing;
    QString error;
};

SettingsFileRead ReadSettingsFile(const QString& path, SettingsStore& store);

// Replaces the file as a whole from the store, through `disk`, so a crash or a full disk never
// leaves half a file: either the new file is in place or the old one still is. `error` gives the
// system's reason when not.
struct SettingsFileWrite {
    bool written = false;
    QString error;
};

SettingsFileWrite WriteSettingsFile(const QString& path, const SettingsStore& store,
                                    DiskWriter& disk);

// The settings used when config.ini is missing: slots 1 to 12, ADMINPASSWORD to NOCONFIRMWRITE.
void LoadRescueSet(SettingsStore& store);
