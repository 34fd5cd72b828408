#pragma once

#include <QString>
#include <QStringList>

// The maker's web server, quoted in messages and used for updates and product pages.
// KVC7345_SERVER overrides it, so tests can point it at a local server.
QString MakerWebSite();

// The maker's support mailbox, on the same reserved domain as the default web site.
QString MakerSupportAddress();

// The maker's name and postal address, as the About page and the report's footer give them.
QString MakerName();
QStringList MakerAddressLines();
// Street and town on one line (the phone's country code names the country).
QString MakerPostalAddress();
// Phone, fax and web site on one line.
QString MakerContactLine();
