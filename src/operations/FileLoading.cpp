#include "operations/FileLoading.h"

#include "records/Clock.h"
#include "records/FileMessages.h"
#include "records/LoadNotes.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

namespace {

using Result = FileLoading::Result;

// The header line's part of the configuration; a firmware also becomes the run's.
void takeHeader(ProgramState& state, ModuleConfiguration& configuration, const LoadedLine& line) {
    using Kind = LoadedLine::Kind;
    switch (line.kind) {
        case Kind::Date:
            configuration.date = line.value;
            break;
        case Kind::Firmware:
            state.ModelVersion = line.number;
            CompareWorkingVersion(state, state.ModelCode, line.number);
            break;
        case Kind::DoneBy:
        case Kind::DoneFor:
            if (!line.value.isEmpty()) {
                (line.kind == Kind::DoneBy ? configuration.doneBy : configuration.doneFor) =
                    line.value;
            }
            break;
        case Kind::Tag1:
        case Kind::Tag2:
            configuration.tag(line.kind == Kind::Tag1 ? 1 : 2) = line.value;
            break;
        case Kind::Parameter:
            break;
    }
}

}  // namespace

FileLoading LoadConfiguration(ProgramState& state, const FileReadOutcome& file) {
    FileLoading loading;
    // A file that cannot be a configuration changes nothing.
    if (file.failure == LoadFailure::Unreadable) {
        state.message(BoxKind::Error, UnreadableFileText(file.message));
        return loading;
    }
    if (!file.ok()) {
        loading.record.refusal = file.message;
        if (state.message(BoxKind::Error, InvalidConfigurationFileText(file.message),
                          BoxButtons::AbortRetry) == BoxAnswer::Retry) {
            loading.result = Result::Retry;
        }
        return loading;
    }

    const QString& model = file.text.model;
    state.ModelCode = model;
    ModuleConfiguration& configuration = loading.configuration;
    configuration = EmptyConfiguration(model, state.ModelVersion, state.ParameterTable());
    configuration.date = Today();
    // The choices follow the firmware from the file's MDVERSION line on.
    std::shared_ptr<const ModelCatalogue> catalogue = state.Catalogue;
    const EntriesOutcome taken = TakeConfigurationEntries(
        file.text.entries, configuration, catalogue, [&](const LoadedLine& line) {
            if (line.kind == LoadedLine::Kind::Parameter) {
                loading.record.values.append({line.index, line.value, line.number});
            } else {
                takeHeader(state, configuration, line);
                loading.headerLines << line;
            }
        });
    if (!taken.ok()) {
        // Nothing more of this file is applied. The box says what it could not use, so the user
        // knows what to mend; Retry asks for another file.
        const bool retry =
            taken.failure == LoadFailure::Invalid
                ? state.message(BoxKind::Error, InvalidConfigurationFileText(taken.message),
                                BoxButtons::AbortRetry) == BoxAnswer::Retry
                : state.message(BoxKind::Warning, UnrecognisedValueText(taken.key, taken.value),
                                BoxButtons::OkRetry) == BoxAnswer::Retry;
        if (taken.failure == LoadFailure::Invalid) {
            loading.record.refusal = taken.message;
        }
        loading.result = retry ? Result::Retry : Result::Refused;
        return loading;
    }
    state.AdaptCatalogue(model, state.ModelVersion);
    loading.limitsSet = RefreshSensorLimits(configuration, *state.Catalogue, RefreshAfter::Load);
    // What the configuration took otherwise than the file writes it.
    loading.record.notes =
        LoadNotes(state.ParameterTable(), configuration, file.text.entries, loading.record.values);
    loading.result = Result::Loaded;
    return loading;
}
