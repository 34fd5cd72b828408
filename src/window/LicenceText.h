#pragma once

#include <QString>

// The end user licence agreement shown on the "About" page.
QString LicenceText();
