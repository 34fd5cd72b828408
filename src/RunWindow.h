#pragma once

#include <QStringList>

// Opens the main window, on a named port or on a simulated module (--demo [MODEL]); returns the
// process exit status when the window has closed.
int RunWindow(const QStringList& arguments);
