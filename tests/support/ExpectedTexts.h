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
