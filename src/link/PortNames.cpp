#include "link/PortNames.h"

#include <QRegularExpression>

#ifndef Q_OS_WIN
namespace {

// `number` less one, for any length of digits: COMn names port n-1, and a number too large for
// an int must not wrap round to another device's name.
QString decremented(QString number) {
    qsizetype at = number.size() - 1;
    while (at >= 0 && number[at] == QLatin1Char('0')) {
        number[at--] = QLatin1Char('9');
    }
    number[at] = QChar(number[at].unicode() - 1);
    if (at == 0 && number.size() > 1 && number[0] == QLatin1Char('0')) {
        number.remove(0, 1);
    }
    return number;
}

}  // namespace
#endif

QString SystemPortLocation(const QString& portName) {
#ifdef Q_OS_WIN
    return portName;
#else
    static const QRegularExpression comPattern(QStringLiteral("^COM([1-9][0-9]*)$"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (const auto match = comPattern.match(portName); match.hasMatch()) {
        return QStringLiteral("/dev/ttyS") + decremented(match.captured(1));
    }
    if (portName.startsWith(QLatin1Char('/'))) {
        return portName;
    }
    return QStringLiteral("/dev/") + portName;
#endif
}
