#include "link/SerialLink.h"

#include "link/LinkTiming.h"
#include "link/PortNames.h"
#include "link/RegisterProtocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono;

const QString BlankReply(linktiming::ReplyChars, QLatin1Char(' '));

// Reads up to ReplyBytes with the line's time-outs: done when 10 bytes arrived, when the gap
// after a byte reaches ReadInterval, or when ReadTotal has passed. Bytes beyond 10 stay in the
// port's buffer for the next read.
QByteArray readUpToReplyBytes(QSerialPort& port) {
    QByteArray received;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QElapsedTimer sinceLastByte;
    const qint64 total = duration_cast<milliseconds>(linktiming::ReadTotal).count();
    const qint64 interval = duration_cast<milliseconds>(linktiming::ReadInterval).count();

    while (received.size() < linktiming::ReplyBytes) {
        if (port.bytesAvailable() > 0) {
            received += port.read(linktiming::ReplyBytes - received.size());
            sinceLastByte.start();
            continue;
        }
        qint64 wait = total - sinceStart.elapsed();
        if (sinceLastByte.isValid()) {
            wait = std::min(wait, interval - sinceLastByte.elapsed());
        }
        if (wait <= 0) {
            break;
        }
        if (!port.waitForReadyRead(static_cast<int>(wait)) &&
            port.error() != QSerialPort::TimeoutError && port.error() != QSerialPort::NoError) {
            break;  // the line is gone (unplugged adapter): nothing more will arrive
        }
    }
    return received;
}

RegisterReply toReply(const QByteArray& bytes) {
    RegisterReply reply;
    reply.received = static_cast<int>(bytes.size());
    reply.text = BlankReply;
    const int taken = std::min<int>(static_cast<int>(bytes.size()), linktiming::ReplyChars);
    for (int i = 0; i < taken; ++i) {
        reply.text[i] = QChar::fromLatin1(bytes[i]);
    }
    return reply;
}

}  // namespace

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() = default;

PortHandle SerialLink::OpenComm(const QString& portName) {
    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(SystemPortLocation(portName));
    if (portName.isEmpty() || !serial->open(QIODevice::ReadWrite)) {
        return InvalidHandle;
    }
    const PortHandle handle = nextHandle_++;
    ports_.emplace(handle, std::move(serial));
    SetupCOMPort(handle);
    QSerialPort& opened = *ports_.at(handle);
    opened.setBreakEnabled(false);
    // Nothing left over from an earlier conversation may be taken for an answer.
    opened.clear(QSerialPort::Input);
    return handle;
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

void SerialLink::writeLine(QSerialPort& serial, const QString& command) {
    // Errors and short writes are not reported here: the reply that follows shows them.
    serial.write(command.toLatin1() + "\r\n");
    serial.waitForBytesWritten(
        static_cast<int>(duration_cast<milliseconds>(linktiming::WriteTotal).count()));
}

void SerialLink::WriteToComm(PortHandle handle, const QString& command) {
    if (QSerialPort* serial = port(handle)) {
        writeLine(*serial, command);
    }
}

RegisterReply SerialLink::readReply(PortHandle handle) {
    QSerialPort* serial = port(handle);
    if (serial == nullptr) {
        return toReply({});
    }
    return toReply(readUpToReplyBytes(*serial));
}

RegisterReply SerialLink::exchange(PortHandle handle, const QString& command) {
    QSerialPort* serial = port(handle);
    if (serial == nullptr) {
        return toReply({});
    }
    writeLine(*serial, command);
    // A plain blocking wait: the module needs this turnaround and nothing else may run meanwhile.
    std::this_thread::sleep_for(linktiming::Turnaround);
    return toReply(readUpToReplyBytes(*serial));
}

QString SerialLink::ReadFromComm(PortHandle handle) {
    return readReply(handle).text;
}

QString SerialLink::WriteReadComm(PortHandle handle, const QString& command) {
    return exchange(handle, command).text;
}

void SerialLink::ShutDownComm(PortHandle handle) {
    if (const auto it = ports_.find(handle); it != ports_.end()) {
        it->second->close();
        ports_.erase(it);
    }
    if (ComHandle == handle) {
        ComHandle = 0;
    }
}

bool SerialLink::isOpen(PortHandle handle) const {
    return port(handle) != nullptr;
}

QSerialPort* SerialLink::port(PortHandle handle) const {
    const auto it = ports_.find(handle);
    return it == ports_.end() ? nullptr : it->second.get();
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
