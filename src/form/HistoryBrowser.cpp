#include "form/HistoryBrowser.h"

#include "form/TForm1.h"
#include "records/ConfigurationFile.h"
#include "records/FileMessages.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The saved file's name proposed from the entry: its model and first tag, as far as a file name
// may hold them.
QString proposedName(const HistoryEntry& entry) {
    QString name = entry.model;
    if (!entry.tag1.isEmpty()) {
        static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]"));
        name += QLatin1Char('_') + QString(entry.tag1).replace(unsafe, QStringLiteral("_"));
    }
    return name;
}

}  // namespace

HistoryBrowser::HistoryBrowser(TForm1& window) : window_(window) {}

void HistoryBrowser::Index(const HistoryProgress& progress) {
    history_ = IndexConfigurationHistory(window_.state().ProgramFolder, progress);
    valuesOf_ = 0;
}

QString HistoryBrowser::DamageSummary() const {
    const auto count = history_.damaged.size();
    if (count == 0) {
        return {};
    }
    return count == 1 ? QStringLiteral("1 damaged part skipped")
                      : QStringLiteral("%1 damaged parts skipped").arg(count);
}

QStringList HistoryBrowser::DamageLines() const {
    QStringList lines;
    for (const HistoryDamage& damage : history_.damaged) {
        lines << DamageText(damage);
    }
    return lines;
}

const HistoryValuesOutcome& HistoryBrowser::values(int number) {
    if (valuesOf_ != number) {
        const HistoryLoad load = LoadHistoryEntry(entry(number));
        values_ = load.ok() ? HistoryEntryValues(load.bytes) : HistoryValuesOutcome{};
        valuesProblem_ = load.message;
        valuesOf_ = number;
    }
    return values_;
}

QStringList HistoryBrowser::EntryText(int number) {
    const HistoryValuesOutcome& outcome = values(number);
    if (!valuesProblem_.isEmpty()) {
        return {UnreadableFileText(valuesProblem_)};
    }
    if (!outcome.loaded) {
        return {InvalidConfigurationFileText(outcome.refusal)};
    }
    return outcome.shown;
}

bool HistoryBrowser::LoadIntoWindow(int number) {
    return window_.ReadFromHistory(entry(number));
}

std::optional<QByteArray> HistoryBrowser::bytes(int number) {
    HistoryLoad load = LoadHistoryEntry(entry(number));
    if (!load.ok()) {
        window_.state().message(BoxKind::Error, UnreadableFileText(load.message));
        return std::nullopt;
    }
    return std::move(load.bytes);
}

bool HistoryBrowser::SaveAsFile(int number) {
    const HistoryEntry& chosen = entry(number);
    ProgramState& state = window_.state();
    const std::optional<QByteArray> content = bytes(number);
    if (!content) {
        return false;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Save as File");
    request.folder = ProgramSubfolder(state.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = proposedName(chosen);
    request.filter = QStringLiteral("NV Configuration File (*.nvc)");
    request.defaultSuffix = QStringLiteral("NVC");
    request.confirmOverwrite = true;
    const QString path = state.dialogs->chooseSaveFile(request);
    if (path.isEmpty()) {
        return false;
    }
    // Byte for byte as the log holds it, replaced only when complete, as F4 writes.
    const WriteOutcome outcome =
        WriteConfigurationBytes(path, *content, WriteMode::Rewrite, *state.disk);
    if (!outcome.written) {
        state.message(BoxKind::Error, UnwritableFileText(outcome.error));
        return false;
    }
    window_.Memo(QStringLiteral("Wrote ") + chosen.model + QStringLiteral(" configuration from ") +
                 HistorySourceName(chosen) + QStringLiteral(" to file ") +
                 QFileInfo(path).fileName());
    return true;
}

bool HistoryBrowser::WindowHoldsConfiguration() const {
    return !window_.ConfigurationEmpty;
}

QStringList HistoryBrowser::CompareWithWindow(int number) {
    ProgramState& state = window_.state();
    if (!WindowHoldsConfiguration()) {
        state.message(BoxKind::Information,
                      QStringLiteral("The window holds no configuration to compare with."));
        return {};
    }
    const HistoryValuesOutcome& outcome = values(number);
    if (!valuesProblem_.isEmpty()) {
        state.message(BoxKind::Error, UnreadableFileText(valuesProblem_));
        return {};
    }
    if (!outcome.loaded) {
        state.message(BoxKind::Error, InvalidConfigurationFileText(outcome.refusal));
        return {};
    }
    const QList<ConfigurationDifference> differences = ::CompareWithWindow(outcome.values, window_);
    if (differences.isEmpty()) {
        state.message(BoxKind::Information,
                      QStringLiteral("No differences: the window holds the configuration of ") +
                          HistorySourceName(entry(number)) + QLatin1Char('.'));
        return {};
    }
    const SideNames names = TwoFileNames(QStringLiteral("history"), QStringLiteral("window"));
    QStringList lines;
    for (const ConfigurationDifference& difference : differences) {
        lines << DifferenceLine(difference, names);
    }
    return lines;
}
