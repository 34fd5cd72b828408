#pragma once

#include "link/PortOpenFailure.h"

#include <QString>

#include <optional>

class ModuleSession;

// The free-text tag of an input channel (1 or 2): 16 characters in 8 registers, two per register,
// the first in the high byte.
inline constexpr int TagLength = 16;

// Why a tag read or write did not complete.
enum class TagFailure { NoModule, PortNotOpened, BadReply, LineGone };

struct TagReadResult {
    std::optional<QString> tag;   // the 16 characters when the read completed
    TagFailure failure{};         // otherwise why not
    int failedRegister = 0;       // the register whose reply was not two hex bytes
    PortOpenFailure openFailure;  // why the port did not open (PortNotOpened)
};

struct TagWriteResult {
    bool written = false;
    TagFailure failure{};  // when not written
    PortOpenFailure openFailure;
};

// Reads the tag of `channel` on an open session; a zero byte reads as a blank.
TagReadResult ReadTagOn(ModuleSession& session, int channel);

// Writes `text` as the tag of `channel` on an open session, padded with blanks to 16 characters
// (the empty tag as blanks). The module's answers are not read.
TagWriteResult WriteTagOn(ModuleSession& session, int channel, const QString& text);

// The tag characters allowed: printable ASCII, blank included. Others become "?"; `replaced`
// tells whether any was.
QString CleanTag(const QString& text, bool* replaced = nullptr);

// The register commands that write `text` to `channel`, in order (8 commands).
QStringList TagWriteCommands(int channel, const QString& text);
