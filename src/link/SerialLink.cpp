#include "link/SerialLink.h"

#include "link/LineDrain.h"
#include "link/LinkTiming.h"
#include "link/PortNames.h"
#include "link/PortOpenFailure.h"
#include "link/PortSearch.h"
#include "link/RegisterProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono;

const QString BlankReply(linktiming::ReplyChars, QLatin1Char(' '));

// Why a wait on the port ended, from least to most final.
enum class WaitEnd { TimedOut, Signalled, LineFailed, PortGone };

// Timeout only says a wait ran out; anything else means the line itself went wrong.
bool isLineFailure(QSerialPort::SerialPortError error) {
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

bool haveEventLoop() {
    return QCoreApplication::instance() != nullptr;
}

// Runs a local event loop until the port emits `signal`, the line fails, the port is destroyed
// or `milliseconds` pass, so the calling thread keeps painting and running its timers.
template <typename Signal>
WaitEnd waitOnPort(const QPointer<QSerialPort>& port, qint64 milliseconds, Signal signal) {
    QEventLoop loop;
    WaitEnd end = WaitEnd::TimedOut;
    // Several signals may arrive before the loop returns; the most final one decides.
    const auto finish = [&loop, &end](WaitEnd why) {
        end = std::max(end, why);
        loop.quit();
    };
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(port, signal, &loop, [&finish] { finish(WaitEnd::Signalled); });
    QObject::connect(port, &QSerialPort::errorOccurred, &loop,
                     [&finish](QSerialPort::SerialPortError error) {
                         if (isLineFailure(error)) {
                             finish(WaitEnd::LineFailed);
                         }
                     });
    // Another event handler may close the port while this loop runs.
    QObject::connect(port, &QObject::destroyed, &loop, [&finish] { finish(WaitEnd::PortGone); });
    deadline.start(static_cast<int>(milliseconds));
    loop.exec();
    return port ? end : WaitEnd::PortGone;
}

// While a simulated module is behind, a wait past the line's own time-out looks this often
// whether it has caught up.
constexpr milliseconds ProgressCheck{2};

// The waits of one port: the line's own time-outs, and the room a module simulated on this
// machine gets beyond them (the line's own again for a real module). A module that tells its
// progress ends the room once it has caught up: everything it will send is on the line then.
struct PortWaits {
    LinkTiming line;
    LinkTiming room;
    std::function<bool()> caughtUp;  // empty unless the module tells its progress

    // How long to wait on, `lineLeft` before the line's deadline and `roomLeft` before the
    // room's. The module's progress is taken here, before the caller's last look at the port.
    qint64 waitFor(qint64 lineLeft, qint64 roomLeft) const {
        if (!caughtUp || roomLeft <= 0) {
            return roomLeft;
        }
        if (lineLeft > 0) {
            return std::min(lineLeft, roomLeft);
        }
        return caughtUp() ? 0 : std::min<qint64>(roomLeft, ProgressCheck.count());
    }
};

// Reads up to ReplyBytes with the port's time-outs: done when 10 bytes arrived, when the gap
// after a byte reaches the read interval, or when the read total has passed. Bytes beyond 10
// stay in the port's buffer for the next read.
struct LineRead {
    QByteArray bytes;
    bool lineGone = false;
};

LineRead readUpToReplyBytes(const QPointer<QSerialPort>& port, const PortWaits& waits) {
    QByteArray received;
    bool lineGone = false;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QElapsedTimer sinceLastByte;
    const auto left = [&sinceStart, &sinceLastByte](const LinkTiming& timing) {
        qint64 wait = timing.readTotal.count() - sinceStart.elapsed();
        if (sinceLastByte.isValid()) {
            wait = std::min(wait, timing.readInterval.count() - sinceLastByte.elapsed());
        }
        return wait;
    };

    while (port && received.size() < linktiming::ReplyBytes) {
        if (port->bytesAvailable() > 0) {
            received += port->read(linktiming::ReplyBytes - received.size());
            sinceLastByte.start();
            continue;
        }
        const qint64 wait = waits.waitFor(left(waits.line), left(waits.room));
        // A line that vanished earlier (unplugged adapter) will deliver nothing more.
        if (!port->isOpen() || port->error() == QSerialPort::ResourceError) {
            lineGone = true;
            break;
        }
        if (wait <= 0) {
            // Bytes the system took in before the deadline arrived in time, even when this
            // program was too busy to look: take them before giving up.
            if (port->waitForReadyRead(0) && port && port->bytesAvailable() > 0) {
                continue;
            }
            break;
        }
        if (haveEventLoop()) {
            if (waitOnPort(port, wait, &QSerialPort::readyRead) >= WaitEnd::LineFailed) {
                lineGone = true;
                break;
            }
        } else if (!port->waitForReadyRead(static_cast<int>(wait)) &&
                   isLineFailure(port->error())) {
            lineGone = true;
            break;
        }
    }
    return {received, lineGone || !port};
}

// Sends the command line and waits until it has left the port or the write time-out passed.
// False when the line took it only in part or failed (an unplugged adapter, a closed
// pseudo-terminal); a reply that follows would show the same, but a write without a reply has
// only this to go by.
bool writeLine(const QPointer<QSerialPort>& port, const QString& command, milliseconds writeTotal) {
    if (!port) {
        return false;
    }
    const QByteArray line = command.toLatin1() + "\r\n";
    if (port->write(line) != line.size()) {
        return false;
    }
    if (!haveEventLoop()) {
        return port->waitForBytesWritten(static_cast<int>(writeTotal.count())) ||
               port->bytesToWrite() == 0;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    while (port && port->bytesToWrite() > 0) {
        const qint64 wait = writeTotal.count() - sinceStart.elapsed();
        if (wait <= 0 ||
            waitOnPort(port, wait, &QSerialPort::bytesWritten) >= WaitEnd::LineFailed) {
            break;
        }
    }
    return port && port->bytesToWrite() == 0 && !isLineFailure(port->error());
}

}  // namespace

RegisterReply MakeReply(const QByteArray& bytes, bool lineGone) {
    RegisterReply reply;
    reply.bytes = bytes;
    reply.received = static_cast<int>(bytes.size());
    reply.text = BlankReply;
    const int taken = std::min<int>(static_cast<int>(bytes.size()), linktiming::ReplyChars);
    for (int i = 0; i < taken; ++i) {
        reply.text[i] = QChar::fromLatin1(bytes[i]);
    }
    const bool whole = bytes.size() == linktiming::ReplyBytes && bytes.endsWith("\r\n") &&
                       std::all_of(reply.text.cbegin(), reply.text.cend(),
                                   [](QChar c) { return HexDigitValue(c) >= 0; });
    if (whole) {
        reply.kind = ReplyKind::Answered;
    } else if (lineGone) {
        reply.kind = ReplyKind::LineGone;
    } else {
        reply.kind = bytes.isEmpty() ? ReplyKind::Silent : ReplyKind::Garbled;
    }
    return reply;
}

SerialLink::SerialLink() {
    const QString simulated = qEnvironmentVariable("KVC7345_SIMULATED_PORTS");
    for (const QString& device : simulated.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        AllowForSimulatedModule(device);
    }
}
SerialLink::~SerialLink() = default;

SessionOpening SerialLink::open(const QString& device) {
    if (device.isEmpty()) {
        return {std::nullopt,
                {PortOpenFault::Missing, QStringLiteral("Reason: no port is named.")}};
    }
    const QString location = SystemPortLocation(device);
    // The driver's lock does not stop this process from opening a device twice; two
    // conversations on one line would read each other's replies.
    const QString identity = PortIdentity(device);
    const bool held = !identity.isEmpty() &&
                      std::any_of(ports_.cbegin(), ports_.cend(), [&identity](const auto& open) {
                          return open.second.identity == identity;
                      });
    if (held) {
        return {
            std::nullopt,
            {PortOpenFault::InUse, QStringLiteral("Reason: ") + QDir::toNativeSeparators(location) +
                                       QStringLiteral(" is in use by this program.")}};
    }
    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(location);
    serial->setObjectName(location);
    // The driver opens a port exclusively: a lock file and TIOCEXCL where the system has them.
    if (!serial->open(QIODevice::ReadWrite)) {
        return {std::nullopt,
                DescribeOpenFailure(location, serial->error(), serial->errorString())};
    }
    // The count's place is looked up once: the signal comes with every write.
    qint64* sentThere = &bytesSentTo_[identity];
    QObject::connect(serial.get(), &QSerialPort::bytesWritten,
                     [sentThere](qint64 bytes) { *sentThere += bytes; });
    const PortHandle handle = nextHandle_++;
    ports_.emplace(handle, OpenPort{std::move(serial), identity});
    SetupCOMPort(handle);
    QSerialPort& opened = *port(handle);
    opened.setBreakEnabled(false);
    // Nothing left over from an earlier conversation may be taken for an answer.
    opened.clear(QSerialPort::Input);
    return {ModuleSession(*this, handle, device), {}};
}

SessionOpening SerialLink::hold(const QString& device) {
    SessionOpening opening = open(device);
    if (opening) {
        ports_.at(opening.session->handle_).held = true;
    }
    return opening;
}

LineUse SerialLink::lineUse() const {
    LineUse use;
    for (const auto& entry : ports_) {
        if (entry.second.held) {
            use.heldSession = true;
        } else {
            use.operationSession = true;
        }
    }
    use.exchange = lineWaits_ > 0;
    return use;
}

bool SerialLink::SetupCOMPort(PortHandle handle) {
    QSerialPort* serial = port(handle);
    if (serial == nullptr) {
        return false;
    }
    // Every step is attempted even when an earlier one is refused.
    bool accepted = serial->setBaudRate(linktiming::BaudRate);
    accepted = serial->setDataBits(QSerialPort::Data8) && accepted;
    accepted = serial->setParity(QSerialPort::NoParity) && accepted;
    accepted = serial->setStopBits(QSerialPort::OneStop) && accepted;
    accepted = serial->setFlowControl(QSerialPort::NoFlowControl) && accepted;
    return accepted;
}

bool SerialLink::WriteToComm(PortHandle handle, const QString& command) {
    const QPointer<QSerialPort> serial = port(handle);
    if (!serial) {
        return false;
    }
    discardLateAnswer(*serial);
    const bool sent = writeLine(serial, command, timingFor(*serial).writeTotal);
    if (const auto open = ports_.find(handle); sent && open != ports_.end()) {
        ++open->second.owedAnswers;
    }
    return sent;
}

// The waits below run the thread's events, which may close the port: the port is followed
// through a QPointer and the timing is copied, so nothing dangles after.
RegisterReply SerialLink::readReply(PortHandle handle) {
    const QPointer<QSerialPort> serial = port(handle);
    if (!serial) {
        return MakeReply({}, true);
    }
    if (const auto open = ports_.find(handle);
        open != ports_.end() && open->second.owedAnswers > 0) {
        --open->second.owedAnswers;
    }
    const PortWaits waits{timing, timingFor(*serial), caughtUpFor(*serial)};
    const LineRead read = readUpToReplyBytes(serial, waits);
    return received(serial, read.bytes, read.lineGone);
}

RegisterReply SerialLink::exchange(PortHandle handle, const QString& command) {
    const QPointer<QSerialPort> serial = port(handle);
    if (!serial) {
        return MakeReply({}, true);
    }
    const PortWaits waits{timing, timingFor(*serial), caughtUpFor(*serial)};
    discardLateAnswer(*serial);
    const bool sent = writeLine(serial, command, waits.room.writeTotal);
    // The module needs this turnaround before its answer is read.
    Sleep(static_cast<int>(waits.room.turnaround.count()));
    const LineRead read = readUpToReplyBytes(serial, waits);
    return received(serial, read.bytes, read.lineGone || (!sent && read.bytes.isEmpty()));
}

RegisterReply SerialLink::received(const QSerialPort* serial, const QByteArray& bytes,
                                   bool lineGone) {
    if (serial != nullptr) {
        if (bytes.size() < linktiming::ReplyBytes) {
            // The read gave up before a whole answer came: the rest may still be on its way.
            const Clock::time_point now = Clock::now();
            lateAnswerUntil_[serial->objectName()] = {now + timing.readTotal,
                                                      now + timingFor(*serial).readTotal};
        } else {
            lateAnswerUntil_.erase(serial->objectName());
        }
    }
    return MakeReply(bytes, lineGone);
}

// Waits out an answer that missed its read, throwing away what arrives, so that it is never
// read as the reply to the next command. The line must stay quiet for one read time after the
// read that gave up, and for one byte interval after any late byte.
void SerialLink::discardLateAnswer(QSerialPort& serial) {
    const auto late = lateAnswerUntil_.find(serial.objectName());
    if (late == lateAnswerUntil_.end()) {
        return;
    }
    const QuietUntil quiet = late->second;
    lateAnswerUntil_.erase(late);
    discardUntilQuiet(serial, quiet, Clock::time_point::max());
}

// A reply of the wrong shape leaves the rest of it, or of something else, on the line. A line
// that never falls quiet is left after a few read times: the next reply will show it again.
void SerialLink::drain(PortHandle handle) {
    QSerialPort* serial = port(handle);
    if (serial == nullptr) {
        return;
    }
    const LinkTiming used = timingFor(*serial);
    const Clock::time_point now = Clock::now();
    QuietUntil quiet{now + timing.readInterval, now + used.readInterval};
    if (const auto late = lateAnswerUntil_.find(serial->objectName());
        late != lateAnswerUntil_.end()) {
        quiet.line = std::max(quiet.line, late->second.line);
        quiet.room = std::max(quiet.room, late->second.room);
        lateAnswerUntil_.erase(late);
    }
    discardUntilQuiet(*serial, quiet, quiet.room + 4 * used.readTotal);
    if (const auto open = ports_.find(handle); open != ports_.end()) {
        open->second.owedAnswers = 0;  // whatever was owed has been thrown away with the rest
    }
}

void SerialLink::discardUntilQuiet(QSerialPort& serial, QuietUntil quiet,
                                   Clock::time_point giveUpAt) {
    const PortWaits waits{timing, timingFor(serial), caughtUpFor(serial)};
    const QPointer<QSerialPort> guarded(&serial);
    const auto leftUntil = [giveUpAt](Clock::time_point end) {
        return std::chrono::ceil<milliseconds>(std::min(end, giveUpAt) - Clock::now()).count();
    };
    while (guarded && guarded->isOpen()) {
        // Cleared after the module's progress was taken: what it sent by then goes too.
        const qint64 left = waits.waitFor(leftUntil(quiet.line), leftUntil(quiet.room));
        guarded->clear(QSerialPort::Input);
        if (left <= 0) {
            break;
        }
        bool arrived = false;
        if (haveEventLoop()) {
            const WaitEnd end = waitOnPort(guarded, left, &QSerialPort::readyRead);
            if (end >= WaitEnd::LineFailed) {
                break;
            }
            arrived = end == WaitEnd::Signalled;
        } else {
            arrived = guarded->waitForReadyRead(static_cast<int>(left));
        }
        if (arrived) {
            const Clock::time_point now = Clock::now();
            quiet.line = std::max(quiet.line, now + waits.line.readInterval);
            quiet.room = std::max(quiet.room, now + waits.room.readInterval);
        }
    }
}

// Left on the line, an owed answer could arrive after the next session's opening clear and be
// read as that session's first reply. A module that leaves a command unanswered costs one read
// time; an answer that comes only in part is left to the late-answer guard of the next session.
void SerialLink::takeOwedAnswers(PortHandle handle) {
    for (auto open = ports_.find(handle); open != ports_.end() && open->second.owedAnswers > 0;
         open = ports_.find(handle)) {
        if (readReply(handle).received < linktiming::ReplyBytes) {
            break;
        }
    }
}

void SerialLink::ShutDownComm(PortHandle handle) {
    takeOwedAnswers(handle);
    if (const auto it = ports_.find(handle); it != ports_.end()) {
        // A command sent without a reply to wait for may still be on the line.
        WaitUntilSent(*it->second.serial, timingFor(*it->second.serial).writeTotal);
        it->second.serial->close();
        ports_.erase(it);
    }
}

qint64 SerialLink::bytesSentTo(const QString& device) const {
    const auto sent = bytesSentTo_.find(PortIdentity(device));
    return sent == bytesSentTo_.end() ? 0 : sent->second;
}

void SerialLink::AllowForSimulatedModule(const QString& device,
                                         std::function<bool(qint64 sent)> caughtUpWith) {
    if (!device.isEmpty()) {
        simulatedModules_[SystemPortLocation(device)] = std::move(caughtUpWith);
    }
}

std::function<bool()> SerialLink::caughtUpFor(const QSerialPort& serial) const {
    const auto simulated = simulatedModules_.find(serial.objectName());
    if (simulated == simulatedModules_.end() || !simulated->second) {
        return {};
    }
    const auto open = std::find_if(ports_.cbegin(), ports_.cend(), [&serial](const auto& entry) {
        return entry.second.serial.get() == &serial;
    });
    const auto sent =
        open == ports_.cend() ? bytesSentTo_.cend() : bytesSentTo_.find(open->second.identity);
    if (sent == bytesSentTo_.cend()) {
        return {};
    }
    // The count is read at every look: what this link sends meanwhile is taken in too.
    return
        [caughtUpWith = simulated->second, count = &sent->second] { return caughtUpWith(*count); };
}

LinkTiming SerialLink::timingFor(const QSerialPort& serial) const {
    return simulatedModules_.contains(serial.objectName()) ? timing.withRoomForSimulatedModule()
                                                           : timing;
}

void SerialLink::pause(int milliseconds) {
    if (timing.fixedPauses) {
        Sleep(milliseconds);
    }
}

QSerialPort* SerialLink::port(PortHandle handle) const {
    const auto it = ports_.find(handle);
    return it == ports_.end() ? nullptr : it->second.serial.get();
}

bool IsHex(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c == QLatin1Char(' ') || HexDigitValue(c) >= 0; });
}

void Sleep(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    // A local event loop sleeps without spinning while timers, paints and clicks still run.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
