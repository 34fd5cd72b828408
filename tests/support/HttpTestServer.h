#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the update tests: each path answers as set up, one
// request per connection.
class HttpTestServer final : public QTcpServer {
    Q_OBJECT

  public:
    struct Answer {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        qint64 announcedLength = -1;  // Content-Length when it should differ from the body's
        bool silent = false;          // accepts the request and never answers
        int stallAfter = -1;          // sends that many body bytes, then nothing more
        int delayMs = 0;              // answers only after this long
    };

    HttpTestServer();
    // "http://127.0.0.1:PORT"
    QString address() const;
    void answer(const QString& path, const Answer& answer) { answers_[path] = answer; }
    // Every request line received ("GET /path"), and the User-Agent of the last one.
    const QStringList& requests() const { return requests_; }
    const QString& lastUserAgent() const { return userAgent_; }

  private:
    void respond(QTcpSocket* socket);
    void send(QTcpSocket* socket, const Answer& answer);

    QHash<QString, Answer> answers_;
    QStringList requests_;
    QString userAgent_;
};
