// The catalogue as the program starts: every configurable parameter of every model.

#include "catalogue/Definitions.h"

#include <QStringView>

#include <array>
#include <span>
#include <string_view>

namespace {

using Text = std::u16string_view;
using Choices = std::span<const Text>;

// Fixed limits, or a mark that the chosen sensor supplies them (they then start at zero).
struct Limits {
    bool fromSensor = false;
    int min = 0;
    int max = 0;
    int dec = 0;
    Text dim;
};

constexpr Limits NoLimits{};
constexpr Limits FromSensor{true, 0, 0, 0, u""};

constexpr Limits Fixed(int min, int max, int dec, Text dim) {
    return {false, min, max, dec, dim};
}

// Model lists are written with blanks between the codes for reading; they are stored run together.
struct Row {
    int index;
    Text key;
    FieldKind kind;
    Text name;
    Text read;
    Text write;
    Limits limits;
    Text models;
    Choices items;
};

constexpr auto C = FieldKind::Choice;
constexpr auto T = FieldKind::Number;

// Model lists shared by several parameters.
constexpr Text NoModel = u"";
constexpr Text AnalogCh1 = u"Q7321S Q7323Y Q7323S Q7323D Q7323X Q7324S V7320S V7320D V7325S V7325D";
constexpr Text TemperatureCh1 =
    u"Q7381S Q7383D Q7383S Q7383X Q7383Y Q7384S V7380D V7380S V7385S V7385D";
constexpr Text LeadCh1 = u"Q7383Y Q7383S Q7383D Q7383X Q7384S V7380D Q7381S V7380S V7385S V7385D";
constexpr Text ScaleCh1 =
    u"Q7351S Q7384S V7380D Q7383Y Q7383S Q7383D Q7383X Q7323Y Q7323S Q7323D Q7323X Q7324S Q7326S "
    u"V7320S V7320D V7325S V7325D V7380S V7385S V7385D";
constexpr Text BurnoutCh1 =
    u"Q7321S Q7323Y Q7323S Q7323D Q7323X Q7324S Q7326S V7320S V7320D V7325S V7325D";
constexpr Text AnalogCh2 = u"Q7323D V7325D V7320D";
constexpr Text TemperatureCh2 = u"Q7383D V7385D V7380D";
constexpr Text ScaleCh2 = u"Q7383Y Q7383D Q7383X Q7323Y Q7323D Q7323X V7325D V7385D V7380D V7320D";
constexpr Text OutputCh1 =
    u"Q7351S Q7384S V7380D Q7383Y Q7383S Q7383D Q7383X Q7323Y Q7323S Q7323D Q7324S Q7326S Q7323X "
    u"V7320S V7320D V7325S V7325D V7380S V7385S V7385D";
constexpr Text BurnCh1 =
    u"Q7381S Q7384S V7380D Q7383Y Q7383S Q7383D Q7383X Q7324S Q7323D Q7323Y Q7323S Q7326S Q7323X "
    u"V7320S V7320D V7325S V7325D V7380S V7385S V7385D";
constexpr Text OutputCh2 = u"Q7383Y Q7383X Q7383D Q7323X Q7323D Q7323Y V7325D V7320D V7385D V7380D";
constexpr Text BurnCh2 = u"Q7383Y Q7383D Q7383X Q7323D Q7323Y Q7323X V7325D V7320D V7385D V7380D";
constexpr Text AlarmCh1 = u"Q7351S Q7381S Q7384S V7380D Q7321S Q7324S Q7326S V7320S V7320D V7380S";
constexpr Text AlarmBurnoutCh1 = u"Q7381S Q7384S V7380D Q7324S Q7326S Q7321S V7320S V7320D V7380S";
constexpr Text AlarmCh2 = u"V7320D V7380D";
constexpr Text DualFunction = u"Q7323Y";
constexpr Text OffDelayModels = u"Q7326S";
constexpr Text FrequencyModel = u"Q7351S";
constexpr Text LoadCellModel = u"Q7356S";
constexpr Text Burnout2Models = u"Q7323D";

// Choice lists.
constexpr std::array<Text, 0> NoChoices{};
constexpr std::array<Text, 2> AnalogInputs{u"mA dC (I)", u"V dc (E)"};
constexpr std::array<Text, 4> FrequencyRanges{u"50 Hz", u"500 Hz", u"5 KHz", u"50 KHz"};
constexpr std::array<Text, 30> TemperatureSensors{
    u"TC B",   u"TC E",  u"TC J",  u"TC K",   u"TC L",   u"TC N",   u"TC R",   u"TC S",
    u"TC T",   u"TC U",  u"TC Lr", u"Pt 100", u"Pp 100", u"Pi 100", u"Pi 50",  u"Ni 100",
    u"Cu 100", u"Cu 53", u"Cu 50", u"Pot",    u"E DC",   u"Pt 200", u"Pt 300", u"TC A1",
    u"TC A2",  u"TC A3", u"TC S1", u"Cu 46",  u"Pt 500", u"Ni 120"};
constexpr std::array<Text, 2> Leads{u"3 wire", u"4 wire"};
constexpr std::array<Text, 2> ColdJunctionModes{u"Automatic", u"Fixed"};
constexpr std::array<Text, 6> Outputs{u"4-20 mA", u"0-20 mA", u"1-5 V",
                                      u"0-5 V",   u"2-10 V",  u"0-10 V"};
constexpr std::array<Text, 3> BurnoutDirections{u"None", u"Downscale", u"UpScale"};
constexpr std::array<Text, 6> Functions{u"Ch A", u"Ch B", u"Add", u"Sub", u"High Ch", u"Low Ch"};
constexpr std::array<Text, 5> AlarmTypes{u"Off", u"High", u"Low", u"Low & Sec", u"Burnout"};
constexpr std::array<Text, 7> Dividers{u"1", u"10", u"100", u"1 K", u"10 K", u"100 K", u"1000 K"};
constexpr std::array<Text, 2> Relays{u"ND", u"NE"};
constexpr std::array<Text, 4> BurnoutOperations{u"Nor", u"Lock", u"On", u"Off"};
constexpr std::array<Text, 5> Baudrates{u"9600", u"19200", u"38400", u"57600", u"115200"};
constexpr std::array<Text, 3> ModbusFormats{u"8N1", u"8E1", u"8O1"};
constexpr std::array<Text, 2> CurrentOutputs{u"4-20 mA", u"0-20 mA"};
constexpr std::array<Text, 4> VoltageOutputs{u"1-5 V", u"0-5 V", u"2-10 V", u"0-10 V"};

constexpr Text Celsius = u"\u00B0C";

// clang-format off
constexpr std::array<Row, TParameterTable::Count> Rows{{
    {1, u"Input1", C, u"Input 1", u"00", u"01", NoLimits, AnalogCh1, AnalogInputs},
    {2, u"InputHz1", C, u"Input Sensor 1", u"00", u"01", NoLimits, FrequencyModel, FrequencyRanges},
    {3, u"InputTm1", C, u"Sensor 1", u"00", u"01", NoLimits, TemperatureCh1, TemperatureSensors},
    {4, u"Lead1", C, u"Lead 1", u"08", u"09", NoLimits, LeadCh1, Leads},
    {5, u"Downscale1", T, u"Downscale 1", u"02", u"03", FromSensor, ScaleCh1, NoChoices},
    {6, u"Upscale1", T, u"Highscale 1", u"04", u"05", FromSensor, ScaleCh1, NoChoices},
    {7, u"BurnoutLow1", T, u"Burnout Low 1", u"0A", u"0B", FromSensor, BurnoutCh1, NoChoices},
    {8, u"BurnoutHigh1", T, u"Burnout High 1", u"0C", u"0D", FromSensor, BurnoutCh1, NoChoices},
    {9, u"CJCom1", C, u"Cold Junction Compensation 1", u"0A", u"0B", NoLimits, NoModel, ColdJunctionModes},
    {10, u"CJRef1", T, u"Cold Junction Reference 1", u"0C", u"0D", Fixed(-60, 100, 1, Celsius), NoModel, NoChoices},
    {11, u"RTDLineRef1", T, u"RTD Line Resistance 1", u"0E", u"0F", Fixed(-5, 20, 2, u"Ohm"), NoModel, NoChoices},
    {12, u"Input2", C, u"Input 2", u"10", u"11", NoLimits, AnalogCh2, AnalogInputs},
    {13, u"InputTm2", C, u"Sensor 2", u"10", u"11", NoLimits, TemperatureCh2, TemperatureSensors},
    {14, u"Lead2", C, u"Lead 2", u"18", u"19", NoLimits, TemperatureCh2, Leads},
    {15, u"Downscale2", T, u"Downscale 2", u"12", u"13", FromSensor, ScaleCh2, NoChoices},
    {16, u"Upscale2", T, u"Highscale 2", u"14", u"15", FromSensor, ScaleCh2, NoChoices},
    {17, u"BurnoutLow2", T, u"Burnout Low 2", u"1A", u"1B", FromSensor, Burnout2Models, NoChoices},
    {18, u"BurnoutHigh2", T, u"Burnout High 2", u"1C", u"1D", FromSensor, Burnout2Models, NoChoices},
    {19, u"CJCom2", C, u"Cold Junction Compensation 2", u"1A", u"1B", NoLimits, NoModel, ColdJunctionModes},
    {20, u"CJRef2", T, u"Cold Junction Reference 2", u"1C", u"1D", Fixed(-60, 100, 1, Celsius), NoModel, NoChoices},
    {21, u"RTDLineRef2", T, u"RTD Line Resistance 2", u"1E", u"1F", Fixed(-5, 20, 2, u"Ohm"), NoModel, NoChoices},
    {22, u"Output1", C, u"Output 1", u"20", u"21", NoLimits, OutputCh1, Outputs},
    {23, u"Burn1", C, u"Burnout 1", u"06", u"07", NoLimits, BurnCh1, BurnoutDirections},
    {24, u"Function1", C, u"Function 1", u"22", u"23", NoLimits, DualFunction, Functions},
    {25, u"Output2", C, u"Output 2", u"28", u"29", NoLimits, OutputCh2, Outputs},
    {26, u"Burn2", C, u"Burnout 2", u"16", u"17", NoLimits, BurnCh2, BurnoutDirections},
    {27, u"Function2", C, u"Function 2", u"2A", u"2B", NoLimits, DualFunction, Functions},
    {28, u"LimitmALow1", T, u"mA Low Limit (normal operation)", u"C4", u"C5", FromSensor, LoadCellModel, NoChoices},
    {29, u"LimitmAHigh1", T, u"mA High Limit (normal operation)", u"C0", u"C1", FromSensor, LoadCellModel, NoChoices},
    {30, u"LimitmALowLow1", T, u"mA Low Limit (burnout)", u"C6", u"C7", FromSensor, NoModel, NoChoices},
    {31, u"LimitmAHighHigh1", T, u"mA High Limit (burnout)", u"C2", u"C3", FromSensor, NoModel, NoChoices},
    {32, u"LimitVLow1", T, u"V Low Limit (normal operation)", u"CC", u"CD", FromSensor, LoadCellModel, NoChoices},
    {33, u"LimitVHigh1", T, u"V High Limit (normal operation)", u"C8", u"C9", FromSensor, LoadCellModel, NoChoices},
    {34, u"LimitVLowLow1", T, u"V Low Limit (burnout)", u"CE", u"CF", FromSensor, NoModel, NoChoices},
    {35, u"LimitVHighHigh1", T, u"V High Limit (burnout)", u"CA", u"CB", FromSensor, NoModel, NoChoices},
    {36, u"Type1A", C, u"Alarm A Ch 1 Type", u"32", u"33", NoLimits, AlarmCh1, AlarmTypes},
    {37, u"Set1A", T, u"Alarm A Ch 1 Set", u"30", u"31", FromSensor, AlarmCh1, NoChoices},
    {38, u"Hysteresis1A", T, u"Alarm A Ch 1 Hysteresis", u"38", u"39", FromSensor, AlarmCh1, NoChoices},
    {39, u"OnDelay1A", T, u"Alarm A Ch 1 On Delay", u"36", u"37", Fixed(0, 1000, 1, u"sec"), AlarmCh1, NoChoices},
    {40, u"OffDelay1A", T, u"Alarm A Ch 1 Off Delay", u"3C", u"3D", Fixed(0, 1000, 1, u"sec"), OffDelayModels, NoChoices},
    {41, u"Divider1A", C, u"Alarm A Ch 1 Divider", u"3A", u"3B", NoLimits, FrequencyModel, Dividers},
    {42, u"Relay1A", C, u"Alarm A Ch 1 Relay", u"34", u"35", NoLimits, AlarmCh1, Relays},
    {43, u"BurnoutOperation1A", C, u"Alarm A Ch 1 Burnout Operation", u"3A", u"3B", NoLimits, AlarmBurnoutCh1, BurnoutOperations},
    {44, u"Type1B", C, u"Alarm B Ch 1 Type", u"42", u"43", NoLimits, AlarmCh1, AlarmTypes},
    {45, u"Set1B", T, u"Alarm B Ch 1 Set", u"40", u"41", FromSensor, AlarmCh1, NoChoices},
    {46, u"Hysteresis1B", T, u"Alarm B Ch 1 Hysteresis", u"48", u"49", FromSensor, AlarmCh1, NoChoices},
    {47, u"OnDelay1B", T, u"Alarm B Ch 1 On Delay", u"46", u"47", Fixed(0, 1000, 1, u"sec"), AlarmCh1, NoChoices},
    {48, u"OffDelay1B", T, u"Alarm B Ch 1 Off Delay", u"4C", u"4D", Fixed(0, 1000, 1, u"sec"), OffDelayModels, NoChoices},
    {49, u"Relay1B", C, u"Alarm B Ch 1 Relay", u"44", u"45", NoLimits, AlarmCh1, Relays},
    {50, u"BurnoutOperation1B", C, u"Alarm B Ch 1 Burnout Operation", u"4A", u"4B", NoLimits, AlarmBurnoutCh1, BurnoutOperations},
    {51, u"Type2A", C, u"Alarm A Ch 2 Type", u"52", u"53", NoLimits, AlarmCh2, AlarmTypes},
    {52, u"Set2A", T, u"Alarm A Ch 2 Set", u"50", u"51", FromSensor, AlarmCh2, NoChoices},
    {53, u"Hysteresis2A", T, u"Alarm A Ch 2 Hysteresis", u"58", u"59", FromSensor, AlarmCh2, NoChoices},
    {54, u"OnDelay2A", T, u"Alarm A Ch 2 On Delay", u"56", u"57", Fixed(0, 1000, 1, u"sec"), AlarmCh2, NoChoices},
    {55, u"Divider2A", C, u"Alarm A Ch 2 Divider", u"5A", u"5B", NoLimits, NoModel, Dividers},
    {56, u"Relay2A", C, u"Alarm A Ch 2 Relay", u"54", u"55", NoLimits, AlarmCh2, Relays},
    {57, u"BurnoutOperation2A", C, u"Alarm A Ch 2 Burnout Operation", u"5A", u"5B", NoLimits, AlarmCh2, BurnoutOperations},
    {58, u"Type2B", C, u"Alarm B Ch 2 Type", u"62", u"63", NoLimits, AlarmCh2, AlarmTypes},
    {59, u"Set2B", T, u"Alarm B Ch 2 Set", u"60", u"61", FromSensor, AlarmCh2, NoChoices},
    {60, u"Hysteresis2B", T, u"Alarm B Ch 2 Hysteresis", u"68", u"69", FromSensor, AlarmCh2, NoChoices},
    {61, u"OnDelay2B", T, u"Alarm B Ch 2 On Delay", u"66", u"67", Fixed(0, 1000, 1, u"sec"), AlarmCh2, NoChoices},
    {62, u"Relay2B", C, u"Alarm B Ch 2 Relay", u"64", u"65", NoLimits, AlarmCh2, Relays},
    {63, u"BurnoutOperation2B", C, u"Alarm B Ch 2 Burnout Operation", u"6A", u"6B", NoLimits, AlarmCh2, BurnoutOperations},
    {64, u"CalReference", T, u"Calibration Reference", u"12", u"13", Fixed(0, 30000, 0, u"div"), LoadCellModel, NoChoices},
    {65, u"CalRange", T, u"Calibration Range", u"14", u"15", Fixed(0, 30000, 0, u"div"), LoadCellModel, NoChoices},
    {66, u"ModbusAddress", T, u"Modbus Address", u"F0", u"F1", Fixed(1, 255, 0, u"address"), LoadCellModel, NoChoices},
    {67, u"ModbusBaudrate", C, u"Modbus Baudrate", u"F2", u"F3", NoLimits, LoadCellModel, Baudrates},
    {68, u"ModbusFormat", C, u"Modbus Format", u"F4", u"F5", NoLimits, LoadCellModel, ModbusFormats},
    {69, u"OutputmA", C, u"Output mA", u"20", u"21", NoLimits, LoadCellModel, CurrentOutputs},
    {70, u"OutputV", C, u"Output V", u"28", u"29", NoLimits, LoadCellModel, VoltageOutputs},
}};
// clang-format on

// Every row carries its own number, so a row left out or written twice stops the build.
constexpr bool RowsAreNumberedInOrder() {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (Rows[i].index != static_cast<int>(i) + 1 ||
            Rows[i].items.size() > TTableEntry::ItemCount) {
            return false;
        }
    }
    return true;
}
static_assert(RowsAreNumberedInOrder());

QString text(Text view) {
    return QStringView(view).toString();
}

TTableEntry entryFrom(const Row& row) {
    TTableEntry entry;
    entry.Field = text(row.key);
    entry.FieldType = row.kind;
    entry.Name = text(row.name);
    entry.ReadCommand = text(row.read);
    entry.WriteCommand = text(row.write);
    entry.Changes = row.limits.fromSensor;
    entry.MinValue = row.limits.min;
    entry.MaxValue = row.limits.max;
    entry.Decimal = row.limits.dec;
    entry.Dimension = text(row.limits.dim);
    entry.ValidFor = text(row.models).remove(QLatin1Char(' '));
    for (std::size_t i = 0; i < row.items.size(); ++i) {
        entry.Items[i] = text(row.items[i]);
    }
    return entry;
}

}  // namespace

QString FieldKindText(FieldKind kind) {
    return QString(QLatin1Char(static_cast<char>(kind)));
}

TParameterTable InitialParameterTable() {
    TParameterTable table;
    for (const Row& row : Rows) {
        table[row.index] = entryFrom(row);
    }
    return table;
}
