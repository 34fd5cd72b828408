#pragma once

#include <QString>

// The pieces of the start-up that are plain text and numbers.

// The version digits joined by points: "132" gives "1.3.2".
QString DottedVersion(const QString& softwareVersion);

// The main window's caption, "Norvik KVC7345 Configurator [1.3.2]" for version "132".
QString WindowCaption(const QString& softwareVersion);

// The first run's greeting, which points the user to the maker's web site.
QString WelcomeText(const QString& makerWebSite);

// The number of earlier starts kept in RUNTIMES. A value that is not a whole number (empty,
// "2.5", "x") counts as 0, so a damaged counter greets the user once more and starts again.
int RunCount(const QString& runtimes);
