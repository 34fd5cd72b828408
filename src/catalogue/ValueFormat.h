#pragma once

// A number parameter's `Value` is an integer in units of 10^-decimals; these show it as the user
// sees it, with the decimal separator of the user's locale (QLocale()).

#include <QString>

// `value` / 10^`decimals` with exactly `decimals` decimals for 0 to 4 ("####0", "###0.0",
// "##0.00", "#0.000", "0.0000"): at least one integer digit, no thousands separator, a leading
// "-" when negative. Other counts give the shortest general form.
QString FormatMyInt(int value, int decimals);

// The text of FormatMyInt read back as a number.
double FormatMyIntIntoExtended(int value, int decimals);
