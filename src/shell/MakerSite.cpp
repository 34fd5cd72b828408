#include "shell/MakerSite.h"

#include <QtGlobal>

namespace {
// A reserved host name: nothing reaches outside the machine unless the address is configured.
constexpr auto DefaultMakerWebSite = "http://www.nvproducts.example";
}  // namespace

QString MakerWebSite() {
    const QString configured = qEnvironmentVariable("KVC7345_SERVER");
    return configured.isEmpty() ? QString::fromLatin1(DefaultMakerWebSite) : configured;
}

QString MakerSupportAddress() {
    return QStringLiteral("support@nvproducts.example");
}

QString MakerName() {
    return QStringLiteral("Norvik");
}

QStringList MakerAddressLines() {
    return {QStringLiteral("Via dei Condensatori, 12"), QStringLiteral("20099 Sesto Esempio (MI)"),
            QStringLiteral("Italy")};
}

QString MakerPostalAddress() {
    const QStringList lines = MakerAddressLines();
    return lines.value(0) + QStringLiteral(" - ") + lines.value(1);
}

QString MakerContactLine() {
    return QStringLiteral("Tel./Fax +39 02 5550100 - ") + MakerWebSite();
}
