#include "shell/FileWriting.h"

#include "shell/OutputTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The pieces a copy is read and written in.
constexpr qint64 CopyChunk = 1 << 20;

// Files are written unbuffered: a buffered write reports success for bytes that only fail
// later, when the buffer is flushed (a full disk found by QSaveFile::commit() goes unnoticed).
constexpr QIODevice::OpenMode UnbufferedWrite = QIODevice::WriteOnly | QIODevice::Unbuffered;

// Why `file` at `path` did not open. A missing folder is named rather than the file, since
// "No such file or directory" is what a new file's open always meets there.
QString openFailure(const QFileDevice& file, const QString& path) {
    const QDir folder = QFileInfo(path).absoluteDir();
    if (folder.exists()) {
        return file.errorString();
    }
    QString reason = QStringLiteral("the folder ") +
                     QDir::toNativeSeparators(folder.absolutePath()) +
                     QStringLiteral(" does not exist");
    QDir above = folder;
    if (above.cdUp() && !QFileInfo(above.absolutePath()).isWritable()) {
        reason += QStringLiteral(" and cannot be made: ") +
                  QDir::toNativeSeparators(above.absolutePath()) +
                  QStringLiteral(" may not be written to");
    }
    return reason;
}

}  // namespace

QString DiskWriter::write(QFileDevice& file, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        // A short write sets no reason; the next call meets the error itself and names it.
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            if (file.error() != QFileDevice::NoError) {
                return file.errorString();
            }
            return QStringLiteral("only %1 of %2 bytes could be written")
                .arg(done)
                .arg(bytes.size());
        }
        done += written;
    }
    return {};
}

DiskWriter& SystemDisk() {
    static DiskWriter system;
    return system;
}

FileReplacement::FileReplacement(const QString& path, DiskWriter& disk)
    : file_(path), stream_(path), disk_(disk) {
    switch (OutputPlaceOf(path)) {
        case OutputPlace::Stream:
            // A save beside it and a rename would put a plain file where the pipe or device was.
            streaming_ = true;
            break;
        case OutputPlace::Other:
            // A folder is left to the save itself, which names it as such.
            if (!QFileInfo(path).isDir()) {
                reason_ = QStringLiteral("not a file, a pipe or a terminal");
                return;
            }
            break;
        case OutputPlace::Absent:
        case OutputPlace::Regular:
            break;
    }
    if (!target().open(UnbufferedWrite)) {
        reason_ = openFailure(target(), path);
    }
}

QFileDevice& FileReplacement::target() {
    return streaming_ ? static_cast<QFileDevice&>(stream_) : file_;
}

bool FileReplacement::write(QByteArrayView bytes) {
    if (reason_.isEmpty()) {
        reason_ = disk_.write(target(), bytes);
    }
    return reason_.isEmpty();
}

FileWriteResult FileReplacement::commit() {
    if (reason_.isEmpty() && !target().flush()) {
        reason_ = target().errorString();
    }
    if (streaming_) {
        stream_.close();
        return {reason_.isEmpty(), reason_};
    }
    if (!reason_.isEmpty()) {
        // The half-written new file goes; the old one was never touched.
        if (file_.isOpen()) {
            file_.cancelWriting();
        }
        return {false, reason_};
    }
    if (!file_.commit()) {
        return {false, file_.errorString()};
    }
    return {true, {}};
}

FileWriteResult ReplaceFile(const QString& path, QByteArrayView bytes, DiskWriter& disk) {
    FileReplacement replacement(path, disk);
    replacement.write(bytes);
    return replacement.commit();
}

FileWriteResult CopyFileWhole(const QString& source, const QString& target, DiskWriter& disk) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        return {false, input.errorString()};
    }
    FileReplacement copy(target, disk);
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(CopyChunk);
        if (chunk.isEmpty()) {
            return {false, input.errorString()};
        }
        if (!copy.write(chunk)) {
            break;
        }
    }
    return copy.commit();
}

FileWriteResult AppendToFile(const QString& path, QByteArrayView bytes, DiskWriter& disk) {
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(UnbufferedWrite | QIODevice::Append)) {
        return {false, openFailure(file, path)};
    }
    const qint64 oldSize = file.size();
    QString reason = disk.write(file, bytes);
    if (reason.isEmpty()) {
        return {true, {}};
    }
    // Whatever part went in is taken back: a log never ends in half a line.
    const bool restored = existed ? file.resize(oldSize) : file.remove();
    if (!restored) {
        reason += QStringLiteral("; the part written could not be taken back (") +
                  file.errorString() + QStringLiteral(")");
    }
    return {false, reason};
}
