#pragma once

#include "shell/Dialogs.h"

#include <QPointer>
#include <QWidget>

// Real modal boxes and file dialogs on screen, centred on the main window once it exists.
class WidgetDialogs final : public Dialogs {
  public:
    // The window the boxes belong to; until it is set they open centred on the screen.
    void setParentWindow(QWidget* window) { parent_ = window; }

    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseOpenFile(const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;

  private:
    QPointer<QWidget> parent_;
};
