#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Configuration files for tests: the three comment lines and the empty line, the model line,
// then the given lines, each ended by CR LF.
QByteArray ConfigurationFileBytes(const QString& modelLine, const QStringList& lines);

// Writes `bytes` to `folder`/`name` (the folder is created) and returns the file's path.
QString PutFile(const QString& folder, const QString& name, const QByteArray& bytes);

// Makes a named pipe (FIFO) at `path`; false where the system has none.
bool MakePipe(const QString& path);

// The file's bytes, or "" when it cannot be read.
QByteArray FileBytes(const QString& path);

// The texts the program shows for files it refuses ("\r" breaks lines).
inline const QString InvalidFileText = QStringLiteral(
    "The chosen file does not seem to be a valid configuration file\r\rPlease Verify that:\r\r"
    "     - File is not corrupted\r     - File is authentic.");
// The box for a refused file, with the loader's reason on its own lines below the text.
inline QString InvalidFile(const QString& reason) {
    return InvalidFileText + QStringLiteral("\r\r") + reason;
}
QString UnrecognisedValue(const QString& name, const QString& value);
