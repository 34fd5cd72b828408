// Calibrating the load-cell converter from the PC: zero with the cell unloaded, reference with a
// known load. Each runs in two steps in the status panel: an instruction the user confirms or
// cancels, then the exchange and its result.

#include "catalogue/CatalogueLookup.h"
#include "form/TForm1.h"
#include "link/RegisterProtocol.h"
#include "shell/Dialogs.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

#include <optional>

namespace {

const QString LoadCellModel = QStringLiteral("Q7356S");
// The module settles this long around an acquisition.
constexpr int SettleMs = 500;

struct Procedure {
    const char* word;     // "Zero" or "Reference"
    const char* button;   // its continue button
    const char* other;    // the other procedure's continue button
    const char* command;  // the acquisition command
};

Procedure procedure(bool zero) {
    return zero ? Procedure{"Zero", "BStatus_AquireZero", "BStatus_AquireReference", "00E40000"}
                : Procedure{"Reference", "BStatus_AquireReference", "BStatus_AquireZero",
                            "00E50000"};
}

// A calibration field's value when it holds a whole number within its parameter's limits.
std::optional<int> fieldValue(const TForm1& form, const char* key) {
    const ProgramState& state = form.state();
    const auto index = IndexOfKey(state.ParameterTable, QString::fromLatin1(key));
    bool number = false;
    const int value = form.Control(QStringLiteral("T") + QString::fromLatin1(key))
                          .text()
                          .trimmed()
                          .toInt(&number);
    if (!number || !index || value < state.ParameterTable[*index].MinValue ||
        value > state.ParameterTable[*index].MaxValue) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void TForm1::BAquireZeroClick() {
    acquireStep1(true);
}

void TForm1::BAquireReferenceClick() {
    acquireStep1(false);
}

void TForm1::BStatus_AquireZeroClick() {
    acquireStep2(true);
}

void TForm1::BStatus_AquireReferenceClick() {
    acquireStep2(false);
}

void TForm1::acquireStep1(bool zero) {
    if (!PortFreeForOperation()) {
        return;
    }
    if (!TryPortSilent(state_)) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("Please connect module before continuing."));
        return;
    }
    QString code = state_.ModelCode;
    DetectModel(state_, code);
    state_.ModelCode = code;
    if (!code.isEmpty()) {
        AdjustFor(code);
    }
    if (code != LoadCellModel) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("This function is only available in Q7356S modules."));
        return;
    }
    const Procedure steps = procedure(zero);
    Busy = true;
    Control(QStringLiteral("BStatus")).setVisible(false);
    Control(QString::fromLatin1(steps.button)).setVisible(true);
    Control(QString::fromLatin1(steps.other)).setVisible(false);
    Control(QStringLiteral("BCancelStatus")).setVisible(true);
    SetStatusBox(code + QStringLiteral(" ") + QString::fromLatin1(steps.word) +
                     QStringLiteral(" aquiring procedure"),
                 zero ? QStringLiteral("Unload cell before proceeding.\rPress button to continue "
                                       "when ready.")
                      : QStringLiteral("Set input to ") +
                            Control(QStringLiteral("TCalReference")).text() +
                            QStringLiteral(" before proceeding.\rPress button to continue when "
                                           "ready."));
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.setVisible(true);
    box.raise();
    Control(QStringLiteral("PageControl1")).setEnabled(true);
    Busy = false;
    calibrationPending_ = true;
}

void TForm1::acquireStep2(bool zero) {
    const Procedure steps = procedure(zero);
    FormControl& status = Control(QStringLiteral("LStatus"));
    const auto hideButtons = [this] {
        for (const char* name :
             {"BStatus", "BStatus_AquireZero", "BStatus_AquireReference", "BCancelStatus"}) {
            Control(QString::fromLatin1(name)).setVisible(false);
        }
    };
    // Values that are no whole numbers within 0..30000 are never sent: the panel says which
    // field is wrong and keeps only its OK button.
    const auto reference = fieldValue(*this, "CalReference");
    const auto range = fieldValue(*this, "CalRange");
    if (!reference || !range) {
        const QString why = (reference ? QStringLiteral("Calibration Range")
                                       : QStringLiteral("Calibration Reference")) +
                            QStringLiteral(
                                " must be a whole number from 0 to 30000.\rNothing was sent to the "
                                "module.");
        hideButtons();
        status.setText(DisplayText(why));
        Control(QStringLiteral("BStatus")).setVisible(true);
        calibrationPending_ = false;
        state_.message(BoxKind::Error, why);
        return;
    }

    SerialLink& link = state_.link;
    SessionOpening opening;
    const auto waiting = QStringLiteral("Aquiring ") + QString::fromLatin1(steps.word) +
                         QStringLiteral(", please wait ...");
    if (zero) {
        hideButtons();
        status.setText(waiting);
        link.pause(SettleMs);
        opening = link.open(link.ComPortName);
    } else {
        // The reference takes the port before the panel changes.
        opening = link.open(link.ComPortName);
        hideButtons();
        status.setText(waiting);
    }
    if (!opening) {
        status.setText(
            DisplayText(PortNotOpenedText(state_.PortShownAs(link.ComPortName), opening.failure)));
        Control(QStringLiteral("BStatus")).setVisible(true);
        calibrationPending_ = false;
        return;
    }
    ModuleSession& session = *opening.session;
    session.exchange(QStringLiteral("0013") + HexWord(*reference));
    session.exchange(QStringLiteral("0015") + HexWord(*range));
    const RegisterReply reply = session.exchange(QString::fromLatin1(steps.command));
    link.pause(SettleMs);
    status.setText(reply.answered()
                       ? QString::fromLatin1(steps.word) + QStringLiteral(" succesfully aquired.")
                       : QStringLiteral("Connection problem."));
    session.close();
    Control(QStringLiteral("BStatus")).setVisible(true);
    calibrationPending_ = false;
}

void TForm1::BCancelStatusClick() {
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.lower();
    box.setVisible(false);
    Control(QStringLiteral("PageControl1")).setEnabled(true);
    Busy = false;
    for (const char* name : {"LInputValue", "LInputValueSx", "BStatus_AquireZero",
                             "BStatus_AquireReference", "BCancelStatus", "GBStatusInput"}) {
        Control(QString::fromLatin1(name)).setVisible(false);
    }
    calibrationPending_ = false;
}
