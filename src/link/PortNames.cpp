#include "link/PortNames.h"

#include <QRegularExpression>

QString SystemPortLocation(const QString& portName) {
#ifdef Q_OS_WIN
    return portName;
#else
    static const QRegularExpression comPattern(QStringLiteral("^COM([1-9][0-9]*)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (const auto match = comPattern.match(portName); match.hasMatch()) {
        return QStringLiteral("/dev/ttyS%1").arg(match.captured(1).toInt() - 1);
    }
    if (portName.startsWith(QLatin1Char('/'))) {
        return portName;
    }
    return QStringLiteral("/dev/") + portName;
#endif
}
