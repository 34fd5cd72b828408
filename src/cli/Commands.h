#pragma once

#include <QStringList>

// The commands that run without a window. Each returns the process exit status.
int RunIdentify(const QStringList& arguments);

// Prints the list of commands.
int PrintUsage(bool toError);
