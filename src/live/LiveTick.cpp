#include "live/LiveTick.h"

#include "catalogue/RegisterWord.h"
#include "link/ModuleSession.h"
#include "link/RegisterProtocol.h"

QString LiveValueCommand(int channel) {
    return channel == 1 ? QStringLiteral("00E20000") : QStringLiteral("00E30000");
}

LiveTick LiveTickFromReply(const RegisterReply& reply, const QString& model) {
    if (const auto word = ParseHexWord(ReplyData(reply.text))) {
        return {ReplyKind::Answered, WordToValue(*word, model)};
    }
    const bool garbled = reply.kind == ReplyKind::Answered || reply.kind == ReplyKind::Garbled;
    return {garbled ? ReplyKind::Garbled : reply.kind, 0};
}

LiveTick ReadLiveValue(ModuleSession& session, int channel, const QString& model) {
    return LiveTickFromReply(session.exchange(LiveValueCommand(channel)), model);
}
