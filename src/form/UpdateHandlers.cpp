// The update check and the installer download as the window shows them: labels, boxes and log
// lines for what the service found.

#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "shell/StartUp.h"
#include "update/UpdateCheck.h"
#include "update/UpdateServer.h"

#include <QUrl>

#include <algorithm>

namespace {

// The start-up question when the check failed, with the reason between its two sentences.
QString unreachableText(const QString& reason) {
    return QStringLiteral("It was impossible to communicate with the update server.\r\r") + reason +
           QStringLiteral("\r\rDo you wish to disable automatic update check at startup?");
}
const QString UpToDateText = QStringLiteral("The version you are using is updated.");
// "Search for updates" without an answer: not knowing is not being up to date.
QString unansweredText(const QString& reason) {
    return QStringLiteral(
               "It was impossible to communicate with the update server, so it is not "
               "known whether a newer version exists.\r\r") +
           reason;
}
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

}  // namespace

// Runs a request to the maker's server with the window's events running: the status bar shows
// the bytes received and a closing window stops the request. Its callers run through the gate
// (the start-up's steps too), so no key starts another operation meanwhile.
template <class Request>
auto TForm1::withServer(Request request) {
    FetchWatch watch;
    watch.progress = [this](qint64 received, qint64 total) {
        ShowProgress(static_cast<int>(received), static_cast<int>(std::max(total, received)),
                     QStringLiteral("Bytes received"));
    };
    watch.stop = [this] { return StopRequested(); };
    const auto outcome = request(state_, watch);
    EndProgress();
    return outcome;
}

void TForm1::CheckForUpdatesAtStartUp() {
    if (!state_.settings.flag(SettingFlag::AutoUpdate)) {
        return;
    }
    const UpdateCheckOutcome outcome = withServer(CheckForUpdate);
    // Offline, nothing was asked; a window closed meanwhile asks nothing either.
    if (outcome.kind == UpdateCheckOutcome::Kind::Offline || StopRequested()) {
        return;
    }
    FormControl& serverVersion = Control(QStringLiteral("LUpdateServerVersionDx"));
    if (outcome.kind == UpdateCheckOutcome::Kind::NoAnswer) {
        serverVersion.setText(QStringLiteral("N/A"));
        if (state_.message(BoxKind::Plain, unreachableText(outcome.reason), BoxButtons::YesNo) ==
            BoxAnswer::Yes) {
            state_.settings.setFlag(SettingFlag::AutoUpdate, false);
        }
        return;
    }
    if (!IsNewerVersion(outcome.version, state_.SoftwareVersion)) {
        return;
    }
    const QString dotted = DottedVersion(outcome.version);
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
        state_.settings.setFlag(SettingFlag::AutoUpdate, false);
    }
}

void TForm1::BSearchForUpdatesClick() {
    const UpdateCheckOutcome outcome = withServer(CheckForUpdate);
    const QString version =
        outcome.kind == UpdateCheckOutcome::Kind::Version ? outcome.version : QString();
    FormControl& serverVersion = Control(QStringLiteral("LUpdateServerVersionDx"));
    serverVersion.setText(version.isEmpty() ? QStringLiteral("N/A") : DottedVersion(version));
    if (version.isEmpty()) {
        state_.message(BoxKind::Warning,
                       unansweredText(outcome.kind == UpdateCheckOutcome::Kind::Offline
                                          ? QStringLiteral("This computer is not connected to "
                                                           "the internet.")
                                          : outcome.reason));
        return;
    }
    if (!IsNewerVersion(version, state_.SoftwareVersion)) {
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
    const DownloadOutcome outcome = withServer(DownloadInstaller);
    if (!outcome.saved()) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("The new version could not be downloaded.\r\r") +
                           outcome.problem +
                           QStringLiteral("\r\rNothing was started, and an installer downloaded "
                                          "earlier was kept."));
        return;
    }

    Memo(QStringLiteral("Downloaded New Version!"));
    SetUnmodified();
    if (state_.message(BoxKind::Information, DownloadedText, BoxButtons::OkCancel) !=
        BoxAnswer::Ok) {
        return;
    }
    state_.dialogs->openUrl(QUrl::fromLocalFile(outcome.installer));
    emit closeNow();
}

void TForm1::CBAutoCheckUpdateClick() {
    SettingsBoxClick(QStringLiteral("CBAutoCheckUpdate"));
}
