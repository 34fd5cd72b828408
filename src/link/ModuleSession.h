#pragma once

#include "link/PortOpenFailure.h"
#include "link/RegisterReply.h"

#include <QString>

#include <optional>

class SerialLink;

// One conversation with a module: the port is open for exactly as long as the session lives.
// A session is only had from SerialLink::open, with a device, never with a caption; moving it
// hands the port on, destroying it closes the port.
class ModuleSession {
  public:
    ModuleSession(ModuleSession&& other) noexcept;
    ModuleSession& operator=(ModuleSession&& other) noexcept;
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;
    ~ModuleSession();

    // The device this session holds ("/dev/ttyS0", "COM3", a pseudo-terminal).
    const QString& device() const { return device_; }

    // Sends the command, waits the module's turnaround and reads its reply.
    RegisterReply exchange(const QString& command);
    // Sends the command and reads nothing: its reply stays queued for the next read, or is
    // taken off the line when the session ends. False when the line did not take the whole
    // command.
    bool send(const QString& command);
    // Reads one reply without sending.
    RegisterReply read();
    // Throws away what the line still brings until it falls quiet, so that the next reply read
    // starts at a reply's first byte again (after a reply of the wrong shape).
    void drain();
    // One of the fixed pauses of an operation (skipped by the unpaced timing of tests).
    void pause(int milliseconds);

    // Closes the port now; every later exchange reads as a line gone.
    void close();

  private:
    friend class SerialLink;
    ModuleSession(SerialLink& link, int handle, QString device);

    SerialLink* link_ = nullptr;
    int handle_ = 0;
    QString device_;
};

// Opening a device: a session, or why there is none.
struct SessionOpening {
    std::optional<ModuleSession> session;
    PortOpenFailure failure;

    explicit operator bool() const { return session.has_value(); }
};
