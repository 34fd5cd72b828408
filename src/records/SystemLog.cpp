#include "records/SystemLog.h"

QByteArray SystemLogBlock(const QString& date, const QStringList& logLines) {
    QByteArray block = (date + SystemLogRule).toLatin1() + "\r\n";
    for (const QString& line : logLines) {
        block += line.toLatin1() + "\r\n";
    }
    return block;
}
