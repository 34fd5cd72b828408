#include "shell/OutputTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The identity of the file at `path` (links followed), or "" when there is none.
QString fileIdentity(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    return QStringLiteral("%1:%2").arg(status.st_dev).arg(status.st_ino);
#else
    return QFileInfo(path).canonicalFilePath();
#endif
}

// The folder of `path` with links resolved, and its name: how a file not yet made is compared.
QString resolvedLocation(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(info.fileName());
}

bool samePlace(const QString& path, const QString& kept) {
    if (SameFile(path, kept)) {
        return true;
    }
    const QString location = resolvedLocation(path);
    return !location.isEmpty() && location == resolvedLocation(kept);
}

// What the program folder holds for itself, each with the words that name it in a refusal.
QString keptFileName(const QString& path, const QString& programFolder) {
    const QDir home(programFolder);
    const QDir logs(home.filePath(QStringLiteral("log")));
    const std::pair<QString, QString> kept[] = {
        {home.filePath(QStringLiteral("config.ini")), QStringLiteral("settings file")},
        {logs.filePath(QStringLiteral("config.log")), QStringLiteral("configuration log")},
        {logs.filePath(QStringLiteral("system.log")), QStringLiteral("system log")},
    };
    for (const auto& [file, words] : kept) {
        if (samePlace(path, file)) {
            return words;
        }
    }
    // The copies the configuration log is rotated into: config_<date>_<time>[_n].log.
    static const QRegularExpression rotated(QStringLiteral("^config_.*\\.log$"));
    const QFileInfo info(path);
    const QString logFolder = logs.canonicalPath();
    if (!logFolder.isEmpty() && info.absoluteDir().canonicalPath() == logFolder &&
        rotated.match(info.fileName()).hasMatch()) {
        return QStringLiteral("copy of its configuration log");
    }
    return {};
}

}  // namespace

OutputPlace OutputPlaceOf(const QString& path) {
#ifndef Q_OS_UNIX
    const QFileInfo info(path);
    return !info.exists()  ? OutputPlace::Absent
           : info.isFile() ? OutputPlace::Regular
                           : OutputPlace::Other;
#else
    struct stat status {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0) {
        return OutputPlace::Absent;
    }
    if (S_ISREG(status.st_mode)) {
        return OutputPlace::Regular;
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        return OutputPlace::Stream;
    }
    return OutputPlace::Other;
#endif
}

bool SameFile(const QString& first, const QString& second) {
    const QString one = fileIdentity(first);
    return !one.isEmpty() && one == fileIdentity(second);
}

QString OutputRefusal(const QString& path, const QStringList& inputs,
                      const QString& programFolder) {
    const QString shown = QDir::toNativeSeparators(path);
    for (const QString& input : inputs) {
        // A pipe may be read and written by one run; only a file would be lost.
        if (OutputPlaceOf(input) == OutputPlace::Regular && SameFile(path, input)) {
            return shown + QStringLiteral(
                               " is the file this command reads: writing to it "
                               "would destroy it. Choose another output file.");
        }
    }
    if (!programFolder.isEmpty()) {
        const QString kept = keptFileName(path, programFolder);
        if (!kept.isEmpty()) {
            return shown + QStringLiteral(" is the program's own ") + kept +
                   QStringLiteral(": writing to it would destroy it. Choose another output file.");
        }
    }
    if (OutputPlaceOf(path) == OutputPlace::Other) {
        return shown + QStringLiteral(
                           " is neither a file, a pipe nor a terminal: nothing is "
                           "written to it.");
    }
    return {};
}
