#include "catalogue/ModuleConfiguration.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/ValueFormat.h"

namespace {

void setItem(TParameterTable& table, const QString& key, std::size_t item, const QString& text) {
    if (const auto i = IndexOfKey(table, key)) {
        table[*i].Items.at(item) = text;
    }
}

// The fifth alarm type names what the model's first alarm output does: a frequency model's
// open-collector output pulses, a relay reports a burnout.
void nameAlarmOutputs(TParameterTable& table, const QString& model) {
    const auto eurocard = EurocardRowFor(model);
    const auto row = LayoutRowFor(eurocard ? eurocard->layoutOf : model);
    constexpr std::size_t Fifth = 4;
    if (row && row->relays == RelayTexts::FrequencyOutput) {
        setItem(table, QStringLiteral("Type1A"), Fifth, QStringLiteral("Pulse"));
        setItem(table, QStringLiteral("Type1B"), Fifth, QString());
    }
}

}  // namespace

std::shared_ptr<const ModelCatalogue> CatalogueFor(const QString& model, int firmware) {
    auto catalogue = std::make_shared<ModelCatalogue>(
        ModelCatalogue{InitialParameterTable(), InitialSensorTable()});
    if (!model.isEmpty()) {
        AddNewSensors(catalogue->parameters, catalogue->sensors, model, firmware);
        nameAlarmOutputs(catalogue->parameters, model);
    }
    return catalogue;
}

ParameterLimits CatalogueLimits(const TTableEntry& entry) {
    return {entry.MinValue, entry.MaxValue, entry.Decimal, entry.Dimension};
}

ModuleConfiguration EmptyConfiguration(const QString& model, int firmware,
                                       const TParameterTable& catalogue) {
    ModuleConfiguration configuration;
    configuration.model = model;
    configuration.firmware = firmware;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        configuration.setLimits(i, CatalogueLimits(catalogue[i]));
    }
    return configuration;
}

QString ItemText(const TTableEntry& entry, int value) {
    if (value < 0 || value >= TTableEntry::ItemCount) {
        return {};
    }
    return entry.Items.at(static_cast<std::size_t>(value));
}

QString ValueText(const ModuleConfiguration& configuration, const TTableEntry& entry, int index) {
    const std::optional<int> value = configuration.held(index);
    if (!value) {
        return {};
    }
    return entry.FieldType == FieldKind::Choice
               ? ItemText(entry, *value)
               : FormatMyInt(*value, configuration.limits(index).decimals);
}
