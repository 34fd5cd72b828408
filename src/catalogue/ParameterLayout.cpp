#include "catalogue/ParameterLayout.h"

#include <QHash>

namespace {

using Style = ParameterPlace::Style;

constexpr int Step = 21;
// Channel 2 of the input group repeats the channel-1 block this much lower.
constexpr int SecondInputBlock = 226;
// The first row of a block, right below its heading panel.
constexpr int FirstRow = 36;

struct Row {
    const char* key;
    const char* caption;
    int top;
    Style style;
    bool unitLabel;
};

QHash<QString, ParameterPlace> buildPlaces() {
    QHash<QString, ParameterPlace> places;
    auto add = [&places](const char* group, std::initializer_list<Row> rows) {
        for (const Row& row : rows) {
            places.insert(QString::fromLatin1(row.key),
                          {QString::fromLatin1(group), QString::fromLatin1(row.caption), row.top,
                           row.style, row.unitLabel});
        }
    };
    auto row = [](int n) { return FirstRow + n * Step; };

    for (int channel = 1; channel <= 2; ++channel) {
        const int shift = (channel - 1) * SecondInputBlock;
        const QByteArray digit = QByteArray::number(channel);
        auto key = [&digit](const char* stem) { return QByteArray(stem) + digit; };
        const QByteArray input = key("Input"), inputHz = key("InputHz"), inputTm = key("InputTm"),
                         lead = key("Lead"), down = key("Downscale"), up = key("Upscale"),
                         low = key("BurnoutLow"), high = key("BurnoutHigh"), cjCom = key("CJCom"),
                         cjRef = key("CJRef"), line = key("RTDLineRef");
        // Channel 1's selectors read "Input " and "Sensor:"; channel 2 reads "Input:" for both.
        add("GBInput",
            {
                {input.constData(), channel == 1 ? "Input " : "Input:", row(0) + shift, Style::Row,
                 false},
                {inputTm.constData(), channel == 1 ? "Sensor:" : "Input:", row(0) + shift,
                 Style::Row, false},
                {lead.constData(), "Lead:", row(1) + shift, Style::Row, false},
                {down.constData(), "Downscale:", row(2) + shift, Style::Row, true},
                {up.constData(), "Upscale:", row(3) + shift, Style::Row, true},
                {low.constData(), "Burnout Low:", row(4) + shift, Style::Row, true},
                {high.constData(), "Burnout High:", row(5) + shift, Style::Row, true},
                {cjCom.constData(), "Cold Junction:", row(6) + shift, Style::Row, false},
                {cjRef.constData(), "CJ Reference:", row(7) + shift, Style::Row, true},
                {line.constData(), "RTD line resist.:", row(8) + shift, Style::Row, true},
            });
        if (channel == 1) {
            add("GBInput", {{inputHz.constData(), "Input ", row(0), Style::Row, false}});
        }
    }

    // Output group: two channel blocks of three rows, then the output limits.
    add("GBOutput", {
                        {"Output1", "Output:", 36, Style::Row, false},
                        {"Burn1", "Burnout:", 57, Style::Row, false},
                        {"Function1", "Function:", 78, Style::Row, false},
                        {"Output2", "Output:", 126, Style::Row, false},
                        {"Burn2", "Burnout:", 147, Style::Row, false},
                        {"Function2", "Function:", 168, Style::Row, false},
                        {"OutputmA", "Output mA:", 216, Style::Row, false},
                        {"OutputV", "Output V:", 237, Style::Row, false},
                        {"LimitmALow1", "mA working:", 258, Style::LimitLow, false},
                        {"LimitmAHigh1", "-", 258, Style::LimitHigh, false},
                        {"LimitmALowLow1", "mA Burnout:", 279, Style::LimitLow, false},
                        {"LimitmAHighHigh1", "-", 279, Style::LimitHigh, false},
                        {"LimitVLow1", "V working:", 300, Style::LimitLow, false},
                        {"LimitVHigh1", "-", 300, Style::LimitHigh, false},
                        {"LimitVLowLow1", "V Burnout:", 321, Style::LimitLow, false},
                        {"LimitVHighHigh1", "-", 321, Style::LimitHigh, false},
                    });

    // Alarm groups: blocks A and B per channel; only 1A and 2A have a divider.
    for (int channel = 1; channel <= 2; ++channel) {
        const char* group = channel == 1 ? "GBAlarmA" : "GBAlarmB";
        for (const char letter : {'A', 'B'}) {
            const int base = letter == 'A' ? 36 : 230;
            const QByteArray suffix = QByteArray::number(channel) + letter;
            const bool hasDivider = letter == 'A';
            const QByteArray type = "Type" + suffix, set = "Set" + suffix,
                             hysteresis = "Hysteresis" + suffix, on = "OnDelay" + suffix,
                             off = "OffDelay" + suffix, divider = "Divider" + suffix,
                             relay = "Relay" + suffix, burnout = "BurnoutOperation" + suffix;
            const int afterOff = hasDivider ? 6 : 5;
            add(group,
                {
                    {type.constData(), "Type:", base, Style::Row, false},
                    {set.constData(), "Set:", base + Step, Style::Row, true},
                    {hysteresis.constData(), "Hysteresis:", base + 2 * Step, Style::Row, true},
                    {on.constData(), channel == 1 ? "ON Delay:" : "On Delay:", base + 3 * Step,
                     Style::Row, true},
                    {off.constData(), "OFF Delay:", base + 4 * Step, Style::Row, true},
                    {relay.constData(), "Relay:", base + afterOff * Step, Style::Row, false},
                    {burnout.constData(), "BurnOut Oper:", base + (afterOff + 1) * Step, Style::Row,
                     false},
                });
            if (hasDivider) {
                add(group, {{divider.constData(), "Divider:", base + 5 * Step, Style::Row, false}});
            }
        }
    }

    add("GBCalibration", {
                             {"CalReference", "Reference:", 20, Style::Row, false},
                             {"CalRange", "Range:", 43, Style::Row, false},
                         });
    add("GBModbus", {
                        {"ModbusAddress", "Address:", 20, Style::Row, false},
                        {"ModbusBaudrate", "Baudrate:", 43, Style::Row, false},
                        {"ModbusFormat", "Format:", 66, Style::Row, false},
                    });
    return places;
}

}  // namespace

std::optional<ParameterPlace> PlaceOf(const QString& key) {
    static const QHash<QString, ParameterPlace> places = buildPlaces();
    const auto it = places.constFind(key);
    if (it == places.constEnd()) {
        return std::nullopt;
    }
    return *it;
}
