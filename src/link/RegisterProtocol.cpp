#include "link/RegisterProtocol.h"

QString ReadRegisterCommand(const QString& registerCode) {
    return QStringLiteral("00") + registerCode + QStringLiteral("0000");
}

QString WriteRegisterCommand(const QString& registerCode, int value) {
    return QStringLiteral("00") + registerCode + HexWord(value);
}

QString ReplyData(const QString& reply) {
    return reply.mid(4, 4);
}

std::optional<int> ParseHexWord(const QString& digits) {
    if (digits.size() != 4) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return value;
}

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

QString HexWord(int value) {
    const int word = value < 0 ? value + 65536 : value;
    return QStringLiteral("%1").arg(word & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

QString VisibleReply(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            shown += c;
        } else {
            shown += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return shown;
}
