#pragma once

#include <QString>

// The folder that holds config.ini, log/, archive/ and factorydefaults/. Chosen once per run:
// `home` (the --home option) when given, else the KVC7345_HOME environment variable, else the
// executable's folder when it holds config.ini or can be written (a portable install), else the
// per-user application data folder, seeded on first use from the installed data folder.
QString ResolveProgramFolder(const QString& home = QString());

// A folder below the program folder ("log", "archive", "factorydefaults"), created when missing
// so that a deleted folder never makes a log or a save fail. Ends without a separator.
QString ProgramSubfolder(const QString& programFolder, const QString& name);
