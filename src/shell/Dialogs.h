#pragma once

#include <QString>

// The kinds of message box the program shows.
enum class BoxKind { Warning, Error, Information, Confirmation, Plain };

// The button sets a message box offers.
enum class BoxButtons { Ok, YesNo, OkCancel, RetryCancel, OkCancelIgnore, AbortRetry, OkRetry };

// The button the user pressed.
enum class BoxAnswer { Ok, Cancel, Yes, No, Retry, Ignore, Abort };

// Every message box of the program goes through this seam, so the window shows real boxes, the
// command line prints them, and tests answer them from a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // `text` may hold "\r" as a line break.
    virtual BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) = 0;
};

// Message texts use "\r" for a line break; screens and consoles want "\n".
QString DisplayText(const QString& text);

// The answer that accepts a box: Ok, Yes or Retry as the set offers.
BoxAnswer PositiveAnswer(BoxButtons buttons);
// The answer that declines a box: Cancel, No or Abort as the set offers (Ok for a lone Ok).
BoxAnswer NegativeAnswer(BoxButtons buttons);

QString BoxKindName(BoxKind kind);
QString BoxAnswerName(BoxAnswer answer);

// Real modal boxes on screen.
class WidgetDialogs final : public Dialogs {
  public:
    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
};

// For the command line: prints every box on standard error and answers it without asking,
// positively when `acceptQuestions` is set, negatively otherwise; Retry is never chosen.
class ConsoleDialogs final : public Dialogs {
  public:
    explicit ConsoleDialogs(bool acceptQuestions = false) : acceptQuestions_(acceptQuestions) {}
    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;

  private:
    bool acceptQuestions_;
};
