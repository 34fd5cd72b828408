#pragma once

#include <algorithm>
#include <chrono>

// The byte-link timing every module exchange relies on. Kept in one place so the transport,
// the simulator and the benchmark all speak of the same figures.
namespace linktiming {

using namespace std::chrono_literals;

// Wait between sending a command and reading its reply; the module answers well inside it.
inline constexpr auto Turnaround = 50ms;
// A read ends when this long passes between two received bytes...
inline constexpr auto ReadInterval = 20ms;
// ...or when this long has passed since the read began.
inline constexpr auto ReadTotal = 100ms;
// Longest time given to one command line to leave the port.
inline constexpr auto WriteTotal = 100ms;

// One read takes at most this many bytes: 8 reply characters, CR and LF.
inline constexpr int ReplyBytes = 10;
// Callers always get this many characters back.
inline constexpr int ReplyChars = 8;

inline constexpr int BaudRate = 9600;
// 8N1 puts 10 bits on the line for every byte.
inline constexpr auto ByteTime = std::chrono::microseconds(1'000'000 * 10 / BaudRate);

}  // namespace linktiming

// The waits one link uses, as a value so a test or the unpaced simulator can shorten them.
// Real() is what a module on a 9600-baud line needs.
struct LinkTiming {
    std::chrono::milliseconds turnaround = linktiming::Turnaround;
    std::chrono::milliseconds readInterval = linktiming::ReadInterval;
    std::chrono::milliseconds readTotal = linktiming::ReadTotal;
    std::chrono::milliseconds writeTotal = linktiming::WriteTotal;
    // The fixed pauses of operations: status box settle, tag turnarounds, automatic close.
    bool fixedPauses = true;

    static constexpr LinkTiming Real() { return {}; }

    static constexpr LinkTiming Unpaced() {
        LinkTiming timing;
        // No turnaround: the unpaced simulator answers at once and the read waits for it anyway.
        timing.turnaround = std::chrono::milliseconds(0);
        // No fixed pauses: they let a real module settle, and the simulator has nothing to settle.
        timing.fixedPauses = false;
        // The read time-outs stay real: a silent module must still be told from a slow answer.
        // The write time-out stays real: it only bounds a stuck line, a working one never hits it.
        return timing;
    }

    // A module simulated on this machine shares its processors with whatever else runs there,
    // and a busy machine can hold its answer back far longer than a real module takes. Its reads
    // wait long enough for that; a module that is there answers well before, so waiting for one
    // costs nothing, and only a silent one is told later.
    constexpr LinkTiming withRoomForSimulatedModule() const {
        LinkTiming timing = *this;
        timing.readInterval = std::max(readInterval, std::chrono::milliseconds(100));
        timing.readTotal = std::max(readTotal, std::chrono::milliseconds(400));
        return timing;
    }
};
