#pragma once

#include "records/ConfigurationDifference.h"
#include "records/ConfigurationFile.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

// --json: a command's result as one JSON document on standard output, with the content of its
// text form. Messages stay on standard error.

// The document, indented, on standard output.
void PrintJson(const QJsonObject& document);

// model, firmware, doneBy, doneFor, tag1 and tag2 when in use; date, time and softwareVersion
// when the header has them.
QJsonObject HeaderJson(const ConfigurationHeader& header);
// One object per parameter: name, key, value (the text), register (the word) and unit.
QJsonArray ParametersJson(const QList<ParameterValue>& parameters);
// One object per difference: name, key for a parameter, each side's value under its JSON name
// when it has one, "only" naming the side that alone holds it, "onlyModel" when the other side's
// model has no such parameter, and "line", the text form.
QJsonArray DifferencesJson(const QList<ConfigurationDifference>& differences,
                           const SideNames& names);
