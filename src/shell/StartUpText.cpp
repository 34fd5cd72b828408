#include "shell/StartUp.h"

#include <QStringList>

QString DottedVersion(const QString& softwareVersion) {
    QStringList digits;
    for (const QChar digit : softwareVersion) {
        digits << QString(digit);
    }
    return digits.join(QLatin1Char('.'));
}

QString WindowCaption(const QString& softwareVersion) {
    return QStringLiteral("Norvik KVC7345 Configurator [") + DottedVersion(softwareVersion) +
           QLatin1Char(']');
}

QString WelcomeText(const QString& makerWebSite) {
    return QStringLiteral(
               "Welcome to KVC 7345 Configurator for Norvik Isolators Series Q7300 and V7300."
               "\r\rFor a quick start, follow these steps:\r\r"
               "      1. Connect your module to the KPT5532 using Cable LNK0307;\r"
               "      2. Use RS-232 Cable LNK0310 or equivalent to connect the KPT5532 to your "
               "computer;\r"
               "      3. Manually choose the COM Port or follow the auto-detect option;\r\r"
               "Norvik thanks you for choosing its products: please visit ") +
           makerWebSite + QStringLiteral(" for tutorials and updates.");
}

int RunCount(const QString& runtimes) {
    bool whole = false;
    const int count = runtimes.trimmed().toInt(&whole);
    return whole ? count : 0;
}
