#pragma once

#include <QString>

// The firmware versions at which the modules gained fields, and the rules that follow from them.
namespace firmware {

// From this version the temperature converters keep module tags, the tag group belongs to the
// input ("INPUT TAG"), and line resistance, cold junction and off-delays exist.
inline constexpr int ExtendedFields = 259;
// From this version the temperature converters have output limits and a plain "TAG".
inline constexpr int OutputLimits = 6146;
// The firmware that lacks the sensors "Pt 200" and "Pt 300".
inline constexpr int WithoutPt200 = 256;

}  // namespace firmware

// The number of module tags a model keeps at a firmware version: tag 1 on the temperature
// converters (Q738x) from ExtendedFields, tag 2 only on the Q7383D.
inline int TagsKeptBy(const QString& model, int version) {
    if (!model.contains(QLatin1String("Q738")) || version < firmware::ExtendedFields) {
        return 0;
    }
    return model == QLatin1String("Q7383D") ? 2 : 1;
}
