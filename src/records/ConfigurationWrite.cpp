// Putting a configuration file on disk: a saved file replaced as a whole, or the configuration
// log appended to and, once too large, copied away and restarted.

#include "records/Clock.h"
#include "records/ConfigurationFile.h"
#include "shell/FileWriting.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

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

}  // namespace

WriteOutcome WriteConfigurationBytes(const QString& path, const QByteArray& bytes, WriteMode mode,
                                     DiskWriter& disk, qint64 rotationLimit) {
    if (mode == WriteMode::Rewrite) {
        return outcomeOf(path, ReplaceFile(path, bytes, disk));
    }
    const QFileInfo existing(path);
    if (!existing.exists() || existing.size() <= rotationLimit) {
        return outcomeOf(path, AppendToFile(path, bytes, disk));
    }
    const QString copy =
        QDir(existing.absolutePath())
            .filePath(QStringLiteral("config_") + TimeStamp() + QStringLiteral(".log"));
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

QString ConfigurationLogPath(const QString& programFolder) {
    return QDir(ProgramSubfolder(programFolder, QStringLiteral("log")))
        .filePath(QStringLiteral("config.log"));
}

WriteOutcome WriteConfiguration(const QString& path, const ConfigurationHeader& header,
                                const EntryList& entries, WriteMode mode, DiskWriter& disk) {
    return WriteConfigurationBytes(path, ConfigurationFileText(header, entries), mode, disk);
}
