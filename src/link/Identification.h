#pragma once

#include "link/PortOpenFailure.h"

#include <QString>

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
