#pragma once

#include <QString>

// One line of text on standard output or standard error, UTF-8.
void PrintOut(const QString& line);
void PrintError(const QString& line);
