#pragma once

// What a write sends to the module, worked out from the configuration before anything is sent,
// and the texts the write shows.

#include "catalogue/Definitions.h"
#include "catalogue/ModuleConfiguration.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The 16-bit data word of a value: the value itself, or value + 65536 when it is negative.
// Nothing when that word is outside 0000..FFFF: such a value cannot be sent.
std::optional<int> DataWord(int value);

// The two-output analog and temperature models whose channel-2 input register takes the
// Input 1 value as well ("0011" + data before the first parameter).
bool CopiesInput1ToChannel2(const QString& model);

// One command of the parameter loop.
struct WriteStep {
    int entry = 0;           // the catalogue index (1..70) the command writes
    QString command;         // 8 characters
    bool readsReply = true;  // false: sent without reading; its answer stays queued
};

struct WritePlan {
    QList<WriteStep> steps;  // in sending order
    QStringList unheld;      // parameters the shown configuration has no value for
    QStringList outOfRange;  // parameters whose value is no 16-bit data word

    bool complete() const { return unheld.isEmpty() && outOfRange.isEmpty(); }
};

// The commands that write the parameters of the configuration's model in catalogue order.
// Entries it holds no value for, or whose value is no data word, are listed instead of planned.
WritePlan PlanWrite(const TParameterTable& table, const ModuleConfiguration& configuration);

// The entry that the `replyNumber`-th read reply (0-based) confirms. Every command is answered
// in order and a command sent without reading leaves its answer queued, so after the "0011"
// command each reply read belongs to the command before the one just sent.
int EntryConfirmedBy(const WritePlan& plan, int replyNumber);

// The refusal of a configuration that cannot be sent as it stands.
QString IncompleteConfigurationText(const QString& model, const WritePlan& plan);

// The texts of the other refusals and of the outcome.
QString ModelMismatchText(const QString& shownModel, const QString& connectedModel);
QString NewerFirmwareText();
// The maker's page that explains which firmware a configuration needs.
QString NewerFirmwareAddress();
QString UnavailableSensorText(const QString& connectedModel);
QString UnchangedQuestionText();
QString WriteLogLine(const QString& model, bool modified, const QString& port);
QString StoppedAnsweringText(const QString& parameterName);
