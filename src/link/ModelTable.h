#pragma once

#include <QString>
#include <QStringList>

// What a reply to the model query "00d00000" says about the connected module.
enum class ModelReplyKind {
    Model,            // one configurable model: `code` names it
    Q7321SorQ7351S,   // "80000000": the register 4A/4B probe tells the two apart
    NotConfigurable,  // a module of the maker that this program cannot configure
    NotRecognised,    // anything else, a silent line included
};

struct ModelLookup {
    ModelReplyKind kind = ModelReplyKind::NotRecognised;
    QString code;
};

// Looks the whole 8-character reply up in the model table.
ModelLookup LookupModelReply(const QString& reply);

// The 23 configurable model codes, in the order of the model table.
const QStringList& ConfigurableModels();

// The reply a module of that model gives to the model query ("" for an unknown code). Q7321S
// answers "80000000"; Q7351S answers "8000001D" (older ones also "80000000").
QString ModelReplyFor(const QString& modelCode);

// The replies of modules that cannot be configured by software.
const QStringList& NotConfigurableReplies();
