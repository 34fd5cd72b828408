// kvc7345-modsim: a simulated module on a pseudo-terminal, for trying the program without
// hardware. Runs until interrupted.

#include "link/ModelTable.h"
#include "modsim/PtyModule.h"
#include "modsim/SimulatorOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {

void print(const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void fail(const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvc7345-modsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(modsim::SimulatorSummary());
    parser.addHelpOption();
    parser.addOptions(modsim::SimulatorOptions());
    parser.process(app);

    const QString model = parser.value(QStringLiteral("model"));
    if (!ConfigurableModels().contains(model) && !parser.isSet(QStringLiteral("reply"))) {
        fail(QStringLiteral("Unknown model %1; known: %2")
                 .arg(model, ConfigurableModels().join(QLatin1Char(' '))));
        return 2;
    }
    bool numeric = false;
    const int firmware = parser.value(QStringLiteral("firmware")).toInt(&numeric);
    if (!numeric || firmware < 0 || firmware > 0xFFFF) {
        fail(QStringLiteral("The firmware must be a number from 0 to 65535."));
        return 2;
    }

    // Block the stop signals before the line thread starts, so only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    modsim::PtyModule module(model, firmware, !parser.isSet(QStringLiteral("no-pacing")));
    if (parser.isSet(QStringLiteral("reply"))) {
        module.engine().setModelReply(parser.value(QStringLiteral("reply")));
    }
    if (parser.isSet(QStringLiteral("fault"))) {
        modsim::Fault fault = modsim::Fault::None;
        int count = 0;
        if (!modsim::ParseFault(parser.value(QStringLiteral("fault")), fault, count)) {
            fail(QStringLiteral("Unknown fault: ") + parser.value(QStringLiteral("fault")));
            return 2;
        }
        module.engine().setFault(fault, count);
    }
    if (parser.isSet(QStringLiteral("acquire"))) {
        const QString result = parser.value(QStringLiteral("acquire"));
        if (result != QLatin1String("ok") && result != QLatin1String("fail")) {
            fail(QStringLiteral("--acquire takes ok or fail: ") + result);
            return 2;
        }
        module.engine().setAcquireSucceeds(result == QLatin1String("ok"));
    }
    if (parser.isSet(QStringLiteral("ignore-write"))) {
        bool hex = false;
        const QString text = parser.value(QStringLiteral("ignore-write"));
        const int address = text.toInt(&hex, 16);
        if (!hex || text.size() != 2) {
            fail(QStringLiteral("--ignore-write takes a register as two hex digits: ") + text);
            return 2;
        }
        module.engine().setIgnoredWrite(address);
    }
    for (const QString& pin : parser.values(QStringLiteral("input-value"))) {
        const auto input = modsim::ParseInputValue(pin);
        if (!input) {
            fail(QStringLiteral("--input-value needs CH=WORD with CH 1 or 2 and WORD 0..65535: ") +
                 pin);
            return 2;
        }
        module.engine().setInputValue(input->first, input->second);
    }
    if (parser.isSet(QStringLiteral("verbose"))) {
        module.engine().setCommandObserver(
            [](const QString& command) { print(QStringLiteral("< ") + command); });
    }
    QString error;
    if (!module.start(&error)) {
        fail(error);
        return 1;
    }
    if (parser.isSet(QStringLiteral("link")) &&
        !module.linkAs(parser.value(QStringLiteral("link")), &error)) {
        fail(error);
        return 1;
    }
    print(QStringLiteral("%1 firmware %2 on %3%4")
              .arg(model)
              .arg(module.engine().firmware())
              .arg(module.portName(),
                   parser.isSet(QStringLiteral("link"))
                       ? QStringLiteral(" (linked as %1)").arg(parser.value(QStringLiteral("link")))
                       : QString()));
    int received = 0;
    sigwait(&stopSignals, &received);
    return 0;
}
