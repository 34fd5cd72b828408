#include "update/UpdateServer.h"

#include "shell/MakerSite.h"

QUrl UpdateAddress(const QString& path) {
    QUrl address(MakerWebSite() + path);
    if (qEnvironmentVariableIsEmpty("KVC7345_SERVER")) {
        address.setScheme(QStringLiteral("https"));
    }
    return address;
}

QUrl UpdateScriptAddress() {
    return UpdateAddress(QStringLiteral("/software/updates/kvc7345.php"));
}

QUrl InstallerAddress() {
#ifdef Q_OS_WIN
    return UpdateAddress(QStringLiteral("/download/sw/KVC7345.exe"));
#else
    return UpdateAddress(QStringLiteral("/download/sw/kvc7345_amd64.deb"));
#endif
}

QString InstallerFileName() {
#ifdef Q_OS_WIN
    return QStringLiteral("KVC7345_setup.exe");
#else
    return QStringLiteral("kvc7345_setup.deb");
#endif
}

std::optional<QString> VersionFromReply(const QByteArray& body) {
    if (body.size() < 3) {
        return std::nullopt;
    }
    const QByteArray digits = body.left(3);
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    return QString::fromLatin1(digits);
}

bool IsNewerVersion(const QString& server, const QString& installed) {
    return server > installed;
}
