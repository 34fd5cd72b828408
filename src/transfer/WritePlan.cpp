#include "transfer/WritePlan.h"

#include "catalogue/CatalogueLookup.h"
#include "link/RegisterProtocol.h"
#include "shell/MakerSite.h"

namespace {

constexpr int WordRange = 0x10000;
// The write code of the channel-2 input register.
const QString Input2WriteCode = QStringLiteral("11");

QString listed(const QString& heading, const QStringList& names) {
    QString text = QStringLiteral("\r") + heading + QStringLiteral("\r");
    for (const QString& name : names) {
        text += QStringLiteral("     - ") + name + QStringLiteral("\r");
    }
    return text;
}

}  // namespace

std::optional<int> DataWord(int value) {
    const int word = value < 0 ? value + WordRange : value;
    if (word < 0 || word >= WordRange) {
        return std::nullopt;
    }
    return word;
}

bool CopiesInput1ToChannel2(const QString& model) {
    static const QStringList models{QStringLiteral("Q7383X"), QStringLiteral("Q7323X"),
                                    QStringLiteral("Q7323Y"), QStringLiteral("Q7383Y")};
    return models.contains(model);
}

WritePlan PlanWrite(const TParameterTable& table, const ModuleConfiguration& configuration) {
    const QString& model = configuration.model;
    WritePlan plan;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = table[i];
        if (!AppliesToModel(entry, model)) {
            continue;
        }
        const std::optional<int> value = configuration.held(i);
        if (!value) {
            plan.unheld << entry.Name;
            continue;
        }
        const auto word = DataWord(*value);
        if (!word) {
            plan.outOfRange << entry.Name;
            continue;
        }
        if (i == 1 && CopiesInput1ToChannel2(model)) {
            plan.steps.append({i, WriteRegisterCommand(Input2WriteCode, *word), false});
        }
        plan.steps.append({i, WriteRegisterCommand(entry.WriteCommand, *word), true});
    }
    // Half a configuration is never sent.
    if (!plan.complete()) {
        plan.steps.clear();
    }
    return plan;
}

int EntryConfirmedBy(const WritePlan& plan, int replyNumber) {
    if (replyNumber < 0 || replyNumber >= plan.steps.size()) {
        return 0;
    }
    return plan.steps.at(replyNumber).entry;
}

QString IncompleteConfigurationText(const QString& model, const WritePlan& plan) {
    QString text = QStringLiteral("The configuration shown cannot be written to the ") + model +
                   QStringLiteral(".\r");
    if (!plan.unheld.isEmpty()) {
        text += listed(QStringLiteral("It holds no value for:"), plan.unheld);
    }
    if (!plan.outOfRange.isEmpty()) {
        text += listed(QStringLiteral("These values do not fit into a module register:"),
                       plan.outOfRange);
    }
    return text + QStringLiteral(
                      "\rNothing was written. Read the module or load a complete configuration "
                      "file.");
}

QString ModelMismatchText(const QString& shownModel, const QString& connectedModel) {
    return QStringLiteral("Writing a configuration belonging to a ") + shownModel +
           QStringLiteral(" into a ") + connectedModel + QStringLiteral(" is not permitted");
}

QString NewerFirmwareText() {
    return QStringLiteral(
        "Some of the parameters in this configuration set are not suitable for the Model "
        "software release you are programming. Click Ok for more details (online).");
}

QString NewerFirmwareAddress() {
    return MakerWebSite() + QStringLiteral("?p=software.php&target=kvc7345&errorcode=1003");
}

QString UnavailableSensorText(const QString& connectedModel) {
    return QStringLiteral(
               "One or more of the chosen Sensors are not available\rfor the software release "
               "of the ") +
           connectedModel + QStringLiteral(" you are using.") +
           QStringLiteral("Please change sensor type.");
}

QString UnchangedQuestionText() {
    return QStringLiteral(
        "Parameters were not changed since last aquiring.\rDo you wish to write anyway?");
}

QString WriteLogLine(const QString& model, bool modified, const QString& port) {
    return QStringLiteral("Wrote ") + model +
           (modified ? QStringLiteral(" modified ") : QStringLiteral(" unmodified ")) +
           QStringLiteral("configuration to ") + port;
}

QString StoppedAnsweringText(const QString& parameterName) {
    return QStringLiteral("The module stopped answering during the write\rat ") + parameterName +
           QStringLiteral(".\rThe configuration was not completely written.");
}
