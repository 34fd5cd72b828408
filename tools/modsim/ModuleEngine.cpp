#include "modsim/ModuleEngine.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/SensorLimits.h"
#include "link/ModelTable.h"
#include "link/RegisterProtocol.h"
#include "modsim/PowerOnRegisters.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace modsim {

namespace {

using namespace std::chrono_literals;

constexpr int ModelQuery = 0x00D0;
constexpr int VersionQuery = 0x00D8;
constexpr int LiveChannel1 = 0x00E2;
constexpr int LiveChannel2 = 0x00E3;
constexpr int AcquireZero = 0x00E4;
constexpr int AcquireReference = 0x00E5;
constexpr int ProbeRegisterWrite = 0x004B;
constexpr auto SlowReplyDelay = 150ms;

QString status(int data) {
    return QStringLiteral("8000") + HexWord(data);
}

std::optional<int> hexField(const QByteArray& line, int from) {
    return ParseHexWord(QString::fromLatin1(line.mid(from, 4)));
}

// How far the input wave swings from the middle of the span, and how much noise rides on it,
// as shares of the span.
constexpr double WaveShare = 0.4;
constexpr double NoiseShare = 0.005;

// Where a channel's input moves, in the shown units of its sensor.
struct InputSpan {
    double min = 0;
    double max = 1000;
    int decimals = 0;
};

InputSpan inputSpan(const QString& model, int sensorIndex, int channel) {
    if (model == QLatin1String("Q7356S")) {
        return {0, 10000, 0};  // a load cell within its calibration range
    }
    static const TParameterTable parameters = InitialParameterTable();
    static const TSensorTable sensors = InitialSensorTable();
    const QString sensor = GetSensorNameFromIndex(parameters, model, sensorIndex);
    const auto limits = GetSensorConsts(
        sensors, channel == 2 ? QStringLiteral("Upscale2") : QStringLiteral("Upscale1"), sensor);
    if (!limits) {
        return {};
    }
    return {static_cast<double>(limits->Min), static_cast<double>(limits->Max), limits->Dec};
}

}  // namespace

bool ParseFault(const QString& text, Fault& fault, int& count) {
    static const std::map<QString, Fault> simple{
        {QStringLiteral("none"), Fault::None},
        {QStringLiteral("silent"), Fault::Silent},
        {QStringLiteral("alternate"), Fault::Alternate},
        {QStringLiteral("garbage"), Fault::Garbage},
        {QStringLiteral("nonhex"), Fault::NonHex},
        {QStringLiteral("short"), Fault::Short},
        {QStringLiteral("long"), Fault::OverLong},
        {QStringLiteral("slow"), Fault::Slow},
    };
    if (const auto it = simple.find(text); it != simple.end()) {
        fault = it->second;
        count = 0;
        return true;
    }
    const QString name = text.section(QLatin1Char(':'), 0, 0);
    bool numeric = false;
    const int n = text.section(QLatin1Char(':'), 1).toInt(&numeric);
    if (!numeric || n < 0) {
        return false;
    }
    // "nonhex:4" and the like: the fault starts after that many commands.
    if (const auto it = simple.find(name); it != simple.end() && it->second != Fault::None) {
        fault = it->second;
        count = n;
        return true;
    }
    if (name == QLatin1String("stop-after")) {
        fault = Fault::StopAfter;
    } else if (name == QLatin1String("disconnect-after")) {
        fault = Fault::DisconnectAfter;
    } else {
        return false;
    }
    count = n;
    return true;
}

std::optional<std::pair<int, quint16>> ParseInputValue(const QString& text) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return std::nullopt;
    }
    const QString channel = text.left(equals).trimmed();
    const QString word = text.mid(equals + 1).trimmed();
    if (channel != QLatin1String("1") && channel != QLatin1String("2")) {
        return std::nullopt;
    }
    bool ok = false;
    const uint value = word.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                           ? word.mid(2).toUInt(&ok, 16)
                           : word.toUInt(&ok, 10);
    if (!ok || value > 0xFFFF) {
        return std::nullopt;
    }
    return std::pair{channel.toInt(), static_cast<quint16>(value)};
}

int DefaultFirmware(const QString& model) {
    if (model == QLatin1String("Q7356S")) {
        return 7168;
    }
    if (model.startsWith(QLatin1String("Q738"))) {
        return 6149;
    }
    if (model.startsWith(QLatin1String("Q73"))) {
        return 258;
    }
    return 300;  // the V7300 series
}

ModuleEngine::ModuleEngine(const QString& model, int firmware)
    : model_(model),
      firmware_(firmware > 0 ? firmware : DefaultFirmware(model)),
      modelReply_(ModelReplyFor(model)),
      registers_(PowerOnRegisters(model)),
      poweredOn_(std::chrono::steady_clock::now()) {}

QString ModuleEngine::model() const {
    std::lock_guard lock(mutex_);
    return model_;
}

int ModuleEngine::firmware() const {
    std::lock_guard lock(mutex_);
    return firmware_;
}

void ModuleEngine::setModelReply(const QString& reply) {
    std::lock_guard lock(mutex_);
    modelReply_ = reply;
}

void ModuleEngine::setFault(Fault fault, int count) {
    std::lock_guard lock(mutex_);
    fault_ = fault;
    faultCount_ = count;
    received_ = 0;
}

quint16 ModuleEngine::registerValue(int address) const {
    std::lock_guard lock(mutex_);
    const auto it = registers_.find(address);
    return it == registers_.end() ? 0 : it->second;
}

