// Calibrating the load-cell converter from the PC. Each acquisition runs in two steps in the
// status panel: an instruction the user confirms or cancels, then the exchange and its result.

#include "form/TForm1.h"
#include "live/Calibration.h"
#include "live/LivePreparation.h"
#include "operations/LoadCellFinding.h"
#include "shell/Dialogs.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

namespace {

// The step's continue button in the status panel.
QString continueButton(CalibrationStep step) {
    return step == CalibrationStep::Zero ? QStringLiteral("BStatus_AquireZero")
                                         : QStringLiteral("BStatus_AquireReference");
}

CalibrationStep otherStep(CalibrationStep step) {
    return step == CalibrationStep::Zero ? CalibrationStep::Reference : CalibrationStep::Zero;
}

}  // namespace

void TForm1::BAquireZeroClick() {
    acquireStep1(CalibrationStep::Zero);
}

void TForm1::BAquireReferenceClick() {
    acquireStep1(CalibrationStep::Reference);
}

void TForm1::BStatus_AquireZeroClick() {
    acquireStep2(CalibrationStep::Zero);
}

void TForm1::BStatus_AquireReferenceClick() {
    acquireStep2(CalibrationStep::Reference);
}

void TForm1::acquireStep1(CalibrationStep step) {
    if (!PortAvailable()) {
        return;
    }
    QString code;
    const int shownVersion = state_.ModelVersion;
    const auto identified = [this, &code, shownVersion](const QString& found) {
        code = found;
        if (!ConfigurationEmpty && found != document_.model) {
            // The window keeps the configuration it shows, laid out for its model; only an
            // empty window takes the connected module's layout.
            state_.ModelVersion = shownVersion;
            return;
        }
        state_.ModelCode = found;
        if (!found.isEmpty()) {
            AdjustFor(found);
        }
    };
    if (!FindLoadCell(state_, identified)) {
        return;
    }
    Control(QStringLiteral("BStatus")).setVisible(false);
    Control(continueButton(step)).setVisible(true);
    Control(continueButton(otherStep(step))).setVisible(false);
    Control(QStringLiteral("BCancelStatus")).setVisible(true);
    SetStatusBox(
        code + QStringLiteral(" ") + CalibrationWord(step) + QStringLiteral(" aquiring procedure"),
        CalibrationInstructionText(step, Control(QStringLiteral("TCalReference")).text()));
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.setVisible(true);
    box.raise();
    Control(QStringLiteral("PageControl1")).setEnabled(true);
    calibrationPending_ = true;
}

void TForm1::acquireStep2(CalibrationStep step) {
    FormControl& status = Control(QStringLiteral("LStatus"));
    const auto hideButtons = [this] {
        for (const char* name :
             {"BStatus", "BStatus_AquireZero", "BStatus_AquireReference", "BCancelStatus"}) {
            Control(QString::fromLatin1(name)).setVisible(false);
        }
    };
    // Values that are no whole numbers within 0..30000 are never sent: the panel says which
    // field is wrong and keeps only its OK button.
    const QString referenceText = Control(QStringLiteral("TCalReference")).text();
    const QString rangeText = Control(QStringLiteral("TCalRange")).text();
    const QString why = CalibrationValuesProblem(state_.ParameterTable(), referenceText, rangeText);
    if (!why.isEmpty()) {
        hideButtons();
        status.setText(DisplayText(why));
        Control(QStringLiteral("BStatus")).setVisible(true);
        calibrationPending_ = false;
        state_.message(BoxKind::Error, why);
        return;
    }
    const int reference =
        *CalibrationValue(state_.ParameterTable(), QStringLiteral("CalReference"), referenceText);
    const int range =
        *CalibrationValue(state_.ParameterTable(), QStringLiteral("CalRange"), rangeText);

    hideButtons();
    status.setText(QStringLiteral("Aquiring ") + CalibrationWord(step) +
                   QStringLiteral(", please wait ..."));
    SerialLink& link = state_.link;
    const AcquisitionOutcome outcome = Acquire(
        link, link.ComPortName, state_.PortShownAs(link.ComPortName), step, reference, range);
    status.setText(DisplayText(outcome.message));
    Control(QStringLiteral("BStatus")).setVisible(true);
    calibrationPending_ = false;
}

void TForm1::BCancelStatusClick() {
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.lower();
    box.setVisible(false);
    Control(QStringLiteral("PageControl1")).setEnabled(true);
    for (const char* name : {"LInputValue", "LInputValueSx", "BStatus_AquireZero",
                             "BStatus_AquireReference", "BCancelStatus", "GBStatusInput"}) {
        Control(QString::fromLatin1(name)).setVisible(false);
    }
    calibrationPending_ = false;
}
