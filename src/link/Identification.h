#pragma once

#include "link/PortOpenFailure.h"

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

// What identifying the connected module found.
struct ModuleIdentity {
    enum class Result {
        NoModule,              // no module answered the presence probe
        InvalidFirmwareReply,  // a module answered, but its firmware reply is not a number
        Unrecognised,          // the model is unknown or cannot be configured
        Identified,
    };
    Result result = Result::NoModule;
    QString code;
    int firmware = 0;
    // Why the port did not open (fault None when it opened and nothing answered).
    PortOpenFailure openFailure;
};

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

// The warning texts, shared with anyone who needs to recognise them.
QString PortNotAvailableText(const QString& defaultPort);
QString PortInUseText(const QString& defaultPort);
// An operation that found the module but could not open its port: the port as shown, then the
// system's reason.
QString PortNotOpenedText(const QString& shownPort, const PortOpenFailure& failure);
// The presence probe's warning: the cable checklist, with the system's reason below it when the
// port did not even open; for a port another program holds, the in-use text instead.
QString PortProblemText(const QString& defaultPort, const PortOpenFailure& failure);
QString NotConfigurableText();
QString NotRecognisedText(const QString& softwareVersion);
QString UnsupportedVersionText(const QString& code, int version, const QString& softwareVersion);
