// kvc7345-modsim: a simulated module on a pseudo-terminal, for trying the program without
// hardware. Runs until interrupted.

#include "link/ModelTable.h"
#include "modsim/PtyModule.h"

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
    parser.setApplicationDescription(
        QStringLiteral("Simulated Q7300/V7300 module on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption modelOption(QStringLiteral("model"),
                                         QStringLiteral("Model code, e.g. Q7383D."),
                                         QStringLiteral("MODEL"), QStringLiteral("Q7383D"));
    const QCommandLineOption firmwareOption(
        QStringLiteral("firmware"),
        QStringLiteral("Firmware version (decimal); default per model."), QStringLiteral("N"),
        QStringLiteral("0"));
    const QCommandLineOption linkOption(
        QStringLiteral("link"),
        QStringLiteral("Also reach the port under this path (a symbolic link)."),
        QStringLiteral("PATH"));
    const QCommandLineOption replyOption(
        QStringLiteral("reply"), QStringLiteral("Answer the model query with this reply instead."),
        QStringLiteral("REPLY"));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("silent, alternate, garbage, nonhex, short, long, slow, stop-after:N or "
                       "disconnect-after:N."),
        QStringLiteral("FAULT"));
    const QCommandLineOption noPacingOption(
        QStringLiteral("no-pacing"), QStringLiteral("Answer at once instead of at 9600 baud."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Print every command received."));
    const QCommandLineOption inputOption(
        QStringLiteral("input-value"),
        QStringLiteral("Pins the input register of channel CH (1 or 2) to WORD (0..65535, or "
                       "0x0000..0xFFFF) instead of a moving input; may be given for each channel."),
        QStringLiteral("CH=WORD"));
    const QCommandLineOption acquireOption(
        QStringLiteral("acquire"),
        QStringLiteral("ok (default) or fail: how the zero and reference acquisitions answer."),
        QStringLiteral("RESULT"));
    const QCommandLineOption ignoreWriteOption(
        QStringLiteral("ignore-write"),
        QStringLiteral("Answers writes to the register REG (two hex digits, as it is read) but "
                       "keeps its old value."),
        QStringLiteral("REG"));
    parser.addOptions({modelOption, firmwareOption, linkOption, replyOption, faultOption,
                       noPacingOption, verboseOption, inputOption, acquireOption,
                       ignoreWriteOption});
    parser.process(app);

    const QString model = parser.value(modelOption);
    if (!ConfigurableModels().contains(model) && !parser.isSet(replyOption)) {
        fail(QStringLiteral("Unknown model %1; known: %2")
                 .arg(model, ConfigurableModels().join(QLatin1Char(' '))));
        return 2;
    }
    bool numeric = false;
    const int firmware = parser.value(firmwareOption).toInt(&numeric);
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

    modsim::PtyModule module(model, firmware, !parser.isSet(noPacingOption));
    if (parser.isSet(replyOption)) {
        module.engine().setModelReply(parser.value(replyOption));
    }
    if (parser.isSet(faultOption)) {
        modsim::Fault fault = modsim::Fault::None;
        int count = 0;
        if (!modsim::ParseFault(parser.value(faultOption), fault, count)) {
            fail(QStringLiteral("Unknown fault: ") + parser.value(faultOption));
            return 2;
        }
        module.engine().setFault(fault, count);
    }
    if (parser.isSet(acquireOption)) {
        const QString result = parser.value(acquireOption);
        if (result != QLatin1String("ok") && result != QLatin1String("fail")) {
            fail(QStringLiteral("--acquire takes ok or fail: ") + result);
            return 2;
        }
        module.engine().setAcquireSucceeds(result == QLatin1String("ok"));
    }
    if (parser.isSet(ignoreWriteOption)) {
        bool hex = false;
        const QString text = parser.value(ignoreWriteOption);
        const int address = text.toInt(&hex, 16);
        if (!hex || text.size() != 2) {
            fail(QStringLiteral("--ignore-write takes a register as two hex digits: ") + text);
            return 2;
        }
        module.engine().setIgnoredWrite(address);
    }
    for (const QString& pin : parser.values(inputOption)) {
        const auto input = modsim::ParseInputValue(pin);
        if (!input) {
            fail(QStringLiteral("--input-value needs CH=WORD with CH 1 or 2 and WORD 0..65535: ") +
                 pin);
            return 2;
        }
        module.engine().setInputValue(input->first, input->second);
    }
    if (parser.isSet(verboseOption)) {
        module.engine().setCommandObserver(
            [](const QString& command) { print(QStringLiteral("< ") + command); });
    }
    QString error;
    if (!module.start(&error)) {
        fail(error);
        return 1;
    }
    if (parser.isSet(linkOption) && !module.linkAs(parser.value(linkOption), &error)) {
        fail(error);
        return 1;
    }
    print(QStringLiteral("%1 firmware %2 on %3%4")
              .arg(model)
              .arg(module.engine().firmware())
              .arg(module.portName(),
                   parser.isSet(linkOption)
                       ? QStringLiteral(" (linked as %1)").arg(parser.value(linkOption))
                       : QString()));
    int received = 0;
    sigwait(&stopSignals, &received);
    return 0;
}
