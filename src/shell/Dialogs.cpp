#include "shell/Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>

QString DisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

BoxAnswer PositiveAnswer(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
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

QString BoxAnswerName(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok:
            return QStringLiteral("OK");
        case BoxAnswer::Cancel:
            return QStringLiteral("Cancel");
        case BoxAnswer::Yes:
            return QStringLiteral("Yes");
        case BoxAnswer::No:
            return QStringLiteral("No");
        case BoxAnswer::Retry:
            return QStringLiteral("Retry");
        case BoxAnswer::Ignore:
            return QStringLiteral("Ignore");
        case BoxAnswer::Abort:
            return QStringLiteral("Abort");
    }
    return QString();
}

namespace {

QMessageBox::StandardButtons standardButtons(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return QMessageBox::Ok;
        case BoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case BoxButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case BoxButtons::OkCancelIgnore:
            return QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Ignore;
        case BoxButtons::AbortRetry:
            return QMessageBox::Abort | QMessageBox::Retry;
        case BoxButtons::OkRetry:
            return QMessageBox::Ok | QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon icon(BoxKind kind) {
    switch (kind) {
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Error:
            return QMessageBox::Critical;
        case BoxKind::Information:
            return QMessageBox::Information;
        case BoxKind::Confirmation:
            return QMessageBox::Question;
        case BoxKind::Plain:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

BoxAnswer fromStandardButton(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        case QMessageBox::Retry:
            return BoxAnswer::Retry;
        case QMessageBox::Ignore:
            return BoxAnswer::Ignore;
        case QMessageBox::Abort:
            return BoxAnswer::Abort;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        default:
            return BoxAnswer::Ok;
    }
}

}  // namespace

BoxAnswer WidgetDialogs::message(BoxKind kind, const QString& text, BoxButtons buttons) {
    // A box without a kind carries the program's title, as its other boxes carry their kind.
    const QString caption = kind == BoxKind::Plain ? ApplicationTitle : BoxKindName(kind);
    QMessageBox box(icon(kind), caption, DisplayText(text), standardButtons(buttons));
    const int pressed = box.exec();
    // Closing the box without a button counts as its declining answer.
    if (box.clickedButton() == nullptr) {
        return NegativeAnswer(buttons);
    }
    return fromStandardButton(pressed);
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

namespace {

QString runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(nullptr, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString WidgetDialogs::chooseSaveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

QString WidgetDialogs::chooseOpenFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

bool WidgetDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
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
    return false;
}
