#pragma once

#include <QString>
#include <QStringList>

// Where a command's output may go. A file the run reads, or one the program keeps for itself,
// is never replaced by an output; compared as files, so a link or another spelling of the
// path is the same file.

// What stands at a path an output is to be written to.
enum class OutputPlace {
    Absent,   // nothing yet: a new file
    Regular,  // a file, replaced as a whole
    Stream,   // a pipe or a character device (/dev/stdout): written into, never replaced
    Other,    // a folder, a block device, a socket: refused
};
OutputPlace OutputPlaceOf(const QString& path);

// True when both paths lead to one existing file.
bool SameFile(const QString& first, const QString& second);

// Why `path` must not receive an output of a run that reads `inputs` and keeps its records in
// `programFolder`; "" when it may.
QString OutputRefusal(const QString& path, const QStringList& inputs, const QString& programFolder);
