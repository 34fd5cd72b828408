#include "link/Identification.h"

QString PortNotAvailableText(const QString& defaultPort) {
    return QStringLiteral("Default COM Port (") + defaultPort +
           QStringLiteral(") defined in Settings is not available at the moment.") +
           QStringLiteral("\r\rPlease Verify that:\r\r") +
           QStringLiteral(
               "     - cable LNK0307 is correctly plugged in the module (6 pin jack)\r") +
           QStringLiteral("     - module is correctly supplied\r") +
           QStringLiteral("     - serial cable is LNK00310 or similar\r") +
           QStringLiteral("     - COM port settings are correct\r") +
           QStringLiteral("     - USB/Serial converter (if present) is functioning");
}

QString PortNotOpenedText(const QString& shownPort, const PortOpenFailure& failure) {
    return QStringLiteral("The port ") + shownPort + QStringLiteral(" could not be opened.\r") +
           failure.reason;
}

QString NotConfigurableText() {
    return QStringLiteral(
        "This Isolator cannot be configured via software. Please use Verove Rizizivu "
        "Dorudoduvovu (KPT5530)");
}

QString PortInUseText(const QString& defaultPort) {
    return QStringLiteral("Default COM Port (") + defaultPort +
           QStringLiteral(") defined in Settings is in use by another program.") +
           QStringLiteral(
               "\r\rClose the program that holds it (it may be another KVC7345 "
               "window) and try again.");
}

QString PortProblemText(const QString& defaultPort, const PortOpenFailure& failure) {
    switch (failure.fault) {
        case PortOpenFault::None:
            return PortNotAvailableText(defaultPort);
        case PortOpenFault::InUse:
            return PortInUseText(defaultPort);
        default:
            return PortNotAvailableText(defaultPort) + QStringLiteral("\r\r") + failure.reason;
    }
}
