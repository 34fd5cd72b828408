#pragma once

#include <QString>

class QWidget;

// The internal browser window comes from a module loaded at the first link, so the web engine
// costs nothing at start-up.

// Whether the web engine can run in this session: it needs a display, and as the system's
// administrator only with its sandbox turned off (QTWEBENGINE_DISABLE_SANDBOX=1).
bool BrowserCanRun();

// A new browser window from the module beside the program, or nullptr (with `why`) when the
// module is missing or cannot be loaded. The window has a slot navigate(QUrl).
QWidget* LoadBrowserWindow(QWidget* parent, QString* why);
