#pragma once

#include "link/LinkTiming.h"
#include "link/PortOpenFailure.h"

#include <QString>

#include <chrono>
#include <map>
#include <memory>

class QSerialPort;

// Identifies an open port within one SerialLink. 0 means "no port", InvalidHandle a failed open.
using PortHandle = int;
inline constexpr PortHandle InvalidHandle = -1;

// What one read produced. `text` always has 8 characters: positions that were not received are
// blanks, so callers decoding fixed positions never read past the end. `received` tells a silent
// line from a garbled or partial answer.
struct RegisterReply {
    QString text;
    int received = 0;  // bytes taken from the line, CR LF included (0..10)

    bool silent() const { return received == 0; }
    // The presence tests take a leading "8" as the sign that a module answered.
    bool answered() const { return text.startsWith(QLatin1Char('8')); }
};

// The serial byte link to one module: open a port by name, exchange 8-character register
// commands at 9600 8N1 with the waits of `timing`, close it again. No port is held between
// operations; each operation opens, exchanges and closes. Every wait keeps the calling thread's
// events running, so a window stays responsive during an exchange.
class SerialLink {
  public:
    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // The port every probe and identification uses ("COM1", "/dev/pts/3", "ttyUSB0").
    QString ComPortName;
    // The handle shared by the routines of one operation; 0 when none is open.
    PortHandle ComHandle = 0;
    // The waits of every exchange; the real line timing unless a test chooses another.
    LinkTiming timing;

    // Opens and prepares the port; InvalidHandle when it is missing or in use (the cause is
    // then in lastOpenFailure()). Everything received before the open is discarded.
    PortHandle OpenComm(const QString& portName);
    // 9600 8N1, no flow control, break cleared. True when every setting was accepted.
    bool SetupCOMPort(PortHandle handle);
    // Sends the command line and reads nothing; the answer stays queued for the next read.
    // False when the line did not take the whole command (no port, a failed or vanished line).
    bool WriteToComm(PortHandle handle, const QString& command);
    // Reads one reply without sending.
    QString ReadFromComm(PortHandle handle);
    // Sends the command line, waits the fixed turnaround, reads one reply.
    QString WriteReadComm(PortHandle handle, const QString& command);
    // Closes the handle. ComHandle is cleared only when it is the handle being closed, so a
    // probe closing its own port never makes another operation forget its open one.
    void ShutDownComm(PortHandle handle);

    // The same reads, telling a silent line from a partial or garbled answer.
    RegisterReply readReply(PortHandle handle);
    RegisterReply exchange(PortHandle handle, const QString& command);

    bool isOpen(PortHandle handle) const;
    // Ports this link holds open; 0 between operations.
    int openPortCount() const { return static_cast<int>(ports_.size()); }

    // Why the latest OpenComm failed; fault None after a successful open.
    const PortOpenFailure& lastOpenFailure() const { return lastOpenFailure_; }

    // One of the fixed pauses of an operation: waits like Sleep() when timing.fixedPauses is
    // set, returns at once otherwise.
    void pause(int milliseconds);

  private:
    using Clock = std::chrono::steady_clock;

    QSerialPort* port(PortHandle handle) const;
    RegisterReply received(const QSerialPort* serial, const QByteArray& bytes);
    void discardLateAnswer(QSerialPort& serial);

    std::map<PortHandle, std::unique_ptr<QSerialPort>> ports_;
    // Ports whose last read timed out, by device, with the time before which the missed answer
    // may still arrive. Kept by device, not handle: a port closed and opened again at once
    // would otherwise receive that answer as the reply to its first command.
    std::map<QString, Clock::time_point> lateAnswerUntil_;
    PortOpenFailure lastOpenFailure_;
    PortHandle nextHandle_ = 1;
};

// True when the text is not empty and holds only blanks and hexadecimal digits.
bool IsHex(const QString& text);

// Waits the given time while the application keeps processing its events (painting, timers,
// clicks). A wait of 0 ms or less returns at once without processing anything.
void Sleep(int milliseconds);
