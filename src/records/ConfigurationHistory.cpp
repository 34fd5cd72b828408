#include "records/ConfigurationHistory.h"

#include "records/HistoryScan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

// Large enough that a full log takes a few dozen reads, small enough to stay out of the way.
constexpr qint64 BlockSize = 4 * 1024 * 1024;

// The order of a rotated copy: its time stamp, then the number a second copy of the same second
// gets. A name without a stamp sorts before them all, by name.
struct CopyOrder {
    QString stamp;
    int copy = 1;
    QString name;

    friend bool operator<(const CopyOrder& a, const CopyOrder& b) {
        return std::tie(a.stamp, a.copy, a.name) < std::tie(b.stamp, b.copy, b.name);
    }
};

CopyOrder copyOrder(const QString& name) {
    static const QRegularExpression stamped(
        QStringLiteral("^config_(\\d{8}_\\d{6})(?:_(\\d+))?\\.log$"));
    const QRegularExpressionMatch match = stamped.match(name);
    if (!match.hasMatch()) {
        return {QString(), 0, name};
    }
    return {match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt(), name};
}

// Room for every entry once the first block has shown how densely they lie, so the list is not
// copied as it grows: that copy would double the index's memory at its peak.
void reserveEntries(QList<HistoryEntry>& entries, qint64 done, qint64 total) {
    if (entries.isEmpty() || done <= 0) {
        return;
    }
    const qint64 expected = entries.size() * total / done + entries.size() / 8 + 16;
    if (entries.capacity() < expected) {
        entries.reserve(expected);
    }
}

void indexFile(const QString& path, ConfigurationHistory& history, SharedTexts& shared,
               qint64& done, qint64 total, const HistoryProgress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        history.damaged << HistoryDamage{path, 0, 1,
                                         QStringLiteral("cannot be read: ") + file.errorString()};
        return;
    }
    LogScanner scanner(path, history, shared);
    QByteArray block(BlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(block.data(), BlockSize);
        if (read < 0) {
            history.damaged << HistoryDamage{
                path, file.pos(), 0, QStringLiteral("reading stopped here: ") + file.errorString()};
            break;
        }
        if (read == 0) {
            break;
        }
        scanner.feed(block.constData(), read);
        const bool first = done == 0;
        done += read;
        if (first) {
            reserveEntries(history.entries, done, total);
        }
        if (progress) {
            progress(done, total);
        }
    }
    scanner.finish();
}

bool contains(const QString& field, const QString& text) {
    return field.contains(text, Qt::CaseInsensitive);
}

}  // namespace

QString DamageText(const HistoryDamage& damage) {
    return QStringLiteral("%1, line %2 (byte %3): %4; skipped")
        .arg(QDir::toNativeSeparators(damage.file), QString::number(damage.line),
             QString::number(damage.offset), damage.reason);
}

QStringList ConfigurationLogFiles(const QString& programFolder) {
    // Only looked at: the history never creates the log folder.
    const QDir logs(QDir(programFolder).filePath(QStringLiteral("log")));
    QList<CopyOrder> copies;
    for (const QString& name :
         logs.entryList({QStringLiteral("config_*.log")}, QDir::Files | QDir::Readable)) {
        copies << copyOrder(name);
    }
    std::sort(copies.begin(), copies.end());
    QStringList files;
    for (const CopyOrder& copy : copies) {
        files << logs.filePath(copy.name);
    }
    const QString current = logs.filePath(QStringLiteral("config.log"));
    if (QFileInfo(current).isFile()) {
        files << current;
    }
    return files;
}

ConfigurationHistory IndexConfigurationHistory(const QString& programFolder,
                                               const HistoryProgress& progress) {
    return IndexConfigurationLogs(ConfigurationLogFiles(programFolder), progress);
}

ConfigurationHistory IndexConfigurationLogs(const QStringList& files,
                                            const HistoryProgress& progress) {
    qint64 total = 0;
    for (const QString& file : files) {
        total += QFileInfo(file).size();
    }
    ConfigurationHistory history;
    SharedTexts shared;
    qint64 done = 0;
    for (const QString& file : files) {
        indexFile(file, history, shared, done, total, progress);
    }
    for (qsizetype i = 0; i < history.entries.size(); ++i) {
        history.entries[i].number = static_cast<int>(i + 1);
    }
    return history;
}

HistoryLoad LoadHistoryEntry(const HistoryEntry& entry) {
    HistoryLoad load;
    QFile file(entry.file);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(entry.offset)) {
        load.failure = HistoryLoad::Failure::Unreadable;
        load.message =
            QDir::toNativeSeparators(entry.file) + QStringLiteral(": ") + file.errorString();
        return load;
    }
    load.bytes = file.read(entry.length);
    // The same pass over the bytes must find this entry whole, or the log changed under us.
    ConfigurationHistory found;
    SharedTexts shared;
    LogScanner scanner(entry.file, found, shared);
    scanner.feed(load.bytes.constData(), load.bytes.size());
    scanner.finish();
    const bool same = load.bytes.size() == entry.length && found.damaged.isEmpty() &&
                      found.entries.size() == 1 && found.entries[0].model == entry.model &&
                      found.entries[0].date == entry.date && found.entries[0].time == entry.time;
    if (!same) {
        load.failure = HistoryLoad::Failure::Changed;
        load.message = QStringLiteral(
                           "%1 no longer holds the configuration of %2 %3 at byte %4: "
                           "the log has changed since it was read")
                           .arg(QDir::toNativeSeparators(entry.file), entry.date, entry.time,
                                QString::number(entry.offset));
        load.bytes.clear();
    }
    return load;
}

bool HistoryEntryMatches(const HistoryEntry& entry, const QString& text) {
    const QString wanted = text.trimmed();
    return wanted.isEmpty() || contains(entry.model, wanted) || contains(entry.tag1, wanted) ||
           contains(entry.tag2, wanted) || contains(entry.doneBy, wanted) ||
           contains(entry.doneFor, wanted);
}

QList<qsizetype> FilterHistory(const QList<HistoryEntry>& entries, const QString& text) {
    QList<qsizetype> matching;
    const QString wanted = text.trimmed();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (HistoryEntryMatches(entries[i], wanted)) {
            matching << i;
        }
    }
    return matching;
}

bool HistoryEntryMatches(const HistoryEntry& entry, const HistoryQuery& query) {
    if (!query.model.isEmpty() && entry.model.compare(query.model, Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (!query.tag.isEmpty() && !contains(entry.tag1, query.tag) &&
        !contains(entry.tag2, query.tag)) {
        return false;
    }
    return !query.since.isValid() || (entry.day.isValid() && entry.day >= query.since);
}
