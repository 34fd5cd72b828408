// The controls of the window model, their state when the program starts, and the handlers
// their events run. The window lays the same names out on screen.

#include "catalogue/ParameterLayout.h"
#include "form/TForm1.h"
#include "live/RefreshRates.h"
#include "shell/ProgramState.h"
#include "shell/SettingsBoxes.h"

namespace {

using K = ControlKind;

// Flags of a control that differ from "enabled and visible".
enum Start : unsigned { Shown = 0, Disabled = 1, Hidden = 2 };

struct ControlRow {
    const char* name;
    ControlKind kind;
    unsigned start;
};

// Every control outside the parameter rows that an operation reads or sets.
constexpr ControlRow FixedControls[] = {
    // The window, its pages and the status bar.
    {"PageControl1", K::PageControl, Shown},
    {"TabSheet1", K::Page, Shown},
    {"TabSheet2", K::Page, Shown},
    {"TabSheet3", K::Page, Shown},
    {"TabSheet4", K::Page, Shown},
    {"StatusBar1", K::Panel, Shown},
    // The tool bar.
    {"LModelTop", K::Label, Shown},
    {"TBOpenCom", K::Button, Shown},
    {"TBSaveCom", K::Button, Disabled},
    {"BitBtn3", K::Button, Shown},
    {"TBSaveFile", K::Button, Disabled},
    {"BitBtn2", K::Button, Shown},
    {"BitBtn1", K::Button, Disabled},
    {"TBSaveReportPdf", K::Button, Disabled},
    {"TBHistory", K::Button, Shown},
    {"TBClear", K::Button, Disabled},
    {"TBHelp", K::Button, Shown},
    // The parameter groups, their channel headings and the tags.
    {"GBInput", K::Group, Shown},
    {"GBOutput", K::Group, Shown},
    {"GBAlarmA", K::Group, Shown},
    {"GBAlarmB", K::Group, Shown},
    {"GBChannelTags", K::Group, Shown},
    {"GBCalibration", K::Group, Shown},
    {"GBModbus", K::Group, Shown},
    {"PInputChannel1", K::Label, Shown},
    {"PInputChannel2", K::Label, Shown},
    {"POutputChannel1", K::Label, Shown},
    {"POutputChannel2", K::Label, Shown},
    {"POutputLimit1", K::Label, Shown},
    {"PAlarmAChannel1", K::Label, Shown},
    {"PAlarmBChannel1", K::Label, Shown},
    {"PAlarmAChannel2", K::Label, Shown},
    {"PAlarmBChannel2", K::Label, Shown},
    {"LTag1", K::Label, Shown},
    {"TTag1", K::Edit, Disabled},
    {"LTag2", K::Label, Shown},
    {"TTag2", K::Edit, Disabled},
    {"BAquireZero", K::Button, Disabled},
    {"BAquireReference", K::Button, Disabled},
    // The information strip below the log list.
    {"LModel", K::Label, Shown},
    {"LSourceRight", K::Label, Shown},
    {"LDateLeft", K::Label, Shown},
    {"LDateRight", K::Label, Shown},
    {"LExtra1Left", K::Label, Shown},
    {"LExtra1Right", K::Label, Shown},
    {"LExtra2Left", K::Label, Shown},
    {"LExtra2Right", K::Label, Shown},
    {"LDataSheet", K::Label, Hidden},
    // The status box.
    {"PStatus", K::Panel, Hidden},
    {"LStatusTitle", K::Label, Shown},
    {"LStatus", K::Label, Shown},
    {"BStatus", K::Button, Shown},
    {"BStatus_AquireZero", K::Button, Hidden},
    {"BStatus_AquireReference", K::Button, Hidden},
    {"BCancelStatus", K::Button, Hidden},
    {"GBStatusInput", K::Group, Hidden},
    {"LInputValueSx", K::Label, Shown},
    {"LInputValue", K::Label, Shown},
    // The password cover.
    {"PasswordPanel", K::Panel, Hidden},
    {"TEntryPassword", K::Edit, Shown},
    {"BEnterPassword", K::Button, Shown},
    {"LResultEntry", K::Label, Shown},
    // The Values page: the start screen, then a page per channel.
    {"LStartReadValues", K::Label, Shown},
    {"BStartReadValues", K::Button, Shown},
    {"PageControl2", K::PageControl, Hidden},
    {"TabSheet5", K::Page, Shown},
    {"TabSheet6", K::Page, Shown},
    {"CBRefresh1", K::Choice, Shown},
    {"CBRefresh2", K::Choice, Shown},
    {"BReadValue1", K::Button, Shown},
    {"BReadValue2", K::Button, Shown},
    {"BSaveValues1", K::Button, Shown},
    {"BSaveValues2", K::Button, Shown},
    {"Lstatus1_dx", K::Label, Shown},
    {"LStatus2_dx", K::Label, Shown},
    {"LModelRV1_dx", K::Label, Shown},
    {"LModelRV2_dx", K::Label, Shown},
    {"LSensor1OnScreen_dx", K::Label, Shown},
    {"LSensor2OnScreen_dx", K::Label, Shown},
    {"LInput1CurrentValue", K::Label, Shown},
    {"LInput2CurrentValue", K::Label, Shown},
    {"LInput1CurrentValue_DIM", K::Label, Shown},
    {"LInput2CurrentValue_DIM", K::Label, Shown},
    {"LReadValueMax1", K::Label, Shown},
    {"LReadValueMin1", K::Label, Shown},
    {"LReadValueAvg1", K::Label, Shown},
    {"LReadValueMax2", K::Label, Shown},
    {"LReadValueMin2", K::Label, Shown},
    {"LReadValueAvg2", K::Label, Shown},
    // The Settings page.
    {"CheckBox1", K::CheckBox, Shown},
    {"LAdministration1", K::Label, Disabled},
    {"LAdministration2", K::Label, Disabled},
    {"LAdministration3", K::Label, Disabled},
    {"LOldPassword", K::Label, Disabled},
    {"TOldPasswordInput", K::Edit, Disabled},
    {"LNewPassword", K::Label, Disabled},
    {"TNewPasswordInput", K::Edit, Disabled},
    {"LRepeatPassword", K::Label, Disabled},
    {"TRepeatPasswordInput", K::Edit, Disabled},
    {"BChangePassword", K::Button, Disabled},
    {"CBViewValueScreen", K::CheckBox, Shown},
    {"CBWarnNoModify", K::CheckBox, Shown},
    {"CBViewOnlineLink", K::CheckBox, Shown},
    {"CBCloseInfoPositiveRead", K::CheckBox, Shown},
    {"CBCloseInfoPositiveWrite", K::CheckBox, Shown},
    {"CBAutoCheckUpdate", K::CheckBox, Shown},
    {"CBWarnAdditionalInformation", K::CheckBox, Shown},
    {"CBVerifyWrite", K::CheckBox, Shown},
    {"TDefaultDoneBy", K::Edit, Shown},
    {"TDefaultDoneFor", K::Edit, Shown},
    {"CBDoneByDoneFor", K::CheckBox, Shown},
    {"BDoneByDoneFor", K::Button, Shown},
    {"LDefaultComPort", K::Label, Shown},
    {"BAutoDetect", K::Button, Shown},
    {"CDefaultComPort", K::Choice, Shown},
    {"BChangeDefaultComPort", K::Button, Shown},
    {"BitBtn4", K::Button, Shown},
    // The About page.
    {"Label1", K::Label, Shown},
    {"Label5", K::Label, Shown},
    {"LUpdateInstalledVersionDx", K::Label, Shown},
    {"LUpdateServerVersionDx", K::Label, Shown},
    {"LUpdateServerVersionDownload", K::Label, Hidden},
    {"BSearchForUpdates", K::Button, Shown},
};

// The lists that choose an input sensor; their channel is the control's tag.
const QStringList SensorLists{QStringLiteral("CInput1"), QStringLiteral("CInputHz1"),
                              QStringLiteral("CInputTm1"), QStringLiteral("CInput2"),
                              QStringLiteral("CInputTm2")};

// The captions the information strip starts with.
constexpr std::pair<const char*, const char*> StartCaptions[] = {
    {"LModel", "-"},
    {"LSourceRight", "-"},
    {"LDateRight", "-"},
    {"LDefaultComPort", "-"},
    {"LUpdateInstalledVersionDx", "-"},
    {"LUpdateServerVersionDx", "-"},
    {"LUpdateServerVersionDownload", "Click here to update!"},
    {"BSearchForUpdates", "Search for updates"},
    {"LStartReadValues",
     "Please connect isolator and click button below to start Input reading session"},
    {"BReadValue1", "START"},
    {"BReadValue2", "START"},
    {"BSaveValues1", "Save..."},
    {"BSaveValues2", "Save..."},
    {"Lstatus1_dx", "Idle"},
    {"LStatus2_dx", "Idle"},
    {"LModelRV1_dx", "-"},
    {"LModelRV2_dx", "-"},
    {"LSensor1OnScreen_dx", "-"},
    {"LSensor2OnScreen_dx", "-"},
    {"LInput1CurrentValue", "-"},
    {"LInput2CurrentValue", "-"},
};

}  // namespace

