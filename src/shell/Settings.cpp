#include "shell/Settings.h"

#include "shell/SettingsStore.h"
#include "shell/StartUp.h"

QString SettingKey(SettingFlag flag) {
    switch (flag) {
        case SettingFlag::PromptPassword:
            return QStringLiteral("PROMPTPASSWORD");
        case SettingFlag::FirstIsValues:
            return QStringLiteral("FIRSTISVALUES");
        case SettingFlag::WarnNoInfo:
            return QStringLiteral("WARNNOINFO");
        case SettingFlag::OnlineLink:
            return QStringLiteral("ONLINEPLINK");
        case SettingFlag::NoConfirmRead:
            return QStringLiteral("NOCONFIRMREAD");
        case SettingFlag::NoConfirmWrite:
            return QStringLiteral("NOCONFIRMWRITE");
        case SettingFlag::WarnNoModify:
            return QStringLiteral("WARNNOMODIFY");
        case SettingFlag::AutoUpdate:
            return QStringLiteral("AUTOUPDATE");
        case SettingFlag::VerifyWrite:
            return QStringLiteral("VERIFYWRITE");
    }
    return {};
}

// The store's typed side stays beside the keys it reads, so the store itself keeps to slots.

bool SettingsStore::flag(SettingFlag flag) const {
    return ReadConfig(SettingKey(flag)) == QLatin1String("Y");
}

void SettingsStore::setFlag(SettingFlag flag, bool on) {
    WriteConfig(SettingKey(flag), on ? QStringLiteral("Y") : QStringLiteral("N"));
}

Settings SettingsStore::values() const {
    Settings settings;
    settings.AdminPassword = ReadConfig(QStringLiteral("ADMINPASSWORD"));
    settings.DefaultComPort = ReadConfig(QStringLiteral("DEFAULTCOMPORT"));
    settings.DoneBy = ReadConfig(QStringLiteral("DONEBY"));
    settings.DoneFor = ReadConfig(QStringLiteral("DONEFOR"));
    settings.RunTimes = RunCount(ReadConfig(QStringLiteral("RUNTIMES")));
    settings.PromptPassword = flag(SettingFlag::PromptPassword);
    settings.FirstIsValues = flag(SettingFlag::FirstIsValues);
    settings.WarnNoInfo = flag(SettingFlag::WarnNoInfo);
    settings.OnlineLink = flag(SettingFlag::OnlineLink);
    settings.NoConfirmRead = flag(SettingFlag::NoConfirmRead);
    settings.NoConfirmWrite = flag(SettingFlag::NoConfirmWrite);
    settings.WarnNoModify = flag(SettingFlag::WarnNoModify);
    settings.AutoUpdate = flag(SettingFlag::AutoUpdate);
    settings.VerifyWrite = flag(SettingFlag::VerifyWrite);
    return settings;
}
