#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class DiskWriter;

// The system log ("log/system.log") receives one block per run: a separator line, then the lines
// of the window's log list in their order. Latin-1, CR LF after every line.

// The separator follows the short date without a blank.
inline const QString SystemLogRule = QString(45, QLatin1Char('-'));

// One run's block: `date` (today in the short date format) + the rule, then every log line.
QByteArray SystemLogBlock(const QString& date, const QStringList& logLines);

// How adding a run's block ended: done, or not, with the file and why in `error`.
struct SystemLogOutcome {
    bool written = false;
    QString error;
};

// Adds the block of `date` and `logLines` to log/system.log in the program folder. An append
// that cannot complete is taken back.
SystemLogOutcome AppendToSystemLog(const QString& programFolder, const QString& date,
                                   const QStringList& logLines, DiskWriter& disk);
