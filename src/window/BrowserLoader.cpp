#include "window/BrowserLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QTemporaryFile>

namespace {

// A file of our own is owned by the user we run as; user id 0 is the administrator. (Windows
// reports no owner id, so there this is never true.)
bool runningAsAdministrator() {
    QTemporaryFile probe;
    return probe.open() && QFileInfo(probe.fileName()).ownerId() == 0;
}

// Beside the program (a build or a portable copy), or in the installed library folder.
QStringList moduleCandidates() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral("kvc7345browser")),
            programFolder.filePath(QStringLiteral("../lib/kvc7345/plugins/kvc7345browser"))};
}

}  // namespace

bool BrowserCanRun() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return false;
    }
    return !runningAsAdministrator() ||
           qEnvironmentVariableIntValue("QTWEBENGINE_DISABLE_SANDBOX") != 0;
}

QWidget* LoadBrowserWindow(QWidget* parent, QString* why) {
    using Create = QWidget* (*)(QWidget*);
    for (const QString& candidate : moduleCandidates()) {
        QLibrary module(candidate);
        // The module stays loaded for the rest of the run: its window lives that long.
        if (module.load()) {
            if (auto create = reinterpret_cast<Create>(module.resolve("kvc7345_create_browser"))) {
                return create(parent);
            }
        }
        *why = module.errorString();
    }
    return nullptr;
}
