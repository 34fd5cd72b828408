#include "support/SimulatedPort.h"

SimulatedPort::SimulatedPort(const QString& model, int firmware, bool paced)
    : module(model, firmware, paced) {
    started = module.start();
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    state.link.ComPortName = module.portName();
}
