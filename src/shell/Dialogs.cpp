#include "shell/Dialogs.h"

#include <cstdio>

QString DisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

BoxAnswer PositiveAnswer(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
        case BoxButtons::YesNoDefaultNo:
            return BoxAnswer::Yes;
        case BoxButtons::RetryCancel:
        case BoxButtons::AbortRetry:
            return BoxAnswer::Retry;
        case BoxButtons::Ok:
        case BoxButtons::OkCancel:
        case BoxButtons::OkCancelIgnore:
        case BoxButtons::OkRetry:
            return BoxAnswer::Ok;
    }
    return BoxAnswer::Ok;
}

BoxAnswer NegativeAnswer(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
        case BoxButtons::YesNoDefaultNo:
            return BoxAnswer::No;
        case BoxButtons::OkCancel:
        case BoxButtons::RetryCancel:
        case BoxButtons::OkCancelIgnore:
            return BoxAnswer::Cancel;
        case BoxButtons::AbortRetry:
            return BoxAnswer::Abort;
        case BoxButtons::Ok:
        case BoxButtons::OkRetry:
            return BoxAnswer::Ok;
    }
    return BoxAnswer::Ok;
}

QString BoxKindName(BoxKind kind) {
    switch (kind) {
        case BoxKind::Warning:
            return QStringLiteral("Warning");
        case BoxKind::Error:
            return QStringLiteral("Error");
        case BoxKind::Information:
            return QStringLiteral("Information");
        case BoxKind::Confirmation:
            return QStringLiteral("Confirm");
        case BoxKind::Plain:
            return QString();
    }
    return QString();
}

BoxAnswer ConsoleDialogs::message(BoxKind kind, const QString& text, BoxButtons buttons) {
    // Nobody is there to fix a cable, so a Retry is never chosen: it would only loop.
    const bool retryOffered = buttons == BoxButtons::RetryCancel ||
                              buttons == BoxButtons::AbortRetry || buttons == BoxButtons::OkRetry;
    const BoxAnswer answer =
        acceptQuestions_ && !retryOffered ? PositiveAnswer(buttons) : NegativeAnswer(buttons);
    const QString kindName = BoxKindName(kind);
    const QString line = (kindName.isEmpty() ? QString() : kindName + QStringLiteral(": ")) +
                         DisplayText(text) + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    return answer;
}

QString ConsoleDialogs::takePreset() {
    QString path = presetFile_;
    presetFile_.clear();
    return path;
}

QString ConsoleDialogs::chooseSaveFile(const FileDialogRequest&) {
    return takePreset();
}

QString ConsoleDialogs::chooseOpenFile(const FileDialogRequest&) {
    return takePreset();
}

bool ConsoleDialogs::openUrl(const QUrl& url) {
    std::fputs(("Open: " + url.toString() + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return true;
}

void OpenAddress(Dialogs& dialogs, const QUrl& url, bool inOwnBrowser) {
    if (inOwnBrowser ? dialogs.showInBrowser(url) : dialogs.openUrl(url)) {
        return;
    }
    const bool mail = url.scheme() == QLatin1String("mailto");
    dialogs.message(
        BoxKind::Warning,
        mail ? QStringLiteral("No e-mail program could be started.\rWrite to ") + url.path()
             : QStringLiteral("No web browser could open the page.\rIts address is ") +
                   url.toString(),
        BoxButtons::Ok);
}
