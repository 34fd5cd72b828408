#pragma once

#include <QString>
#include <QUrl>

// The program's title: the caption of its plain message boxes.
inline const QString ApplicationTitle = QStringLiteral("KVC7345 Configurator by Norvik");

// The kinds of message box the program shows.
enum class BoxKind { Warning, Error, Information, Confirmation, Plain };

// The button sets a message box offers.
// YesNoDefaultNo asks a question whose Yes discards the user's work: No is the default button.
enum class BoxButtons {
    Ok,
    YesNo,
    YesNoDefaultNo,
    OkCancel,
    RetryCancel,
    OkCancelIgnore,
    AbortRetry,
    OkRetry
};

// The button the user pressed.
enum class BoxAnswer { Ok, Cancel, Yes, No, Retry, Ignore, Abort };

// What a file dialog offers: where it starts, the name it proposes, the filter, the extension
// added to a name typed without one, whether it asks before overwriting.
struct FileDialogRequest {
    QString title;
    QString folder;
    QString proposedName;
    QString filter;         // e.g. "NV Configuration File (*.nvc)"
    QString defaultSuffix;  // e.g. "NVC"
    bool confirmOverwrite = true;
};

// Every message box, file dialog and shell "open" of the program goes through this seam, so the
// window shows real dialogs, the command line prints them, and tests answer them from a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // `text` may hold "\r" as a line break.
    virtual BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) = 0;
    // The chosen file's full path, or "" when the user cancelled.
    virtual QString chooseSaveFile(const FileDialogRequest& request) = 0;
    virtual QString chooseOpenFile(const FileDialogRequest& request) = 0;
    // Asks the desktop to open a document, a web address or a mail address.
    virtual bool openUrl(const QUrl& url) = 0;
    // Shows a web page in the program's own browser window; without one, the desktop opens it.
    virtual bool showInBrowser(const QUrl& url) { return openUrl(url); }
};

// Message texts use "\r" for a line break; screens and consoles want "\n".
QString DisplayText(const QString& text);

// The answer that accepts a box: Ok, Yes or Retry as the set offers.
BoxAnswer PositiveAnswer(BoxButtons buttons);
// The answer that declines a box: Cancel, No or Abort as the set offers (Ok for a lone Ok).
BoxAnswer NegativeAnswer(BoxButtons buttons);

QString BoxKindName(BoxKind kind);

// For the command line: prints every box on standard error and answers it without asking,
// positively when `acceptQuestions` is set, negatively otherwise; Retry is never chosen.
class ConsoleDialogs final : public Dialogs {
  public:
    explicit ConsoleDialogs(bool acceptQuestions = false) : acceptQuestions_(acceptQuestions) {}
    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
    // The file given on the command line for the next dialog (used once), else cancelled.
    void presetFile(const QString& path) { presetFile_ = path; }
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseOpenFile(const FileDialogRequest& request) override;
    // Nothing is opened without a desktop; the address is printed instead, which gives the user
    // all an opened link would, so it counts as opened.
    bool openUrl(const QUrl& url) override;

  private:
    QString takePreset();

    bool acceptQuestions_;
    QString presetFile_;
};

// Opens an address by the desktop, or in the program's own browser; when nothing could, a warning
// gives the address (or the mail address), since the user still needs it.
void OpenAddress(Dialogs& dialogs, const QUrl& url, bool inOwnBrowser = false);
