#pragma once

// The yes/no boxes of the Settings page and the setting each one stands for: ticked is "Y",
// cleared is "N".
struct SettingsBox {
    const char* box;
    const char* key;
};

inline constexpr SettingsBox SettingsBoxes[] = {
    {"CBViewValueScreen", "FIRSTISVALUES"},
    {"CBWarnNoModify", "WARNNOMODIFY"},
    {"CBViewOnlineLink", "ONLINEPLINK"},
    {"CBCloseInfoPositiveRead", "NOCONFIRMREAD"},
    {"CBCloseInfoPositiveWrite", "NOCONFIRMWRITE"},
    {"CBAutoCheckUpdate", "AUTOUPDATE"},
    {"CBWarnAdditionalInformation", "WARNNOINFO"},
    {"CBVerifyWrite", "VERIFYWRITE"},
};
