#include "support/ProgramProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

QString ProgramPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../kvc7345"));
}

ProcessOutcome RunProgram(const QString& home, const QStringList& arguments, ReplyTiming timing) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    const qsizetype port = arguments.indexOf(QStringLiteral("--port"));
    if (timing == ReplyTiming::Simulated && port >= 0 && port + 1 < arguments.size()) {
        environment.insert(QStringLiteral("KVC7345_SIMULATED_PORTS"), arguments.at(port + 1));
    }
    process.setProcessEnvironment(environment);
    process.start(ProgramPath(), arguments + QStringList{QStringLiteral("--home"), home});
    ProcessOutcome outcome;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}
