#include "link/ModelTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct ModelRow {
    std::string_view reply;
    std::string_view code;
};

// Replies to the model query and the model each one names, in the order they are compared.
// "80000000" is shared by Q7321S and Q7351S and is resolved by the 4A/4B probe.
constexpr std::array<ModelRow, 22> ModelRows{{
    {"80000001", "Q7323S"}, {"80000002", "Q7323D"}, {"80000003", "Q7323X"}, {"80000004", "Q7323Y"},
    {"80000005", "Q7324S"}, {"80000006", "Q7381S"}, {"80000007", "Q7383S"}, {"80000008", "Q7383D"},
    {"80000009", "Q7383X"}, {"8000000A", "Q7383Y"}, {"8000000B", "Q7384S"}, {"8000000C", "V7320S"},
    {"8000000D", "V7320D"}, {"80000010", "V7325S"}, {"80000011", "V7325D"}, {"80000015", "V7380S"},
    {"80000016", "V7380D"}, {"80000019", "V7385S"}, {"8000001A", "V7385D"}, {"8000001D", "Q7351S"},
    {"8000001E", "Q7326S"}, {"8000001F", "Q7356S"},
}};

constexpr std::string_view SharedReply = "80000000";

QString text(std::string_view view) {
    return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
}

}  // namespace

ModelLookup LookupModelReply(const QString& reply) {
    if (reply == text(SharedReply)) {
        return {ModelReplyKind::Q7321SorQ7351S, QString()};
    }
    for (const ModelRow& row : ModelRows) {
        if (reply == text(row.reply)) {
            return {ModelReplyKind::Model, text(row.code)};
        }
    }
    if (NotConfigurableReplies().contains(reply)) {
        return {ModelReplyKind::NotConfigurable, QString()};
    }
    return {ModelReplyKind::NotRecognised, QString()};
}

const QStringList& ConfigurableModels() {
    static const QStringList models = [] {
        QStringList codes{QStringLiteral("Q7321S")};
        for (const ModelRow& row : ModelRows) {
            if (!codes.contains(text(row.code))) {
                codes << text(row.code);
            }
        }
        return codes;
    }();
    return models;
}

QString ModelReplyFor(const QString& modelCode) {
    if (modelCode == QLatin1String("Q7321S")) {
        return text(SharedReply);
    }
    const auto row = std::find_if(ModelRows.begin(), ModelRows.end(),
                                  [&](const ModelRow& r) { return text(r.code) == modelCode; });
    return row == ModelRows.end() ? QString() : text(row->reply);
}

const QStringList& NotConfigurableReplies() {
    static const QStringList replies{QStringLiteral("8000000E"), QStringLiteral("8000000F"),
                                     QStringLiteral("80000012"), QStringLiteral("80000013")};
    return replies;
}
