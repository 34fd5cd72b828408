#pragma once

#include <QString>

#include <map>

namespace modsim {

// The register contents a module of that model has when it leaves the factory, by register
// address (parameter registers, the 4A probe register and the tag registers 100..11F).
std::map<int, quint16> PowerOnRegisters(const QString& model);

}  // namespace modsim
