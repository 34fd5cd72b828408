#pragma once

// A number parameter travels as a 16-bit register word. The way back, `Value` to the four data
// digits of a write, is HexWord (link/RegisterProtocol.h).

#include <QString>

// The word 0..65535 as `Value`: two's complement, except on the frequency model "Q7351S",
// whose frequencies use the whole unsigned range.
int WordToValue(int word, const QString& modelCode);
