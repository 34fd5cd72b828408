#include "update/HttpFetch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

constexpr std::chrono::milliseconds StopPoll{100};

// "0.4 seconds", "30 seconds", "15 minutes", "4 minutes 25 seconds".
QString durationText(std::chrono::milliseconds limit) {
    const auto seconds = std::chrono::duration<double>(limit).count();
    const auto unit = [](long long count, const char* one, const char* many) {
        return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
    };
    if (seconds < 120) {
        return seconds == 1 ? QStringLiteral("1 second")
                            : QStringLiteral("%1 seconds").arg(seconds, 0, 'g', 3);
    }
    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(limit).count();
    const QString minutes = unit(whole / 60, "minute", "minutes");
    return whole % 60 == 0 ? minutes
                           : minutes + QLatin1Char(' ') + unit(whole % 60, "second", "seconds");
}

QString quietText(std::chrono::milliseconds limit) {
    return QStringLiteral("the server sent nothing for ") + durationText(limit);
}

QString overrunText(std::chrono::milliseconds limit, const QString& task) {
    return QStringLiteral("the server took longer than ") + durationText(limit) +
           QStringLiteral(" to ") + task;
}

// A timer takes an int of milliseconds.
std::chrono::milliseconds timerSafe(std::chrono::milliseconds wait) {
    return std::clamp(wait, std::chrono::milliseconds(0),
                      std::chrono::milliseconds(std::numeric_limits<int>::max()));
}

}  // namespace

FetchOutcome HttpGet(const QUrl& address, const FetchLimits& limits,
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
    quiet.setInterval(timerSafe(limits.quiet));
    // The whole request is timed from here, also when the limit changes with the length.
    QElapsedTimer clock;
    clock.start();
    QTimer overall;
    overall.setSingleShot(true);
    std::chrono::milliseconds totalLimit{0};
    const auto armOverall = [&](qint64 announced) {
        if (!limits.total) {
            return;
        }
        totalLimit = limits.total(announced);
        overall.start(timerSafe(totalLimit - std::chrono::milliseconds(clock.elapsed())));
    };
    bool endedEarly = false;
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
        armOverall(outcome.announced);
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
        if (handlers.enough && handlers.enough()) {
            endedEarly = true;
            reply->abort();
        }
    });
    QObject::connect(&quiet, &QTimer::timeout, &loop, [&] { endWith(quietText(limits.quiet)); });
    QObject::connect(&overall, &QTimer::timeout, &loop,
                     [&] { endWith(overrunText(totalLimit, limits.task)); });
    QObject::connect(&stopPoll, &QTimer::timeout, &loop, [&] {
        if (handlers.stop && handlers.stop()) {
            endWith(QStringLiteral("the program is closing"));
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    quiet.start();
    armOverall(-1);
    stopPoll.start();
    if (!reply->isFinished()) {
        loop.exec();
    }
    quiet.stop();
    overall.stop();
    stopPoll.stop();

    outcome.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    outcome.statusText = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    // An HTTP error status is the caller's to judge; a failure of the line is not. A transfer
    // ended because it had enough was aborted by us, and what is left unread is not wanted.
    constexpr int FirstHttpError = QNetworkReply::ContentAccessDenied;
    const bool judgeEnd = !endedEarly && outcome.failure.isEmpty();
    if (judgeEnd && reply->error() != QNetworkReply::NoError &&
        (outcome.status == 0 || reply->error() < FirstHttpError)) {
        outcome.failure = reply->errorString();
        outcome.lineFailed = true;
    }
    if (judgeEnd && outcome.failure.isEmpty() && reply->bytesAvailable() > 0) {
        const QByteArray rest = reply->readAll();
        outcome.received += rest.size();
        if (handlers.sink) {
            outcome.failure = handlers.sink(rest);
        }
    }
    reply->deleteLater();
    return outcome;
}
