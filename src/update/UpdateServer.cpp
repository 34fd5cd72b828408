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

QString InstallerContentProblem(QByteArrayView head, qint64 size) {
#ifdef Q_OS_WIN
    const bool itsKind = head.startsWith("MZ");
    const QString kind = QStringLiteral("a Windows program");
#else
    // The first member's name is padded with blanks; some tools end it with a slash.
    const QByteArrayView arMagic = "!<arch>\n";
    QByteArrayView firstMember =
        head.size() >= InstallerHeadSize ? head.sliced(arMagic.size(), 16).trimmed() : "";
    if (firstMember.endsWith('/')) {
        firstMember.chop(1);
    }
    const bool itsKind = head.startsWith(arMagic) && firstMember == "debian-binary";
    const QString kind = QStringLiteral("a Debian package");
#endif
    if (!itsKind) {
        return QStringLiteral("the server sent %1 bytes that are not %2").arg(size).arg(kind);
    }
    if (size < MinimumInstallerSize) {
        return QStringLiteral("the server sent only %1 bytes, too few for an installer").arg(size);
    }
    return {};
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
