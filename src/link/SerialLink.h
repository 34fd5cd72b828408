#pragma once

#include "link/LinkTiming.h"
#include "link/ModuleSession.h"
#include "link/PortOpenFailure.h"
#include "link/RegisterReply.h"

#include <QString>

#include <chrono>
#include <map>
#include <memory>
#include <set>

class QSerialPort;

// Identifies an open port within one SerialLink; 0 means "no port".
using PortHandle = int;

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

    // The device of this run's module ("COM1", "/dev/pts/3", "ttyUSB0"): the default port
    // setting as the run resolved it.
    QString ComPortName;
    // The waits of every exchange; the real line timing unless a test chooses another.
    LinkTiming timing;

    // Opens and prepares the device for one session. Refused when the device is missing, held
    // by another program, or held by a session of this link already. Everything received
    // before the open is discarded.
    SessionOpening open(const QString& device);

    // Ports this link holds open; 0 between operations.
    int openPortCount() const { return static_cast<int>(ports_.size()); }
    // The bytes the port `device` has taken from this link so far, under any of its names (a
    // symbolic link and its target are one port): a simulated module there that has read as
    // many has every command.
    qint64 bytesSentTo(const QString& device) const;
    // One of the fixed pauses of an operation: waits like Sleep() when timing.fixedPauses is
    // set, returns at once otherwise.
    void pause(int milliseconds);
    // The module on `device` is simulated on this machine (the demo, a test's simulator): its
    // reads get the room a busy machine needs. The ports named in KVC7345_SIMULATED_PORTS are
    // taken as such from the start.
    void AllowForSimulatedModule(const QString& device);

  private:
    friend class ModuleSession;
    using Clock = std::chrono::steady_clock;
    struct OpenPort {
        std::unique_ptr<QSerialPort> serial;
        QString identity;     // the device file the name leads to, to refuse a second session
        int owedAnswers = 0;  // commands sent without a read to take their answer
    };

    // 9600 8N1, no flow control, break cleared. True when every setting was accepted.
    bool SetupCOMPort(PortHandle handle);
    // Sends the command line and reads nothing; the answer stays queued for the next read.
    bool WriteToComm(PortHandle handle, const QString& command);
    RegisterReply readReply(PortHandle handle);
    RegisterReply exchange(PortHandle handle, const QString& command);
    void drain(PortHandle handle);
    void ShutDownComm(PortHandle handle);
    // Reads the answers the module still owes for commands sent without a read.
    void takeOwedAnswers(PortHandle handle);

    QSerialPort* port(PortHandle handle) const;
    // `timing`, with room for a simulated module on the port that has one.
    LinkTiming timingFor(const QSerialPort& serial) const;
    RegisterReply received(const QSerialPort* serial, const QByteArray& bytes, bool lineGone);
    void discardLateAnswer(QSerialPort& serial);
    // Discards input until the line has been quiet up to `quietUntil` and for one byte interval
    // after any byte that came, but waits no longer than `giveUpAt`.
    void discardUntilQuiet(QSerialPort& serial, Clock::time_point quietUntil,
                           Clock::time_point giveUpAt);

    // By port identity. Declared before the ports, whose signals count into it until they go.
    std::map<QString, qint64> bytesSentTo_;
    std::map<PortHandle, OpenPort> ports_;
    // The devices whose module is simulated on this machine.
    std::set<QString> simulatedModules_;
    // Ports whose last read timed out, by device, with the time before which the missed answer
    // may still arrive. Kept by device, not handle: a port closed and opened again at once
    // would otherwise receive that answer as the reply to its first command.
    std::map<QString, Clock::time_point> lateAnswerUntil_;
    PortHandle nextHandle_ = 1;
};

// True when the text is not empty and holds only blanks and hexadecimal digits.
bool IsHex(const QString& text);

// Waits the given time while the application keeps processing its events (painting, timers,
// clicks). A wait of 0 ms or less returns at once without processing anything.
void Sleep(int milliseconds);
