// Reading the connected module's whole configuration into the window.

#include "form/TForm1.h"
#include "operations/ModuleReading.h"
#include "shell/Online.h"
#include "shell/ProgramState.h"

namespace {

constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1200;

}  // namespace

void TForm1::TBOpenComClick() {
    ReadAll();
}

ModuleReadOutcome TForm1::ReadAll(ReadPurpose purpose) {
    const ModuleReadOutcome notBegun{ModuleReadFailure::NotBegun, {}, {}};
    // Only one operation talks to the module at a time.
    if (!PortAvailable()) {
        return notBegun;
    }
    if (IsModified() &&
        state_.message(BoxKind::Warning,
                       QStringLiteral("Parameters were modified.\rDo you wish to acquire new data "
                                      "and lose changes?"),
                       BoxButtons::YesNoDefaultNo) != BoxAnswer::Yes) {
        return notBegun;
    }
    ResetAll();
    SerialLink& link = state_.link;
    const QString port = state_.PortShownAs(link.ComPortName);
    // The window is laid out for the module as soon as it is known, and says what it reads.
    const auto identified = [this, &link, &port](const QString& code) {
        AdjustFor(code);
        SetShownModel(code, QStringLiteral("SW Rev. ") + QString::number(state_.ModelVersion));
        Control(QStringLiteral("LModelTop")).setText(code);
        FormControl& box = Control(QStringLiteral("PStatus"));
        Control(QStringLiteral("BStatus")).setVisible(false);
        Control(QStringLiteral("PageControl1")).setEnabled(false);
        box.setVisible(true);
        SetStatusBox(
            QStringLiteral("Reading configuration from ") + port,
            QStringLiteral("Please wait while parameters\r are retrieved from the ") + code);
        box.raise();
        link.pause(StatusSettleMs);
    };
    const ModuleReading reading = ReadModule(
        state_, port,
        {identified,
         {[this](int done, int total, const QString& what) { ShowProgress(done, total, what); },
          [this] { return StopRequested(); }}});
    const ModuleReadOutcome& read = reading.read;
    const QString& code = state_.ModelCode;
    if (!reading.identified) {
        // The probe and the identification told the user why they failed; the log list keeps it.
        Memo(QStringLiteral("Reading configuration from ") + port + QStringLiteral(" failed"));
        return read;
    }
    if (!read.completed()) {
        // No half configuration stays on screen; the status box says where the read stopped.
        ResetAll();
        SetStatusBox(QStringLiteral("Reading configuration from ") + port, read.message);
        Control(QStringLiteral("BStatus")).setVisible(true);
        Memo(QStringLiteral("Reading ") + code + QStringLiteral(" configuration from ") + port +
             QStringLiteral(" failed"));
        return read;
    }
    ShowConfiguration(read.configuration);
    Control(QStringLiteral("LSourceRight")).setText(port);
    EndProgress();

    Control(QStringLiteral("TabSheet1")).setEnabled(true);
    Control(QStringLiteral("LStatus"))
        .setText(code + QStringLiteral(" parameters correctly loaded."));
    Control(QStringLiteral("BStatus")).setVisible(true);
    RefreshAfterTransfer(TransferSource::Read, reading.limitsSet);
    if (Control(QStringLiteral("CBCloseInfoPositiveRead")).isChecked()) {
        link.pause(AutomaticCloseMs);
        BStatusClick();
    }
    ConfigurationEmpty = false;
    SetUnmodified();
    Memo((purpose == ReadPurpose::Verify ? QStringLiteral("Read back ") : QStringLiteral("Read ")) +
         code + QStringLiteral(" configuration from ") + port);

    FormControl& dataSheet = Control(QStringLiteral("LDataSheet"));
    const bool linkShown = Online(state_) && state_.settings.flag(SettingFlag::OnlineLink);
    dataSheet.setText(code + QStringLiteral(" Online information"));
    dataSheet.setVisible(linkShown);
    WriteToFile(SaveTarget::ConfigurationLog);
    return read;
}

void TForm1::ShowConfiguration(const ModuleConfiguration& configuration) {
    document_ = configuration;
    for (int channel = 1; channel <= 2; ++channel) {
        if (const std::optional<QString>& tag = document_.tag(channel)) {
            FormControl& field = Control(QStringLiteral("TTag%1").arg(channel));
            field.setEnabled(true);
            Control(QStringLiteral("LTag%1").arg(channel)).setTextColour(colours::Black);
            field.setText(*tag);
        }
    }
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        if (document_.holds(i)) {
            ShowField(i);
        }
    }
}