void TForm1::buildControls() {
    // The window itself: its caption.
    add(QStringLiteral("TForm1"), K::Page);
    for (const ControlRow& row : FixedControls) {
        FormControl& control = add(QString::fromLatin1(row.name), row.kind);
        control.setEnabled((row.start & Disabled) == 0);
        control.setVisible((row.start & Hidden) == 0);
    }
    Control(QStringLiteral("PageControl1"))
        .setItems({QStringLiteral("Main"), QStringLiteral("Values"), QStringLiteral("Settings"),
                   QStringLiteral("About")},
                  0);
    for (const char* heading :
         {"PInputChannel1", "PInputChannel2", "POutputChannel1", "POutputChannel2", "POutputLimit1",
          "PAlarmAChannel1", "PAlarmBChannel1", "PAlarmAChannel2", "PAlarmBChannel2"}) {
        Control(QString::fromLatin1(heading)).setTextColour(colours::Silver);
    }
    Control(QStringLiteral("LResultEntry")).setTextColour(colours::Red);
    for (const auto& [name, caption] : StartCaptions) {
        Control(QString::fromLatin1(name)).setText(QString::fromLatin1(caption));
    }
    for (const char* refresh : {"CBRefresh1", "CBRefresh2"}) {
        Control(QString::fromLatin1(refresh)).setItems(RefreshRateChoices(), 0);
    }
    Control(QStringLiteral("PageControl2"))
        .setItems({QStringLiteral("CHANNEL 1"), QStringLiteral("CHANNEL 2")}, 0);
    for (const char* tag : {"TTag1", "TTag2"}) {
        leaveValidated_.insert(QString::fromLatin1(tag).toLower());
    }
    buildParameterControls();
}

