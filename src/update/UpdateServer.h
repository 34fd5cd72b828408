#pragma once

#include <QByteArray>
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

// The version the update script answered: its first three characters, when they are digits.
// Anything else (a short reply, an error page) is no version at all.
std::optional<QString> VersionFromReply(const QByteArray& body);

// The server's release is newer when its three characters come after ours, character by
// character.
bool IsNewerVersion(const QString& server, const QString& installed);
