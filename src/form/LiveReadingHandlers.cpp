// The Values page's reading sessions: one channel at a time, read at the chosen interval, shown
// as a number with its maximum, minimum and average and drawn against time.

#include "catalogue/ValueFormat.h"
#include "form/LiveControls.h"
#include "form/TForm1.h"
#include "link/RegisterProtocol.h"
#include "live/LiveTick.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

#include <QTimer>

namespace {

const QString Start = QStringLiteral("START");
const QString Stop = QStringLiteral("STOP");
const QString Aquiring = QStringLiteral("Aquiring");
constexpr int MostDots = 4;

}  // namespace

void TForm1::BReadValue1Click() {
    readValueClick(1);
}

void TForm1::BReadValue2Click() {
    readValueClick(2);
}

void TForm1::readValueClick(int channel) {
    const int other = 3 - channel;
    if (live_.running(channel)) {
        endReading();
        SetStatusPanel(0, QStringLiteral("Status: Ready"));
        return;
    }
    if (live_.running(other)) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("Only one channel at a time can be read. Please stop "
                                      "Channel %1 before continuing.")
                           .arg(other));
        Control(QStringLiteral("PageControl2")).setCurrentIndex(other - 1);
        return;
    }
    // Every session starts afresh: its chart, its time and its statistics.
    live_.chart(channel).clear();
    live_.reading(channel).start();
    clearStatistics(channel);
    ModelInfo();
    live_.session.reset();
    if (!TryPort(state_)) {
        return;
    }
    // Held, not merely opened: the line stays this session's between its ticks.
    SessionOpening opening = state_.link.hold(state_.link.ComPortName);
    if (!opening) {
        state_.message(
            BoxKind::Warning,
            PortProblemText(state_.PortShownAs(state_.link.ComPortName), opening.failure));
        return;
    }
    live_.session = std::move(opening.session);
    live_.runningChannel = channel;
    live_.failure.reset();
    live_.aquiringDots = 0;
    ReadTimer(channel).setInterval(static_cast<int>(live_.reading(channel).intervalMs));
    // Readings are timed from here: identifying the module and opening the port took no reading.
    live_.reading(channel).startClock();
    ReadTimer(channel).start();
    live_.chart(channel).setEnabled(true);
    Control(QStringLiteral("BReadValue%1").arg(channel)).setText(Stop);
    SetStatusPanel(0, QStringLiteral("Status: Reading Input values .."));
    Control(LiveStatusLabel(channel)).setText(Aquiring);
}

void TForm1::endReading() {
    for (int channel = 1; channel <= 2; ++channel) {
        ReadTimer(channel).stop();
        Control(QStringLiteral("BReadValue%1").arg(channel)).setText(Start);
        Control(LiveStatusLabel(channel)).setText(QStringLiteral("Idle"));
    }
    live_.runningChannel = 0;
    live_.session.reset();
}

void TForm1::Timer_ReadValue1Timer() {
    readValueTick(1);
}

void TForm1::Timer_ReadValue2Timer() {
    readValueTick(2);
}

void TForm1::readValueTick(int channel) {
    // The exchange keeps the window's events running, timer ticks included: a tick that comes
    // while the previous one waits on the line is left out rather than sent over it. The link
    // knows what waits on it.
    if (!live_.running(channel) || state_.link.lineUse().exchange) {
        return;
    }
    const std::optional<int> value = ReadCh(channel);
    if (!value) {
        return;  // nothing is shown, counted or drawn for a reading that did not come
    }
    // The kept readings (saved as CSV) take the time they arrived; the chart moves one interval.
    const int decimals = live_.decimals(channel);
    ChannelReading& reading = live_.reading(channel);
    reading.add(*value);
    emit readingTaken(channel, reading.sessionSeconds, *value);
    Control(QStringLiteral("LInput%1CurrentValue").arg(channel))
        .setText(FormatMyInt(*value, decimals));
    Control(QStringLiteral("LReadValueMax%1").arg(channel))
        .setText(FormatMyInt(reading.maximum, decimals));
    Control(QStringLiteral("LReadValueMin%1").arg(channel))
        .setText(FormatMyInt(reading.minimum, decimals));
    Control(QStringLiteral("LReadValueAvg%1").arg(channel))
        .setText(FormatMyInt(reading.average, decimals));
    LiveChart& chart = live_.chart(channel);
    chart.addPoint({reading.elapsedSeconds, FormatMyIntIntoExtended(*value, decimals)});
    if (reading.wrapChart()) {
        chart.clear();
    }
}

std::optional<int> TForm1::ReadCh(int channel) {
    if (!live_.session) {
        return std::nullopt;
    }
    const LiveTick tick = ReadLiveValue(*live_.session, channel, state_.ModelCode);
    // STOP, leaving the page or closing may have ended the session while the line was waited on.
    if (!live_.running(channel)) {
        return std::nullopt;
    }
    if (tick.read()) {
        return tick.value;
    }
    // A reply of the wrong shape is no reading and the line has been drained since; a module
    // that keeps sending them, or one that falls silent or goes away, ends the session.
    if (tick.kind == ReplyKind::Garbled && live_.reading(channel).skip()) {
        return std::nullopt;
    }
    live_.failure = tick.kind;
    endSessionAfterFailure();
    return std::nullopt;
}

void TForm1::endSessionAfterFailure() {
    endReading();
    SetStatusPanel(0, QStringLiteral("Status: Ready"));
    state_.message(BoxKind::Warning,
                   LiveUnavailableText(state_.PortShownAs(
                       state_.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")))));
}

bool TForm1::LiveSessionRunning() const {
    return live_.runningChannel != 0;
}

PortHolder TForm1::HolderOfPort() const {
    const LineUse line = state_.link.lineUse();
    if (line.operationSession) {
        return PortHolder::Operation;
    }
    if (line.heldSession) {
        return PortHolder::LiveReading;
    }
    return calibrationPending_ ? PortHolder::Calibration : PortHolder::Nobody;
}

bool TForm1::PortAvailable() {
    switch (HolderOfPort()) {
        case PortHolder::Nobody:
            return true;
        case PortHolder::Operation:
            // Another operation is under way; it tells the user its own outcome.
            return false;
        case PortHolder::LiveReading:
            state_.message(BoxKind::Warning,
                           QStringLiteral("Input values are being read on the Values page.\rPress "
                                          "STOP there before using the port for anything else."));
            return false;
        case PortHolder::Calibration:
            state_.message(BoxKind::Warning,
                           QStringLiteral("A load-cell calibration is waiting in the status "
                                          "panel.\rFinish or cancel it before using the port for "
                                          "anything else."));
            return false;
    }
    return false;
}

void TForm1::turnAquiringDots() {
    if (!LiveSessionRunning()) {
        return;
    }
    live_.aquiringDots = live_.aquiringDots >= MostDots ? 0 : live_.aquiringDots + 1;
    Control(LiveStatusLabel(live_.runningChannel))
        .setText(live_.aquiringDots == 0
                     ? Aquiring
                     : Aquiring + QLatin1Char(' ') + QString(live_.aquiringDots, QLatin1Char('.')));
}
