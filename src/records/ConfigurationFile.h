#pragma once

#include "catalogue/EntryList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

class DiskWriter;

// The .NVC configuration file: three comment lines, an empty line, the model code, the header
// key lines, the tag lines and one key line per parameter. Latin-1, CR LF after every line.

struct ConfigurationHeader {
    QString model;
    QString date;  // short date format of the locale
    QString time;  // hh:mm:ss
    QString softwareVersion;
    int firmware = 0;
    QString doneBy;
    QString doneFor;
    std::optional<QString> tag1;  // written only for a model whose tag field is in use
    std::optional<QString> tag2;
};

// Keys are filled out to this width, so "=" stands in column 42 and the value starts in 44.
inline constexpr int KeyWidth = 40;
// At most this many parameter entries are written (a model has at most 42).
inline constexpr int MaxWrittenEntries = 45;

// "key" filled with blanks to 40 characters (longer keys unchanged), " = ", the value.
QString KeyLine(const QString& key, const QString& value);

// The parameter lines of the file, without line ends: one key line per entry slot 1..45 that
// has both a name and a value.
QStringList ParameterLines(const EntryList& entries);

// The whole file. Entry slots with an empty name or value are skipped one by one.
QByteArray ConfigurationFileText(const ConfigurationHeader& header, const EntryList& entries);

enum class WriteMode { Rewrite, Append };

// The configuration log is copied away and restarted once it has grown beyond this size.
inline constexpr qint64 ConfigurationLogLimit = 50'000'000;

struct WriteOutcome {
    bool written = false;
    QString error;            // the file and why it could not be written
    QString rotatedTo;        // the copy a too large log was saved to before it was restarted
    QString rotationProblem;  // the copy (and why) that failed: the log was appended to instead
};

// How long an append waits for another program that is writing to the same log.
inline constexpr std::chrono::milliseconds ConfigurationLogLockWait{10'000};

// Writes `bytes` to `path` through `disk`. Rewrite replaces the file as a whole: it ends up
// complete or as it was. Append adds to it, creating it when missing, and takes back an append
// that cannot complete. A log beyond `rotationLimit` is first copied to
// "<folder>/config_<yyyymmdd_hhnnss>.log" and restarted, but only once the copy is complete; a
// copy never replaces an earlier one: a second copy in the same second is
// "config_<stamp>_2.log", a third "_3", and so on.
// Append and rotation hold the lock file "<path>.lock", waiting up to `lockWait` for it, so that
// programs sharing the log lose none of each other's entries.
WriteOutcome WriteConfigurationBytes(const QString& path, const QByteArray& bytes, WriteMode mode,
                                     DiskWriter& disk, qint64 rotationLimit = ConfigurationLogLimit,
                                     std::chrono::milliseconds lockWait = ConfigurationLogLockWait);

// "log/config.log" in the program folder, which every read and write of a module is added to.
QString ConfigurationLogPath(const QString& programFolder);

// Writes the configuration of `header` and `entries` to `path` as WriteConfigurationBytes does:
// a saved file (Rewrite) or the configuration log (Append).
WriteOutcome WriteConfiguration(const QString& path, const ConfigurationHeader& header,
                                const EntryList& entries, WriteMode mode, DiskWriter& disk);
