#include "shell/SettingsStore.h"

void SettingsStore::ReadConfig(const QString& key, QString& value) const {
    for (int i = 0; i < SlotCount; ++i) {
        if (keys_[i] == key) {
            value = values_[i];
        }
    }
}

QString SettingsStore::ReadConfig(const QString& key) const {
    QString value;
    ReadConfig(key, value);
    return value;
}

bool SettingsStore::WriteConfig(const QString& key, const QString& value) {
    int i = 0;
    bool matched = false;
    bool changed = false;
    for (; i < SlotCount && !keys_[i].isEmpty(); ++i) {
        if (keys_[i] == key) {
            changed = changed || values_[i] != value;
            values_[i] = value;
            matched = true;
        }
    }
    if (!matched) {
        if (i == SlotCount) {
            return false;
        }
        keys_[i] = key;
        values_[i] = value;
        changed = true;
    }
    if (changed && onChanged) {
        onChanged(key);
    }
    return true;
}

void SettingsStore::clear() {
    keys_.fill(QString());
    values_.fill(QString());
}
