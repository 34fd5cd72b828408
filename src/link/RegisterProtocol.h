#pragma once

#include <QString>

#include <optional>

// Register commands and replies: 8 characters each, a 4-digit code or status and 4 data digits.

// "00" + two-digit register code + "0000".
QString ReadRegisterCommand(const QString& registerCode);
// "00" + two-digit register code + the 16-bit value in 4 upper-case hex digits.
QString WriteRegisterCommand(const QString& registerCode, int value);

// Positions 5-8 of a reply (the data digits); shorter replies give what is there.
QString ReplyData(const QString& reply);

// Exactly four hexadecimal digits as a number 0..FFFF; nothing for anything else (blanks too).
std::optional<int> ParseHexWord(const QString& digits);

// 0..15 for a hexadecimal digit of either case, -1 for anything else.
int HexDigitValue(QChar c);

// A 16-bit value as 4 upper-case hex digits; negative values are sent as value + 65536.
QString HexWord(int value);

// Reply characters as a message can show them: a control character or a byte outside printable
// ASCII becomes its code in angle brackets ("<0D>"), so a garbled reply never breaks a line.
QString VisibleReply(const QString& text);
