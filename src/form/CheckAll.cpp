// The check a configuration passes when it leaves the window or arrives in it.

#include "form/TForm1.h"
#include "operations/ConfigurationLogging.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

QSet<int> TForm1::PrintedParameters() const {
    return ParametersInUse(document_, Catalogue());
}

bool TForm1::CheckAll(CheckMode mode) {
    const CheckOutcome outcome = CheckConfiguration(state_, document_, Catalogue(), mode);
    for (const QString& line : outcome.logLines) {
        Memo(line);
    }
    return outcome.mayGoOn;
}
