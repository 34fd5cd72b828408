#include "link/LineDrain.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <thread>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

bool WaitUntilSent(QSerialPort& port, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    while (port.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!port.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
    }
    if (port.bytesToWrite() > 0) {
        return false;
    }
#ifdef Q_OS_UNIX
    const int descriptor = static_cast<int>(port.handle());
    if (descriptor < 0) {
        return true;
    }
    // The driver's queue is watched rather than waited on with tcdrain alone, which has no
    // time limit: a line held by flow control would hold the program with it.
    int queued = 0;
    while (::ioctl(descriptor, TIOCOUTQ, &queued) == 0 && queued > 0) {
        if (deadline.hasExpired()) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // What is left is at most the adapter's own few bytes, which go out in a few byte times.
    return ::tcdrain(descriptor) == 0;
#else
    return true;
#endif
}
