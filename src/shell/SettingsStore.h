#pragma once

#include "shell/Settings.h"

#include <QString>

#include <array>
#include <functional>

// The program's settings in memory: 50 key/value slots. Slot numbers are 1-based, as in the
// settings file. The first slot with an empty key ends the list for WriteConfig; a lookup visits
// every slot, so of two slots holding the same key the later one wins.
class SettingsStore {
  public:
    static constexpr int SlotCount = 50;

    // Sets `value` to the stored value when `key` is present (exact, case-sensitive); otherwise
    // leaves it as passed.
    void ReadConfig(const QString& key, QString& value) const;
    // The stored value, or "" when the key is missing.
    QString ReadConfig(const QString& key) const;
    // Sets every slot holding `key` before the first empty slot, or puts the key into that empty
    // slot. False only when the key is new and all 50 slots are taken: it is then not stored.
    bool WriteConfig(const QString& key, const QString& value);

    // The settings as values; no code outside the store compares "Y" strings.
    Settings values() const;
    bool flag(SettingFlag flag) const;
    // Writes a yes/no setting as "Y" or "N".
    void setFlag(SettingFlag flag, bool on);

    // Direct slot access, 1..SlotCount, for the settings file and for tests.
    QString& ConfigKeys(int slot) { return keys_.at(slot - 1); }
    QString& ConfigValues(int slot) { return values_.at(slot - 1); }
    const QString& ConfigKeys(int slot) const { return keys_.at(slot - 1); }
    const QString& ConfigValues(int slot) const { return values_.at(slot - 1); }

    void clear();

    // Told after WriteConfig changed a stored value, so whoever shows it follows at once.
    std::function<void(const QString& key)> onChanged;

  private:
    std::array<QString, SlotCount> keys_;
    std::array<QString, SlotCount> values_;
};
