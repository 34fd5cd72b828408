// The sensor table as the program starts: for every input sensor, the range, decimals and unit of
// each parameter whose limits follow the chosen sensor.

#include "catalogue/Definitions.h"

#include <QStringView>

#include <array>
#include <string_view>

namespace {

using Text = std::u16string_view;

struct Range {
    int min;
    int max;
    int dec;
    Text dim;
};

// Within one sensor the parameters fall into groups that share their limits.
enum class Group { Span, Burnout, Hysteresis, ColdJunction, RtdLine, CurrentLimit, VoltageLimit };

struct FieldRow {
    Text key;
    Group group;
};

// The 28 fields every sensor has, in this order.
constexpr std::array<FieldRow, TSensorEntry::FieldCount> Fields{{
    {u"Upscale1", Group::Span},
    {u"Upscale2", Group::Span},
    {u"Downscale1", Group::Span},
    {u"Downscale2", Group::Span},
    {u"BurnoutLow1", Group::Burnout},
    {u"BurnoutLow2", Group::Burnout},
    {u"BurnoutHigh1", Group::Burnout},
    {u"BurnoutHigh2", Group::Burnout},
    {u"Set1A", Group::Span},
    {u"Set2A", Group::Span},
    {u"Set1B", Group::Span},
    {u"Set2B", Group::Span},
    {u"Hysteresis1A", Group::Hysteresis},
    {u"Hysteresis2A", Group::Hysteresis},
    {u"Hysteresis1B", Group::Hysteresis},
    {u"Hysteresis2B", Group::Hysteresis},
    {u"CJRef1", Group::ColdJunction},
    {u"CJRef2", Group::ColdJunction},
    {u"RTDLineRef1", Group::RtdLine},
    {u"RTDLineRef2", Group::RtdLine},
    {u"LimitmALow1", Group::CurrentLimit},
    {u"LimitmAHigh1", Group::CurrentLimit},
    {u"LimitmALowLow1", Group::CurrentLimit},
    {u"LimitmAHighHigh1", Group::CurrentLimit},
    {u"LimitVLow1", Group::VoltageLimit},
    {u"LimitVHigh1", Group::VoltageLimit},
    {u"LimitVLowLow1", Group::VoltageLimit},
    {u"LimitVHighHigh1", Group::VoltageLimit},
}};

// The output limits of the load-cell model are the same whatever the sensor.
constexpr Range CurrentLimits{0, 22, 3, u"mA"};
constexpr Range VoltageLimits{0, 11, 3, u"V"};

struct SensorRow {
    int index;
    Text name;
    Range span;
    Range burnout;
    Range hysteresis;
    Range coldJunction;
    Range rtdLine;
};

constexpr Text C = u"\u00B0C";

// clang-format off
constexpr std::array<SensorRow, TSensorTable::Count> Sensors{{
    {1, u"TC B", {50, 1800, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {2, u"TC E", {-250, 1000, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {3, u"TC J", {-200, 750, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {4, u"TC K", {-250, 1350, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {5, u"TC L", {-200, 800, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {6, u"TC N", {-250, 1300, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {7, u"TC R", {-50, 1750, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {8, u"TC S", {-50, 1750, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {9, u"TC T", {-250, 400, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {10, u"TC U", {-200, 400, 1, C}, {-5, 25, 1, C}, {0, 400, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {11, u"TC Lr", {-200, 800, 1, C}, {-5, 25, 1, u"mA"}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {12, u"TC A1", {-10, 2500, 1, C}, {-10, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {13, u"TC A2", {-10, 1800, 1, C}, {-10, 25, 1, u"mA"}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {14, u"TC A3", {-10, 1800, 1, C}, {-10, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {15, u"Pt 100", {-200, 850, 1, C}, {-5, 25, 1, u"mA"}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {16, u"Pt 200", {-150, 400, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {17, u"Pt 300", {-150, 250, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {18, u"Pp 100", {-200, 625, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {19, u"Pi 100", {-200, 650, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {20, u"Pi 50", {-200, 650, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {21, u"Ni 100", {-50, 180, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {22, u"Cu 100", {-50, 200, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {23, u"Cu 53", {-50, 180, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {24, u"Cu 50", {-50, 200, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {25, u"Pot", {0, 100, 1, u"%"}, {-5, 25, 1, u"%"}, {0, 500, 1, u"%"}, {0, 100, 1, u"%"}, {0, 100, 1, u"%"}},
    {26, u"E DC", {-20, 80, 2, u"mV"}, {-5, 25, 2, u"mA"}, {0, 5000, 2, u"mV"}, {-20, 80, 2, u"mV"}, {-20, 80, 2, u"mV"}},
    {27, u"V dc (E)", {-2, 12, 3, u"V"}, {-5, 25, 3, u"V"}, {0, 500, 3, u"V"}, {-2, 12, 3, u"V"}, {-2, 12, 3, u"V"}},
    {28, u"mA dC (I)", {-4, 24, 3, u"mA"}, {-5, 25, 3, u"mA"}, {0, 500, 3, u"mA"}, {-4, 24, 3, u"mA"}, {-4, 24, 3, u"mA"}},
    {29, u"50 Hz", {0, 50, 3, u"Hz"}, {-5, 25, 3, u"Hz"}, {0, 5, 3, u"Hz"}, {-60, 100, 1, C}, {-5, 20, 2, u"Ohm"}},
    {30, u"500 Hz", {0, 500, 2, u"Hz"}, {-5, 25, 2, u"Hz"}, {0, 50, 2, u"Hz"}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {31, u"5 KHz", {0, 5000, 1, u"Hz"}, {-5, 25, 1, u"Hz"}, {0, 500, 1, u"Hz"}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {32, u"50 KHz", {0, 50000, 0, u"Hz"}, {-5, 25, 0, u"Hz"}, {0, 5000, 0, u"Hz"}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {33, u"TC S1", {-50, 1600, 1, C}, {-50, 25, 1, u"mA"}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {34, u"Cu 46", {-200, 650, 1, C}, {-200, 650, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {35, u"Pt 500", {-200, 75, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
    {36, u"Ni 120", {-75, 300, 1, C}, {-5, 25, 1, C}, {0, 500, 1, C}, {-60, 100, 1, C}, {-5, 20, 1, u"Ohm"}},
}};
// clang-format on

constexpr bool SensorsAreNumberedInOrder() {
    for (std::size_t i = 0; i < Sensors.size(); ++i) {
        if (Sensors[i].index != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}
static_assert(SensorsAreNumberedInOrder());

const Range& rangeOf(const SensorRow& sensor, Group group) {
    switch (group) {
        case Group::Span:
            return sensor.span;
        case Group::Burnout:
            return sensor.burnout;
        case Group::Hysteresis:
            return sensor.hysteresis;
        case Group::ColdJunction:
            return sensor.coldJunction;
        case Group::RtdLine:
            return sensor.rtdLine;
        case Group::CurrentLimit:
            return CurrentLimits;
        case Group::VoltageLimit:
            return VoltageLimits;
    }
    return CurrentLimits;  // not reached: every group is listed above
}

QString text(Text view) {
    return QStringView(view).toString();
}

}  // namespace

TSensorTable InitialSensorTable() {
    TSensorTable table;
    for (const SensorRow& row : Sensors) {
        TSensorEntry& sensor = table[row.index];
        sensor.Name = text(row.name);
        for (int f = 1; f <= TSensorEntry::FieldCount; ++f) {
            const FieldRow& field = Fields[static_cast<std::size_t>(f - 1)];
            const Range& range = rangeOf(row, field.group);
            sensor.Field(f) = {text(field.key), range.min, range.max, text(range.dim), range.dec};
        }
    }
    return table;
}
