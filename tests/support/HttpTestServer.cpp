#include "support/HttpTestServer.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

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
                           [this, socket, answer] { send(socket, answer); });
        return;
    }
    send(socket, answer);
}

void HttpTestServer::send(QTcpSocket* socket, const Answer& answer) {
    const QByteArray body =
        answer.stallAfter >= 0 ? answer.body.left(answer.stallAfter) : answer.body;
    const qint64 length =
        answer.announcedLength >= 0 || answer.stallAfter >= 0
            ? (answer.announcedLength >= 0 ? answer.announcedLength : answer.body.size())
            : answer.body.size();
    QByteArray reply =
        "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reason +
        "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(length) +
        "\r\nConnection: close\r\n\r\n" + body;
    socket->write(reply);
    // A stalled answer keeps the connection open; a short one ends it early.
    if (answer.stallAfter < 0) {
        socket->disconnectFromHost();
    }
}
