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
    // announcedLength for an answer without Content-Length (it ends when the connection does).
    static constexpr qint64 NoLength = -2;

    struct Answer {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        qint64 announcedLength = -1;  // Content-Length when it should differ from the body's
        bool silent = false;          // accepts the request and never answers
        int stallAfter = -1;          // sends that many body bytes, then nothing more
        int delayMs = 0;              // answers only after this long
        int dripMs = 0;               // sends the body one byte each this many milliseconds
        qint64 filler = 0;  // after the body, this many more bytes as fast as the client takes
                            // them, then nothing more: to the client, a reply without end
    };

    HttpTestServer();
    // "http://127.0.0.1:PORT"
    QString address() const;
    void answer(const QString& path, const Answer& answer) { answers_[path] = answer; }
    // Every request line received ("GET /path"), and the User-Agent of the last one.
    const QStringList& requests() const { return requests_; }
    const QString& lastUserAgent() const { return userAgent_; }
    // The bytes the client took in answer to `path`, headers included.
    qint64 bytesSent(const QString& path) const { return sent_.value(path); }

  private:
    void respond(QTcpSocket* socket);
    void send(QTcpSocket* socket, const QString& path, const Answer& answer);
    void sendFiller(QTcpSocket* socket, qint64 count);

    QHash<QString, Answer> answers_;
    QStringList requests_;
    QString userAgent_;
    QHash<QString, qint64> sent_;
};
