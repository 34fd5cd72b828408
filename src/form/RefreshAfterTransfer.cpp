// The refresh a configuration needs once a read or a load has put it on screen.

#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

void TForm1::RefreshAfterTransfer(TransferSource source) {
    const bool loaded = source == TransferSource::Load;
    if (loaded) {
        state_.AdaptCatalogue(state_.ModelCode, state_.ModelVersion);
        Control(QStringLiteral("LDataSheet")).setVisible(false);
    }
    // Limits follow the sensors, and the fields that follow a sensor, a cold-junction mode or an
    // alarm type open or close.
    const QList<int> changed = RefreshSensorLimits(
        document_, *state_.Catalogue, loaded ? RefreshAfter::Load : RefreshAfter::Read);
    for (const int i : changed) {
        showValue(i);
    }
    showDelayUnits();
    applyFieldsInUse();
    refreshModifiedMark();
    CheckAll(CheckMode::Read);
}