void ModuleEngine::setRegister(int address, quint16 value) {
    std::lock_guard lock(mutex_);
    registers_[address] = value;
}

std::vector<std::pair<int, quint16>> ModuleEngine::registerWrites() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

QStringList ModuleEngine::commands() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void ModuleEngine::clearCommands() {
    std::lock_guard lock(mutex_);
    commands_.clear();
    writes_.clear();
}

void ModuleEngine::setCommandObserver(std::function<void(const QString&)> observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

Response ModuleEngine::handleLine(const QByteArray& line) {
    std::lock_guard lock(mutex_);
    const QString command = QString::fromLatin1(line);
    commands_ << command;
    ++received_;
    if (observer_) {
        observer_(command);
    }
    Response response = respond(line);
    response.delay += replyDelay_;
    return response;
}

// The answer to `line` as the faults shape it; the mutex is held.
Response ModuleEngine::respond(const QByteArray& line) {
    switch (fault_) {
        case Fault::Silent:
            return {};
        case Fault::Alternate:
            if (received_ % 2 == 1) {
                return {};
            }
            break;
        case Fault::StopAfter:
            if (received_ > faultCount_) {
                return {};
            }
            break;
        case Fault::DisconnectAfter:
            if (received_ > faultCount_) {
                return {{}, {}, true};
            }
            break;
        default:
            break;
    }

    const auto code = hexField(line, 0);
    const auto data = hexField(line, 4);
    if (line.size() != 8 || !code || !data) {
        return {};  // not a register command: a module keeps quiet
    }
    QByteArray reply = replyTo(*code, *data).toLatin1();

    // Faults that shape the answer start after `faultCount_` commands answered normally.
    const Fault shaping = received_ > faultCount_ ? fault_ : Fault::None;
    switch (shaping) {
        case Fault::Garbage:
            return {QByteArrayLiteral("?#~*!%&@\r\n"), {}, false};
        case Fault::NonHex:
            reply = reply.left(4) + "XZ?G";
            break;
        case Fault::Short:
            return {reply.left(5) + "\r\n", {}, false};
        case Fault::OverLong:
            return {reply + "55\r\n", {}, false};
        case Fault::Slow:
            return {reply + "\r\n", SlowReplyDelay, false};
        default:
            break;
    }
    return {reply + "\r\n", {}, false};
}

QString ModuleEngine::replyTo(int code, int data) {
    switch (code) {
        case ModelQuery:
            return modelReply_;
        case VersionQuery:
            return status(firmware_);
        case LiveChannel1:
            return status(liveValue(1));
        case LiveChannel2:
            return status(liveValue(2));
        case AcquireZero:
        case AcquireReference:
            return acquireSucceeds_ ? status(0) : QStringLiteral("00000000");
        default:
            break;
    }
    if (code % 2 == 0) {
        const auto it = registers_.find(code);
        return status(it == registers_.end() ? 0 : it->second);
    }
    // A write: the module stores the value and echoes it. The Q7351S has no probe register 4B
    // and leaves the write unanswered in value, which is how it is told from a Q7321S.
    if (code == ProbeRegisterWrite && model_ == QLatin1String("Q7351S")) {
        return status(0);
    }
    if (ignoredWrite_ != code - 1) {
        registers_[code - 1] = static_cast<quint16>(data);
    }
    writes_.emplace_back(code - 1, static_cast<quint16>(data));
    return status(data);
}

int ModuleEngine::liveValue(int channel) {
    if (const auto pinned = pinnedInputs_.find(channel); pinned != pinnedInputs_.end()) {
        return pinned->second;
    }
    const InputSpan span = inputSpan(model_, registers_[channel == 2 ? 0x10 : 0x00], channel);
    // A slow sine through the middle of the span, one period every 20 s, the channels out of
    // phase, with a little noise so that a chart looks alive.
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - poweredOn_).count();
    const double phase = 2.0 * std::numbers::pi * seconds / 20.0 + (channel == 2 ? 1.5 : 0.0);
    const double width = span.max - span.min;
    std::uniform_real_distribution<double> noise(-NoiseShare * width, NoiseShare * width);
    const double shown =
        (span.min + span.max) / 2.0 + WaveShare * width * std::sin(phase) + noise(noise_);
    const double word = std::round(shown * std::pow(10.0, span.decimals));
    // The Q7351S counts without a sign; the others send two's complement.
    const bool unsignedInput = model_ == QLatin1String("Q7351S");
    return static_cast<int>(
        std::clamp(word, unsignedInput ? 0.0 : -32768.0, unsignedInput ? 65535.0 : 32767.0));
}

void ModuleEngine::setIgnoredWrite(std::optional<int> address) {
    const std::lock_guard lock(mutex_);
    ignoredWrite_ = address;
}

void ModuleEngine::setReplyDelay(std::chrono::milliseconds delay) {
    const std::lock_guard lock(mutex_);
    replyDelay_ = delay;
}

void ModuleEngine::setAcquireSucceeds(bool succeeds) {
    const std::lock_guard lock(mutex_);
    acquireSucceeds_ = succeeds;
}

void ModuleEngine::setInputValue(int channel, std::optional<quint16> word) {
    const std::lock_guard lock(mutex_);
    if (word) {
        pinnedInputs_[channel] = *word;
    } else {
        pinnedInputs_.erase(channel);
    }
}

}  // namespace modsim
