#pragma once

#include <QString>

#include <optional>

// Where the controls of one catalogue parameter stand on the first page.
struct ParameterPlace {
    enum class Style {
        Row,        // caption on the left, value control at the common column
        LimitLow,   // first edit of an output-limit pair, after its caption
        LimitHigh,  // second edit of a pair, after a "-" caption
    };

    QString group;    // objectName of the group box
    QString caption;  // the caption of the "L" + key label
    int top = 0;
    Style style = Style::Row;
    bool unitLabel = false;  // whether an "L" + key + "DIM" label exists
};

// The place of the parameter `key`; nothing for a key the window does not lay out.
std::optional<ParameterPlace> PlaceOf(const QString& key);

// The two off-delay edits of the channel-2 alarms have controls but no catalogue entry.
inline constexpr const char* ExtraOffDelayKeys[] = {"OffDelay2A", "OffDelay2B"};
