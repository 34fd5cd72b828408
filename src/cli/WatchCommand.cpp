// "kvc7345 watch": a channel's live input values on standard output as CSV, as the Values page
// reads them, each with the time since START at which it arrived, until a number of readings or
// Ctrl+C.

#include "catalogue/ValueFormat.h"
#include "cli/CommandSession.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "live/LiveCsv.h"

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
    TForm1& form = session.form();
    form.BStartReadValues_Click();
    if (form.Live().LiveModelCode.isEmpty()) {
        return 1;  // the identification has said why
    }
    if (*channel > form.Live().InputChannelCount) {
        PrintError(QStringLiteral("The %1 has one input only.").arg(form.Live().LiveModelCode));
        return 2;
    }
    const QString list = QStringLiteral("CBRefresh%1").arg(*channel);
    form.Choose(list, static_cast<int>(rate));
    const int decimals = form.Live().decimals(*channel);
    const QString unit = form.Live().unit(*channel);

    QEventLoop loop;
    int taken = 0;
    QObject::connect(&form, &TForm1::readingTaken, &loop, [&](int from, double seconds, int value) {
        if (from != *channel) {
            return;
        }
        PrintOut(LiveCsvLine(seconds, value, decimals, unit));
        if (*count > 0 && ++taken >= *count) {
            loop.quit();
        }
    });
    // Ctrl+C ends the session as STOP would; the flag is looked at between readings.
    interrupted = false;
    const auto previous = std::signal(SIGINT, noteInterrupt);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] {
        if (interrupted || !form.LiveSessionRunning()) {
            loop.quit();
        }
    });

    const QString button = QStringLiteral("BReadValue%1").arg(*channel);
    form.Click(button);
    if (!form.LiveSessionRunning()) {
        std::signal(SIGINT, previous);
        return 1;  // no module answered; the probe has said so
    }
    PrintOut(LiveCsvHeader());
    watchdog.start(50);
    loop.exec();
    watchdog.stop();
    std::signal(SIGINT, previous);

    // A reading that did not come ended the session: the module fell silent or the line went.
    const bool stoppedByUs = !form.Live().failure;
    if (form.LiveSessionRunning()) {
        form.Click(button);
    }
    const ChannelReading& reading = form.Live().reading(*channel);
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
    return stoppedByUs ? 0 : 1;
}
