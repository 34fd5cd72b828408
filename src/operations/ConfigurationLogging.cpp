#include "operations/ConfigurationLogging.h"

#include "catalogue/CatalogueLookup.h"
#include "shell/ProgramState.h"
#include "transfer/ConsistencyRules.h"
#include "transfer/SensorRefresh.h"

namespace {

QString valueText(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                  const QString& key) {
    const auto index = IndexOfKey(catalogue, key);
    return index ? ValueText(configuration, catalogue[*index], *index) : QString();
}

bool inUse(const QSet<int>& parameters, const TParameterTable& catalogue, const QString& key) {
    const auto index = IndexOfKey(catalogue, key);
    return index && parameters.contains(*index);
}

// What the rules look at: the values as texts, and which of their fields are in use.
ShownConfiguration rulesInput(const ModuleConfiguration& configuration,
                              const TParameterTable& catalogue) {
    const QSet<int> used = ParametersInUse(configuration, catalogue);
    ShownConfiguration shown;
    shown.modelCode = configuration.model;
    shown.modelVersion = configuration.firmware;
    for (int channel = 1; channel <= 2; ++channel) {
        const QString digit = QString::number(channel);
        const QString upscale = QStringLiteral("Upscale") + digit;
        shown.spans.at(channel - 1) = {
            valueText(configuration, catalogue, upscale),
            valueText(configuration, catalogue, QStringLiteral("Downscale") + digit),
            inUse(used, catalogue, upscale)};
    }
    for (int i = 0; i < OutputLimitCount; ++i) {
        const QString key = OutputLimitKey(static_cast<OutputLimit>(i));
        const auto index = IndexOfKey(catalogue, key);
        shown.limits.at(i) = {index ? catalogue[*index].Name : key,
                              valueText(configuration, catalogue, key),
                              inUse(used, catalogue, key)};
    }
    if (const auto output = IndexOfKey(catalogue, QStringLiteral("Output1"));
        output && configuration.holds(*output)) {
        shown.outputRange = configuration.value(*output);
    }
    return shown;
}

}  // namespace

LogAppend AppendToConfigurationLog(ProgramState& state, const ConfigurationHeader& header,
                                   const ModuleConfiguration& configuration,
                                   const TParameterTable& catalogue) {
    const WriteOutcome outcome =
        WriteConfiguration(ConfigurationLogPath(state.ProgramFolder), header, configuration,
                           catalogue, WriteMode::Append, *state.disk);
    LogAppend append{outcome.written, {}};
    if (!outcome.rotationProblem.isEmpty()) {
        append.logLines << QStringLiteral("Configuration log could not be copied to ") +
                               outcome.rotationProblem + QStringLiteral(", so it keeps growing");
    }
    if (!outcome.written) {
        state.LogWriteFailed = true;
        append.logLines << QStringLiteral("Configuration log not written: ") + outcome.error;
        state.message(BoxKind::Warning,
                      QStringLiteral("The configuration could not be added to the "
                                     "configuration log.\r\r") +
                          outcome.error);
    }
    return append;
}

CheckOutcome CheckConfiguration(ProgramState& state, const ModuleConfiguration& configuration,
                                const TParameterTable& catalogue, CheckMode mode) {
    const CheckFindings findings = ApplyConsistencyRules(rulesInput(configuration, catalogue));
    CheckOutcome outcome{!findings.errorFired, findings.logLines};
    if (const auto box = DecisionFor(findings, mode)) {
        const BoxAnswer answer = state.message(BoxKind::Information, box->text, box->buttons);
        if (box->buttons == BoxButtons::OkCancel && answer == BoxAnswer::Cancel) {
            outcome.mayGoOn = false;
        }
    }
    return outcome;
}
