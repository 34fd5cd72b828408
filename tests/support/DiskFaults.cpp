#include "support/DiskFaults.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString FailingDisk::write(QFileDevice& file, QByteArrayView bytes) {
    ++writes_;
    if (writes_ < first_ || writes_ > last_) {
        return DiskWriter::write(file, bytes);
    }
    // Torn, as a real full disk leaves it: the caller must take the first half back.
    DiskWriter::write(file, bytes.first(bytes.size() / 2));
    return DiskFullReason;
}

SmallDisk::SmallDisk() {
    if (!folder_.isValid()) {
        why_ = QStringLiteral("no temporary folder");
        return;
    }
    if (::geteuid() != 0) {
        why_ = QStringLiteral("mounting a tmpfs needs root");
        return;
    }
    const QByteArray target = QFile::encodeName(folder_.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0) {
        why_ = QStringLiteral("mount -t tmpfs failed: ") +
               QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        // Lazily, so that a file a failed test left open cannot keep the mount.
        ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
}

bool SmallDisk::fill() {
    QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray page(4096, 'f');
    while (filler.write(page) > 0) {
    }
    filler.close();
    return QStorageInfo(path()).bytesAvailable() == 0;
}
