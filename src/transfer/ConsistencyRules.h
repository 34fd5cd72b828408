#pragma once

#include "transfer/CheckMode.h"

// The consistency rules a configuration passes before it leaves the window (written, saved,
// printed) and after it was placed there (read, loaded). They work on the values' texts as the
// window shows them and files write them, and on which of their fields are in use.

#include "shell/Dialogs.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The eight output-limit edits of the temperature converters, in the order the rules read them.
enum class OutputLimit {
    mALow,
    mAHigh,
    mALowLow,
    mAHighHigh,
    VLow,
    VHigh,
    VLowLow,
    VHighHigh,
};
inline constexpr int OutputLimitCount = 8;

// The catalogue key of an output limit: "LimitmALow1" .. "LimitVHighHigh1".
QString OutputLimitKey(OutputLimit limit);

// The span ends of one input channel as shown.
struct SpanEnds {
    QString upscale;
    QString downscale;
    bool upscaleEnabled = false;
};

// One output-limit edit as shown, with the catalogue name that messages give it.
struct LimitField {
    QString name;
    QString text;
    bool enabled = false;
};

// What the rules read from the window.
struct ShownConfiguration {
    QString modelCode;
    int modelVersion = 0;
    std::array<SpanEnds, 2> spans;                    // channel 1, channel 2
    std::array<LimitField, OutputLimitCount> limits;  // indexed by OutputLimit
    int outputRange = -1;                             // selected index of COutput1, -1 for none
};

struct CheckFindings {
    QStringList messages;  // errors and warnings, in rule order
    QStringList logLines;  // lines for the log list
    bool errorFired = false;
};

// Applies every rule; limit texts are numbers in `locale`'s notation, as FormatMyInt writes them.
CheckFindings ApplyConsistencyRules(const ShownConfiguration& shown,
                                    const QLocale& locale = QLocale());

// The findings as one text: each message preceded by a "\r", so the text starts with a break.
QString FindingsText(const QStringList& messages);

// The information box shown before the caller goes on. With Ok alone the caller must stop; with
// Ok and Cancel the user chooses.
struct DecisionBox {
    QString text;
    BoxButtons buttons = BoxButtons::Ok;
};

// The box for a check in that mode; nothing when there is no finding, or only
// warnings and nobody is about to write or print.
std::optional<DecisionBox> DecisionFor(const CheckFindings& findings, CheckMode mode);