void TForm1::buildParameterControls() {
    auto place = [this](const QString& key, bool isChoice) {
        const auto where = PlaceOf(key);
        FormControl& caption = add(QStringLiteral("L") + key, K::Label);
        if (where) {
            caption.setText(where->caption);
        }
        caption.setTextColour(colours::Silver);
        if (isChoice) {
            FormControl& choice = add(QStringLiteral("C") + key, K::Choice);
            choice.setEnabled(false);
            if (SensorLists.contains(choice.objectName())) {
                choice.setTag(key.right(1).toInt());
            }
            return;
        }
        FormControl& field = add(QStringLiteral("T") + key, K::Edit);
        field.setEnabled(false);
        leaveValidated_.insert(field.objectName().toLower());
        if (where && where->unitLabel) {
            add(QStringLiteral("L") + key + QStringLiteral("DIM"), K::Label).setEnabled(false);
        }
    };
    for (const TTableEntry& entry : state_.ParameterTable()) {
        place(entry.Field, entry.FieldType == FieldKind::Choice);
    }
    for (const char* key : ExtraOffDelayKeys) {
        place(QString::fromLatin1(key), false);
    }
    // Only the selectors a model uses are shown; at first none of channel 1's.
    for (const char* hidden : {"LInput1", "LInputHz1", "LInputTm1", "CInput1", "CInputHz1"}) {
        Control(QString::fromLatin1(hidden)).setVisible(false);
    }
}

bool TForm1::validatesOnLeave(const QString& name) const {
    return leaveValidated_.contains(name.toLower());
}

