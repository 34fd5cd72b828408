#include "shell/ProgramFolder.h"

#include "shell/FileWriting.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QStringList Subfolders{QStringLiteral("log"), QStringLiteral("archive"),
                             QStringLiteral("factorydefaults")};

// The shipped data of an installed prefix, beside bin/.
QString prefixData(const QDir& exe) {
    return QDir::cleanPath(exe.filePath(QStringLiteral("../share/kvc7345")));
}

// Where an install keeps the shipped data/ (config.ini, factory defaults): beside the executable
// in a build tree or a portable install, or in share/kvc7345 of an installed prefix.
QString installedData() {
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {exe.filePath(QStringLiteral("data")),
                                     exe.filePath(QStringLiteral("../data")), prefixData(exe)}) {
        if (QFileInfo(candidate).isDir()) {
            return QDir(candidate).canonicalPath();
        }
    }
    return {};
}

// What a program folder is seeded with: the settings and the factory defaults, nothing else of
// the shipped folder (the manual stays there, so an update of the package updates it).
bool seeded(const QString& relative) {
    return relative == QLatin1String("config.ini") ||
           relative.startsWith(QLatin1String("factorydefaults/"));
}

// Copies the shipped files an installer would put beside the program, keeping what is there.
// config.ini is the user's: it is put only into a folder never used before (no log folder
// yet), so a config.ini deleted later brings the rescue settings, not a fresh install.
void seed(const QString& folder) {
    QDir().mkpath(folder);
    const bool firstUse = !QFileInfo::exists(QDir(folder).filePath(QStringLiteral("log")));
    const QString data = installedData();
    if (!data.isEmpty()) {
        QDirIterator files(data, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString relative = QDir(data).relativeFilePath(source);
            if (!seeded(relative) || (relative == QLatin1String("config.ini") && !firstUse)) {
                continue;
            }
            const QString target = QDir(folder).filePath(relative);
            if (!QFileInfo::exists(target)) {
                QDir().mkpath(QFileInfo(target).path());
                // Only a complete copy appears: a full disk leaves no half config.ini.
                CopyFileWhole(source, target, SystemDisk());
            }
        }
    }
    for (const QString& name : Subfolders) {
        QDir(folder).mkpath(name);
    }
}

}  // namespace

QString ResolveProgramFolder(const QString& home) {
    QString folder = home.isEmpty() ? qEnvironmentVariable("KVC7345_HOME") : home;
    if (folder.isEmpty()) {
        const QString exe = QCoreApplication::applicationDirPath();
        // The bin/ of an installed prefix is never the program folder, even when writable.
        const bool portable = QFileInfo(exe).isWritable() && !QFileInfo(prefixData(exe)).isDir();
        if (QFileInfo::exists(QDir(exe).filePath(QStringLiteral("config.ini"))) || portable) {
            folder = exe;
        } else {
            folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        }
    }
    folder = QDir(folder).absolutePath();
    seed(folder);
    return folder;
}

QString ProgramSubfolder(const QString& programFolder, const QString& name) {
    const QString path = QDir(programFolder).filePath(name);
    QDir().mkpath(path);
    return path;
}

QStringList ManualFolders(const QString& programFolder, const QString& applicationFolder) {
    const QDir exe(applicationFolder);
    QStringList folders;
    for (const QString& folder :
         {QDir::cleanPath(programFolder), prefixData(exe), QDir::cleanPath(exe.absolutePath())}) {
        if (!folders.contains(folder)) {
            folders << folder;
        }
    }
    return folders;
}
