#include "window/BrowserLoader.h"

#include "window/ProgramModules.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>

namespace {

// A file of our own is owned by the user we run as; user id 0 is the administrator. (Windows
// reports no owner id, so there this is never true.)
bool runningAsAdministrator() {
    QTemporaryFile probe;
    return probe.open() && QFileInfo(probe.fileName()).ownerId() == 0;
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
    const auto create = reinterpret_cast<Create>(
        ModuleEntryPoint(QStringLiteral("kvc7345browser"), "kvc7345_create_browser", why));
    return create != nullptr ? create(parent) : nullptr;
}
