#include "support/HttpTestServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <memory>

HttpTestServer::HttpTestServer() {
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            auto request = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                request->append(socket->readAll());
                if (request->contains("\r\n\r\n")) {
                    socket->setProperty("request", *request);
                    respond(socket);
                }
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString HttpTestServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

void HttpTestServer::respond(QTcpSocket* socket) {
    const QByteArray request = socket->property("request").toByteArray();
    const QList<QByteArray> lines = request.split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    const QString path = QString::fromLatin1(first.value(1));
    requests_ << QString::fromLatin1(first.value(0) + ' ' + first.value(1));
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("user-agent:")) {
            userAgent_ = QString::fromLatin1(line.mid(11).trimmed());
        }
    }
    const Answer answer = answers_.value(path, Answer{404, "Not Found", "404 Not Found", -1});
    if (answer.silent) {
        return;
    }
    if (answer.delayMs > 0) {
        QTimer::singleShot(answer.delayMs, socket,
                           [this, socket, path, answer] { send(socket, path, answer); });
        return;
    }
    send(socket, path, answer);
}

void HttpTestServer::send(QTcpSocket* socket, const QString& path, const Answer& answer) {
    connect(socket, &QTcpSocket::bytesWritten, this,
            [this, path](qint64 written) { sent_[path] += written; });
    const QByteArray body =
        answer.stallAfter >= 0 ? answer.body.left(answer.stallAfter) : answer.body;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reason +
                      "\r\nContent-Type: text/plain\r\n";
    if (answer.announcedLength != NoLength) {
        const qint64 length =
            answer.announcedLength >= 0 ? answer.announcedLength : answer.body.size();
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    socket->write(head + "Connection: close\r\n\r\n");
    // A stalled answer keeps the connection open; a short one ends it early.
    const auto afterBody = [this, socket, answer] {
        if (answer.filler > 0) {
            sendFiller(socket, answer.filler);
        } else if (answer.stallAfter < 0) {
            socket->disconnectFromHost();
        }
    };
    if (answer.dripMs <= 0) {
        socket->write(body);
        afterBody();
        return;
    }
    auto* drip = new QTimer(socket);
    drip->setInterval(answer.dripMs);
    connect(drip, &QTimer::timeout, socket, [socket, drip, body, afterBody, next = 0]() mutable {
        if (next < body.size()) {
            socket->write(body.mid(next++, 1));
        }
        if (next >= body.size()) {
            drip->stop();
            afterBody();
        }
    });
    drip->start();
}

void HttpTestServer::sendFiller(QTcpSocket* socket, qint64 count) {
    // Written as the client takes it, so the server's own buffer stays small and the count of
    // bytes sent tells how much the client read.
    static constexpr qint64 Chunk = 64 * 1024;
    auto left = std::make_shared<qint64>(count);
    const auto topUp = [socket, left] {
        while (*left > 0 && socket->bytesToWrite() < Chunk) {
            const qint64 size = std::min(Chunk, *left);
            socket->write(QByteArray(size, 'x'));
            *left -= size;
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, topUp);
    topUp();
}
