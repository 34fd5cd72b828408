// Feeds arbitrary bytes to the config.ini reader and checks what it promises whatever the file
// holds: no crash; no settings at all (and the store untouched) exactly when the first line is
// empty; keys without "=", line ends or trailing blanks; values without line ends; the same
// answer from the file as from the text; a written file that reads back as it was written; a
// setting written into the store that reads back; a run counter that never fails.

#include "shell/FileWriting.h"
#include "shell/SettingsFile.h"
#include "shell/StartUp.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool hasLineEnd(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// The slot before the first empty key: where the writer stops.
int writtenSlots(const SettingsStore& store) {
    int filled = 0;
    while (filled < SettingsStore::SlotCount && !store.ConfigKeys(filled + 1).isEmpty()) {
        ++filled;
    }
    return filled;
}

bool firstLineEmpty(const QByteArray& bytes) {
    return bytes.isEmpty() || bytes.front() == '\r' || bytes.front() == '\n';
}

void checkSlots(const SettingsStore& store) {
    for (int slot = 1; slot <= SettingsStore::SlotCount; ++slot) {
        const QString& key = store.ConfigKeys(slot);
        require(!key.contains(QLatin1Char('=')) && !hasLineEnd(key));
        require(key.isEmpty() || !key.back().isSpace());
        require(!hasLineEnd(store.ConfigValues(slot)));
    }
}

// What the program writes reads back the same, up to the first empty key, and nothing after it.
void checkRoundTrip(const SettingsStore& store) {
    const QByteArray written = SettingsFileText(store);
    const int filled = writtenSlots(store);
    SettingsStore reread;
    require(ParseSettingsText(written, reread) == (filled > 0));
    for (int slot = 1; slot <= filled; ++slot) {
        require(reread.ConfigKeys(slot) == store.ConfigKeys(slot));
        require(reread.ConfigValues(slot) == store.ConfigValues(slot));
    }
    for (int slot = filled + 1; slot <= SettingsStore::SlotCount; ++slot) {
        require(reread.ConfigKeys(slot).isEmpty() && reread.ConfigValues(slot).isEmpty());
    }
    require(SettingsFileText(reread) == written);
}

// A key stored nowhere after the first empty slot reads back as written.
void checkWrite(SettingsStore store, const QString& key) {
    const int filled = writtenSlots(store);
    for (int slot = filled + 1; slot <= SettingsStore::SlotCount; ++slot) {
        if (store.ConfigKeys(slot) == key) {
            return;
        }
    }
    if (store.WriteConfig(key, QStringLiteral("written"))) {
        require(store.ReadConfig(key) == QLatin1String("written"));
    } else {
        require(filled == SettingsStore::SlotCount);
    }
}

// The file read from disk gives the answer the text gives.
void checkFile(const QByteArray& bytes, const SettingsStore& fromText, bool parsed) {
    static const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("config.ini"));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    SettingsStore fromFile;
    const SettingsFileRead read = ReadSettingsFile(path, fromFile);
    if (bytes.contains('\0')) {
        require(read.status == SettingsFileStatus::Unreadable);
        return;
    }
    require(read.status == (parsed ? SettingsFileStatus::Read : SettingsFileStatus::Empty));
    if (parsed) {
        require(SettingsFileText(fromFile) == SettingsFileText(fromText));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    SettingsStore store;
    store.ConfigKeys(1) = QStringLiteral("UNTOUCHED");
    const bool parsed = ParseSettingsText(bytes, store);
    require(parsed == !firstLineEmpty(bytes));
    if (!parsed) {
        require(store.ConfigKeys(1) == QLatin1String("UNTOUCHED"));
        require(writtenSlots(store) == 1);
    }
    checkSlots(store);
    checkRoundTrip(store);
    checkWrite(store, QStringLiteral("RUNTIMES"));
    checkWrite(store, QStringLiteral("AUTOUPDATE"));
    for (int slot = 1; slot <= SettingsStore::SlotCount; ++slot) {
        RunCount(store.ConfigValues(slot));
    }
    checkFile(bytes, store, parsed);
    return 0;
}
