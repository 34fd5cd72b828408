#include "shell/SettingsFile.h"

#include "shell/FileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// More than a settings file ever holds; a larger file is read only this far.
constexpr qint64 LargestRead = 1 << 20;

// The next line of `text` from `position`, without its line end (CR LF, LF or a lone CR).
// Moves `position` past the line end.
QString nextLine(const QString& text, qsizetype& position) {
    qsizetype end = position;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
        ++end;
    }
    const QString line = text.mid(position, end - position);
    if (end < text.size() && text[end] == u'\r') {
        ++end;
    }
    if (end < text.size() && text[end] == u'\n') {
        ++end;
    }
    position = end;
    return line;
}

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace()) {
        --end;
    }
    return text.left(end);
}

}  // namespace

QString SettingsFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("config.ini"));
}

QString SettingsLine(const QString& key, const QString& value) {
    return key.leftJustified(SettingsKeyWidth, u' ') + QStringLiteral(" = ") + value;
}

QByteArray SettingsFileText(const SettingsStore& store) {
    QByteArray text;
    for (int slot = 1; slot <= SettingsStore::SlotCount && !store.ConfigKeys(slot).isEmpty();
         ++slot) {
        text += SettingsLine(store.ConfigKeys(slot), store.ConfigValues(slot)).toLatin1();
        text += "\r\n";
    }
    return text;
}

bool ParseSettingsText(const QByteArray& text, SettingsStore& store) {
    const QString all = QString::fromLatin1(text);
    qsizetype position = 0;
    if (all.isEmpty() || nextLine(all, position).isEmpty()) {
        return false;
    }
    store.clear();
    position = 0;
    for (int slot = 1; slot <= SettingsStore::SlotCount && position < all.size(); ++slot) {
        const QString line = nextLine(all, position);
        if (line.isEmpty()) {
            break;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            continue;  // no setting here: the slot keeps an empty key
        }
        // A hand-edited "KEY = value" with a single blank before "=" reads like the
        // program's own "KEY<blanks> = value".
        store.ConfigKeys(slot) = withoutTrailingBlanks(line.left(equals));
        // The value starts after the blank that follows "="; blanks in it are kept.
        store.ConfigValues(slot) = line.mid(equals + 2);
    }
    return true;
}

SettingsFileRead ReadSettingsFile(const QString& path, SettingsStore& store) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {SettingsFileStatus::Missing, {}};
    }
    if (info.isDir()) {
        return {SettingsFileStatus::Unreadable, QStringLiteral("it is a folder")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {SettingsFileStatus::Unreadable, file.errorString()};
    }
    const QByteArray text = file.read(LargestRead);
    if (file.error() != QFileDevice::NoError) {
        return {SettingsFileStatus::Unreadable, file.errorString()};
    }
    // A crash or a failing disk can leave a file of zero bytes where the text was: that is no
    // settings file, and rewriting it from a rescue set would lose what may still be saved.
    if (text.contains('\0')) {
        return {SettingsFileStatus::Unreadable, QStringLiteral("it is not a text file")};
    }
    if (!ParseSettingsText(text, store)) {
        return {SettingsFileStatus::Empty, {}};
    }
    return {SettingsFileStatus::Read, {}};
}

SettingsFileWrite WriteSettingsFile(const QString& path, const SettingsStore& store,
                                    DiskWriter& disk) {
    const FileWriteResult result = ReplaceFile(path, SettingsFileText(store), disk);
    return {result.written, result.reason};
}

void LoadRescueSet(SettingsStore& store) {
    const std::pair<const char*, const char*> rescue[] = {
        {"ADMINPASSWORD", "quorvel"},
        {"DEFAULTCOMPORT", "COM1"},
        {"PROMPTPASSWORD", "N"},
        {"POPUPREPORT", "N"},
        {"FIRSTISVALUES", "N"},
        {"WARNNOINFO", "N"},
        {"RUNTIMES", "2"},
        {"ONLINEPLINK", "Y"},
        {"DONEBY", ""},
        {"DONEFOR", ""},
        {"NOCONFIRMREAD", "N"},
        {"NOCONFIRMWRITE", "N"},
    };
    store.clear();
    int slot = 1;
    for (const auto& [key, value] : rescue) {
        store.ConfigKeys(slot) = QString::fromLatin1(key);
        store.ConfigValues(slot) = QString::fromLatin1(value);
        ++slot;
    }
}
