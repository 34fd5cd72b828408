#include "records/FileMessages.h"

namespace {

const QString VerifyFile = QStringLiteral(
    "\r\rPlease Verify that:\r\r     - File is not corrupted\r     - File is authentic.");

}  // namespace

QString InvalidConfigurationFileText(const QString& reason) {
    const QString text =
        QStringLiteral("The chosen file does not seem to be a valid configuration file") +
        VerifyFile;
    return reason.isEmpty() ? text : text + QStringLiteral("\r\r") + reason;
}

QString UnrecognisedValueText(const QString& name, const QString& value) {
    return QStringLiteral("Value of field ") + name + QStringLiteral(" (") + value +
           QStringLiteral(") is not recognized as a valid one for that entry.") + VerifyFile;
}

QString ShapeProblemText(FileShape shape) {
    switch (shape) {
        case FileShape::Valid:
            return {};
        case FileShape::TooFewLines:
            return QStringLiteral("it has no model line (line 5)");
        case FileShape::ShortModelLine:
            return QStringLiteral("its model line (line 5) is shorter than a model code");
        case FileShape::TooManyKeyLines:
            return QStringLiteral("it is too long for a configuration file");
        case FileShape::NotText:
            return QStringLiteral("it holds NUL bytes, so it is not a text file");
    }
    return {};
}

QString ContentProblemText(const ContentCheck& check, const QString& model) {
    switch (check.content) {
        case FileContent::Valid:
            return {};
        case FileContent::UnknownModel:
            return QStringLiteral("its model line names no model this program configures: ") +
                   check.detail;
        case FileContent::NoFirmware:
            return check.detail.isEmpty()
                       ? QStringLiteral("it has no MDVERSION line (the firmware of the module)")
                       : QStringLiteral("its MDVERSION is not a firmware version (1 to 65535): ") +
                             check.detail;
        case FileContent::ForeignParameter:
            return check.detail + QStringLiteral(" is not a parameter of a ") + model;
    }
    return {};
}

QString KeyProblemText(const QString& key) {
    if (key.isEmpty()) {
        return QStringLiteral("a line holds no key before its \" = \"");
    }
    return QStringLiteral("the key \"") + key + QStringLiteral("\" names no parameter");
}

QString ValueProblemText(const QString& key, const QString& value) {
    if (value.trimmed().isEmpty()) {
        return QStringLiteral("the value of ") + key + QStringLiteral(" is empty");
    }
    return QStringLiteral("the value of ") + key +
           QStringLiteral(" is not a number it can take: ") + value;
}

QString UnreadableFileText(const QString& reason) {
    return QStringLiteral("The configuration file could not be read.\r\r") + reason;
}

QString UnwritableFileText(const QString& reason) {
    return QStringLiteral("The configuration could not be saved.\r\r") + reason +
           QStringLiteral("\r\rNothing was changed; choose another file or folder.");
}
