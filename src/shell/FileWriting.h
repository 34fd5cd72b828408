#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>
#include <QString>

class QFileDevice;

// Putting bytes into files so that a failing disk never leaves half a file behind: a whole-file
// save replaces the file only once the new one is complete, and an append that cannot complete
// is taken back. Every piece goes through a DiskWriter, so a test can make the n-th write fail
// the way a full disk does.

// The write calls of one run.
class DiskWriter {
  public:
    virtual ~DiskWriter() = default;
    // Writes all of `bytes` at the position of the open, unbuffered `file`. Returns "" when
    // every byte went in, otherwise the system's reason; some of the bytes may have gone in.
    virtual QString write(QFileDevice& file, QByteArrayView bytes);
};

// The system's own writes; it keeps no state, so every run may share it.
DiskWriter& SystemDisk();

// How a write ended: done, or not done for the system's `reason` ("No space left on device").
struct FileWriteResult {
    bool written = false;
    QString reason;
};

// A new version of a file, written piece by piece beside it and put in its place by commit()
// only when every piece went in. Without a successful commit() the old file stays as it was.
// A pipe or a terminal at `path` is written into as a stream instead, and never replaced; a
// folder, block device or socket is refused.
class FileReplacement {
  public:
    FileReplacement(const QString& path, DiskWriter& disk);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once a piece could not be written; later pieces are then ignored.
    bool write(QByteArrayView bytes);
    // Why a piece could not be written; "" while all went in.
    const QString& reason() const { return reason_; }
    FileWriteResult commit();

  private:
    QFileDevice& target();

    QSaveFile file_;
    // Used in place of file_ when `path` is a pipe or a terminal.
    QFile stream_;
    bool streaming_ = false;
    DiskWriter& disk_;
    QString reason_;
};

// Replaces the file at `path` with `bytes` as a whole: afterwards it holds either all of them
// or exactly what it held before (no file, when there was none).
FileWriteResult ReplaceFile(const QString& path, QByteArrayView bytes, DiskWriter& disk);

// Copies `source` to `target` the same way: a file of that name is replaced only by a complete
// copy.
FileWriteResult CopyFileWhole(const QString& source, const QString& target, DiskWriter& disk);

// Adds `bytes` at the end of `path`, creating the file when missing. An append that cannot
// complete is taken back, so the file keeps its old length (or is not created).
FileWriteResult AppendToFile(const QString& path, QByteArrayView bytes, DiskWriter& disk);
