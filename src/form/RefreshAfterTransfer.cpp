// The refresh a configuration needs once a read or a load has put it on screen.

#include "form/TForm1.h"
#include "shell/ProgramState.h"

void TForm1::RefreshAfterTransfer(TransferSource source, const QList<int>& limitsSet) {
    if (source == TransferSource::Load) {
        Control(QStringLiteral("LDataSheet")).setVisible(false);
    }
    // The read or the load gave the values their sensors' limits; the fields show them, and the
    // fields that follow a sensor, a cold-junction mode or an alarm type open or close.
    for (const int i : limitsSet) {
        showValue(i);
    }
    showDelayUnits();
    applyFieldsInUse();
    refreshModifiedMark();
    CheckAll(CheckMode::Read);
}
