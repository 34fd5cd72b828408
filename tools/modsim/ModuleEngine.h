#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>

namespace modsim {

// Ways a module, a cable or an adapter misbehave.
enum class Fault {
    None,
    Silent,           // never answers
    Alternate,        // answers only every second command (the 2nd, 4th, ...)
    Garbage,          // answers with bytes that are no reply at all
    NonHex,           // status "8000" followed by data that is not hexadecimal
    Short,            // answers only the first 5 characters, then CR LF
    OverLong,         // appends two characters before CR LF (12 bytes)
    Slow,             // answers 150 ms late, after the reader has given up
    StopAfter,        // answers the first N commands, then stays silent
    DisconnectAfter,  // answers the first N commands, then the line goes away
};

// Parses "silent", "alternate", "garbage", "nonhex", "short", "long", "slow", "stop-after:N",
// "disconnect-after:N". The answer-shaping faults (garbage, nonhex, short, long, slow) also take
// ":N" to start after N commands answered normally. False for anything else.
bool ParseFault(const QString& text, Fault& fault, int& count);

struct Response {
    QByteArray bytes;                    // empty: no answer at all
    std::chrono::milliseconds delay{0};  // extra wait before the first byte
    bool disconnect = false;             // the line goes away instead of answering
};

// The firmware a simulated module of that model has unless told otherwise.
int DefaultFirmware(const QString& model);

// "CH=WORD" of --input-value: channel 1 or 2, and a word in decimal or as "0x" and hex digits.
std::optional<std::pair<int, quint16>> ParseInputValue(const QString& text);

// A module as seen from its serial line: model and firmware, 16-bit registers with their
// power-on contents, tag registers, the 4A/4B probe, live inputs and acquisition. Records every
// command it receives. Thread-safe: the line runs on its own thread, tests look from theirs.
class ModuleEngine {
  public:
    // `model` is a model code ("Q7383D"); firmware 0 takes the model's default.
    explicit ModuleEngine(const QString& model, int firmware = 0);

    QString model() const;
    int firmware() const;

    // The reply to the model query; by default the model's own (a way to simulate modules this
    // program cannot configure or does not know, or a Q7351S that answers "80000000").
    void setModelReply(const QString& reply);
    // `count`: for StopAfter and DisconnectAfter the commands answered before; for the faults
    // that shape an answer, the commands answered normally before the fault starts.
    void setFault(Fault fault, int count = 0);
    // A slow module: every answer starts this much later, still within a reader's wait.
    void setReplyDelay(std::chrono::milliseconds delay);

    // Pins the input value of `channel` (1 or 2) to `word` as E2/E3 answer it; nothing lets the
    // input follow its wave again.
    void setInputValue(int channel, std::optional<quint16> word);

    // Whether the acquisition commands (E4 zero, E5 reference) succeed; a failed one answers
    // without the leading "8".
    void setAcquireSucceeds(bool succeeds);

    // A module that answers writes to the register `address` as if it stored them, but keeps
    // its old value; nothing stores every write again.
    void setIgnoredWrite(std::optional<int> address);

    quint16 registerValue(int address) const;
    void setRegister(int address, quint16 value);
    // Every register write in the order received, as (address, value).
    std::vector<std::pair<int, quint16>> registerWrites() const;

    // The commands received, without CR LF, in order.
    QStringList commands() const;
    void clearCommands();
    // Called on the line's thread for every command received (for a console log).
    void setCommandObserver(std::function<void(const QString&)> observer);

    // Answers one received line (CR LF already removed).
    Response handleLine(const QByteArray& line);

  private:
    Response respond(const QByteArray& line);
    QString replyTo(int code, int data);
    int liveValue(int channel);

    mutable std::mutex mutex_;
    QString model_;
    int firmware_;
    QString modelReply_;
    Fault fault_ = Fault::None;
    int faultCount_ = 0;
    std::chrono::milliseconds replyDelay_{0};
    int received_ = 0;
    std::map<int, quint16> registers_;
    std::vector<std::pair<int, quint16>> writes_;
    QStringList commands_;
    std::function<void(const QString&)> observer_;
    std::chrono::steady_clock::time_point poweredOn_;
    std::map<int, quint16> pinnedInputs_;
    bool acquireSucceeds_ = true;
    std::optional<int> ignoredWrite_;
    // The input's noise; seeded the same in every run.
    std::mt19937 noise_{7345};
};

}  // namespace modsim
