// The password cover at start-up, the password change and the restriction box of the Settings
// page.

#include "form/TForm1.h"
#include "shell/Password.h"
#include "shell/ProgramState.h"

namespace {

const QString AdminPassword = QStringLiteral("ADMINPASSWORD");

}  // namespace

void TForm1::BEnterPasswordClick() {
    // Neither the entry nor the answer is cleared, and there is no limit on attempts.
    const QString typed = FindControl(QStringLiteral("TEntryPassword"))->text();
    if (typed != state_.settings.ReadConfig(AdminPassword)) {
        FindControl(QStringLiteral("LResultEntry"))
            ->setText(QStringLiteral("This password is not correct, please retry."));
        return;
    }
    FindControl(QStringLiteral("PasswordPanel"))->setVisible(false);
    SetStatusPanel(0, QStringLiteral("Status: Ready"));
}

void TForm1::BChangePasswordClick() {
    ChangePassword();
}

void TForm1::ChangePassword() {
    const QString oldInput = FindControl(QStringLiteral("TOldPasswordInput"))->text();
    const QString newInput = FindControl(QStringLiteral("TNewPasswordInput"))->text();
    const QString repeated = FindControl(QStringLiteral("TRepeatPasswordInput"))->text();
    switch (CheckPasswordChange(oldInput, newInput, repeated,
                                state_.settings.ReadConfig(AdminPassword))) {
        case PasswordChange::FillBothFields:
            state_.message(BoxKind::Error, QStringLiteral("Fill both fields please."));
            return;
        case PasswordChange::OldPasswordNotValid:
            state_.message(BoxKind::Error,
                           QStringLiteral("Provided Old Password is not valid, please retry."));
            return;
        case PasswordChange::RepetitionDiffers:
            state_.message(BoxKind::Error,
                           QStringLiteral("The new password and its repetition differ: the "
                                          "password is not changed, please retry."));
            return;
        case PasswordChange::Changed:
            state_.settings.WriteConfig(AdminPassword, newInput);
            state_.message(BoxKind::Information, QStringLiteral("Password changed"));
            return;
    }
}

void TForm1::CheckBox1Click() {
    // Switched on from the Settings page (not by the start-up, which ticks the box behind the
    // cover): the password starts again from the default, and the user is told which it is.
    const bool wasOff = !Control(QStringLiteral("LAdministration1")).isEnabled();
    if (wasOff && FindControl(QStringLiteral("PasswordPanel"))->isHidden()) {
        state_.settings.WriteConfig(AdminPassword, DefaultPassword);
        state_.message(BoxKind::Warning,
                       QStringLiteral("Password request at entry activated.\r\rActually set "
                                      "password: \"") +
                           DefaultPassword + QLatin1Char('"'));
    }
    const bool on = FindControl(QStringLiteral("CheckBox1"))->isChecked();
    setPasswordFieldsEnabled(on);
    state_.settings.setFlag(SettingFlag::PromptPassword, on);
}

void TForm1::setPasswordFieldsEnabled(bool enabled) {
    for (const char* name :
         {"LAdministration1", "LAdministration2", "LAdministration3", "TOldPasswordInput",
          "TNewPasswordInput", "TRepeatPasswordInput", "LOldPassword", "LNewPassword",
          "LRepeatPassword", "BChangePassword"}) {
        FindControl(QString::fromLatin1(name))->setEnabled(enabled);
    }
}
