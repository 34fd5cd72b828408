// Writing the shown configuration to the connected module.

#include "transfer/WriteAll.h"

#include "catalogue/FirmwareVersions.h"
#include "form/TForm1.h"
#include "link/Identification.h"
#include "link/ModuleTag.h"
#include "shell/ProgramState.h"
#include "transfer/ReadBack.h"
#include "transfer/WritePlan.h"

#include <QUrl>

#include <optional>

namespace {

constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1500;
// The list positions of the sensors "Pt 200" and "Pt 300".
constexpr int Pt200Index = 21;
constexpr int Pt300Index = 22;

// Keeps Busy set while the write runs, and clears it on every way out.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
};

bool choosesPt200OrPt300(const TForm1& form) {
    for (const char* name : {"CInputTm1", "CInputTm2"}) {
        const int index = form.Control(QString::fromLatin1(name)).currentIndex();
        if (index == Pt200Index || index == Pt300Index) {
            return true;
        }
    }
    return false;
}

// Sends the planned commands on one open port. Replies are not judged, but a line that stays
// silent means the module is gone: the write stops there, and the result names the first entry
// whose reply never came.
std::optional<int> sendParameters(TForm1& form, const WritePlan& plan) {
    SerialLink& link = form.state().link;
    link.ComHandle = link.OpenComm(link.ComPortName);
    int repliesRead = 0;
    std::optional<int> unconfirmed;
    const int total = static_cast<int>(plan.steps.size());
    int done = 0;
    for (const WriteStep& step : plan.steps) {
        form.ShowProgress(++done, total, QStringLiteral("Parameter"));
        if (!step.readsReply) {
            link.WriteToComm(link.ComHandle, step.command);
        } else if (link.exchange(link.ComHandle, step.command).silent()) {
            unconfirmed = EntryConfirmedBy(plan, repliesRead);
            break;
        } else {
            ++repliesRead;
        }
    }
    link.ShutDownComm(link.ComHandle);
    form.EndProgress();
    return unconfirmed;
}

bool isChecked(const TForm1& form, const char* name) {
    return form.Control(QString::fromLatin1(name)).isChecked();
}

}  // namespace

bool SaveToModule(TForm1& form) {
    if (form.Busy) {
        return false;
    }
    return form.CheckAll(CheckMode::Write) && form.WriteAll();
}

void TForm1::TBSaveComClick() {
    // What the window shows before the write is what the module must hold after it.
    const ConfigurationValues shown = ShownValues(*this);
    if (SaveToModule(*this) && state_.settings.flag(SettingFlag::VerifyWrite)) {
        VerifyWrittenConfiguration(*this, shown);
    }
}

bool TForm1::WriteAll() {
    if (Busy || !PortFreeForOperation()) {
        return false;
    }
    const BusyScope busy(Busy);
    const QString shownModel = Control(QStringLiteral("LModel")).text();
    const WritePlan plan =
        PlanWrite(state_.ParameterTable, shownModel, [this](int i) { return HoldsValue(i); });
    if (!plan.complete()) {
        state_.message(BoxKind::Error, IncompleteConfigurationText(shownModel, plan));
        return false;
    }
    if (!TryPort(state_)) {
        return false;
    }

    // Identification replaces the version by the module's. A refused write puts the
    // configuration's back, so that trying again is checked against the same firmware.
    const int configurationVersion = state_.ModelVersion;
    const auto refuse = [&] {
        state_.ModelVersion = configurationVersion;
        return false;
    };
    QString code;
    DetectModel(state_, code);
    if (code.isEmpty()) {
        return refuse();  // identification has told the user why
    }
    if (shownModel != code) {
        state_.message(BoxKind::Error, ModelMismatchText(shownModel, code));
        return refuse();
    }
    if (configurationVersion > state_.ModelVersion) {
        if (state_.message(BoxKind::Warning, NewerFirmwareText(), BoxButtons::OkCancel) ==
            BoxAnswer::Ok) {
            state_.dialogs->openUrl(QUrl(NewerFirmwareAddress()));
        }
        return refuse();
    }
    if (state_.ModelVersion == firmware::WithoutPt200 && choosesPt200OrPt300(*this)) {
        state_.message(BoxKind::Error, UnavailableSensorText(code));
        return refuse();
    }
    if (isChecked(*this, "CBWarnNoModify") && StatusPanel(2).isEmpty() &&
        state_.message(BoxKind::Information, UnchangedQuestionText(), BoxButtons::YesNo) !=
            BoxAnswer::Yes) {
        return refuse();
    }

    state_.ModelCode = code;
    // Only now is the module known to be the configuration's model, so the layout may follow it.
    AdjustFor(code);

    const QString port = state_.PortShownAs(state_.link.ComPortName);
    const QString title = QStringLiteral("Writing configuration to ") + port;
    FormControl* box = &Control(QStringLiteral("PStatus"));
    FindControl(QStringLiteral("BStatus"))->setVisible(false);
    box->setVisible(true);
    box->raise();
    SetStatusBox(title,
                 QStringLiteral("Please wait while parameters \r are loaded into the ") + code);
    FindControl(QStringLiteral("PageControl1"))->setEnabled(false);
    state_.link.pause(StatusSettleMs);

    // Ends a write that began but did not complete: the status box says where it stopped.
    const auto stop = [&](const QString& where) {
        EndProgress();
        SetStatusBox(title, StoppedAnsweringText(where));
        SetStatusPanel(0, QStringLiteral("Status: Configuration Not Written"));
        FindControl(QStringLiteral("BStatus"))->setVisible(true);
        Memo(QStringLiteral("Writing ") + code + QStringLiteral(" configuration to ") + port +
             QStringLiteral(" failed"));
        return false;
    };

    // A tag the configuration shows goes only to a module that keeps it.
    const int tags = TagsKeptBy(code, state_.ModelVersion);
    for (int channel = 1; channel <= tags; ++channel) {
        const FormControl& field = Control(QStringLiteral("TTag%1").arg(channel));
        if (field.isEnabled()) {
            ShowProgress(channel, tags, QStringLiteral("Tag"));
            if (!WriteTag(state_, channel, field.text())) {
                return stop(QStringLiteral("Tag %1").arg(channel));
            }
        }
    }
    EndProgress();

    const std::optional<int> unconfirmed = sendParameters(*this, plan);
    if (unconfirmed) {
        return stop(state_.ParameterTable[*unconfirmed].Name);
    }

    Memo(WriteLogLine(code, !StatusPanel(2).isEmpty(), port));
    SetStatusPanel(2, QString());
    SetStatusPanel(0, QStringLiteral("Status: New Configuration Uploaded Correctly"));
    FindControl(QStringLiteral("LStatus"))
        ->setText(QStringLiteral("Configuration succesfully written to ") + code +
                  QStringLiteral("."));
    FindControl(QStringLiteral("BStatus"))->setVisible(true);
    if (isChecked(*this, "CBCloseInfoPositiveWrite")) {
        state_.link.pause(AutomaticCloseMs);
        BStatusClick();
    }
    Busy = false;
    WriteToFile(SaveTarget::ConfigurationLog);
    return true;
}
