// Asking the maker's server for a newer release, and fetching its installer.

#include "form/TForm1.h"
#include "records/FileWriting.h"
#include "shell/HttpFetch.h"
#include "shell/Online.h"
#include "shell/ProgramState.h"
#include "shell/StartUp.h"
#include "shell/UpdateServer.h"

#include <QDir>
#include <QUrl>

namespace {

// The update script's answer is read up to this many bytes; the version is at its start.
constexpr qsizetype ScriptReplyLimit = 1024;

const QString UnreachableText = QStringLiteral(
    "It was impossible to communicate with the update server.\rDo you wish to disable automatic "
    "update check at startup?");
const QString UpToDateText = QStringLiteral("The version you are using is updated.");
const QString DownloadedText = QStringLiteral(
    "New version succesfully downloaded.\r\rTo proceed with the upgrade, press Ok and follow the "
    "instructions.\rPress Cancel to abort the process.");

QString foundText(const QString& dotted) {
    return QStringLiteral("Found version ") + dotted + QStringLiteral(" on server, please update.");
}

QString availableText(const QString& dotted) {
    return QStringLiteral("A new version of the KVC7345 (") + dotted +
           QStringLiteral(") is available for download.") + QStringLiteral("\r\r");
}

// Why a finished download cannot be used; "" when it can.
QString downloadProblem(const FetchOutcome& outcome) {
    const bool cutShort = outcome.announced >= 0 && outcome.received != outcome.announced;
    // A connection that closed early says less than the count of what came.
    if (cutShort && outcome.status == 200 && (outcome.ranToEnd() || outcome.lineFailed)) {
        return QStringLiteral("the server sent %1 of %2 bytes")
            .arg(outcome.received)
            .arg(outcome.announced);
    }
    if (!outcome.ranToEnd()) {
        return outcome.failure;
    }
    if (outcome.status != 200) {
        return QStringLiteral("the server answered %1 %2")
            .arg(outcome.status)
            .arg(outcome.statusText);
    }
    if (outcome.received == 0) {
        return QStringLiteral("the server sent an empty file");
    }
    if (cutShort) {
        return QStringLiteral("the server sent %1 of %2 bytes")
            .arg(outcome.received)
            .arg(outcome.announced);
    }
    return {};
}

// Asks the maker's server with the window's events running: the status bar shows the bytes
// received, a closing window stops the request, and no key starts another operation meanwhile
// (at start-up too).
FetchOutcome fetchFromServer(TForm1& form, const QUrl& address,
                             std::function<QString(QByteArrayView)> sink) {
    FetchHandlers handlers;
    handlers.sink = std::move(sink);
    handlers.progress = [&form](qint64 received, qint64 total) {
        form.ShowProgress(static_cast<int>(received), static_cast<int>(std::max(total, received)),
                          QStringLiteral("Bytes received"));
    };
    handlers.stop = [&form] { return form.StopRequested(); };
    const bool wasBusy = form.Busy;
    form.Busy = true;
    const FetchOutcome outcome = HttpGet(address, form.state().NetworkQuietLimit, handlers);
    form.Busy = wasBusy;
    form.EndProgress();
    return outcome;
}

}  // namespace

void TForm1::checkUpdate(QString& version) {
    version.clear();
    if (!Online(state_)) {
        return;
    }
    QByteArray reply;
    const FetchOutcome outcome =
        fetchFromServer(*this, UpdateScriptAddress(), [&reply](QByteArrayView piece) {
            reply.append(piece.first(std::min(piece.size(), ScriptReplyLimit - reply.size())));
            return QString();
        });
    // An error page, a time-out or a reply that does not start with three digits is no version.
    if (outcome.ranToEnd() && outcome.status == 200) {
        version = VersionFromReply(reply).value_or(QString());
    }
}

