#include "support/ProgramRun.h"

#include <QDir>
#include <QFile>

ProgramRun::ProgramRun(const QString& folder) {
    state.ProgramFolder = folder;
    state.OnlineOverride = false;
    // The port list of the start-up probes no port of the machine the tests run on.
    state.SearchedPorts = QStringList();
    form = std::make_unique<TForm1>(state);
}

QByteArray ConfigIniBytes(const QString& folder) {
    QFile file(QDir(folder).filePath(QStringLiteral("config.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool WriteConfigIni(const QString& folder, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(QStringLiteral("config.ini")));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString ShownFolder(const QString& folder) {
    return QDir::toNativeSeparators(QDir(folder).absolutePath() + QLatin1Char('/'));
}
