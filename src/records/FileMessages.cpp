#include "records/FileMessages.h"

namespace {

const QString VerifyFile = QStringLiteral(
    "\r\rPlease Verify that:\r\r     - File is not corrupted\r     - File is authentic.");

}  // namespace

QString InvalidConfigurationFileText() {
    return QStringLiteral("The chosen file does not seem to be a valid configuration file") +
           VerifyFile;
}

QString UnrecognisedValueText(const QString& name, const QString& value) {
    return QStringLiteral("Value of field ") + name + QStringLiteral(" (") + value +
           QStringLiteral(") is not recognized as a valid one for that entry.") + VerifyFile;
}

QString UnreadableFileText(const QString& reason) {
    return QStringLiteral("The configuration file could not be read.\r\r") + reason;
}

QString UnwritableFileText(const QString& reason) {
    return QStringLiteral("The configuration could not be saved.\r\r") + reason +
           QStringLiteral("\r\rNothing was changed; choose another file or folder.");
}
