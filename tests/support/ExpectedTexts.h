#pragma once

#include <QString>

// Message texts as the user reads them, written out here rather than taken from the code, so a
// changed text in the program fails the tests.

// The presence probe's warning when no module answers on the default port `port`.
inline QString ExpectedPortWarning(const QString& port) {
    return QStringLiteral("Default COM Port (") + port +
           QStringLiteral(
               ") defined in Settings is not available at the moment.\r\r"
               "Please Verify that:\r\r"
               "     - cable LNK0307 is correctly plugged in the module (6 pin jack)\r"
               "     - module is correctly supplied\r"
               "     - serial cable is LNK00310 or similar\r"
               "     - COM port settings are correct\r"
               "     - USB/Serial converter (if present) is functioning");
}

// The start-up's question when the update check got no answer, with the reason in between.
inline QString ExpectedUpdateUnreachable(const QString& reason) {
    return QStringLiteral("It was impossible to communicate with the update server.\r\r") + reason +
           QStringLiteral("\r\rDo you wish to disable automatic update check at startup?");
}

// The start-up's question when the server offers version `dotted` ("1.4.0").
inline QString ExpectedUpdateAvailableAtStart(const QString& dotted) {
    return QStringLiteral("A new version of the KVC7345 (") + dotted +
           QStringLiteral(
               ") is available for download.\r\rPress Ok to start downloading, Cancel to "
               "continue with current version or\rIgnore to turn off the automatic update check "
               "at startup.\r");
}
