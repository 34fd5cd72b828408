#pragma once

#include <QByteArrayView>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

// How a GET request ended.
struct FetchOutcome {
    int status = 0;           // the HTTP status, 0 when none came
    QString statusText;       // "Not Found"
    qint64 received = 0;      // body bytes handed to the sink
    qint64 announced = -1;    // Content-Length, -1 when the server gave none
    QString failure;          // why the transfer itself failed; "" when it ran to its end
    bool lineFailed = false;  // the failure came from the connection, not a limit or a stop

    bool ranToEnd() const { return failure.isEmpty(); }
};

// What a fetch is told along the way.
struct FetchHandlers {
    // Takes each piece of the body as it arrives; returns "" or why it could not keep it, which
    // ends the transfer.
    std::function<QString(QByteArrayView)> sink;
    // Asked after each piece the sink kept; true ends the transfer as complete, the rest of the
    // body unread (the caller has all it needs).
    std::function<bool()> enough;
    // Bytes received so far and the announced total (-1 when unknown).
    std::function<void(qint64, qint64)> progress;
    // Asked now and then; true ends the transfer (the window is closing).
    std::function<bool()> stop;
};

// How long a request may take.
struct FetchLimits {
    // Without a byte: a server that went silent.
    std::chrono::milliseconds quiet{10000};
    // From the request to the last byte, for the length the server announces (-1 when none): a
    // server that keeps sending a trickle. Asked again once the length is known; unset, no limit.
    std::function<std::chrono::milliseconds(qint64)> total;
    // What the server was asked to do, for the text of an overrun: "answer".
    QString task;
};

// A GET request with the system's proxy settings and the executable's file name as User-Agent.
// It waits for the answer with the event loop running, so the window stays alive, and gives up
// when a limit passes. TLS errors end the request; they are never ignored.
FetchOutcome HttpGet(const QUrl& address, const FetchLimits& limits, const FetchHandlers& handlers);
