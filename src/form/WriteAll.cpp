// Writing the shown configuration to the connected module.

#include "form/WriteAll.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "form/ReadBack.h"
#include "form/TForm1.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"
#include "transfer/ModuleWrite.h"
#include "transfer/WritePlan.h"

#include <QUrl>

#include <optional>

namespace {

constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1500;
// The list positions of the sensors "Pt 200" and "Pt 300".
constexpr int Pt200Index = 21;
constexpr int Pt300Index = 22;

bool choosesPt200OrPt300(const TForm1& form) {
    for (const char* key : {"InputTm1", "InputTm2"}) {
        const auto index = IndexOfKey(form.Catalogue(), QString::fromLatin1(key));
        const std::optional<int> sensor = index ? form.Configuration().held(*index) : std::nullopt;
        if (sensor == Pt200Index || sensor == Pt300Index) {
            return true;
        }
    }
    return false;
}

bool isChecked(const TForm1& form, const char* name) {
    return form.Control(QString::fromLatin1(name)).isChecked();
}

}  // namespace

ModuleWriteOutcome SaveToModule(TForm1& form) {
    // Another operation on the line is left to finish before anything is checked or asked.
    if (form.HolderOfPort() == PortHolder::Operation || !form.CheckAll(CheckMode::Write)) {
        return {};
    }
    return form.WriteAll();
}

void TForm1::TBSaveComClick() {
    // What the window shows before the write is what the module must hold after it.
    const ModuleConfiguration shown = document_;
    if (SaveToModule(*this).written() && state_.settings.flag(SettingFlag::VerifyWrite)) {
        VerifyWrittenConfiguration(shown);
    }
}

ModuleWriteOutcome TForm1::WriteAll() {
    const ModuleWriteOutcome refused;
    if (!PortAvailable()) {
        return refused;
    }
    const QString shownModel = ShownModel();
    const WritePlan plan = PlanWrite(Catalogue(), document_);
    if (!plan.complete()) {
        state_.message(BoxKind::Error, IncompleteConfigurationText(shownModel, plan));
        return refused;
    }
    if (!TryPort(state_)) {
        return refused;
    }

    // Identification replaces the version by the module's. A refused write puts the
    // configuration's back, so that trying again is checked against the same firmware.
    const int configurationVersion = state_.ModelVersion;
    const auto refuse = [&] {
        state_.ModelVersion = configurationVersion;
        return refused;
    };
    QString code;
    DetectModel(state_, code);
    if (code.isEmpty()) {
        return refuse();  // identification has told the user why
    }
    if (shownModel != code) {
        state_.message(BoxKind::Error, ModelMismatchText(shownModel, code));
        refuse();
        return ModuleWriteOutcome{ModuleWriteFailure::OtherModel, {}, {}};
    }
    if (configurationVersion > state_.ModelVersion) {
        if (state_.message(BoxKind::Warning, NewerFirmwareText(), BoxButtons::OkCancel) ==
            BoxAnswer::Ok) {
            OpenLink(QUrl(NewerFirmwareAddress()));
        }
        return refuse();
    }
    if (state_.ModelVersion == firmware::WithoutPt200 && choosesPt200OrPt300(*this)) {
        state_.message(BoxKind::Error, UnavailableSensorText(code));
        return refuse();
    }
    if (isChecked(*this, "CBWarnNoModify") && !IsModified() &&
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

    // A tag the configuration shows goes only to a module that keeps it.
    TagTexts tags;
    for (int channel = 1; channel <= TagsKeptBy(code, state_.ModelVersion); ++channel) {
        if (const std::optional<QString>& tag = document_.tag(channel)) {
            tags.append({channel, *tag});
        }
    }
    ModuleWriteOutcome outcome = WriteConfigurationToModule(
        state_, tags, plan, port,
        {[this](int done, int total, const QString& what) { ShowProgress(done, total, what); },
         {}});
    EndProgress();
    if (!outcome.written()) {
        // A write that began but did not complete: the status box says why and where.
        SetStatusBox(title, outcome.message);
        SetStatusPanel(0, QStringLiteral("Status: Configuration Not Written"));
        FindControl(QStringLiteral("BStatus"))->setVisible(true);
        Memo(QStringLiteral("Writing ") + code + QStringLiteral(" configuration to ") + port +
             QStringLiteral(" failed"));
        return outcome;
    }

    Memo(WriteLogLine(code, IsModified(), port));
    // The module now holds this configuration, at its own firmware.
    document_.firmware = state_.ModelVersion;
    SetUnmodified();
    SetStatusPanel(0, QStringLiteral("Status: New Configuration Uploaded Correctly"));
    outcome.message =
        QStringLiteral("Configuration succesfully written to ") + code + QStringLiteral(".");
    FindControl(QStringLiteral("LStatus"))->setText(outcome.message);
    FindControl(QStringLiteral("BStatus"))->setVisible(true);
    if (isChecked(*this, "CBCloseInfoPositiveWrite")) {
        state_.link.pause(AutomaticCloseMs);
        BStatusClick();
    }
    WriteToFile(SaveTarget::ConfigurationLog);
    return outcome;
}
