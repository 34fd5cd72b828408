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
    if (isTemperatureModel(model)) {
        registers[0x00] = 3;  // TC K
        registers[0x10] = 3;
        registers[0x04] = 1000;  // 0..1000 °C
        registers[0x14] = 1000;
    } else if (model == QLatin1String("Q7351S")) {
        registers[0x04] = 1000;  // 0..1000 Hz
    } else if (model == QLatin1String("Q7356S")) {
        registers[0x14] = 10000;  // calibration range
        registers[0xF0] = 1;      // Modbus address
    } else {
        registers[0x04] = 2000;  // 0..20.00 mA
        registers[0x14] = 2000;
    }
    // Output limits in thousandths: working 3.8..20.5 mA inside burnout 3.6..21 mA, and
    // working 0.1..10.2 V inside burnout 0..10.5 V.
    const std::pair<int, quint16> limits[] = {{0xC4, 3800},  {0xC0, 20500}, {0xC6, 3600},
                                              {0xC2, 21000}, {0xCC, 100},   {0xC8, 10200},
                                              {0xCE, 0},     {0xCA, 10500}};
    for (const auto& [address, value] : limits) {
        registers[address] = value;
    }
    registers[0x36] = 10;  // alarm delays 1.0 s
    registers[0x46] = 10;
    for (int address = FirstTagRegister; address <= LastTagRegister; address += 2) {
        registers[address] = TwoBlanks;
    }
    return registers;
}

}  // namespace modsim
