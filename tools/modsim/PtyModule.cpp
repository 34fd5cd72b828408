#include "modsim/PtyModule.h"

#include "link/LinkTiming.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace modsim {

namespace {

// Only a line without its other side (no slave open) is looked at again after this pause; an idle
// line with a program on it sleeps until a byte or the stop arrives.
constexpr int HungUpPauseMilliseconds = 20;

}  // namespace

PtyModule::PtyModule(const QString& model, int firmware, bool paced)
    : engine_(model, firmware), paced_(paced) {}

PtyModule::~PtyModule() {
    stopping_ = true;
    if (wake_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(wake_, &one, sizeof one);
    }
    if (thread_.joinable()) {
        thread_.join();
    }
    hangUp();
    if (wake_ >= 0) {
        ::close(wake_);
    }
    if (!linkPath_.isEmpty()) {
        QFile::remove(linkPath_);
    }
}

bool PtyModule::start(QString* error) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot create a pseudo-terminal: ") +
                     QString::fromLocal8Bit(std::strerror(errno));
        }
        return false;
    }
    // A program started from this process (a test running kvc7345) must not inherit the line's
    // ends: holding the module's side open, it would keep the line up after the module hung up.
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    // The line's thread sleeps on the line and on this until there is work: an idle module costs
    // the machine nothing.
    wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake_ < 0) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot create an event descriptor: ") +
                     QString::fromLocal8Bit(std::strerror(errno));
        }
        hangUp();
        return false;
    }
    // Raw line on the module's side too: no echo, no line editing while no program is connected.
    termios settings{};
    tcgetattr(slave_, &settings);
    cfmakeraw(&settings);
    tcsetattr(slave_, TCSANOW, &settings);
    // The slave stays open here so the master keeps working between the program's open periods.
    portName_ = QString::fromLocal8Bit(name);
    lineOpen_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

bool PtyModule::linkAs(const QString& path, QString* error) {
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    }
    if (!QFile::link(portName_, path)) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot create the link ") + path;
        }
        return false;
    }
    linkPath_ = path;
    return true;
}

void PtyModule::sendUnsolicited(const QByteArray& bytes) {
    if (master_ >= 0) {
        [[maybe_unused]] const auto written = ::write(master_, bytes.constData(), bytes.size());
    }
}

void PtyModule::run() {
    QByteArray pending;
    while (!stopping_ && master_ >= 0) {
        pollfd watch[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
        if (::poll(watch, 2, -1) <= 0 || (watch[0].revents & POLLIN) == 0) {
            if ((watch[0].revents & (POLLHUP | POLLERR)) != 0) {
                ::poll(&watch[1], 1, HungUpPauseMilliseconds);
            }
            continue;
        }
        char buffer[256];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count <= 0) {
            continue;
        }
        pending.append(buffer, count);
        // Commands end with CR LF; a lone LF is accepted too.
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.endsWith('\r')) {
                line.chop(1);
            }
            answer(line);
            if (master_ < 0) {
                return;
            }
        }
        bytesHandled_ += count;
    }
}

bool PtyModule::awaitHandled(qint64 bytes, std::chrono::milliseconds limit) const {
    const auto giveUpAt = std::chrono::steady_clock::now() + limit;
    while (!caughtUpWith(bytes)) {
        if (std::chrono::steady_clock::now() >= giveUpAt) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bytesHandled_ >= bytes;
}

void PtyModule::answer(const QByteArray& line) {
    const Response response = engine_.handleLine(line);
    if (response.disconnect) {
        hangUp();
        return;
    }
    if (response.bytes.isEmpty()) {
        return;
    }
    if (paced_) {
        // The command itself took this long on the wire before the module could answer.
        std::this_thread::sleep_for(linktiming::ByteTime * (line.size() + 2));
    }
    std::this_thread::sleep_for(response.delay);
    writePaced(response.bytes);
}

void PtyModule::writePaced(const QByteArray& bytes) {
    if (!paced_) {
        sendUnsolicited(bytes);
        return;
    }
    auto next = std::chrono::steady_clock::now();
    for (const char byte : bytes) {
        std::this_thread::sleep_until(next);
        sendUnsolicited(QByteArray(1, byte));
        next += linktiming::ByteTime;
    }
}

void PtyModule::hangUp() {
    lineOpen_ = false;
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

}  // namespace modsim
