#pragma once

// The module as the run reaches it: the presence probe and identification on the default port,
// with the user told what went wrong, and the tags read and written through the run's link.

#include "link/Identification.h"
#include "link/ModuleTag.h"

#include <QString>

struct ProgramState;

// The presence probe: true when a module answers "00D00000" on ComPortName (one retry).
// On failure the user is told what to verify, and `openFailure` (when given) says why the port
// did not open, if it did not.
bool TryPort(ProgramState& state, PortOpenFailure* openFailure = nullptr);
// The same probe without any message.
bool TryPortSilent(ProgramState& state);

// The firmware version of the connected module; 0 when no module answered or the answer was
// not a number (the user has been told either way).
int DetectModelVersion(ProgramState& state);

// Identifies the connected module and sets ModelVersion. The code is `codeBefore` for a model
// that is unknown or cannot be configured (after a warning), "" when nothing was identified.
ModuleIdentity IdentifyModule(ProgramState& state, const QString& codeBefore = QString());

// Identifies the connected module: sets ModelVersion and `code`. `code` becomes "" when no module
// answered and is left as it was for a model that is unknown or cannot be configured (after a
// warning).
void DetectModel(ProgramState& state, QString& code);

// Tells a Q7321S from a Q7351S, which both answer "80000000", through registers 4A and 4B.
void is60or50(ProgramState& state, QString& code);

// True when this program supports that firmware of that model; otherwise warns and returns
// false. Nothing is refused either way.
bool CompareWorkingVersion(ProgramState& state, const QString& code, int version);

// The warnings that point to the maker's site for a newer release of this program.
QString NotRecognisedText(const QString& softwareVersion);
QString UnsupportedVersionText(const QString& code, int version, const QString& softwareVersion);

// Reads the tag of `channel` (1 or 2) from the module on the DEFAULTCOMPORT setting, in a
// session of its own. A missing module has been reported by the presence probe.
TagReadResult ReadTag(ProgramState& state, int channel);

// Writes `text` as the tag of `channel` in a session of its own. Not written when no module
// answered the presence probe (the user has been told), the port would not open, or the line
// went during the write.
TagWriteResult WriteTag(ProgramState& state, int channel, const QString& text);
