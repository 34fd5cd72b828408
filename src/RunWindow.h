#pragma once

#include <QStringList>

class ParsedArguments;

// Opens the main window, on a named port or on a simulated module (--demo [MODEL]); returns the
// process exit status when the window has closed.
int RunWindow(const ParsedArguments& options);
// The same from the words of a command line; a word the window does not take is refused with
// status 2 before anything opens.
int RunWindow(const QStringList& arguments);
