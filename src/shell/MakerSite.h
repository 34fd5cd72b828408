#pragma once

#include <QString>

// The maker's web server, quoted in messages and used for updates and product pages.
// KVC7345_SERVER overrides it, so tests can point it at a local server.
QString MakerWebSite();

// The maker's support mailbox, on the same reserved domain as the default web site.
QString MakerSupportAddress();
