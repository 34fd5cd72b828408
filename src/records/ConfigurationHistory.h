#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The configuration history: every configuration the configuration log holds, in "log/config.log"
// and in the copies "log/config_<stamp>.log" it was rotated into. Indexing reads each file once,
// in large blocks, and keeps only where each configuration is and its header; a configuration's
// bytes are read when one is asked for. The history only ever opens the logs for reading.
//
// Numbering: 1 is the oldest configuration. The rotated copies come first, in the order of the
// time stamp in their names (a second copy of the same second, "_2", after the first), then
// config.log. A rotation moves entries into a copy without changing their order, so an entry
// keeps its number until a copy is deleted. Damaged entries get no number.

// One configuration of the log: where it is and what its header says.
struct HistoryEntry {
    int number = 0;     // 1 = the oldest
    QString file;       // the log file holding it
    qint64 offset = 0;  // the byte its first line starts at
    qint64 length = 0;  // its bytes, up to the next configuration or the end of the file
    qint64 line = 0;    // the line of the file it starts on, from 1
    QString date;       // DATE as written: the short date of the writer's locale
    QDate day;          // DATE read as a date; invalid when it cannot be read
    QString time;       // TIME, "hh:mm:ss"
    QString model;      // the model code of line 5
    int firmware = 0;   // MDVERSION
    // DONEBY, DONEFOR and the tags without the blanks that end them (a tag fills its 16
    // characters with blanks); a tag is "" when the entry has no TAG1 or TAG2 line.
    QString doneBy;
    QString doneFor;
    QString tag1;
    QString tag2;
};

// A part of a log file that is no usable configuration: an entry cut off or holding a line that
// is no key line, or text that belongs to no entry at all (a file that is not a log). It is
// skipped; the entries before and after it stay usable.
struct HistoryDamage {
    QString file;
    qint64 offset = 0;  // the byte the damaged part starts at
    qint64 line = 0;    // its first line, from 1
    QString reason;     // one line, naming the offending line where there is one
};

// "<file>, line 12 (byte 345): <reason>; skipped", the file in native separators.
QString DamageText(const HistoryDamage& damage);

struct ConfigurationHistory {
    QList<HistoryEntry> entries;  // oldest first: entries[i].number == i + 1
    QList<HistoryDamage> damaged;
};

// The log files of the program folder in history order: the rotated copies, then config.log
// when it exists.
QStringList ConfigurationLogFiles(const QString& programFolder);

// Told the bytes read so far and the total of all files, after each block; lets a window show
// progress and keep its events running.
using HistoryProgress = std::function<void(qint64 done, qint64 total)>;

// The index of every configuration of the program folder's logs. A file that cannot be opened
// is reported as damaged at its start.
ConfigurationHistory IndexConfigurationHistory(const QString& programFolder,
                                               const HistoryProgress& progress = {});

// The same for the given files, in this order.
ConfigurationHistory IndexConfigurationLogs(const QStringList& files,
                                            const HistoryProgress& progress = {});

// The bytes of one entry, exactly as the log holds them.
struct HistoryLoad {
    enum class Failure {
        None,
        Unreadable,  // the file could not be opened or read: `message` names it and why
        Changed,     // the log no longer holds this entry there (rotated or rewritten meanwhile)
    };
    Failure failure = Failure::None;
    QString message;
    QByteArray bytes;

    bool ok() const { return failure == Failure::None; }
};

HistoryLoad LoadHistoryEntry(const HistoryEntry& entry);

// Whether `text` (blanks around it ignored, letter case too) occurs in the entry's model, a tag,
// DONEBY or DONEFOR. An empty text matches every entry: the filter box of the history window.
bool HistoryEntryMatches(const HistoryEntry& entry, const QString& text);
// The positions in `entries` of those that match `text`, in order.
QList<qsizetype> FilterHistory(const QList<HistoryEntry>& entries, const QString& text);

// The command line's selection: each part given narrows it.
struct HistoryQuery {
    QString model;  // the model code, letter case ignored
    QString tag;    // occurs in TAG1 or TAG2, letter case ignored
    QDate since;    // DATE on or after this day; an entry whose date cannot be read is left out
};

bool HistoryEntryMatches(const HistoryEntry& entry, const HistoryQuery& query);
