#include "cli/JsonOutput.h"

#include "cli/ConsoleOutput.h"

#include <QJsonDocument>

void PrintJson(const QJsonObject& document) {
    // The document ends with a line end of its own.
    PrintOut(QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)).chopped(1));
}

QJsonObject HeaderJson(const ConfigurationHeader& header) {
    QJsonObject object{
        {QStringLiteral("model"), header.model},
        {QStringLiteral("firmware"), header.firmware},
        {QStringLiteral("doneBy"), header.doneBy},
        {QStringLiteral("doneFor"), header.doneFor},
    };
    const std::pair<const char*, const QString*> optionalTexts[] = {
        {"date", &header.date},
        {"time", &header.time},
        {"softwareVersion", &header.softwareVersion}};
    for (const auto& [name, text] : optionalTexts) {
        if (!text->isEmpty()) {
            object.insert(QLatin1String(name), *text);
        }
    }
    if (header.tag1) {
        object.insert(QStringLiteral("tag1"), *header.tag1);
    }
    if (header.tag2) {
        object.insert(QStringLiteral("tag2"), *header.tag2);
    }
    return object;
}

QJsonArray ParametersJson(const QList<ParameterValue>& parameters) {
    QJsonArray array;
    for (const ParameterValue& parameter : parameters) {
        QJsonObject object{
            {QStringLiteral("name"), parameter.name},
            {QStringLiteral("key"), parameter.key},
            {QStringLiteral("value"), parameter.text},
            {QStringLiteral("unit"), parameter.unit},
        };
        if (parameter.word) {
            object.insert(QStringLiteral("register"), *parameter.word);
        }
        array.append(object);
    }
    return array;
}

QJsonArray DifferencesJson(const QList<ConfigurationDifference>& differences,
                           const SideNames& names) {
    QJsonArray array;
    for (const ConfigurationDifference& difference : differences) {
        QJsonObject object{{QStringLiteral("name"), difference.name},
                           {QStringLiteral("line"), DifferenceLine(difference, names)}};
        if (!difference.key.isEmpty()) {
            object.insert(QStringLiteral("key"), difference.key);
        }
        if (difference.presence != Presence::SecondOnly) {
            object.insert(names.firstKey, difference.first);
        }
        if (difference.presence != Presence::FirstOnly) {
            object.insert(names.secondKey, difference.second);
        }
        if (difference.presence != Presence::Both) {
            object.insert(QStringLiteral("only"), difference.presence == Presence::FirstOnly
                                                      ? names.firstKey
                                                      : names.secondKey);
        }
        if (!difference.onlyModel.isEmpty()) {
            object.insert(QStringLiteral("onlyModel"), difference.onlyModel);
        }
        array.append(object);
    }
    return array;
}
