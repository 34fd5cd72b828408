#include "records/ConfigurationDifference.h"

#include "catalogue/FirmwareVersions.h"

#include <QMap>

#include <algorithm>

namespace {

// The module keeps a tag as 16 characters filled with blanks; a file may hold it shorter.
QString tagText(const QString& tag) {
    qsizetype end = tag.size();
    while (end > 0 && tag.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return tag.left(end);
}

void compareHeader(QList<ConfigurationDifference>& found, const QString& name, const QString& first,
                   const QString& second) {
    if (first != second) {
        found.append({name, {}, Presence::Both, first, second, {}});
    }
}

// Tag `channel` of two configurations. For a module only a tag both sides hold counts: a tag
// goes only to a module that keeps it. Between files, a tag one side alone holds is a
// difference, and belongs to its model when the other model keeps no such tag.
void compareTag(QList<ConfigurationDifference>& found, int channel,
                const ConfigurationValues& first, const ConfigurationValues& second,
                bool bothNeeded) {
    const auto tagOf = [channel](const ConfigurationValues& values) {
        return channel == 1 ? values.tag1 : values.tag2;
    };
    const auto modelKeepingIt = [channel](const ConfigurationValues& holder,
                                          const ConfigurationValues& other) {
        return TagsKeptBy(other.model, other.firmware) < channel ? holder.model : QString();
    };
    const QString name = QStringLiteral("TAG") + QString::number(channel);
    const std::optional<QString> a = tagOf(first);
    const std::optional<QString> b = tagOf(second);
    if (a && b) {
        compareHeader(found, name, tagText(*a), tagText(*b));
    } else if (!bothNeeded && a) {
        found.append(
            {name, {}, Presence::FirstOnly, tagText(*a), {}, modelKeepingIt(first, second)});
    } else if (!bothNeeded && b) {
        found.append(
            {name, {}, Presence::SecondOnly, {}, tagText(*b), modelKeepingIt(second, first)});
    }
}

QMap<int, ParameterValue> byIndex(const QList<ParameterValue>& parameters) {
    QMap<int, ParameterValue> map;
    for (const ParameterValue& parameter : parameters) {
        map.insert(parameter.index, parameter);
    }
    return map;
}

void compareParameters(QList<ConfigurationDifference>& found, const ConfigurationValues& first,
                       const ConfigurationValues& second) {
    const QMap<int, ParameterValue> firsts = byIndex(first.parameters);
    const QMap<int, ParameterValue> seconds = byIndex(second.parameters);
    QList<int> indexes = firsts.keys() + seconds.keys();
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (const int index : indexes) {
        const auto a = firsts.find(index);
        const auto b = seconds.find(index);
        if (a != firsts.end() && b != seconds.end()) {
            if (a->text != b->text) {
                found.append({a->name, a->key, Presence::Both, a->text, b->text, {}});
            }
        } else if (a != firsts.end()) {
            found.append({a->name,
                          a->key,
                          Presence::FirstOnly,
                          a->text,
                          {},
                          second.applicable.contains(index) ? QString() : first.model});
        } else {
            found.append({b->name,
                          b->key,
                          Presence::SecondOnly,
                          {},
                          b->text,
                          first.applicable.contains(index) ? QString() : second.model});
        }
    }
}

QString shown(const QString& value) {
    return value.isEmpty() ? QStringLiteral("(empty)") : value;
}

}  // namespace

QList<ConfigurationDifference> CompareConfigurations(const ConfigurationValues& first,
                                                     const ConfigurationValues& second,
                                                     Comparison how) {
    QList<ConfigurationDifference> found;
    compareHeader(found, QStringLiteral("model"), first.model, second.model);
    if (how == Comparison::ModuleAgainstFile && !found.isEmpty()) {
        return found;  // another model's values mean nothing side by side
    }
    const bool files = how == Comparison::TwoFiles;
    if (files) {
        compareHeader(found, QStringLiteral("firmware"), QString::number(first.firmware),
                      QString::number(second.firmware));
        compareHeader(found, QStringLiteral("DONEBY"), first.doneBy, second.doneBy);
        compareHeader(found, QStringLiteral("DONEFOR"), first.doneFor, second.doneFor);
    }
    compareTag(found, 1, first, second, !files);
    compareTag(found, 2, first, second, !files);
    compareParameters(found, first, second);
    return found;
}

SideNames FileAndModuleNames() {
    return {QStringLiteral("file"),
            QStringLiteral("module"),
            QStringLiteral("only in the file"),
            QStringLiteral("only on the module"),
            QStringLiteral("file"),
            QStringLiteral("module")};
}

SideNames TwoFileNames(const QString& first, const QString& second) {
    return {first,
            second,
            QStringLiteral("only in ") + first,
            QStringLiteral("only in ") + second,
            QStringLiteral("first"),
            QStringLiteral("second")};
}

QString DifferenceLine(const ConfigurationDifference& difference, const SideNames& names) {
    const QString head = difference.name + QStringLiteral(": ");
    switch (difference.presence) {
        case Presence::Both:
            return head + names.first + QLatin1Char(' ') + shown(difference.first) +
                   QStringLiteral(", ") + names.second + QLatin1Char(' ') +
                   shown(difference.second);
        case Presence::FirstOnly:
            return head +
                   (difference.onlyModel.isEmpty()
                        ? names.firstOnly
                        : QStringLiteral("only for the ") + difference.onlyModel) +
                   QStringLiteral(", ") + names.first + QLatin1Char(' ') + shown(difference.first);
        case Presence::SecondOnly:
            break;
    }
    return head +
           (difference.onlyModel.isEmpty()
                ? names.secondOnly
                : QStringLiteral("only for the ") + difference.onlyModel) +
           QStringLiteral(", ") + names.second + QLatin1Char(' ') + shown(difference.second);
}
