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
