#include "support/WindowBench.h"

#include <QDir>
#include <QFile>

WindowBench::WindowBench(const QString& model, int firmware, bool paced, ReplyTiming timing)
    : SimulatedPort(model, firmware, paced, timing) {
    state.ProgramFolder = home.path();
    state.OnlineOverride = false;
    form = std::make_unique<TForm1>(state);
}

QString WindowBench::lastLogText() const {
    const QStringList& log = form->LogLines();
    if (log.isEmpty()) {
        return {};
    }
    return log.last().mid(QStringLiteral("[hh:mm:ss] - ").size());
}

QByteArray WindowBench::configurationLog() const {
    QFile file(QDir(home.path()).filePath(QStringLiteral("log/config.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
