#pragma once

#include "modsim/ModuleEngine.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace modsim {

// A simulated module on a pseudo-terminal: the program opens portName() like any serial port.
// The line runs on its own thread; replies are paced like a 9600-baud line (the command's own
// line time, then about 1.04 ms a byte) unless pacing is switched off.
class PtyModule {
  public:
    explicit PtyModule(const QString& model, int firmware = 0, bool paced = true);
    ~PtyModule();
    PtyModule(const PtyModule&) = delete;
    PtyModule& operator=(const PtyModule&) = delete;

    // False (with a reason in `error`) when no pseudo-terminal could be made.
    bool start(QString* error = nullptr);
    // The device path of the module's port (the pseudo-terminal's slave side).
    QString portName() const { return portName_; }
    // Makes `path` a symbolic link to the port; removed again when the module goes away.
    bool linkAs(const QString& path, QString* error = nullptr);

    ModuleEngine& engine() { return engine_; }

    // The bytes the module has read from its line and acted on: every command they complete
    // is answered and recorded.
    qint64 bytesHandled() const { return bytesHandled_; }
    // False once the module has hung up (or never had a line): nothing more reaches it.
    bool lineOpen() const { return lineOpen_; }
    // True once the module has handled `bytes` bytes or hung up: either way, every answer it
    // will ever give them is on the line.
    bool caughtUpWith(qint64 bytes) const { return bytesHandled_ >= bytes || !lineOpen_; }
    // Waits, up to `limit`, until the module has handled `bytes` bytes or hung up. True when
    // it has them all.
    bool awaitHandled(qint64 bytes, std::chrono::milliseconds limit) const;

    // Puts bytes on the line unasked, as noise or a late answer would.
    void sendUnsolicited(const QByteArray& bytes);

  private:
    void run();
    void answer(const QByteArray& line);
    void writePaced(const QByteArray& bytes);
    void hangUp();

    ModuleEngine engine_;
    bool paced_;
    int master_ = -1;
    int slave_ = -1;
    int wake_ = -1;
    QString portName_;
    QString linkPath_;
    std::atomic<bool> stopping_{false};
    std::atomic<qint64> bytesHandled_{0};
    std::atomic<bool> lineOpen_{false};
    std::thread thread_;
};

}  // namespace modsim
