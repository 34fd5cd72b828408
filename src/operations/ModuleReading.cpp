#include "operations/ModuleReading.h"

#include "records/Clock.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

ModuleReading ReadModule(ProgramState& state, const QString& shownPort, const ReadSteps& steps) {
    ModuleReading reading;
    reading.read.failure = ModuleReadFailure::NotBegun;
    if (!TryPort(state)) {
        return reading;
    }
    QString code;
    DetectModel(state, code);
    state.ModelCode = code;
    if (code.isEmpty()) {
        return reading;
    }
    reading.identified = true;
    CompareWorkingVersion(state, code, state.ModelVersion);
    state.AdaptCatalogue(code, state.ModelVersion);
    if (steps.identified) {
        steps.identified(code);
    }
    reading.read = ReadConfigurationFromModule(state, code, shownPort, steps.progress);
    if (reading.read.completed()) {
        ModuleConfiguration& configuration = reading.read.configuration;
        configuration.date = Today();
        reading.limitsSet =
            RefreshSensorLimits(configuration, *state.Catalogue, RefreshAfter::Read);
    }
    return reading;
}
