#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>
#include <QString>
#include <QUrl>

#include <memory>

class QProcess;
class QWidget;

// The internal browser window runs in a process of its own: the program started with
// BrowserWindowOption. The web engine needs shared graphics contexts, which load the system's
// graphics driver at start; kept out of the main window, a start never pays for it.

inline constexpr char BrowserWindowOption[] = "--browser-window";

// The browser process's exit code when its module cannot be loaded.
inline constexpr int BrowserUnavailableExitCode = 3;

// One request to the browser process, a line on its standard input: the rectangle to open
// centred on (empty for the system's choice), then the address.
QByteArray BrowserRequestLine(const QUrl& address, const QRect& over);

// Shows the request of one line in `browser`, a window with the slot navigate(QUrl, QRect);
// false for a line that is no request.
bool ShowBrowserRequest(QWidget* browser, QByteArrayView line);

// The browser process itself: the window from the module, showing each request line of
// standard input until it ends.
int RunBrowserWindow(int argc, char* argv[]);

// This program started as the browser process, its standard input open for requests; nullptr
// (with `why`) when it does not start.
std::unique_ptr<QProcess> StartBrowserProcess(QString* why);
