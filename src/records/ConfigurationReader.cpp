#include "records/ConfigurationReader.h"

#include <QList>
#include <QStringList>

namespace {

// Line 5 holds the model code; the key lines start after it.
constexpr qsizetype ModelLine = 5;
constexpr qsizetype ModelCodeLength = 6;
// Slots n, n+1, n+2 and n+3 empty end the list.
constexpr int EndingEmptySlots = 4;

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    // A final line end closes the last line; it does not open another one.
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

bool emptySlot(const EntryList& entries, int slot) {
    return slot > EntryList::Slots ||
           (entries.FileNames(slot).isEmpty() && entries.FileValues(slot).isEmpty());
}

}  // namespace

QString KeyOfLine(QStringView line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    QString key;
    // The character directly before "=" never belongs to the key, and two blanks end it: the
    // key stops before the blanks that fill it out to its column.
    for (qsizetype i = 0; i < equals - 1; ++i) {
        if (line[i] == QLatin1Char(' ') && line[i + 1] == QLatin1Char(' ')) {
            break;
        }
        key += line[i];
    }
    return key;
}

QString ValueOfLine(QStringView line) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const qsizetype start = equals + 2;
    return start < line.size() ? line.mid(start).toString() : QString();
}

ConfigurationText ReadConfigurationText(const QByteArray& bytes) {
    ConfigurationText text;
    // Text lines never hold NUL; printing or showing such a value would cut it short.
    if (bytes.contains('\0')) {
        text.shape = FileShape::NotText;
        return text;
    }
    const QList<QByteArray> lines = splitLines(bytes);
    if (lines.size() < ModelLine) {
        text.shape = FileShape::TooFewLines;
        return text;
    }
    const QString modelLine = QString::fromLatin1(lines[ModelLine - 1]);
    if (modelLine.size() < ModelCodeLength) {
        text.shape = FileShape::ShortModelLine;
        return text;
    }
    text.model = modelLine.left(ModelCodeLength);

    for (qsizetype i = ModelLine; i < lines.size() && !lines[i].isEmpty(); ++i) {
        if (text.keyLines == EntryList::Slots) {
            text.shape = FileShape::TooManyKeyLines;
            return text;
        }
        const QString line = QString::fromLatin1(lines[i]);
        ++text.keyLines;
        text.entries.FileNames(text.keyLines) = KeyOfLine(line);
        text.entries.FileValues(text.keyLines) = ValueOfLine(line);
    }
    return text;
}

std::optional<int> FileNumber(const QString& value) {
    QString digits = value.trimmed();
    digits.remove(QLatin1Char(','));
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok, 10);
    if (!ok || digits.isEmpty() || number < SmallestFileNumber || number > LargestFileNumber) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::optional<int> FileFirmware(const QString& value) {
    const auto number = FileNumber(value);
    if (!number || *number < 1) {
        return std::nullopt;
    }
    return number;
}

bool IsHeaderKey(const QString& key) {
    static const QStringList keys{QStringLiteral("DATE"),      QStringLiteral("TIME"),
                                  QStringLiteral("SWVERSION"), QStringLiteral("MDVERSION"),
                                  QStringLiteral("DONEBY"),    QStringLiteral("DONEFOR"),
                                  QStringLiteral("TAG1"),      QStringLiteral("TAG2")};
    return keys.contains(key);
}

bool EntriesEndAt(const EntryList& entries, int n) {
    for (int slot = n; slot < n + EndingEmptySlots; ++slot) {
        if (!emptySlot(entries, slot)) {
            return false;
        }
    }
    return true;
}
