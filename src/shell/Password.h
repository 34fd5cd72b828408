#pragma once

#include <QString>

// The password the program sets when the restriction is switched on from the Settings page.
inline const QString DefaultPassword = QStringLiteral("quorvel");

// What a request to change the password comes to. Both fields must be filled before the old
// password is compared; the comparison is exact (letter case counts). The new password is typed
// twice: a typo in a masked field would otherwise lock the user out at the next start.
enum class PasswordChange { FillBothFields, OldPasswordNotValid, RepetitionDiffers, Changed };

PasswordChange CheckPasswordChange(const QString& oldInput, const QString& newInput,
                                   const QString& repeatedInput, const QString& storedPassword);
