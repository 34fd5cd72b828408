// The start of the working session when the main window is shown, and its end when the window
// closes.

#include "form/TForm1.h"
#include "records/Clock.h"
#include "shell/ConfigIni.h"
#include "shell/MakerSite.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"
#include "shell/StartUp.h"

#include <QTimer>

namespace {

// The settings boxes ticked at start-up when their setting is yes; ticking one runs its handler,
// which writes the same value back.
const std::pair<SettingFlag, const char*> RestoredBoxes[] = {
    {SettingFlag::OnlineLink, "CBViewOnlineLink"},
    {SettingFlag::WarnNoInfo, "CBWarnAdditionalInformation"},
    {SettingFlag::NoConfirmRead, "CBCloseInfoPositiveRead"},
    {SettingFlag::NoConfirmWrite, "CBCloseInfoPositiveWrite"},
    {SettingFlag::WarnNoModify, "CBWarnNoModify"},
    {SettingFlag::AutoUpdate, "CBAutoCheckUpdate"},
    {SettingFlag::VerifyWrite, "CBVerifyWrite"},
};

}  // namespace

const QString TForm1::PasswordStatus =
    QStringLiteral("Status: Insert password to start working session");

void TForm1::StartUp() {
    startUp_ = StartUpStage::Running;
    runGated([this] { FormShow(); });
    // The window was shown before FormShow ran: nothing else is waited for, not even a paint
    // (the password cover hides the pages, which then never paint).
    startUp_ = StartUpStage::Ended;
}

void TForm1::FormShow() {
    SettingsStore& settings = state_.settings;
    state_.SoftwareVersion = SoftwareVersionText;
    Control(QStringLiteral("TForm1")).setText(WindowCaption(state_.SoftwareVersion));
    Memo(QStringLiteral("KVC7345 ") + DottedVersion(state_.SoftwareVersion) +
         QStringLiteral(" started"));
    FindControl(QStringLiteral("LUpdateInstalledVersionDx"))
        ->setText(DottedVersion(state_.SoftwareVersion));
    document_.date = Today();

    ScanConfig(state_);
    if (!state_.PortForThisRun.isEmpty()) {
        settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), state_.PortForThisRun);
    }
    DefaultPortChanged();

    // Before the run is counted: a newer release may end it at once.
    CheckForUpdatesAtStartUp();

    // The live reading starts at 200 ms on both channels (its timers come with the reading).
    for (const char* refresh : {"CBRefresh1", "CBRefresh2"}) {
        Control(QString::fromLatin1(refresh)).setCurrentIndex(1);
    }

    const int runs = settings.values().RunTimes;
    if (runs == 0) {
        state_.message(BoxKind::Information, WelcomeText(MakerWebSite()));
    }
    settings.WriteConfig(QStringLiteral("RUNTIMES"), QString::number(qint64{runs} + 1));

    timer2_->start();
    // The status box's OK button was centred when the box was built.

    ConfigurationEmpty = true;
    // Before the cover goes up: the list is there when the password has been given. A window
    // closed meanwhile lists nothing.
    if (!stopRequested_) {
        FindPorts();
    }

    FormControl& rememberBox = Control(QStringLiteral("CBDoneByDoneFor"));
    const Settings saved = settings.values();
    for (const auto& [remembered, field] :
         {std::pair{saved.DoneBy, "TDefaultDoneBy"}, std::pair{saved.DoneFor, "TDefaultDoneFor"}}) {
        if (!remembered.isEmpty()) {
            FindControl(QString::fromLatin1(field))->setText(remembered);
            rememberBox.setChecked(true);
        }
    }
    FindControl(QStringLiteral("LDateRight"))->setText(Today());

    for (const auto& [flag, box] : RestoredBoxes) {
        if (settings.flag(flag)) {
            FindControl(QString::fromLatin1(box))->setChecked(true);
        }
    }
    {
        // Choosing the first page is no visit of the Values page: no reading starts.
        FormControl& pages = Control(QStringLiteral("PageControl1"));
        const QuietControl quiet(pages);
        if (settings.flag(SettingFlag::FirstIsValues)) {
            Control(QStringLiteral("CBViewValueScreen")).setChecked(true);
            pages.setCurrentIndex(1);
        } else {
            pages.setCurrentIndex(0);
        }
        shownPage_ = pages.currentIndex();
    }

    if (settings.flag(SettingFlag::PromptPassword)) {
        // The cover hides the pages; the status bar stays in front of it, so its text tells
        // the user what to do.
        FormControl* cover = &Control(QStringLiteral("PasswordPanel"));
        cover->setVisible(true);
        cover->raise();
        FindControl(QStringLiteral("StatusBar1"))->raise();
        FindControl(QStringLiteral("TEntryPassword"))->setFocus();
        SetStatusPanel(0, PasswordStatus);
        // With the cover up, ticking the box keeps the stored password.
        FindControl(QStringLiteral("CheckBox1"))->setChecked(true);
        setPasswordFieldsEnabled(true);
    }
}

void TForm1::FormClose() {
    ForgetPortForThisRun(state_);
    UpdateConfig(state_);
    UpdateLog();
}

void TForm1::DefaultPortChanged() {
    const QString port = state_.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT"));
    Control(QStringLiteral("LDefaultComPort")).setText(state_.PortShownAs(port));
    state_.link.ComPortName = port;
}

void TForm1::PageControl1Change() {
    constexpr int ValuesPage = 1;
    const int previous = shownPage_;
    shownPage_ = Control(QStringLiteral("PageControl1")).currentIndex();
    if (previous == ValuesPage && shownPage_ != ValuesPage) {
        AwayFromValues();
    }
    // Opening the Values page prepares it at once when a module answers the silent probe.
    if (shownPage_ == ValuesPage && previous != ValuesPage &&
        Control(QStringLiteral("BStartReadValues")).isVisible() && !LiveSessionRunning() &&
        TryPortSilent(state_)) {
        BStartReadValues_Click();
    }
}
