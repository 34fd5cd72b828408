#pragma once

#include "shell/Dialogs.h"

#include <QPointer>
#include <QWidget>

// Real modal boxes and file dialogs on screen, centred on the main window once it exists.
class WidgetDialogs final : public Dialogs {
  public:
    WidgetDialogs() = default;
    WidgetDialogs(const WidgetDialogs&) = delete;
    WidgetDialogs& operator=(const WidgetDialogs&) = delete;
    ~WidgetDialogs() override;

    // The window the boxes belong to; until it is set they open centred on the screen.
    void setParentWindow(QWidget* window) { parent_ = window; }

    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseOpenFile(const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;
    // The internal browser window, made at the first link that needs it; where the web engine
    // cannot run, the desktop's browser.
    bool showInBrowser(const QUrl& url) override;

  private:
    QPointer<QWidget> parent_;
    // Owned by the main window, its parent, like every other window of the program.
    QPointer<QWidget> browser_;
};
