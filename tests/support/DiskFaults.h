#pragma once

#include "shell/FileWriting.h"

#include <QString>
#include <QTemporaryDir>

// The disk failing on purpose: a writer that fails chosen writes, and a real file system so
// small that it fills up.

// What the system says when the disk is full.
inline const QString DiskFullReason = QStringLiteral("No space left on device");

// Fails writes number `first` .. `first` + `count` - 1 of its run (counted from 1) as a full disk
// does: half of the piece goes in, then the write stops with DiskFullReason. Other writes are the
// system's own.
class FailingDisk final : public DiskWriter {
  public:
    explicit FailingDisk(int first, int count = 1) : first_(first), last_(first + count - 1) {}
    // A disk that stays full from write `first` on.
    static FailingDisk FullFrom(int first) { return FailingDisk(first, 1'000'000); }

    QString write(QFileDevice& file, QByteArrayView bytes) override;
    int writes() const { return writes_; }

  private:
    int first_;
    int last_;
    int writes_ = 0;
};

// A 64 KiB tmpfs mounted on a temporary folder for the life of the object, unmounted when it
// goes. Mounting needs root: `mounted()` is false (with `why()`) where it is not possible.
class SmallDisk {
  public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    QString path() const { return folder_.path(); }

    // Takes every free byte with a filler file; true when the disk is then full.
    bool fill();

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString why_;
};
