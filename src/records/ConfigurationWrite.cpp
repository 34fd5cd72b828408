// Putting a configuration file on disk: a saved file replaced as a whole, or the configuration
// log appended to and, once too large, copied away and restarted.

#include "records/Clock.h"
#include "records/ConfigurationFile.h"
#include "shell/FileWriting.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

WriteOutcome outcomeOf(const QString& path, const FileWriteResult& result) {
    WriteOutcome outcome;
    outcome.written = result.written;
    if (!result.written) {
        outcome.error = shown(path) + QStringLiteral(": ") + result.reason;
    }
    return outcome;
}

// "10 seconds", or for waits below one second "200 milliseconds".
QString waitText(std::chrono::milliseconds wait) {
    return wait >= std::chrono::seconds(1) ? QStringLiteral("%1 seconds").arg(wait.count() / 1000.0)
                                           : QStringLiteral("%1 milliseconds").arg(wait.count());
}

// Where the log is copied before it restarts: a copy never replaces one made before, by another
// program or earlier in the same second.
QString freshCopyPath(const QDir& folder) {
    const QString stamp = TimeStamp();
    QString copy = folder.filePath(QStringLiteral("config_") + stamp + QStringLiteral(".log"));
    for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n) {
        copy = folder.filePath(QStringLiteral("config_%1_%2.log").arg(stamp).arg(n));
    }
    return copy;
}

WriteOutcome appendOrRotate(const QString& path, const QByteArray& bytes, DiskWriter& disk,
                            qint64 rotationLimit) {
    // Measured only now: another program may have rotated the log while this one waited.
    const QFileInfo existing(path);
    if (!existing.exists() || existing.size() <= rotationLimit) {
        return outcomeOf(path, AppendToFile(path, bytes, disk));
    }
    const QString copy = freshCopyPath(QDir(existing.absolutePath()));
    const FileWriteResult copied = CopyFileWhole(path, copy, disk);
    if (!copied.written) {
        // Without a complete copy the old log must not be emptied: it keeps growing instead.
        WriteOutcome outcome = outcomeOf(path, AppendToFile(path, bytes, disk));
        outcome.rotationProblem =
            shown(copy) + QStringLiteral(" (") + copied.reason + QStringLiteral(")");
        return outcome;
    }
    // Should the restart fail, the old log is still whole beside its copy.
    WriteOutcome outcome = outcomeOf(path, ReplaceFile(path, bytes, disk));
    outcome.rotatedTo = copy;
    return outcome;
}

}  // namespace

WriteOutcome WriteConfigurationBytes(const QString& path, const QByteArray& bytes, WriteMode mode,
                                     DiskWriter& disk, qint64 rotationLimit,
                                     std::chrono::milliseconds lockWait) {
    if (mode == WriteMode::Rewrite) {
        return outcomeOf(path, ReplaceFile(path, bytes, disk));
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWait) && lock.error() == QLockFile::LockFailedError) {
        WriteOutcome outcome;
        outcome.error = shown(path) +
                        QStringLiteral(": another program kept it locked for more than ") +
                        waitText(lockWait) + QStringLiteral(", so this entry was not added");
        return outcome;
    }
    // A folder that takes no lock file (full, or not writable) is written to all the same: the
    // append then fails, or not, for a reason of its own that says more.
    return appendOrRotate(path, bytes, disk, rotationLimit);
}

QString ConfigurationLogPath(const QString& programFolder) {
    return QDir(ProgramSubfolder(programFolder, QStringLiteral("log")))
        .filePath(QStringLiteral("config.log"));
}

WriteOutcome WriteConfiguration(const QString& path, const ConfigurationHeader& header,
                                const ModuleConfiguration& configuration,
                                const TParameterTable& catalogue, WriteMode mode,
                                DiskWriter& disk) {
    return WriteConfigurationBytes(
        path, ConfigurationFileText(header, ConfigurationEntries(configuration, catalogue)), mode,
        disk);
}
