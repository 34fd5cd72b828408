#include "transfer/ConsistencyRules.h"

#include "catalogue/FirmwareVersions.h"

#include <cmath>

namespace {

using firmware::OutputLimits;

using enum OutputLimit;

// An output range of COutput1 as an open interval of its unit.
struct OutputRange {
    bool current;  // mA; otherwise V
    double low;
    double high;
};

// In the order of the list's items: "4-20 mA", "0-20 mA", "1-5 V", "0-5 V", "2-10 V", "0-10 V".
constexpr std::array<OutputRange, 6> OutputRanges{{
    {true, 4, 20},
    {true, 0, 20},
    {false, 1, 5},
    {false, 0, 5},
    {false, 2, 10},
    {false, 0, 10},
}};

using LimitValues = std::array<std::optional<double>, OutputLimitCount>;

std::optional<double> readNumber(const QString& text, QLocale locale) {
    // FormatMyInt never groups digits, so a group separator means the text is not one of ours.
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

const std::optional<double>& at(const LimitValues& values, OutputLimit limit) {
    return values.at(static_cast<std::size_t>(limit));
}

bool sameSpanEnds(const SpanEnds& span) {
    return span.upscaleEnabled && span.upscale == span.downscale;
}

bool limitRulesApply(const ShownConfiguration& shown) {
    return shown.modelCode.contains(QLatin1String("Q738")) && shown.modelVersion >= OutputLimits &&
           shown.limits.at(static_cast<std::size_t>(mALow)).enabled &&
           shown.limits.at(static_cast<std::size_t>(mAHigh)).enabled;
}

class Findings {
  public:
    void error(const QString& message) {
        result_.messages << message;
        result_.errorFired = true;
    }
    void warning(const QString& logLine, const QString& message) {
        result_.logLines << logLine;
        result_.messages << message;
    }
    CheckFindings result() const { return result_; }

  private:
    CheckFindings result_;
};

// Rules 2 to 9: the pairs must be ordered and the working pair must lie within the burnout
// pair. A rule whose limits are not both numbers has nothing to compare and stays silent.
void checkLimitOrder(const LimitValues& v, Findings& findings) {
    struct Rule {
        OutputLimit left;
        OutputLimit right;
        bool (*fires)(double, double);
        const char* message;
    };
    const auto atLeast = [](double l, double r) { return l >= r; };
    const auto below = [](double l, double r) { return l < r; };
    const auto above = [](double l, double r) { return l > r; };
    const std::array<Rule, 8> rules{{
        {mALow, mAHigh, atLeast, "Error: Low mA limit cannot be greater or equal to High limit"},
        {mALowLow, mAHighHigh, atLeast,
         "Error: Low mA limit cannot be greater or equal to High limit"},
        {mALow, mALowLow, below,
         "Error: Low mA working limit cannot be lower than Low burnout limit"},
        {mAHigh, mAHighHigh, above,
         "Error: High mA working limit cannot be greater than High burnout limit"},
        {VLow, VHigh, atLeast,
         "Error: Low V working limit cannot be greater or equal to High limit"},
        {VLowLow, VHighHigh, atLeast,
         "Error: Low V burnout limit cannot be greater or equal to High limit"},
        {VLow, VLowLow, below, "Error: Low V working limit cannot be lower than Low burnout limit"},
        {VHigh, VHighHigh, above,
         "Error: High V working limit cannot be greater than High burnout limit"},
    }};
    for (const Rule& rule : rules) {
        const auto& left = at(v, rule.left);
        const auto& right = at(v, rule.right);
        if (left && right && rule.fires(*left, *right)) {
            findings.error(QString::fromLatin1(rule.message));
        }
    }
}

// How many of the working pair and the burnout pair reach into the chosen output range: a limit
// inside the range cuts off part of the signal the module should deliver. A limit that is not a
// number lies nowhere.
int pairsInside(const LimitValues& v, const OutputRange& range, OutputLimit low, OutputLimit high,
                OutputLimit lowLow, OutputLimit highHigh) {
    const auto inside = [&](OutputLimit limit) {
        const auto& value = at(v, limit);
        return value && *value > range.low && *value < range.high;
    };
    return ((inside(low) || inside(high)) ? 1 : 0) + ((inside(lowLow) || inside(highHigh)) ? 1 : 0);
}

// Rules 10 and 11.
void checkLimitsAgainstRange(const LimitValues& v, int outputRange, Findings& findings) {
    if (outputRange < 0 || outputRange >= static_cast<int>(OutputRanges.size())) {
        return;
    }
    const OutputRange& range = OutputRanges.at(static_cast<std::size_t>(outputRange));
    if (range.current) {
        if (pairsInside(v, range, mALow, mAHigh, mALowLow, mAHighHigh) > 0) {
            findings.warning(
                QStringLiteral("Warning: mA Output limits within chosen output range"),
                QStringLiteral("Warning: Current Output limits are within the specified Output "
                               "range"));
        }
    } else if (pairsInside(v, range, VLow, VHigh, VLowLow, VHighHigh) > 0) {
        findings.warning(
            QStringLiteral("Warning: V Output limits within chosen output range"),
            QStringLiteral("Warning: Voltage Output limits are within the specified Output range"));
    }
}

}  // namespace

QString OutputLimitKey(OutputLimit limit) {
    static const std::array<QString, OutputLimitCount> keys{
        QStringLiteral("LimitmALow1"),    QStringLiteral("LimitmAHigh1"),
        QStringLiteral("LimitmALowLow1"), QStringLiteral("LimitmAHighHigh1"),
        QStringLiteral("LimitVLow1"),     QStringLiteral("LimitVHigh1"),
        QStringLiteral("LimitVLowLow1"),  QStringLiteral("LimitVHighHigh1")};
    return keys.at(static_cast<std::size_t>(limit));
}

CheckFindings ApplyConsistencyRules(const ShownConfiguration& shown, const QLocale& locale) {
    Findings findings;

    // Rule 1: a channel whose span starts where it ends has no span at all.
    if (sameSpanEnds(shown.spans[0]) || sameSpanEnds(shown.spans[1])) {
        findings.error(QStringLiteral("Error: Upscale and Downscale Values cannot be the same"));
    }

    if (limitRulesApply(shown)) {
        LimitValues values;
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = readNumber(shown.limits[i].text, locale);
            if (!values[i]) {
                findings.error(QStringLiteral("Error: ") + shown.limits[i].name +
                               QStringLiteral(" is not a valid number"));
            }
        }
        checkLimitOrder(values, findings);
        checkLimitsAgainstRange(values, shown.outputRange, findings);
    }
    return findings.result();
}

QString FindingsText(const QStringList& messages) {
    QString text;
    for (const QString& message : messages) {
        text += QLatin1Char('\r') + message;
    }
    return text;
}

std::optional<DecisionBox> DecisionFor(const CheckFindings& findings, CheckMode mode) {
    if (findings.messages.isEmpty()) {
        return std::nullopt;
    }
    const QString text = FindingsText(findings.messages) + QLatin1Char('\r');
    if (findings.errorFired) {
        return DecisionBox{text, BoxButtons::Ok};
    }
    if (mode == CheckMode::Write) {
        return DecisionBox{text + QStringLiteral("Press Cancel to stop writing"),
                           BoxButtons::OkCancel};
    }
    if (mode == CheckMode::Print) {
        return DecisionBox{text + QStringLiteral("Press Cancel to stop printing"),
                           BoxButtons::OkCancel};
    }
    return std::nullopt;
}
