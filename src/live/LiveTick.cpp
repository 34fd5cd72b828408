#include "live/LiveTick.h"

#include "catalogue/RegisterWord.h"
#include "link/ModuleSession.h"
#include "link/RegisterProtocol.h"

QString LiveValueCommand(int channel) {
    return channel == 1 ? QStringLiteral("00E20000") : QStringLiteral("00E30000");
}

LiveTick LiveTickFromReply(const RegisterReply& reply, const QString& model) {
    // A reply cut short, run on, or shifted by bytes of another has data positions that may
    // still read as a number, one the module never sent.
    if (reply.kind == ReplyKind::Answered) {
        if (const auto word = ParseHexWord(ReplyData(reply.text))) {
            return {ReplyKind::Answered, WordToValue(*word, model)};
        }
        return {ReplyKind::Garbled, 0};
    }
    return {reply.kind, 0};
}

LiveTick ReadLiveValue(ModuleSession& session, int channel, const QString& model) {
    const LiveTick tick = LiveTickFromReply(session.exchange(LiveValueCommand(channel)), model);
    if (tick.kind == ReplyKind::Garbled) {
        session.drain();
    }
    return tick;
}

QString LiveUnavailableText(const QString& defaultPort) {
    return QStringLiteral("Default COM Port (") + defaultPort +
           QStringLiteral(") defined in Settings has suddenly become unavailable.") +
           QStringLiteral("\r\rPlease Verify that:\r\r") +
           QStringLiteral("     - module is correctly plugged in\r") +
           QStringLiteral("     - module is correctly power supplied\r") +
           QStringLiteral("     - no other application is interfering with serial communication.");
}
