#pragma once

#include <QString>

#include <array>

// The key lines of a configuration file as names and values: what a file is read into and a
// configuration is written as, slots 1..80, an empty name or value meaning "no entry".
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
