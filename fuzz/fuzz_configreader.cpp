// Feeds arbitrary bytes to the configuration file reader and checks what it promises whatever
// the file holds: no crash, at most 80 key lines, a six-character model code and no NUL byte in
// a file it accepts, keys that are prefixes of their lines without two blanks in a row, numbers
// inside a register's range, and key lines that read back as they were written.

#include "records/ConfigurationFile.h"
#include "records/ConfigurationReader.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkLine(const QString& line) {
    const QString key = KeyOfLine(line);
    require(line.startsWith(key));
    require(!key.contains(QStringLiteral("  ")));
    require(!key.contains(QLatin1Char('=')));
    const QString value = ValueOfLine(line);
    require(line.endsWith(value));
    if (const auto number = FileNumber(value)) {
        require(*number >= SmallestFileNumber && *number <= LargestFileNumber);
    }
}

// A key without "=", without two blanks in a row and not ending in a blank comes back whole,
// and so does any value, after being written as a key line.
void checkWrittenLine(const QString& key, const QString& value) {
    if (key.contains(QLatin1Char('=')) || key.contains(QStringLiteral("  ")) ||
        key.endsWith(QLatin1Char(' '))) {
        return;
    }
    const QString line = KeyLine(key, value);
    require(KeyOfLine(line) == key);
    require(ValueOfLine(line) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const ConfigurationText text = ReadConfigurationText(bytes);
    require(text.keyLines >= 0 && text.keyLines <= EntryList::Slots);
    if (text.shape == FileShape::Valid) {
        require(text.model.size() == 6);
        require(!bytes.contains('\0'));
    }
    for (int n = 1; n <= EntryList::Slots; ++n) {
        EntriesEndAt(text.entries, n);
        FileNumber(text.entries.FileValues(n));
    }
    for (const QByteArray& line : bytes.split('\n')) {
        checkLine(QString::fromLatin1(line));
    }

    // The first byte splits the rest into a key and a value.
    if (size > 0) {
        const QString rest = QString::fromLatin1(bytes.mid(1));
        const qsizetype split = std::min<qsizetype>(data[0], rest.size());
        checkWrittenLine(rest.left(split), rest.mid(split));
    }
    return 0;
}
