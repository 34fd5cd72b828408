#pragma once

#include "shell/Dialogs.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <memory>

class QProcess;

// Real modal boxes and file dialogs on screen, centred on the main window once it exists.
class WidgetDialogs final : public Dialogs {
  public:
    WidgetDialogs();
    WidgetDialogs(const WidgetDialogs&) = delete;
    WidgetDialogs& operator=(const WidgetDialogs&) = delete;
    ~WidgetDialogs() override;

    // The window the boxes belong to; until it is set they open centred on the screen.
    void setParentWindow(QWidget* window) { parent_ = window; }

    BoxAnswer message(BoxKind kind, const QString& text, BoxButtons buttons) override;
    QString chooseSaveFile(const FileDialogRequest& request) override;
    QString chooseOpenFile(const FileDialogRequest& request) override;
    bool openUrl(const QUrl& url) override;
    // The internal browser window, in a process started at the first link that needs it and
    // kept for the later ones; where the web engine cannot run, the desktop's browser.
    bool showInBrowser(const QUrl& url) override;

  private:
    void browserEnded(int exitCode);

    QPointer<QWidget> parent_;
    // Ends with the boxes, that is with the program.
    std::unique_ptr<QProcess> browser_;
    // The address last sent to the browser process, for the desktop when the process finds no
    // browser module.
    QUrl lastAddress_;
    bool browserUnavailable_ = false;
};
