#include "records/ConfigurationFile.h"

#include "catalogue/CatalogueLookup.h"
#include "records/Clock.h"
#include "shell/MakerSite.h"

#include <QLocale>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

void addLine(QByteArray& text, const QString& line) {
    text += line.toLatin1();
    text += LineEnd;
}

}  // namespace

ConfigurationHeader HeaderFor(const ModuleConfiguration& configuration, const QDateTime& moment,
                              const QString& softwareVersion, const QString& doneBy,
                              const QString& doneFor) {
    ConfigurationHeader header;
    header.model = configuration.model;
    header.date = QLocale().toString(moment.date(), QLocale::ShortFormat);
    header.time = PrintTime(moment.time());
    header.softwareVersion = softwareVersion;
    header.firmware = configuration.firmware;
    header.doneBy = doneBy;
    header.doneFor = doneFor;
    header.tag1 = configuration.tag(1);
    header.tag2 = configuration.tag(2);
    return header;
}

EntryList ConfigurationEntries(const ModuleConfiguration& configuration,
                               const TParameterTable& catalogue) {
    EntryList entries;
    int slot = 0;
    for (int i = 1; i <= TParameterTable::Count && slot < EntryList::Slots; ++i) {
        const TTableEntry& entry = catalogue[i];
        if (!AppliesToModel(entry, configuration.model)) {
            continue;
        }
        ++slot;
        entries.FileNames(slot) = entry.Name;
        entries.FileValues(slot) = ValueText(configuration, entry, i);
    }
    return entries;
}

QString KeyLine(const QString& key, const QString& value) {
    return key.leftJustified(KeyWidth, QLatin1Char(' ')) + QStringLiteral(" = ") + value;
}

QStringList ParameterLines(const EntryList& entries) {
    QStringList lines;
    // An incomplete slot is skipped on its own; later parameters are never lost for it.
    for (int i = 1; i <= MaxWrittenEntries; ++i) {
        if (!entries.FileNames(i).isEmpty() && !entries.FileValues(i).isEmpty()) {
            lines << KeyLine(entries.FileNames(i), entries.FileValues(i));
        }
    }
    return lines;
}

QStringList ConfigurationLines(const ModuleConfiguration& configuration,
                               const TParameterTable& catalogue) {
    QStringList lines{configuration.model, KeyLine(QStringLiteral("DATE"), configuration.date),
                      KeyLine(QStringLiteral("DONEBY"), configuration.doneBy),
                      KeyLine(QStringLiteral("DONEFOR"), configuration.doneFor)};
    for (int channel = 1; channel <= 2; ++channel) {
        if (const std::optional<QString>& tag = configuration.tag(channel)) {
            lines << KeyLine(QStringLiteral("TAG%1").arg(channel), *tag);
        }
    }
    // Only values it holds; what it lacks is named instead of shown empty.
    lines << ParameterLines(ConfigurationEntries(configuration, catalogue));
    return lines;
}

QByteArray ConfigurationFileText(const ConfigurationHeader& header, const EntryList& entries) {
    QByteArray text;
    text.append(FirstFileLine.data(), static_cast<qsizetype>(FirstFileLine.size()));
    text += LineEnd;
    addLine(text, QStringLiteral("# PLEASE REFER TO ") + MakerWebSite().toUpper() +
                      QStringLiteral(" FOR LEGAL AND SUPPORT MATTERS."));
    addLine(text, QStringLiteral("# EDITING THIS FILE IS NOT SUGGESTED."));
    addLine(text, QString());
    addLine(text, header.model);
    addLine(text, KeyLine(QStringLiteral("DATE"), header.date));
    addLine(text, KeyLine(QStringLiteral("TIME"), header.time));
    addLine(text, KeyLine(QStringLiteral("SWVERSION"), header.softwareVersion));
    addLine(text, KeyLine(QStringLiteral("MDVERSION"), QString::number(header.firmware)));
    addLine(text, KeyLine(QStringLiteral("DONEBY"), header.doneBy));
    addLine(text, KeyLine(QStringLiteral("DONEFOR"), header.doneFor));
    if (header.tag1) {
        addLine(text, KeyLine(QStringLiteral("TAG1"), *header.tag1));
    }
    if (header.tag2) {
        addLine(text, KeyLine(QStringLiteral("TAG2"), *header.tag2));
    }
    for (const QString& line : ParameterLines(entries)) {
        addLine(text, line);
    }
    return text;
}
