#pragma once

#include "catalogue/EntryList.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// Reading a .NVC configuration file into the entry list, without touching the window: the file's
// shape, the model line and the key lines. What the keys and values mean is decided when the list
// is applied to the window.

// Why a file cannot be a configuration file at all, before any of its lines is applied.
enum class FileShape {
    Valid,
    TooFewLines,      // the model code on line 5 is missing
    ShortModelLine,   // line 5 holds fewer than six characters
    TooManyKeyLines,  // more key lines than the entry list has slots
    NotText,          // NUL bytes: a binary file, or one a crash left zeroed
};

struct ConfigurationText {
    FileShape shape = FileShape::Valid;
    QString model;      // the first six characters of line 5
    EntryList entries;  // the key lines in file order, from slot 1
    int keyLines = 0;
};

// Lines end with LF, a CR before it is dropped; bytes are Latin-1. Lines 1 to 4 are never
// examined, but no byte of the file may be NUL. Key lines follow line 5 up to the first empty line
// or the end of the file.
ConfigurationText ReadConfigurationText(const QByteArray& bytes);

// The key of a key line: the characters before the one directly in front of the first "=",
// ending before the first two blanks in a row. "" when the line has no "=".
QString KeyOfLine(QStringView line);
// The value of a key line: everything from the second character after the first "=" (the first
// is the blank of " = "). A line without "=" gives all but its first character.
QString ValueOfLine(QStringView line);

// Registers hold 16 bits: a signed value down to -32768 or a plain word up to 65535.
inline constexpr int SmallestFileNumber = -32768;
inline constexpr int LargestFileNumber = 65535;

// A number value of the file (a number parameter or MDVERSION) as the integer it stands for: the
// shown text loses its "," and "." ("4.000" with three decimals is 4000). Surrounding blanks are
// ignored. Nothing when the rest is no decimal integer or does not fit a register.
std::optional<int> FileNumber(const QString& value);

// The firmware version of an MDVERSION value: a number as FileNumber reads it, from 1 to 65535
// (a module that reports 0 is no module). Nothing otherwise.
std::optional<int> FileFirmware(const QString& value);

// DATE, TIME, SWVERSION, MDVERSION, DONEBY, DONEFOR, TAG1 and TAG2: keys that are not
// parameters of the catalogue.
bool IsHeaderKey(const QString& key);

// The line of the file that slot `n` (1-based) of the entry list was read from: key lines follow
// the model code on line 5.
inline constexpr int FileLineOfSlot(int n) {
    return 5 + n;
}

// Whether the entry list ends at slot `n` (1-based): slots n to n+3 all have an empty key and an
// empty value. Slots beyond the list count as empty.
bool EntriesEndAt(const EntryList& entries, int n);
