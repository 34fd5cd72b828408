#pragma once

#include <QString>
#include <QStringList>

// The folder that holds config.ini, log/, archive/ and factorydefaults/. Chosen once per run:
// `home` (the --home option) when given, else the KVC7345_HOME environment variable, else the
// executable's folder when it holds config.ini or can be written (a portable install; never the
// bin/ of an installed prefix), else the per-user application data folder, seeded on first use
// with config.ini and the factory defaults of the installed data folder.
QString ResolveProgramFolder(const QString& home = QString());

// A folder below the program folder ("log", "archive", "factorydefaults"), created when missing
// so that a deleted folder never makes a log or a save fail. Ends without a separator.
QString ProgramSubfolder(const QString& programFolder, const QString& name);

// The folders the manual is looked for in, in order: the program folder, the shipped data of an
// installed prefix (../share/kvc7345 from the executable), the executable's own folder (a build
// tree or a portable copy).
QStringList ManualFolders(const QString& programFolder, const QString& applicationFolder);
