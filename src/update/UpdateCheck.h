#pragma once

#include <QString>

#include <cstdint>
#include <functional>

struct ProgramState;

// What a request to the maker's server reports on its way, so the window can show the bytes
// received and a closing window can end it.
struct FetchWatch {
    // Bytes received so far and the announced total (-1 when unknown).
    std::function<void(qint64, qint64)> progress;
    // Asked now and then; true ends the request.
    std::function<bool()> stop;
};

// What asking the update script came to.
struct UpdateCheckOutcome {
    enum class Kind : std::uint8_t {
        Offline,   // the computer is not connected: nothing was asked
        NoAnswer,  // no reply, an error page, or a reply that does not start with three digits
        Version,   // the server's newest release
    };
    Kind kind = Kind::Offline;
    QString version;  // the three digits, for Version
    QString reason;   // why no version came, for NoAnswer
};

// Asks the maker's server for the newest release's version. Only the first line of the reply
// is read, and the whole request is given a time limit besides the quiet one.
UpdateCheckOutcome CheckForUpdate(const ProgramState& state, const FetchWatch& watch);

// What fetching the installer came to.
struct DownloadOutcome {
    QString installer;  // where it is (or would have been) saved
    QString problem;    // why it cannot be used; "" when it came whole and was saved

    bool saved() const { return problem.isEmpty(); }
};

// Fetches the installer into the program folder, which the user can write (an installed
// program's own folder is not). It grows beside its final name and replaces an earlier one only
// when complete and an installer for this system. Its time limit grows with the announced length.
DownloadOutcome DownloadInstaller(const ProgramState& state, const FetchWatch& watch);
