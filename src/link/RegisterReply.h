#pragma once

#include <QByteArray>
#include <QString>

// How a read from the module ended.
enum class ReplyKind {
    Answered,  // a whole reply: 8 hexadecimal characters and the line end
    Silent,    // nothing came within the read time
    Garbled,   // something came, but not a well-formed reply (see the bytes)
    LineGone,  // the port failed or vanished (an unplugged adapter, a closed line)
};

// What one read produced. `text` always has 8 characters: positions that were not received are
// blanks, so callers decoding fixed positions never read past the end.
struct RegisterReply {
    ReplyKind kind = ReplyKind::Silent;
    QString text;
    QByteArray bytes;  // what was taken from the line, CR LF included (0..10 bytes)
    int received = 0;

    bool silent() const { return received == 0; }
    // The presence tests take a leading "8" as the sign that a module answered.
    bool answered() const { return text.startsWith(QLatin1Char('8')); }
};

// Classifies the bytes of one read; `lineGone` when the port failed during it.
RegisterReply MakeReply(const QByteArray& bytes, bool lineGone);
