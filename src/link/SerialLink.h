#pragma once

#include "link/LinkTiming.h"
#include "link/ModuleSession.h"
#include "link/PortOpenFailure.h"
#include "link/RegisterReply.h"

#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

class QSerialPort;

// Identifies an open port within one SerialLink; 0 means "no port".
using PortHandle = int;

// Whether the line is busy, and by what. An operation's session is open only while that
// operation runs; a held session stays open between events (the Values page's readings hold one
// while their timer runs). Every wait of a session keeps the thread's events running, so a timer
// tick or a click can come while an exchange waits on the line.
struct LineUse {
    // A session an operation opened is still open: the operation has not ended.
    bool operationSession = false;
    // A session is held open between events.
    bool heldSession = false;
    // A session's exchange (or pause, drain or close) is waiting on the line.
    bool exchange = false;

    bool busy() const { return operationSession || heldSession; }
};

// The serial byte link to one module: open a port by name, exchange 8-character register
// commands at 9600 8N1 with the waits of `timing`, close it again. An operation opens, exchanges
// and closes; only a held session keeps its port between events. Every wait keeps the calling
// thread's events running, so a window stays responsive during an exchange.
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
    // Opens a session that stays open between events, for readings taken at intervals: until it
    // closes, the line reads as held by it rather than by a running operation.
    SessionOpening hold(const QString& device);
    // Who has the line now.
    LineUse lineUse() const;

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
    // taken as such from the start. A module simulated in this process may tell how far it has
    // got: `caughtUpWith(sent)` is true once it has handled the first `sent` bytes this link
    // sent to it, so every answer it will give them is on the line. The room beyond the line's
    // own time-outs then ends there, where nothing more can come.
    void AllowForSimulatedModule(const QString& device,
                                 std::function<bool(qint64 sent)> caughtUpWith = {});

  private:
    friend class ModuleSession;
    // Counts a session's wait on the line for as long as it lives.
    class LineWait {
      public:
        explicit LineWait(SerialLink& link) : link_(link) { ++link_.lineWaits_; }
        ~LineWait() { --link_.lineWaits_; }
        LineWait(const LineWait&) = delete;
        LineWait& operator=(const LineWait&) = delete;

      private:
        SerialLink& link_;
    };
    using Clock = std::chrono::steady_clock;
    // Until when a port must stay quiet to count as quiet: by the line's own time-outs, and by
    // the room a simulated module gets beyond them (the same time for a real module).
    struct QuietUntil {
        Clock::time_point line;
        Clock::time_point room;
    };
    struct OpenPort {
        std::unique_ptr<QSerialPort> serial;
        QString identity;     // the device file the name leads to, to refuse a second session
        int owedAnswers = 0;  // commands sent without a read to take their answer
        bool held = false;    // kept open between events, not by a running operation
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
    // Whether the module on the port has caught up with what this link sent it; empty unless
    // the module tells its progress.
    std::function<bool()> caughtUpFor(const QSerialPort& serial) const;
    RegisterReply received(const QSerialPort* serial, const QByteArray& bytes, bool lineGone);
    void discardLateAnswer(QSerialPort& serial);
    // Discards input until the line has been quiet up to `quiet` and for one byte interval
    // after any byte that came, but waits no longer than `giveUpAt`.
    void discardUntilQuiet(QSerialPort& serial, QuietUntil quiet, Clock::time_point giveUpAt);

    // By port identity. Declared before the ports, whose signals count into it until they go.
    std::map<QString, qint64> bytesSentTo_;
    std::map<PortHandle, OpenPort> ports_;
    // The devices whose module is simulated on this machine, with the module's progress check
    // where it has one.
    std::map<QString, std::function<bool(qint64)>> simulatedModules_;
    // Ports whose last read timed out, by device, with the time before which the missed answer
    // may still arrive. Kept by device, not handle: a port closed and opened again at once
    // would otherwise receive that answer as the reply to its first command.
    std::map<QString, QuietUntil> lateAnswerUntil_;
    PortHandle nextHandle_ = 1;
    // Session waits in progress; more than one when a wait's events close a session.
    int lineWaits_ = 0;
};

// True when the text is not empty and holds only blanks and hexadecimal digits.
bool IsHex(const QString& text);

// Waits the given time while the application keeps processing its events (painting, timers,
// clicks). A wait of 0 ms or less returns at once without processing anything.
void Sleep(int milliseconds);
