#pragma once

#include <QString>

#include <array>

// A snapshot of the shown configuration taken by the consistency check: the entry list the
// configuration files are written from (and read into), slots 1..80, an empty name or value
// meaning "no entry".
struct EntryList {
    static constexpr int Slots = 80;

    QString& FileNames(int slot) { return names_.at(slot - 1); }
    QString& FileValues(int slot) { return values_.at(slot - 1); }
    const QString& FileNames(int slot) const { return names_.at(slot - 1); }
    const QString& FileValues(int slot) const { return values_.at(slot - 1); }

    void ResetFileArrays() {
        names_.fill(QString());
        values_.fill(QString());
    }

  private:
    std::array<QString, Slots> names_;
    std::array<QString, Slots> values_;
};

// The rows of the printed report, filled from slot 1 without gaps (slots 1..80).
struct ReportRows {
    static constexpr int Slots = 80;

    QString& PrintNames(int slot) { return names_.at(slot - 1); }
    QString& PrintValues(int slot) { return values_.at(slot - 1); }
    QString& PrintUnits(int slot) { return units_.at(slot - 1); }
    const QString& PrintNames(int slot) const { return names_.at(slot - 1); }
    const QString& PrintValues(int slot) const { return values_.at(slot - 1); }
    const QString& PrintUnits(int slot) const { return units_.at(slot - 1); }

    void ResetPrintArrays() {
        names_.fill(QString());
        values_.fill(QString());
        units_.fill(QString());
    }

  private:
    std::array<QString, Slots> names_;
    std::array<QString, Slots> values_;
    std::array<QString, Slots> units_;
};
