#include "link/PortOpenFailure.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString shown(const QString& location) {
    return QDir::toNativeSeparators(location);
}

PortOpenFailure permissionFailure(const QString& location, const QString& systemText) {
    QString reason = QStringLiteral("Reason: the system refuses access to ") + shown(location) +
                     QStringLiteral(" (") + systemText + QStringLiteral(").");
#ifdef Q_OS_LINUX
    // Serial devices belong to the dialout group on Linux; members get read and write access.
    reason += QStringLiteral(
        " Add your user to the dialout group (sudo usermod -aG dialout $USER), then log in "
        "again.");
#endif
    return {PortOpenFault::PermissionDenied, reason};
}

}  // namespace

PortOpenFailure DescribeOpenFailure(const QString& location, QSerialPort::SerialPortError error,
                                    const QString& systemText) {
    if (error == QSerialPort::NoError) {
        return {};
    }
#ifndef Q_OS_WIN
    // Windows port names are no paths; there the driver's own words are all there is.
    const QFileInfo file(location);
    if (!file.exists() && file.isSymLink()) {
        return {PortOpenFault::Missing,
                QStringLiteral("Reason: ") + shown(location) +
                    QStringLiteral(" is a link that leads to no port (its target is missing, or "
                                   "the links form a loop).")};
    }
    if (!file.exists()) {
        return {PortOpenFault::Missing, QStringLiteral("Reason: there is no port ") +
                                            shown(location) + QStringLiteral(" on this computer.")};
    }
    if (file.isDir()) {
        return {PortOpenFault::NotASerialPort,
                QStringLiteral("Reason: ") + shown(location) +
                    QStringLiteral(" is a folder, not a serial port.")};
    }
    if (file.isFile()) {
        return {PortOpenFault::NotASerialPort,
                QStringLiteral("Reason: ") + shown(location) +
                    QStringLiteral(" is a file, not a serial port.")};
    }
    if (error == QSerialPort::PermissionError) {
        // The driver reports a lock held by another program as a permission error too: a device
        // this user may read and write is refused only because someone else has it.
        if (file.isReadable() && file.isWritable()) {
            return {PortOpenFault::InUse, QStringLiteral("Reason: ") + shown(location) +
                                              QStringLiteral(" is in use by another program.")};
        }
        return permissionFailure(location, systemText);
    }
    if (error == QSerialPort::UnsupportedOperationError) {
        return {PortOpenFault::NotASerialPort, QStringLiteral("Reason: ") + shown(location) +
                                                   QStringLiteral(" is not a serial port (") +
                                                   systemText + QStringLiteral(").")};
    }
#else
    if (error == QSerialPort::PermissionError) {
        // Windows refuses a port another program has open with "access denied".
        return {PortOpenFault::InUse, QStringLiteral("Reason: ") + location +
                                          QStringLiteral(" is in use by another program.")};
    }
#endif
    if (error == QSerialPort::DeviceNotFoundError) {
        return {PortOpenFault::Missing, QStringLiteral("Reason: there is no port ") +
                                            shown(location) + QStringLiteral(" on this computer.")};
    }
    return {PortOpenFault::Other, QStringLiteral("Reason: ") + shown(location) +
                                      QStringLiteral(" could not be opened (") + systemText +
                                      QStringLiteral(").")};
}
