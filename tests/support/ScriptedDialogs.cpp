#include "support/ScriptedDialogs.h"

namespace {

QString describe(const ScriptedDialogs::Box& box) {
    return QStringLiteral("[%1/%2] %3")
        .arg(BoxKindName(box.kind))
        .arg(static_cast<int>(box.buttons))
        .arg(DisplayText(box.text));
}

}  // namespace

void ScriptedDialogs::expect(BoxKind kind, const QString& text, BoxButtons buttons,
                             BoxAnswer answer) {
    script_.append({{kind, text, buttons}, answer});
}

BoxAnswer ScriptedDialogs::message(BoxKind kind, const QString& text, BoxButtons buttons) {
    const Box box{kind, text, buttons};
    shown_.append(box);
    if (whileOpen_) {
        whileOpen_();
    }
    if (script_.isEmpty()) {
        mismatches_ << QStringLiteral("unexpected box: ") + describe(box);
        return NegativeAnswer(buttons);
    }
    const Expectation next = script_.takeFirst();
    if (next.box.kind != kind || next.box.text != text || next.box.buttons != buttons) {
        mismatches_ << QStringLiteral("expected ") + describe(next.box) +
                           QStringLiteral("\n     got ") + describe(box);
        return NegativeAnswer(buttons);
    }
    return next.answer;
}

QStringList ScriptedDialogs::problems() const {
    QStringList all = mismatches_;
    for (const QString& unused : fileAnswers_) {
        all << QStringLiteral("file dialog never shown for: ") + unused;
    }
    for (const Expectation& missing : script_) {
        all << QStringLiteral("box never shown: ") + describe(missing.box);
    }
    return all;
}

QString ScriptedDialogs::nextFile(const FileDialogRequest& request) {
    fileRequests_.append(request);
    if (fileAnswers_.isEmpty()) {
        mismatches_ << QStringLiteral("unexpected file dialog: ") + request.title;
        return {};
    }
    return fileAnswers_.takeFirst();
}

QString ScriptedDialogs::chooseSaveFile(const FileDialogRequest& request) {
    return nextFile(request);
}

QString ScriptedDialogs::chooseOpenFile(const FileDialogRequest& request) {
    return nextFile(request);
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    openedUrls_.append(url);
    return !openingFails_;
}