void TForm1::CheckForUpdatesAtStartUp() {
    if (state_.settings.ReadConfig(QStringLiteral("AUTOUPDATE")) != QLatin1String("Y") ||
        !Online(state_)) {
        return;
    }
    QString version;
    checkUpdate(version);
    FormControl& serverVersion = Control(QStringLiteral("LUpdateServerVersionDx"));
    if (version.isEmpty()) {
        serverVersion.setText(QStringLiteral("N/A"));
        if (state_.message(BoxKind::Plain, UnreachableText, BoxButtons::YesNo) == BoxAnswer::Yes) {
            state_.settings.WriteConfig(QStringLiteral("AUTOUPDATE"), QStringLiteral("N"));
        }
        return;
    }
    if (!IsNewerVersion(version, state_.SoftwareVersion)) {
        return;
    }
    const QString dotted = DottedVersion(version);
    Memo(foundText(dotted));
    serverVersion.setBold(true);
    serverVersion.setText(dotted);
    Control(QStringLiteral("LUpdateServerVersionDownload")).setVisible(true);
    const BoxAnswer answer = state_.message(
        BoxKind::Confirmation,
        availableText(dotted) +
            QStringLiteral("Press Ok to start downloading, Cancel to continue with current "
                           "version or\rIgnore to turn off the automatic update check at "
                           "startup.\r"),
        BoxButtons::OkCancelIgnore);
    if (answer == BoxAnswer::Ok) {
        LUpdateServerVersionDownloadClick();
    } else if (answer == BoxAnswer::Ignore) {
        state_.settings.WriteConfig(QStringLiteral("AUTOUPDATE"), QStringLiteral("N"));
    }
}

void TForm1::BSearchForUpdatesClick() {
    QString version;
    checkUpdate(version);
    FormControl& serverVersion = Control(QStringLiteral("LUpdateServerVersionDx"));
    serverVersion.setText(version.isEmpty() ? QStringLiteral("N/A") : DottedVersion(version));
    if (version.isEmpty() || !IsNewerVersion(version, state_.SoftwareVersion)) {
        state_.message(BoxKind::Information, UpToDateText);
        return;
    }
    const QString dotted = DottedVersion(version);
    serverVersion.setBold(true);
    Control(QStringLiteral("LUpdateServerVersionDownload")).setVisible(true);
    FormControl& button = Control(QStringLiteral("BSearchForUpdates"));
    button.setText(QStringLiteral("Update available!"));
    Memo(foundText(dotted));
    // Until the program starts again: the download link is the way on.
    button.setEnabled(false);
    if (state_.message(BoxKind::Confirmation,
                       availableText(dotted) +
                           QStringLiteral("Press Ok to start downloading or Cancel to continue "
                                          "with current version"),
                       BoxButtons::OkCancel) == BoxAnswer::Ok) {
        LUpdateServerVersionDownloadClick();
    }
}

void TForm1::LUpdateServerVersionDownloadClick() {
    // The program folder, which the user can write; an installed program's own folder is not.
    const QString target = QDir(state_.ProgramFolder).filePath(InstallerFileName());
    // The installer grows beside its final name and replaces it only when complete.
    FileReplacement installer(target, *state_.disk);
    const FetchOutcome outcome =
        fetchFromServer(*this, InstallerAddress(), [&installer, &target](QByteArrayView piece) {
            return installer.write(piece) ? QString()
                                          : target + QStringLiteral(": ") + installer.reason();
        });
    QString problem = downloadProblem(outcome);
    if (problem.isEmpty()) {
        const FileWriteResult written = installer.commit();
        if (!written.written) {
            problem = target + QStringLiteral(": ") + written.reason;
        }
    }
    if (!problem.isEmpty()) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("The new version could not be downloaded.\r\r") + problem +
                           QStringLiteral("\r\rNothing was started, and an installer downloaded "
                                          "earlier was kept."));
        return;
    }

    Memo(QStringLiteral("Downloaded New Version!"));
    SetModified(false);
    if (state_.message(BoxKind::Information, DownloadedText, BoxButtons::OkCancel) !=
        BoxAnswer::Ok) {
        return;
    }
    state_.dialogs->openUrl(QUrl::fromLocalFile(target));
    emit closeNow();
}

void TForm1::CBAutoCheckUpdateClick() {
    SettingsBoxClick(QStringLiteral("CBAutoCheckUpdate"));
}
