#pragma once

#include <chrono>

class QSerialPort;

// Waits until what was written to the port has left the line: out of the port's own buffer, out
// of the driver's and, where the system says so, out of the adapter. Closing a port at once
// would restore its old settings while the last command is still being sent, and some adapters
// drop what they still hold. Waits no longer than `limit`; true when everything left in time.
bool WaitUntilSent(QSerialPort& port, std::chrono::milliseconds limit);
