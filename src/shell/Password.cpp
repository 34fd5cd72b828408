#include "shell/Password.h"

PasswordChange CheckPasswordChange(const QString& oldInput, const QString& newInput,
                                   const QString& repeatedInput, const QString& storedPassword) {
    if (oldInput.isEmpty() || newInput.isEmpty()) {
        return PasswordChange::FillBothFields;
    }
    if (oldInput != storedPassword) {
        return PasswordChange::OldPasswordNotValid;
    }
    if (repeatedInput != newInput) {
        return PasswordChange::RepetitionDiffers;
    }
    return PasswordChange::Changed;
}
