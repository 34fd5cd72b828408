#include "link/ModuleTag.h"

#include "link/ModuleSession.h"
#include "link/RegisterProtocol.h"

#include <QStringList>

namespace {

constexpr int RegistersPerTag = TagLength / 2;
constexpr int TagTurnaroundMs = 50;

int firstReadRegister(int channel) {
    return channel == 2 ? 0x110 : 0x100;
}

QString tagCommand(int registerCode, const QString& data) {
    return QStringLiteral("0") + QString::number(registerCode, 16).toUpper() + data;
}

QChar tagCharacter(int code) {
    // A register never written holds zero bytes; they show as blanks.
    return code == 0 ? QLatin1Char(' ') : QChar(code);
}

QString byteHex(QChar c) {
    const int code = c.unicode() <= 0xFF ? c.unicode() : '?';
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

TagReadResult ReadTagOn(ModuleSession& session, int channel) {
    TagReadResult result;
    QString tag;
    for (int k = 0; k < RegistersPerTag; ++k) {
        const int registerCode = firstReadRegister(channel) + 2 * k;
        session.send(tagCommand(registerCode, QStringLiteral("0000")));
        session.pause(TagTurnaroundMs);
        const RegisterReply reply = session.read();
        const auto word = ParseHexWord(ReplyData(reply.text));
        if (!word) {
            result.failure =
                reply.kind == ReplyKind::LineGone ? TagFailure::LineGone : TagFailure::BadReply;
            result.failedRegister = registerCode;
            return result;
        }
        tag += tagCharacter(*word >> 8);
        tag += tagCharacter(*word & 0xFF);
    }
    result.tag = tag;
    return result;
}

QStringList TagWriteCommands(int channel, const QString& text) {
    const QString padded = text.leftJustified(TagLength, QLatin1Char(' '), true);
    QStringList commands;
    for (int k = 0; k < RegistersPerTag; ++k) {
        const int writeCode = firstReadRegister(channel) + 2 * k + 1;
        commands << tagCommand(writeCode, byteHex(padded[2 * k]) + byteHex(padded[2 * k + 1]));
    }
    return commands;
}

TagWriteResult WriteTagOn(ModuleSession& session, int channel, const QString& text) {
    TagWriteResult result;
    for (const QString& command : TagWriteCommands(channel, text)) {
        if (!session.send(command)) {
            result.failure = TagFailure::LineGone;  // the rest would not arrive either
            return result;
        }
        session.pause(TagTurnaroundMs);
    }
    result.written = true;
    return result;
}

QString CleanTag(const QString& text, bool* replaced) {
    QString cleaned = text;
    bool any = false;
    for (QChar& c : cleaned) {
        if (c.unicode() < 32 || c.unicode() > 126) {
            c = QLatin1Char('?');
            any = true;
        }
    }
    if (replaced != nullptr) {
        *replaced = any;
    }
    return cleaned;
}
