#include "support/WindowBench.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

WindowBench::WindowBench(const QString& model, int firmware, bool paced)
    : SimulatedPort(model, firmware, paced) {
    state.ProgramFolder = home.path();
    state.OnlineOverride = false;
    form = std::make_unique<TForm1>(state);
}

QString WindowBench::lastLogText() const {
    const auto* log = form->Find<QListWidget>(QStringLiteral("ListBox1"));
    if (log->count() == 0) {
        return {};
    }
    return log->item(log->count() - 1)->text().mid(QStringLiteral("[hh:mm:ss] - ").size());
}

QByteArray WindowBench::configurationLog() const {
    QFile file(QDir(home.path()).filePath(QStringLiteral("log/config.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
