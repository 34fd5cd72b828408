// Writing the shown configuration to the connected module.

#include "form/WriteAll.h"

#include "form/ReadBack.h"
#include "form/TForm1.h"
#include "operations/ModuleWriting.h"
#include "shell/ProgramState.h"
#include "transfer/WritePlan.h"

namespace {

constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1500;

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
    const QString port = state_.PortShownAs(state_.link.ComPortName);
    const QString title = QStringLiteral("Writing configuration to ") + port;
    // Only once the module is known to be the configuration's model may the layout follow it.
    const auto identified = [this, &title](const QString& code) {
        AdjustFor(code);
        FormControl* box = &Control(QStringLiteral("PStatus"));
        FindControl(QStringLiteral("BStatus"))->setVisible(false);
        box->setVisible(true);
        box->raise();
        SetStatusBox(title,
                     QStringLiteral("Please wait while parameters \r are loaded into the ") + code);
        FindControl(QStringLiteral("PageControl1"))->setEnabled(false);
        state_.link.pause(StatusSettleMs);
    };
    const bool askIfUnchanged = isChecked(*this, "CBWarnNoModify") && !IsModified();
    ModuleWriteOutcome outcome = WriteModule(
        state_, document_, Catalogue(), askIfUnchanged, port,
        {identified,
         {[this](int done, int total, const QString& what) { ShowProgress(done, total, what); },
          {}}});
    if (!outcome.began()) {
        return outcome;
    }
    const QString& code = state_.ModelCode;
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
    FindControl(QStringLiteral("LStatus"))->setText(outcome.message);
    FindControl(QStringLiteral("BStatus"))->setVisible(true);
    if (isChecked(*this, "CBCloseInfoPositiveWrite")) {
        state_.link.pause(AutomaticCloseMs);
        BStatusClick();
    }
    WriteToFile(SaveTarget::ConfigurationLog);
    return outcome;
}
