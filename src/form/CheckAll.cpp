// The check a configuration passes when it leaves the window or arrives in it: the consistency
// rules on the shown configuration, and the user's say on warnings.

#include "catalogue/CatalogueLookup.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "transfer/ConsistencyRules.h"
#include "transfer/SensorRefresh.h"

namespace {

// The text of the configuration's value of the parameter whose key is `key`.
QString valueText(const ModuleConfiguration& configuration, const TParameterTable& catalogue,
                  const QString& key) {
    const auto index = IndexOfKey(catalogue, key);
    return index ? ValueText(configuration, catalogue[*index], *index) : QString();
}

bool inUse(const QSet<int>& parameters, const TParameterTable& catalogue, const QString& key) {
    const auto index = IndexOfKey(catalogue, key);
    return index && parameters.contains(*index);
}

// What the rules look at: the configuration's values, and which of their fields are in use.
ShownConfiguration rulesInput(const TForm1& form, const ProgramState& state) {
    const ModuleConfiguration& configuration = form.Configuration();
    const TParameterTable& catalogue = form.Catalogue();
    const QSet<int> used = ParametersInUse(configuration, catalogue);
    ShownConfiguration shown;
    shown.modelCode = state.ModelCode;
    shown.modelVersion = state.ModelVersion;
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

QSet<int> TForm1::PrintedParameters() const {
    return ParametersInUse(document_, Catalogue());
}

bool TForm1::CheckAll(CheckMode mode) {
    const CheckFindings findings = ApplyConsistencyRules(rulesInput(*this, state_));
    for (const QString& line : findings.logLines) {
        Memo(line);
    }

    bool mayGoOn = !findings.errorFired;
    if (const auto box = DecisionFor(findings, mode)) {
        const BoxAnswer answer = state_.message(BoxKind::Information, box->text, box->buttons);
        if (box->buttons == BoxButtons::OkCancel && answer == BoxAnswer::Cancel) {
            mayGoOn = false;
        }
    }
    return mayGoOn;
}
