#pragma once

#include "records/ConfigurationHistory.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// An entry of the configuration history as the commands take it: by its number, its bytes read
// from the log and, for a load, put into a temporary file, so that it loads through the window
// exactly as any file does.
class HistoryEntryFile {
  public:
    // Reads entry `number` (the text given, "12") of the history of `programFolder`. When that
    // fails, the reason has been printed on standard error.
    HistoryEntryFile(const QString& programFolder, const QString& number);

    bool ok() const { return status_ == 0; }
    // 2 for a number the history does not hold, 1 for an entry that could not be read.
    int status() const { return status_; }
    const HistoryEntry& entry() const { return entry_; }
    // The entry's bytes, exactly as the log holds them.
    const QByteArray& bytes() const { return bytes_; }
    // A temporary file holding the bytes, for as long as this object lives; "" (after saying
    // why) when it could not be written.
    QString path();

  private:
    int status_ = 0;
    HistoryEntry entry_;
    QByteArray bytes_;
    std::unique_ptr<QTemporaryDir> folder_;
    QString path_;
};

// The N of a "history:N" argument; nothing when the argument names a file instead.
std::optional<QString> HistoryReference(const QString& argument);
