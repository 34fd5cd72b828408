#include "modsim/PowerOnRegisters.h"

namespace modsim {

namespace {

constexpr int FirstTagRegister = 0x100;
constexpr int LastTagRegister = 0x11E;
constexpr quint16 TwoBlanks = 0x2020;

bool isTemperatureModel(const QString& model) {
    return model.startsWith(QLatin1String("Q738")) || model.startsWith(QLatin1String("V738"));
}

}  // namespace

std::map<int, quint16> PowerOnRegisters(const QString& model) {
    std::map<int, quint16> registers;
    // Every parameter register reads 0 (the first choice, or zero) unless set below.
    for (int address = 0x00; address <= 0xFE; address += 2) {
        registers[address] = 0;
    }
    // Spans in the sensor's decimals: TC K in tenths of a degree, mA in thousandths, Hz on the
    // 5 KHz range in tenths.
    if (isTemperatureModel(model)) {
        registers[0x00] = 3;  // TC K
        registers[0x10] = 3;
        registers[0x04] = 10000;  // 0.0..1000.0 °C
        registers[0x14] = 10000;
    } else if (model == QLatin1String("Q7351S")) {
        registers[0x00] = 2;      // the 5 KHz range
        registers[0x04] = 10000;  // 0.0..1000.0 Hz
    } else if (model == QLatin1String("Q7356S")) {
        registers[0x14] = 10000;  // calibration range
        registers[0xF0] = 1;      // Modbus address
    } else {
        registers[0x04] = 20000;  // 4.000..20.000 mA
        registers[0x02] = 4000;
        registers[0x14] = 20000;
        registers[0x12] = 4000;
        // Burnout thresholds 3.600 and 21.000 mA on both channels.
        for (const auto& [address, value] :
             {std::pair{0x0A, 3600}, {0x0C, 21000}, {0x1A, 3600}, {0x1C, 21000}}) {
            registers[address] = static_cast<quint16>(value);
        }
    }
    // Output limits in thousandths: working 3.8..20.5 mA inside burnout 3.6..21 mA, and
    // working 0.1..10.2 V inside burnout 0..10.5 V.
    const std::pair<int, quint16> limits[] = {{0xC4, 3800},  {0xC0, 20500}, {0xC6, 3600},
                                              {0xC2, 21000}, {0xCC, 100},   {0xC8, 10200},
                                              {0xCE, 0},     {0xCA, 10500}};
    for (const auto& [address, value] : limits) {
        registers[address] = value;
    }
    // Alarm on-delays 1.0 s on every alarm.
    for (const int address : {0x36, 0x46, 0x56, 0x66}) {
        registers[address] = 10;
    }
    for (int address = FirstTagRegister; address <= LastTagRegister; address += 2) {
        registers[address] = TwoBlanks;
    }
    return registers;
}

}  // namespace modsim
