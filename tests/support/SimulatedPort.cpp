#include "support/SimulatedPort.h"

#include "link/LinkTiming.h"

SimulatedPort::SimulatedPort(const QString& model, int firmware, bool paced, ReplyTiming timing)
    : module(model, firmware, paced) {
    started = module.start();
    if (timing == ReplyTiming::Simulated) {
        state.link.AllowForSimulatedModule(module.portName());
    }
    state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), module.portName());
    state.link.ComPortName = module.portName();
    // An unpaced module answers at once: the logic tests need not wait for turnarounds. A paced
    // one keeps the real line timing.
    if (!paced) {
        state.link.timing = LinkTiming::Unpaced();
    }
}

modsim::ModuleEngine& SimulatedPort::engine() {
    module.awaitHandled(state.link.bytesSent(), std::chrono::seconds(10));
    return module.engine();
}
