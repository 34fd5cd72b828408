#include "operations/ModuleWriting.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"
#include "transfer/WritePlan.h"

namespace {

// The list positions of the sensors "Pt 200" and "Pt 300".
constexpr int Pt200Index = 21;
constexpr int Pt300Index = 22;

bool choosesPt200OrPt300(const ModuleConfiguration& configuration,
                         const TParameterTable& catalogue) {
    for (const char* key : {"InputTm1", "InputTm2"}) {
        const auto index = IndexOfKey(catalogue, QString::fromLatin1(key));
        const std::optional<int> sensor = index ? configuration.held(*index) : std::nullopt;
        if (sensor == Pt200Index || sensor == Pt300Index) {
            return true;
        }
    }
    return false;
}

}  // namespace

ModuleWriteOutcome WriteModule(ProgramState& state, const ModuleConfiguration& configuration,
                               const TParameterTable& catalogue, bool askIfUnchanged,
                               const QString& shownPort, const WriteSteps& steps) {
    const ModuleWriteOutcome refused;
    const QString shownModel =
        configuration.model.isEmpty() ? QStringLiteral("-") : configuration.model;
    const WritePlan plan = PlanWrite(catalogue, configuration);
    if (!plan.complete()) {
        state.message(BoxKind::Error, IncompleteConfigurationText(shownModel, plan));
        return refused;
    }
    if (!TryPort(state)) {
        return refused;
    }

    // Identification replaces the version by the module's. A refused write puts the
    // configuration's back, so that trying again is checked against the same firmware.
    const int configurationVersion = state.ModelVersion;
    const auto refuse = [&](ModuleWriteFailure failure = ModuleWriteFailure::Refused) {
        state.ModelVersion = configurationVersion;
        return ModuleWriteOutcome{failure, {}, {}};
    };
    QString code;
    DetectModel(state, code);
    if (code.isEmpty()) {
        return refuse();  // identification has told the user why
    }
    if (shownModel != code) {
        state.message(BoxKind::Error, ModelMismatchText(shownModel, code));
        return refuse(ModuleWriteFailure::OtherModel);
    }
    if (configurationVersion > state.ModelVersion) {
        if (state.message(BoxKind::Warning, NewerFirmwareText(), BoxButtons::OkCancel) ==
            BoxAnswer::Ok) {
            OpenAddress(*state.dialogs, QUrl(NewerFirmwareAddress()));
        }
        return refuse();
    }
    if (state.ModelVersion == firmware::WithoutPt200 &&
        choosesPt200OrPt300(configuration, catalogue)) {
        state.message(BoxKind::Error, UnavailableSensorText(code));
        return refuse();
    }
    if (askIfUnchanged && state.message(BoxKind::Information, UnchangedQuestionText(),
                                        BoxButtons::YesNo) != BoxAnswer::Yes) {
        return refuse();
    }

    state.ModelCode = code;
    if (steps.identified) {
        steps.identified(code);
    }
    // A tag the configuration holds goes only to a module that keeps it.
    TagTexts tags;
    for (int channel = 1; channel <= TagsKeptBy(code, state.ModelVersion); ++channel) {
        if (const std::optional<QString>& tag = configuration.tag(channel)) {
            tags.append({channel, *tag});
        }
    }
    ModuleWriteOutcome outcome =
        WriteConfigurationToModule(state, tags, plan, shownPort, steps.progress);
    if (outcome.written()) {
        outcome.message =
            QStringLiteral("Configuration succesfully written to ") + code + QStringLiteral(".");
    }
    return outcome;
}
