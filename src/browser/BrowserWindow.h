#pragma once

#include <QRect>
#include <QUrl>
#include <QWidget>

class QWebEngineView;

// The internal browser (TForm2): a tool window that shows the maker's product page for the
// model. Closing it only hides it; the next link shows it again with the new address. It lives
// in a module of its own that the program loads at the first link, so that a start never pays
// for the web engine.
class BrowserWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit BrowserWindow(QWidget* parent = nullptr);

    // Shows the window and loads `address` in it. A window not yet on screen opens centred on
    // `over` (the main window's place), or where the system puts it when that is empty.
    Q_INVOKABLE void navigate(const QUrl& address, const QRect& over = QRect());
    QUrl address() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWebEngineView* view_;
};
