#pragma once

#include "shell/Settings.h"

// The yes/no boxes of the Settings page and the setting each one stands for: ticked is yes.
struct SettingsBox {
    const char* box;
    SettingFlag flag;
};

inline constexpr SettingsBox SettingsBoxes[] = {
    {"CBViewValueScreen", SettingFlag::FirstIsValues},
    {"CBWarnNoModify", SettingFlag::WarnNoModify},
    {"CBViewOnlineLink", SettingFlag::OnlineLink},
    {"CBCloseInfoPositiveRead", SettingFlag::NoConfirmRead},
    {"CBCloseInfoPositiveWrite", SettingFlag::NoConfirmWrite},
    {"CBAutoCheckUpdate", SettingFlag::AutoUpdate},
    {"CBWarnAdditionalInformation", SettingFlag::WarnNoInfo},
    {"CBVerifyWrite", SettingFlag::VerifyWrite},
};
