#include "cli/HistoryEntryFile.h"

#include "cli/ConsoleOutput.h"
#include "shell/FileWriting.h"

#include <QDir>

HistoryEntryFile::HistoryEntryFile(const QString& programFolder, const QString& number) {
    bool isNumber = false;
    const int wanted = number.toInt(&isNumber);
    const ConfigurationHistory history = IndexConfigurationHistory(programFolder);
    const auto count = history.entries.size();
    if (!isNumber || wanted < 1 || wanted > count) {
        PrintError(count == 0
                       ? QStringLiteral("kvc7345: the configuration history is empty, so it has "
                                        "no entry %1")
                             .arg(number)
                       : QStringLiteral("kvc7345: the configuration history has no entry %1; "
                                        "its entries are 1 to %2")
                             .arg(number, QString::number(count)));
        status_ = 2;
        return;
    }
    entry_ = history.entries[wanted - 1];
    HistoryLoad load = LoadHistoryEntry(entry_);
    if (!load.ok()) {
        PrintError(load.message);
        status_ = 1;
        return;
    }
    bytes_ = std::move(load.bytes);
}

QString HistoryEntryFile::path() {
    if (!path_.isEmpty() || !ok()) {
        return path_;
    }
    folder_ = std::make_unique<QTemporaryDir>();
    const QString path =
        QDir(folder_->path()).filePath(QStringLiteral("history-%1.NVC").arg(entry_.number));
    const FileWriteResult written = ReplaceFile(path, bytes_, SystemDisk());
    if (!folder_->isValid() || !written.written) {
        PrintError(QStringLiteral("Cannot write a temporary copy of history entry %1: %2")
                       .arg(QString::number(entry_.number), written.reason));
        return {};
    }
    path_ = path;
    return path_;
}

std::optional<QString> HistoryReference(const QString& argument) {
    static const QString prefix = QStringLiteral("history:");
    if (!argument.startsWith(prefix)) {
        return std::nullopt;
    }
    return argument.mid(prefix.size());
}
