#pragma once

#include <QString>

#include <cstdint>

// The yes/no settings of config.ini. Each is stored as "Y" or "N"; only exactly "Y" is yes.
enum class SettingFlag : std::uint8_t {
    PromptPassword,  // PROMPTPASSWORD: the password cover at start-up
    FirstIsValues,   // FIRSTISVALUES: the Values page is the first page shown
    WarnNoInfo,      // WARNNOINFO: saving without additional information asks first
    OnlineLink,      // ONLINEPLINK: the product's data-sheet link
    NoConfirmRead,   // NOCONFIRMREAD: the status box closes after a good read
    NoConfirmWrite,  // NOCONFIRMWRITE: the status box closes after a good write
    WarnNoModify,    // WARNNOMODIFY
    AutoUpdate,      // AUTOUPDATE: the update check at start-up
    VerifyWrite,     // VERIFYWRITE: a write is read back and compared
};

// The key a flag is stored under ("AUTOUPDATE").
QString SettingKey(SettingFlag flag);

// The settings the program acts on, as values read from the store.
struct Settings {
    QString AdminPassword;
    QString DefaultComPort;
    QString DoneBy;
    QString DoneFor;
    // Earlier starts (RUNTIMES); a value that is not a whole number counts as 0.
    int RunTimes = 0;
    bool PromptPassword = false;
    bool FirstIsValues = false;
    bool WarnNoInfo = false;
    bool OnlineLink = false;
    bool NoConfirmRead = false;
    bool NoConfirmWrite = false;
    bool WarnNoModify = false;
    bool AutoUpdate = false;
    bool VerifyWrite = false;
};
