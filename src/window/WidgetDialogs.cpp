#include "window/WidgetDialogs.h"

#include "window/BrowserLoader.h"
#include "window/BrowserProcess.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>

namespace {

QMessageBox::StandardButtons standardButtons(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return QMessageBox::Ok;
        case BoxButtons::YesNo:
        case BoxButtons::YesNoDefaultNo:
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

// While a box is open, swallows repeated key presses aimed at it: a key still held from the
// box before (or a press whose release never came) must not answer this box unseen.
class RepeatedKeyGuard final : public QObject {
  public:
    explicit RepeatedKeyGuard(QWidget& box) : box_(box) { qApp->installEventFilter(this); }
    ~RepeatedKeyGuard() override { qApp->removeEventFilter(this); }
    RepeatedKeyGuard(const RepeatedKeyGuard&) = delete;
    RepeatedKeyGuard& operator=(const RepeatedKeyGuard&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            return false;
        }
        auto* target = qobject_cast<QWidget*>(watched);
        return target != nullptr && (target == &box_ || box_.isAncestorOf(target));
    }

  private:
    QWidget& box_;
};

}  // namespace

BoxAnswer WidgetDialogs::message(BoxKind kind, const QString& text, BoxButtons buttons) {
    // A box without a kind carries the program's title, as its other boxes carry their kind.
    const QString caption = kind == BoxKind::Plain ? ApplicationTitle : BoxKindName(kind);
    QMessageBox box(icon(kind), caption, DisplayText(text), standardButtons(buttons), parent_);
    const RepeatedKeyGuard guard(box);
    if (buttons == BoxButtons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
    }
    const int pressed = box.exec();
    if (box.isVisible()) {
        // No event loop would run the box (the program is already ending): the message must
        // not be lost, so it goes to standard error, declined.
        box.hide();
        std::fputs(
            qPrintable(caption + QStringLiteral(": ") + DisplayText(text) + QLatin1Char('\n')),
            stderr);
        return NegativeAnswer(buttons);
    }
    // Closing the box without a button counts as its declining answer.
    if (box.clickedButton() == nullptr) {
        return NegativeAnswer(buttons);
    }
    return fromStandardButton(pressed);
}

namespace {

QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
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
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

QString WidgetDialogs::chooseOpenFile(const FileDialogRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

bool WidgetDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

WidgetDialogs::WidgetDialogs() = default;

WidgetDialogs::~WidgetDialogs() {
    if (browser_ == nullptr) {
        return;
    }
    // The end of its standard input ends the browser process; one that does not listen is ended.
    browser_->disconnect();
    browser_->closeWriteChannel();
    if (!browser_->waitForFinished(3000)) {
        browser_->kill();
        browser_->waitForFinished();
    }
}

bool WidgetDialogs::showInBrowser(const QUrl& url) {
    if (browser_ == nullptr && !browserUnavailable_ && BrowserCanRun()) {
        QString why;
        browser_ = StartBrowserProcess(&why);
        if (browser_ == nullptr) {
            browserUnavailable_ = true;
            qWarning("The internal browser is not available (%s); the desktop opens the page.",
                     qPrintable(why));
        } else {
            QObject::connect(browser_.get(), &QProcess::finished, browser_.get(),
                             [this](int exitCode) { browserEnded(exitCode); });
        }
    }
    if (browser_ == nullptr) {
        return openUrl(url);
    }
    // The browser opens over the main window, not in the screen's corner.
    const QRect over = parent_ != nullptr ? parent_->window()->geometry() : QRect();
    lastAddress_ = url;
    return browser_->write(BrowserRequestLine(url, over)) > 0;
}

void WidgetDialogs::browserEnded(int exitCode) {
    // Deleted once its signal has returned; a later link starts a new one.
    browser_.release()->deleteLater();
    if (exitCode == BrowserUnavailableExitCode) {
        // The process has said why; its page goes to the desktop, as the later ones will.
        browserUnavailable_ = true;
        openUrl(lastAddress_);
    }
}