void TForm1::connectHandlers() {
    const std::pair<const char*, void (TForm1::*)()> clicks[] = {
        {"TBOpenCom", &TForm1::TBOpenComClick},
        {"TBSaveCom", &TForm1::TBSaveComClick},
        {"BitBtn3", &TForm1::TBOpenFileClick},
        {"TBSaveFile", &TForm1::TBSaveFileClick},
        {"BitBtn2", &TForm1::BitBtn2Click},
        {"BitBtn1", &TForm1::BitBtn1Click},
        {"TBSaveReportPdf", &TForm1::TBSaveReportPdfClick},
        {"TBHistory", &TForm1::TBHistoryClick},
        {"TBClear", &TForm1::TBClearClick},
        {"TBHelp", &TForm1::TBHelpClick},
        {"BStatus", &TForm1::BStatusClick},
        {"BEnterPassword", &TForm1::BEnterPasswordClick},
        {"BChangePassword", &TForm1::BChangePasswordClick},
        {"BDoneByDoneFor", &TForm1::BDoneByDoneForClick},
        {"BitBtn4", &TForm1::BitBtn4Click},
        {"BAutoDetect", &TForm1::BAutoDetectClick},
        {"BChangeDefaultComPort", &TForm1::BChangeDefaultComPortClick},
        {"LDataSheet", &TForm1::LDataSheetClick},
        {"BSearchForUpdates", &TForm1::BSearchForUpdatesClick},
        {"LUpdateServerVersionDownload", &TForm1::LUpdateServerVersionDownloadClick},
        {"Label5", &TForm1::Label5Click},
        {"Label1", &TForm1::Label1Click},
        {"BStartReadValues", &TForm1::BStartReadValues_Click},
        {"BReadValue1", &TForm1::BReadValue1Click},
        {"BReadValue2", &TForm1::BReadValue2Click},
        {"BAquireZero", &TForm1::BAquireZeroClick},
        {"BAquireReference", &TForm1::BAquireReferenceClick},
        {"BStatus_AquireZero", &TForm1::BStatus_AquireZeroClick},
        {"BStatus_AquireReference", &TForm1::BStatus_AquireReferenceClick},
        {"BCancelStatus", &TForm1::BCancelStatusClick},
        {"BSaveValues1", &TForm1::BSaveValues1Click},
        {"BSaveValues2", &TForm1::BSaveValues2Click},
    };
    // A plain variable, not a structured binding, goes into the lambda: capturing a binding
    // is C++20 that not every compiler in use (clang 14) accepts.
    for (const auto& click : clicks) {
        const auto handler = click.second;
        Control(QString::fromLatin1(click.first)).onClick = [this, handler] { (this->*handler)(); };
    }

    // A box changed by the program runs its handler as a click would, so the start-up's
    // ticking writes the same values back.
    Control(QStringLiteral("CheckBox1")).onChange = [this] { CheckBox1Click(); };
    for (const SettingsBox& setting : SettingsBoxes) {
        const QString name = QString::fromLatin1(setting.box);
        Control(name).onChange = [this, name] { SettingsBoxClick(name); };
    }
    Control(QStringLiteral("PageControl1")).onChange = [this] { PageControl1Change(); };
    // A list's change is the user's choice, which arrives as a click.
    Control(QStringLiteral("CBRefresh1")).onClick = [this] { CBRefresh1Change(); };
    Control(QStringLiteral("CBRefresh2")).onClick = [this] { CBRefresh2Change(); };

    // A tag is part of the configuration: editing it marks the configuration modified.
    for (const char* tag : {"TTag1", "TTag2"}) {
        FormControl& field = Control(QString::fromLatin1(tag));
        field.onChange = [this, &field] { Modified(field); };
    }
    for (const auto& control : controls_) {
        FormControl& c = *control;
        const QString& name = c.objectName();
        if (c.kind() == K::Edit && validatesOnLeave(name) &&
            !name.startsWith(QLatin1String("TTag"))) {
            c.onChange = [this, &c] { Modified(c); };
        } else if (c.kind() == K::Choice && name != QLatin1String("CDefaultComPort") &&
                   !name.startsWith(QLatin1String("CBRefresh"))) {
            const bool sensor = SensorLists.contains(name);
            const bool coldJunction = name.startsWith(QLatin1String("CCJCom"));
            c.onClick = [this, &c, sensor, coldJunction] {
                if (sensor) {
                    UpdateLimits(c);
                } else {
                    Modified(c);
                }
                if (coldJunction) {
                    CCJComClick(c);
                }
            };
        }
    }

    state_.settings.onChanged = [this](const QString& key) {
        if (key == QLatin1String("DEFAULTCOMPORT")) {
            DefaultPortChanged();
        }
    };
}
