#include "records/ConfigurationValues.h"

#include "catalogue/CatalogueLookup.h"

ConfigurationValues ValuesOf(const ModuleConfiguration& configuration,
                             const TParameterTable& catalogue) {
    ConfigurationValues values;
    values.model = configuration.model;
    values.firmware = configuration.firmware;
    values.doneBy = configuration.doneBy;
    values.doneFor = configuration.doneFor;
    values.tag1 = configuration.tag(1);
    values.tag2 = configuration.tag(2);
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = catalogue[i];
        if (!AppliesToModel(entry, configuration.model)) {
            continue;
        }
        values.applicable.insert(i);
        const std::optional<int> held = configuration.held(i);
        if (!held) {
            continue;
        }
        ParameterValue value{i,     entry.Name, entry.Field, ValueText(configuration, entry, i),
                             *held, {}};
        if (entry.FieldType == FieldKind::Number) {
            // A register holds 16 bits; negative values travel in two's complement.
            value.word = *held & 0xFFFF;
            value.unit = configuration.limits(i).unit;
        }
        values.parameters.append(value);
    }
    return values;
}
