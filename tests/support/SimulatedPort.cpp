#include "support/SimulatedPort.h"

#include "link/LinkTiming.h"

#include <QTest>

SimulatedPort::SimulatedPort(const QString& model, int firmware, bool paced, ReplyTiming timing)
    : module(model, firmware, paced) {
    started = module.start();
    if (timing == ReplyTiming::Simulated) {
        // Told how far the module has got, the link takes the room only while it is behind.
        state.link.AllowForSimulatedModule(
            module.portName(), [this](qint64 sent) { return module.caughtUpWith(sent); });
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
    const qint64 sent = state.link.bytesSentTo(port());
    // A module that hung up has all it will ever get; one still on the line that has not read
    // everything would be looked at half-way, so the test fails here, not somewhere later.
    if (!module.awaitHandled(sent, std::chrono::seconds(10)) && module.lineOpen()) {
        QTest::qFail(qPrintable(QStringLiteral("the simulated module on %1 handled only %2 of the "
                                               "%3 bytes sent to it within 10 s")
                                    .arg(port())
                                    .arg(module.bytesHandled())
                                    .arg(sent)),
                     __FILE__, __LINE__);
    }
    return module.engine();
}
