// "kvc7345 watch": a channel's live input values on standard output as CSV, as the Values page
// reads them, each with the time since START at which it arrived, until a number of readings or
// Ctrl+C.

#include "catalogue/ValueFormat.h"
#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "link/Identification.h"
#include "live/ChannelReading.h"
#include "live/LiveCsv.h"
#include "live/LivePreparation.h"
#include "live/LiveTick.h"
#include "live/RefreshRates.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void noteInterrupt(int /*signal*/) {
    interrupted = true;
}

// The whole-number value of `option`, or `fallback` when it is not given; nothing when it is
// given but is no whole number.
std::optional<int> wholeOption(const ParsedArguments& arguments, const QString& option,
                               int fallback) {
    if (!arguments.has(option)) {
        return fallback;
    }
    bool number = false;
    const int value = arguments.text(option).toInt(&number);
    return number ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

int RunWatch(const ParsedArguments& arguments) {
    const auto channel = wholeOption(arguments, QStringLiteral("--channel"), 1);
    const auto interval = wholeOption(arguments, QStringLiteral("--interval"), 200);
    const auto count = wholeOption(arguments, QStringLiteral("--count"), 0);
    const qsizetype rate = interval ? RefreshRateChoices().indexOf(QString::number(*interval)) : -1;
    if (!channel || (*channel != 1 && *channel != 2) || rate < 0 || !count || *count < 0) {
        PrintError(QStringLiteral("watch takes --channel 1 or 2, --interval one of %1 (ms) and "
                                  "--count N (0: until Ctrl+C)")
                       .arg(RefreshRateChoices().join(QLatin1Char(' '))));
        return 2;
    }
    CommandSession session;
    if (!session.start(arguments)) {
        return 2;
    }
    ProgramState& state = session.state();
    SerialLink& link = state.link;
    // The Values page's START identifies the module and fits the channels to its sensors; the
    // channel's START does both once more before it holds the line.
    LivePreparation prepared;
    const auto identify = [&state, &link, &prepared] {
        QString code;
        DetectModel(state, code);
        state.ModelCode = code;
        if (!code.isEmpty()) {
            prepared = PrepareLiveView(link, link.ComPortName, state.ParameterTable(),
                                       state.SensorTable(), code);
        }
        return code;
    };
    const QString model = identify();
    if (model.isEmpty()) {
        return 1;  // the identification has said why
    }
    if (*channel > InputChannels(model)) {
        PrintError(QStringLiteral("The %1 has one input only.").arg(model));
        return 2;
    }
    const int decimals = prepared.channel(*channel).decimals;
    const QString unit = prepared.channel(*channel).unit;
    ChannelReading reading;
    reading.intervalMs = *RefreshIntervalMs(static_cast<int>(rate));

    reading.start();
    identify();
    if (!TryPort(state)) {
        return 1;  // no module answered; the probe has said so
    }
    SessionOpening opening = link.hold(link.ComPortName);
    if (!opening) {
        state.message(BoxKind::Warning,
                      PortProblemText(state.PortShownAs(link.ComPortName), opening.failure));
        return 1;
    }
    std::optional<ModuleSession> line = std::move(opening.session);
    PrintOut(LiveCsvHeader());
    reading.startClock();

    QEventLoop loop;
    int taken = 0;
    bool failed = false;
    QTimer ticks;
    ticks.setInterval(static_cast<int>(reading.intervalMs));
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        // A tick that comes while the previous one waits on the line is left out.
        if (!line || link.lineUse().exchange) {
            return;
        }
        const LiveTick tick = ReadLiveValue(*line, *channel, model);
        if (!line) {
            return;
        }
        if (!tick.read()) {
            // A reply of the wrong shape is no reading; a module that keeps sending them, or
            // one that falls silent or goes away, ends the session.
            if (tick.kind == ReplyKind::Garbled && reading.skip()) {
                return;
            }
            failed = true;
            ticks.stop();
            line.reset();
            state.message(BoxKind::Warning,
                          LiveUnavailableText(state.PortShownAs(
                              state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")))));
            loop.quit();
            return;
        }
        reading.add(tick.value);
        PrintOut(LiveCsvLine(reading.sessionSeconds, tick.value, decimals, unit));
        if (*count > 0 && ++taken >= *count) {
            loop.quit();
        }
    });
    // Ctrl+C ends the session as STOP would; the flag is looked at between readings.
    interrupted = false;
    const auto previous = std::signal(SIGINT, noteInterrupt);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        if (interrupted) {
            loop.quit();
        }
    });
    ticks.start();
    watchdog.start(50);
    loop.exec();
    watchdog.stop();
    ticks.stop();
    line.reset();
    std::signal(SIGINT, previous);

    if (!reading.empty()) {
        PrintError(QStringLiteral("Max: ") + FormatMyInt(reading.maximum, decimals));
        PrintError(QStringLiteral("Min: ") + FormatMyInt(reading.minimum, decimals));
        PrintError(QStringLiteral("Avg: ") + FormatMyInt(reading.average, decimals));
    }
    if (reading.skipped == 1) {
        PrintError(
            QStringLiteral("1 reading skipped: the module's reply was not a well-formed "
                           "reading."));
    } else if (reading.skipped > 1) {
        PrintError(QStringLiteral("%1 readings skipped: the module's replies were not "
                                  "well-formed readings.")
                       .arg(reading.skipped));
    }
    // A reading that did not come ended the session: the module fell silent or the line went.
    return failed ? 1 : 0;
}
