#include "transfer/ChoiceText.h"

QString ChoiceText(const TTableEntry& entry) {
    if (entry.Value < 0 || entry.Value >= TTableEntry::ItemCount) {
        return {};
    }
    return entry.Items.at(static_cast<std::size_t>(entry.Value));
}
