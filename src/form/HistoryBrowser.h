#pragma once

#include "form/HistoryComparison.h"
#include "records/ConfigurationHistory.h"

#include <QString>
#include <QStringList>

#include <optional>

class TForm1;

// The configuration history as its window shows it: the index of the program folder's logs, one
// entry's text as "kvc7345 show" prints it, and the three things done with an entry. Loading and
// saving speak through the window model's boxes and log list, as F3 and F4 do.
class HistoryBrowser {
  public:
    explicit HistoryBrowser(TForm1& window);

    // Reads the index again; `progress` learns of each block, so a window can keep painting.
    void Index(const HistoryProgress& progress = {});
    const ConfigurationHistory& History() const { return history_; }
    // "3 damaged parts skipped" ("" when none) and one DamageText line for each.
    QString DamageSummary() const;
    QStringList DamageLines() const;

    // Entry `number` (from 1) as "kvc7345 show" prints it, or why it cannot be shown.
    QStringList EntryText(int number);
    // Loads the entry into the window as F3 loads a file; true when it was applied.
    bool LoadIntoWindow(int number);
    // Saves the entry's bytes as they stand in the log to a file the save dialog gives; true
    // when written.
    bool SaveAsFile(int number);
    // Whether the window shows a configuration to compare an entry with.
    bool WindowHoldsConfiguration() const;
    // The entry's differences with the window as "kvc7345 diff" lists them. No lines, after a
    // box that says so, when they agree or the entry cannot be loaded.
    QStringList CompareWithWindow(int number);

  private:
    const HistoryEntry& entry(int number) const { return history_.entries[number - 1]; }
    // The entry's bytes, or nothing after the box F3 shows for a file it cannot read.
    std::optional<QByteArray> bytes(int number);
    // The entry loaded beside the window; kept for the entry last asked for.
    const HistoryValuesOutcome& values(int number);

    TForm1& window_;
    ConfigurationHistory history_;
    int valuesOf_ = 0;
    HistoryValuesOutcome values_;
    QString valuesProblem_;  // why the entry of values_ could not be read
};
