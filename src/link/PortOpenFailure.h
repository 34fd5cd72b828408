#pragma once

#include <QSerialPort>
#include <QString>

// Why a port could not be opened, in the terms a user can act on.
enum class PortOpenFault {
    None,
    Missing,           // nothing by that name
    NotASerialPort,    // a folder, a plain file, or a device that is no serial line
    PermissionDenied,  // the system refuses this user the device
    InUse,             // another program (or another of our own windows) holds it
    Other,
};

struct PortOpenFailure {
    PortOpenFault fault = PortOpenFault::None;
    // One line naming the cause, for the line below the cable checklist; empty for None.
    QString reason;
};

// Classifies a failed open of the device at `location` (as the serial driver names it) from
// the driver's error and what the file system says about that path.
PortOpenFailure DescribeOpenFailure(const QString& location, QSerialPort::SerialPortError error,
                                    const QString& systemText);
