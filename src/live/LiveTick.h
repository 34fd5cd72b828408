#pragma once

#include "link/RegisterReply.h"

#include <QString>

class ModuleSession;

// One reading of an input's live value: the value in register units, or how the read failed.
struct LiveTick {
    // Answered when a value came; Silent, Garbled or LineGone otherwise.
    ReplyKind kind = ReplyKind::Silent;
    int value = 0;

    bool read() const { return kind == ReplyKind::Answered; }
};

// The live-value command of input `channel` (1 or 2).
QString LiveValueCommand(int channel);

// What a reply to the live-value command gives for `model`: a value only from one whole,
// well-formed reply; anything else that came is garbled, however its data positions read.
LiveTick LiveTickFromReply(const RegisterReply& reply, const QString& model);

// Reads input `channel`'s current value on the session. After a garbled reply the line is
// drained until quiet, so that the next reading starts at a reply's first byte.
LiveTick ReadLiveValue(ModuleSession& session, int channel, const QString& model);

// The warning that ends a reading session whose module fell silent or went away.
QString LiveUnavailableText(const QString& defaultPort);
