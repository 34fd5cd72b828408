#pragma once

#include "shell/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Answers message boxes from a script. Each expected box names its kind, its exact text and
// the answer to give. A box that is not expected (or differs from the next expected one) is
// recorded as a mismatch and answered negatively, so a test never blocks on it.
class ScriptedDialogs final : public Dialogs {
  public:
    struct Box {
        BoxKind kind;
        QString text;
        BoxButtons buttons;
    };

    // Expects the next box; `answer` is what the "user" presses.
    void expect(BoxKind kind, const QString& text, BoxButtons buttons = BoxButtons::Ok,
                BoxAnswer answer = BoxAnswer::Ok);

    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
    // Runs `events` while every box is open, as the window's timers run behind a modal box.
    void whileOpen(std::function<void()> events) { whileOpen_ = std::move(events); }

    // The next file dialog returns `path` ("" = cancelled); requests are recorded.
    void answerFileDialog(const QString& path) { fileAnswers_.append(path); }
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseOpenFile(const FileDialogRequest& request) override;
    const QList<FileDialogRequest>& fileRequests() const { return fileRequests_; }

    // Addresses the program asked the desktop to open, in order. The desktop opens them unless
    // told to fail, as one with no program for the kind of document does.
    bool openUrl(const QUrl& url) override;
    void failOpening() { openingFails_ = true; }
    const QList<QUrl>& openedUrls() const { return openedUrls_; }

    // Every box shown, expected or not.
    const QList<Box>& shown() const { return shown_; }
    // Unexpected boxes and expected boxes that never came; empty when the script was followed.
    QStringList problems() const;

  private:
    struct Expectation {
        Box box;
        BoxAnswer answer;
    };
    QList<Expectation> script_;
    QList<Box> shown_;
    QStringList mismatches_;
    QStringList fileAnswers_;
    QList<FileDialogRequest> fileRequests_;
    QList<QUrl> openedUrls_;
    bool openingFails_ = false;
    std::function<void()> whileOpen_;
    QString nextFile(const FileDialogRequest& request);
};
