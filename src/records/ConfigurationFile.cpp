#include "records/ConfigurationFile.h"

#include "shell/MakerSite.h"

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

void addLine(QByteArray& text, const QString& line) {
    text += line.toLatin1();
    text += LineEnd;
}

}  // namespace

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
