#include "records/SystemLog.h"

#include "shell/FileWriting.h"
#include "shell/ProgramFolder.h"

#include <QDir>

QByteArray SystemLogBlock(const QString& date, const QStringList& logLines) {
    QByteArray block = (date + SystemLogRule).toLatin1() + "\r\n";
    for (const QString& line : logLines) {
        block += line.toLatin1() + "\r\n";
    }
    return block;
}

SystemLogOutcome AppendToSystemLog(const QString& programFolder, const QString& date,
                                   const QStringList& logLines, DiskWriter& disk) {
    const QString path = QDir(ProgramSubfolder(programFolder, QStringLiteral("log")))
                             .filePath(QStringLiteral("system.log"));
    const FileWriteResult result = AppendToFile(path, SystemLogBlock(date, logLines), disk);
    if (result.written) {
        return {true, {}};
    }
    return {false, QDir::toNativeSeparators(path) + QStringLiteral(": ") + result.reason};
}
