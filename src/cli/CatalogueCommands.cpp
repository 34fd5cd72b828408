// `parameters` and `sensors`: the catalogue and the sensor table as tab-separated reference lines.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/Definitions.h"
#include "catalogue/ModelLayout.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "link/ModelTable.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

#include <QStringList>

#include <optional>

namespace {

struct ParameterOptions {
    QString model;  // "" for the whole catalogue
    std::optional<int> firmware;
};

std::optional<ParameterOptions> parameterOptions(const ParsedArguments& arguments, QString* error) {
    ParameterOptions options;
    if (const std::optional<QString> model = arguments.value(QStringLiteral("--model"))) {
        if (!ConfigurableModels().contains(*model)) {
            *error = QStringLiteral("Unknown model: ") + *model;
            return std::nullopt;
        }
        options.model = *model;
    }
    if (const std::optional<QString> value = arguments.value(QStringLiteral("--firmware"))) {
        bool ok = false;
        const int firmware = value->toInt(&ok);
        if (!ok || firmware < 0) {
            *error = QStringLiteral("Not a firmware version: ") + *value;
            return std::nullopt;
        }
        options.firmware = firmware;
    }
    if (options.firmware && options.model.isEmpty()) {
        *error = QStringLiteral("--firmware needs --model");
        return std::nullopt;
    }
    return options;
}

QString catalogueLine(int index, const TTableEntry& entry) {
    QStringList choices;
    for (const QString& item : entry.Items) {
        if (!item.isEmpty()) {
            choices << item;
        }
    }
    return QStringList{QString::number(index),
                       entry.Field,
                       FieldKindText(entry.FieldType),
                       entry.Name,
                       entry.ReadCommand,
                       entry.WriteCommand,
                       QString::number(entry.MinValue),
                       QString::number(entry.MaxValue),
                       QString::number(entry.Decimal),
                       entry.Dimension,
                       entry.ValidFor,
                       choices.join(QLatin1Char(';'))}
        .join(QLatin1Char('\t'));
}

}  // namespace

int RunParameters(const ParsedArguments& arguments) {
    QString error;
    const std::optional<ParameterOptions> options = parameterOptions(arguments, &error);
    if (!options) {
        PrintError(error);
        return 2;
    }
    ConsoleDialogs dialogs;
    ProgramState state(dialogs);
    state.ModelCode = options->model;
    state.ModelVersion = options->firmware.value_or(0);
    // With a firmware version the lines show what a module of that model and firmware is
    // offered; without one, the catalogue as the program starts.
    TParameterTable table = InitialParameterTable();
    TSensorTable sensors = InitialSensorTable();
    if (options->firmware) {
        AddNewSensors(table, sensors, state.ModelCode, state.ModelVersion);
    }

    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = table[i];
        if (state.ModelCode.isEmpty() || AppliesToModel(entry, state.ModelCode)) {
            PrintOut(catalogueLine(i, entry));
        }
    }
    return 0;
}

int RunSensors(const ParsedArguments& /*arguments*/) {
    const TSensorTable table = InitialSensorTable();
    for (const TSensorEntry& sensor : table) {
        for (int f = 1; f <= TSensorEntry::FieldCount; ++f) {
            const TSensorFieldEntry& field = sensor.Field(f);
            PrintOut(QStringList{sensor.Name, field.Name, QString::number(field.Min),
                                 QString::number(field.Max), QString::number(field.Dec), field.Dim}
                         .join(QLatin1Char('\t')));
        }
    }
    return 0;
}
