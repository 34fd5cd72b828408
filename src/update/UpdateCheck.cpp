// Asking the maker's server for a newer release, and fetching its installer.

#include "update/UpdateCheck.h"

#include "shell/FileWriting.h"
#include "shell/Online.h"
#include "shell/ProgramState.h"
#include "update/HttpFetch.h"
#include "update/UpdateServer.h"

#include <QDir>

#include <algorithm>

namespace {

// Only the first line of the update script's answer is read, and of it at most this many bytes:
// the version is at its start, and a server that never ends its reply is not read on.
constexpr qsizetype ScriptReplyLimit = 64;

FetchLimits checkLimits(const ProgramState& state) {
    return {state.NetworkQuietLimit, [limit = state.UpdateCheckLimit](qint64) { return limit; },
            QStringLiteral("answer")};
}

FetchLimits downloadLimits(const ProgramState& state) {
    const auto total = [&state](qint64 announced) {
        if (announced < 0) {
            return state.DownloadLimitWithoutLength;
        }
        const qint64 rate = std::max<qint64>(state.DownloadMinimumRate, 1);
        // In two steps, so a length near the largest number does not overflow.
        const qint64 milliseconds = announced / rate * 1000 + announced % rate * 1000 / rate;
        return state.DownloadAllowance + std::chrono::milliseconds(milliseconds);
    };
    return {state.NetworkQuietLimit, total, QStringLiteral("send the installer")};
}

FetchHandlers handlersFor(const FetchWatch& watch, std::function<QString(QByteArrayView)> sink) {
    FetchHandlers handlers;
    handlers.sink = std::move(sink);
    handlers.progress = watch.progress;
    handlers.stop = watch.stop;
    return handlers;
}

// Why a finished request brought nothing usable; "" when it ran to its end with a 200.
QString requestProblem(const FetchOutcome& outcome) {
    if (!outcome.ranToEnd()) {
        return outcome.failure;
    }
    if (outcome.status != 200) {
        return QStringLiteral("the server answered %1 %2")
            .arg(outcome.status)
            .arg(outcome.statusText);
    }
    return {};
}

// Why a finished download cannot be used; "" when it can.
QString downloadProblem(const FetchOutcome& outcome) {
    const bool cutShort = outcome.announced >= 0 && outcome.received != outcome.announced;
    const QString shortText = QStringLiteral("the server sent %1 of %2 bytes")
                                  .arg(outcome.received)
                                  .arg(outcome.announced);
    // A connection that closed early says less than the count of what came.
    if (cutShort && outcome.status == 200 && (outcome.ranToEnd() || outcome.lineFailed)) {
        return shortText;
    }
    if (const QString problem = requestProblem(outcome); !problem.isEmpty()) {
        return problem;
    }
    if (outcome.received == 0) {
        return QStringLiteral("the server sent an empty file");
    }
    return cutShort ? shortText : QString();
}

}  // namespace

UpdateCheckOutcome CheckForUpdate(const ProgramState& state, const FetchWatch& watch) {
    if (!Online(state)) {
        return {};
    }
    QByteArray reply;
    FetchHandlers handlers = handlersFor(watch, [&reply](QByteArrayView piece) {
        reply.append(piece.first(std::min(piece.size(), ScriptReplyLimit - reply.size())));
        return QString();
    });
    handlers.enough = [&reply] { return reply.contains('\n') || reply.size() >= ScriptReplyLimit; };
    const FetchOutcome fetched = HttpGet(UpdateScriptAddress(), checkLimits(state), handlers);
    UpdateCheckOutcome outcome{UpdateCheckOutcome::Kind::NoAnswer, {}, requestProblem(fetched)};
    if (!outcome.reason.isEmpty()) {
        return outcome;
    }
    const qsizetype lineEnd = reply.indexOf('\n');
    if (const std::optional<QString> version =
            VersionFromReply(lineEnd < 0 ? reply : reply.first(lineEnd))) {
        return {UpdateCheckOutcome::Kind::Version, *version, {}};
    }
    outcome.reason = QStringLiteral("the server's reply holds no version");
    return outcome;
}

DownloadOutcome DownloadInstaller(const ProgramState& state, const FetchWatch& watch) {
    DownloadOutcome outcome;
    outcome.installer = QDir(state.ProgramFolder).filePath(InstallerFileName());
    const QString& target = outcome.installer;
    FileReplacement installer(target, *state.disk);
    // Its first bytes tell whether it is an installer at all.
    QByteArray head;
    const FetchOutcome fetched = HttpGet(
        InstallerAddress(), downloadLimits(state),
        handlersFor(watch, [&installer, &target, &head](QByteArrayView piece) {
            head.append(piece.first(std::min(piece.size(), InstallerHeadSize - head.size())));
            return installer.write(piece) ? QString()
                                          : target + QStringLiteral(": ") + installer.reason();
        }));
    outcome.problem = downloadProblem(fetched);
    if (outcome.saved()) {
        outcome.problem = InstallerContentProblem(head, fetched.received);
    }
    if (outcome.saved()) {
        if (const FileWriteResult written = installer.commit(); !written.written) {
            outcome.problem = target + QStringLiteral(": ") + written.reason;
        }
    }
    return outcome;
}
