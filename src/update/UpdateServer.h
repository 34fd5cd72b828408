#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>

#include <optional>

// The maker's update service: where the newest version number and the installer are fetched,
// and how a version number is read and compared.

// An address on the maker's server. Requests go over https; only a server configured through
// KVC7345_SERVER (a company mirror, a test server) keeps the scheme it was given.
QUrl UpdateAddress(const QString& path);
QUrl UpdateScriptAddress();
QUrl InstallerAddress();
// The installer's name in the program folder: the Windows setup program, or the Debian package.
QString InstallerFileName();

// Whether a downloaded file is an installer for this system: a Windows program ("MZ") or a
// Debian package (an ar archive whose first member is debian-binary), and not shorter than any
// real one. `head` holds its first InstallerHeadSize bytes (fewer when it is shorter), `size`
// its length. Returns "" or why it is none; an error page saved as the installer is the case.
constexpr qsizetype InstallerHeadSize = 24;
constexpr qint64 MinimumInstallerSize = 102400;
QString InstallerContentProblem(QByteArrayView head, qint64 size);

// The version the update script answered: its first three characters, when they are digits.
// Anything else (a short reply, an error page) is no version at all.
std::optional<QString> VersionFromReply(const QByteArray& body);

// The server's release is newer when its three characters come after ours, character by
// character.
bool IsNewerVersion(const QString& server, const QString& installed);
