#include "link/ModuleTag.h"

#include "link/Identification.h"
#include "link/RegisterProtocol.h"
#include "shell/ProgramState.h"

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

TagReadResult ReadTag(ProgramState& state, int channel) {
    TagReadResult result;
    if (!TryPort(state)) {
        result.failure = TagReadFailure::NoModule;
        return result;
    }
    SerialLink& link = state.link;
    link.ComHandle = link.OpenComm(state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    QString tag;
    for (int k = 0; k < RegistersPerTag; ++k) {
        const int registerCode = firstReadRegister(channel) + 2 * k;
        link.WriteToComm(link.ComHandle, tagCommand(registerCode, QStringLiteral("0000")));
        link.pause(TagTurnaroundMs);
        const QString data = ReplyData(link.ReadFromComm(link.ComHandle));
        const auto word = ParseHexWord(data);
        if (!word) {
            link.ShutDownComm(link.ComHandle);
            result.failure = TagReadFailure::BadReply;
            result.failedRegister = registerCode;
            return result;
        }
        tag += tagCharacter(*word >> 8);
        tag += tagCharacter(*word & 0xFF);
    }
    link.ShutDownComm(link.ComHandle);
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

bool WriteTag(ProgramState& state, int channel, const QString& text) {
    if (!TryPort(state)) {
        return false;
    }
    SerialLink& link = state.link;
    link.ComHandle = link.OpenComm(state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    if (link.ComHandle == InvalidHandle) {
        link.ComHandle = 0;
        return false;
    }
    bool sent = true;
    for (const QString& command : TagWriteCommands(channel, text)) {
        if (!link.WriteToComm(link.ComHandle, command)) {
            sent = false;  // the line is gone; the rest would not arrive either
            break;
        }
        link.pause(TagTurnaroundMs);
    }
    link.ShutDownComm(link.ComHandle);
    return sent;
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
