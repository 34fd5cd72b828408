// Reading the connected module's whole configuration into the window.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/RegisterWord.h"
#include "form/TForm1.h"
#include "link/Identification.h"
#include "link/ModuleTag.h"
#include "link/RegisterProtocol.h"
#include "records/Clock.h"
#include "shell/Online.h"
#include "shell/ProgramState.h"

namespace {

// A register that does not answer "8000" gets this many attempts in all.
constexpr int ReadAttempts = 3;
// A choice register above this is no index: the first choice is shown.
constexpr int LargestChoiceIndex = 200;
constexpr int StatusSettleMs = 100;
constexpr int AutomaticCloseMs = 1200;

const QString Answered = QStringLiteral("8000");

int parametersOf(const TParameterTable& table, const QString& code) {
    int count = 0;
    for (const TTableEntry& entry : table) {
        count += AppliesToModel(entry, code) ? 1 : 0;
    }
    return count;
}

}  // namespace

void TForm1::TBOpenComClick() {
    ReadAll();
}

void TForm1::ReadAll() {
    // Only one operation talks to the module at a time.
    if (Busy || !PortFreeForOperation()) {
        return;
    }
    if (StatusPanel(2) == QLatin1String("Modified") &&
        state_.message(BoxKind::Warning,
                       QStringLiteral("Parameters were modified.\rDo you wish to acquire new data "
                                      "and lose changes?"),
                       BoxButtons::YesNoDefaultNo) != BoxAnswer::Yes) {
        return;
    }
    ResetAll();
    // The probe and the identification tell the user why they failed; the log list keeps it.
    const auto noModule = [this] {
        Memo(QStringLiteral("Reading configuration from ") +
             state_.PortShownAs(state_.link.ComPortName) + QStringLiteral(" failed"));
    };
    if (!TryPort(state_)) {
        noModule();
        return;
    }
    QString code;
    DetectModel(state_, code);
    state_.ModelCode = code;
    if (code.isEmpty()) {
        noModule();
        return;
    }
    AdjustFor(code);
    CompareWorkingVersion(state_, code, state_.ModelVersion);
    AddNewSensors(state_.ParameterTable, state_.SensorTable, code, state_.ModelVersion);

    FormControl& model = Control(QStringLiteral("LModel"));
    model.setText(code);
    model.setHint(QStringLiteral("SW Rev. ") + QString::number(state_.ModelVersion));
    Control(QStringLiteral("LModelTop")).setText(code);

    Busy = true;
    SerialLink& link = state_.link;
    const QString port = state_.PortShownAs(link.ComPortName);
    FormControl& box = Control(QStringLiteral("PStatus"));
    Control(QStringLiteral("BStatus")).setVisible(false);
    Control(QStringLiteral("PageControl1")).setEnabled(false);
    box.setVisible(true);
    SetStatusBox(QStringLiteral("Reading configuration from ") + port,
                 QStringLiteral("Please wait while parameters\r are retrieved from the ") + code);
    box.raise();
    link.pause(StatusSettleMs);

    // Ends the read without a half configuration on screen, saying where it stopped.
    auto fail = [&](const QString& why) {
        ResetAll();
        SetStatusBox(QStringLiteral("Reading configuration from ") + port, why);
        Control(QStringLiteral("BStatus")).setVisible(true);
        Memo(QStringLiteral("Reading ") + code + QStringLiteral(" configuration from ") + port +
             QStringLiteral(" failed"));
        Busy = false;
    };
    const QString stopped = QStringLiteral("The window was closed before the read ended.");

    const int tags = TagsKeptBy(code, state_.ModelVersion);
    for (int channel = 1; channel <= tags; ++channel) {
        if (StopRequested()) {
            fail(stopped);
            return;
        }
        ShowProgress(channel, tags, QStringLiteral("Tag"));
        const TagReadResult tag = ReadTag(state_, channel);
        if (!tag.tag) {
            fail(QStringLiteral("The module did not send tag %1 correctly.").arg(channel));
            return;
        }
        FormControl& field = Control(QStringLiteral("TTag%1").arg(channel));
        field.setEnabled(true);
        Control(QStringLiteral("LTag%1").arg(channel)).setTextColour(colours::Black);
        field.setText(*tag.tag);
    }
    Control(QStringLiteral("LSourceRight")).setText(port);

    link.ComHandle = link.OpenComm(state_.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    const int total = parametersOf(state_.ParameterTable, code);
    int done = 0;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        TTableEntry& entry = state_.ParameterTable[i];
        if (!AppliesToModel(entry, code)) {
            continue;
        }
        if (StopRequested()) {
            link.ShutDownComm(link.ComHandle);
            fail(stopped);
            return;
        }
        ShowProgress(++done, total, QStringLiteral("Parameter"));
        QString reply;
        for (int attempt = 0; attempt < ReadAttempts && !reply.startsWith(Answered); ++attempt) {
            reply = link.WriteReadComm(
                link.ComHandle, QStringLiteral("00") + entry.ReadCommand + QStringLiteral("0000"));
        }
        const auto word = ParseHexWord(ReplyData(reply));
        if (!reply.startsWith(Answered) || !word) {
            link.ShutDownComm(link.ComHandle);
            fail(reply.startsWith(Answered)
                     ? QStringLiteral("The module sent an invalid value (") +
                           VisibleReply(ReplyData(reply)) + QStringLiteral(")\rfor ") + entry.Name +
                           QStringLiteral(".")
                     : QStringLiteral("The module stopped answering\rat ") + entry.Name +
                           QStringLiteral("."));
            return;
        }
        if (entry.FieldType == FieldKind::Number) {
            entry.Value = WordToValue(*word, code);
        } else {
            entry.Value = *word > LargestChoiceIndex ? 0 : *word;
        }
        ShowField(i);
    }
    link.ShutDownComm(link.ComHandle);
    EndProgress();

    Control(QStringLiteral("TabSheet1")).setEnabled(true);
    Control(QStringLiteral("LStatus"))
        .setText(code + QStringLiteral(" parameters correctly loaded."));
    Control(QStringLiteral("BStatus")).setVisible(true);
    RefreshAfterTransfer(TransferSource::Read);
    if (Control(QStringLiteral("CBCloseInfoPositiveRead")).isChecked()) {
        link.pause(AutomaticCloseMs);
        BStatusClick();
    }
    ConfigurationEmpty = false;
    state_.ConfigurationDate = Today();
    Memo(QStringLiteral("Read ") + code + QStringLiteral(" configuration from ") + port);

    FormControl& dataSheet = Control(QStringLiteral("LDataSheet"));
    const bool linkShown = Online(state_) && state_.settings.flag(SettingFlag::OnlineLink);
    dataSheet.setText(code + QStringLiteral(" Online information"));
    dataSheet.setVisible(linkShown);
    Busy = false;
    WriteToFile(SaveTarget::ConfigurationLog);
}
