#pragma once

#include <QString>

// Turns a port name as the settings store it into what the serial driver opens.
// On Windows names stay as they are. Elsewhere "COMn" means the n-th standard serial port
// (/dev/ttyS(n-1)) so settings files keep their meaning across platforms, a name starting with
// "/" is a device path, and any other name lives below /dev/.
QString SystemPortLocation(const QString& portName);
