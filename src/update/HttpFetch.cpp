#include "update/HttpFetch.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds StopPoll{100};

QString quietText(std::chrono::milliseconds limit) {
    const auto seconds = std::chrono::duration<double>(limit).count();
    return QStringLiteral("the server sent nothing for %1 seconds").arg(seconds, 0, 'g', 3);
}

}  // namespace

FetchOutcome HttpGet(const QUrl& address, std::chrono::milliseconds quietLimit,
                     const FetchHandlers& handlers) {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkAccessManager network;
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    // Redirects are followed, but never from https down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);

    FetchOutcome outcome;
    QEventLoop loop;
    QNetworkReply* reply = network.get(request);
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(quietLimit);
    QTimer stopPoll;
    stopPoll.setInterval(StopPoll);

    const auto endWith = [&](const QString& why) {
        if (outcome.failure.isEmpty()) {
            outcome.failure = why;
        }
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        quiet.start();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        outcome.announced = length.isValid() ? length.toLongLong() : -1;
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        quiet.start();
        const QByteArray piece = reply->readAll();
        outcome.received += piece.size();
        if (handlers.sink) {
            if (const QString problem = handlers.sink(piece); !problem.isEmpty()) {
                endWith(problem);
                return;
            }
        }
        if (handlers.progress) {
            handlers.progress(outcome.received, outcome.announced);
        }
    });
    QObject::connect(&quiet, &QTimer::timeout, &loop, [&] { endWith(quietText(quietLimit)); });
    QObject::connect(&stopPoll, &QTimer::timeout, &loop, [&] {
        if (handlers.stop && handlers.stop()) {
            endWith(QStringLiteral("the program is closing"));
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    quiet.start();
    stopPoll.start();
    if (!reply->isFinished()) {
        loop.exec();
    }
    quiet.stop();
    stopPoll.stop();

    outcome.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    outcome.statusText = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    // An HTTP error status is the caller's to judge; a failure of the line is not.
    constexpr int FirstHttpError = QNetworkReply::ContentAccessDenied;
    if (outcome.failure.isEmpty() && reply->error() != QNetworkReply::NoError &&
        (outcome.status == 0 || reply->error() < FirstHttpError)) {
        outcome.failure = reply->errorString();
        outcome.lineFailed = true;
    }
    if (outcome.failure.isEmpty() && reply->bytesAvailable() > 0) {
        const QByteArray rest = reply->readAll();
        outcome.received += rest.size();
        if (handlers.sink) {
            outcome.failure = handlers.sink(rest);
        }
    }
    reply->deleteLater();
    return outcome;
}
