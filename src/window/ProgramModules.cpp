#include "window/ProgramModules.h"

#include <QCoreApplication>
#include <QDir>

QFunctionPointer ModuleEntryPoint(const QString& name, const char* function, QString* why) {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programFolder.filePath(name),
        programFolder.filePath(QStringLiteral("../lib/kvc7345/plugins/") + name)};
    for (const QString& candidate : candidates) {
        QLibrary module(candidate);
        if (module.load()) {
            if (const QFunctionPointer entry = module.resolve(function)) {
                return entry;
            }
        }
        *why = module.errorString();
    }
    return nullptr;
}
