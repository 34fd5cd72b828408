#include "link/PortSearch.h"

#include "link/PortNames.h"
#include "link/SerialLink.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>

namespace {

const QString ModelQuery = QStringLiteral("00d00000");

// The name settings should keep for a port the system lists: its own name where the system
// names ports ("COM7"), its device path elsewhere, so a later search finds it again.
QString storedName(const QSerialPortInfo& info) {
#ifdef Q_OS_WIN
    return info.portName();
#else
    return info.systemLocation();
#endif
}

}  // namespace

QStringList PortNamesToTry(const QStringList& systemPorts, const QString& extraPorts) {
    QStringList names;
    names.reserve(NumberedPorts + systemPorts.size());
    for (int n = 1; n <= NumberedPorts; ++n) {
        names << QStringLiteral("COM%1").arg(n);
    }
    names += systemPorts;
    names += extraPorts.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

QStringList SystemPortNamesToTry() {
    QStringList listed;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        listed << storedName(info);
    }
    return PortNamesToTry(listed, qEnvironmentVariable("KVC7345_PORTS"));
}

QString PortIdentity(const QString& portName) {
    if (portName.isEmpty()) {
        return {};
    }
#ifdef Q_OS_WIN
    // Windows port names are no files; the name itself, in either case, is the port.
    return portName.toUpper();
#else
    // A name without a device behind it is skipped here, before any open is attempted.
    return QFileInfo(SystemPortLocation(portName)).canonicalFilePath();
#endif
}

int VisitPorts(SerialLink& link, const QStringList& names,
               const std::function<bool(const PortVisit&)>& visit, int maxOpened,
               const std::function<bool(int place, int total)>& proceed) {
    int opened = 0;
    int place = 0;
    QSet<QString> tried;
    for (const QString& name : names) {
        if (opened >= maxOpened) {
            break;
        }
        ++place;
        if (proceed && !proceed(place, static_cast<int>(names.size()))) {
            break;
        }
        const QString identity = PortIdentity(name);
        if (identity.isEmpty() || tried.contains(identity)) {
            continue;
        }
        tried.insert(identity);
        SessionOpening opening = link.open(name);
        if (!opening) {
            continue;  // missing or in use: skipped without a word
        }
        ++opened;
        const bool answered = opening.session->exchange(ModelQuery).answered();
        opening.session->close();
        if (!visit({name, answered})) {
            break;
        }
    }
    return opened;
}
