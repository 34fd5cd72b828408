// The Values page's preparation for the connected module, its refresh lists, leaving it, and
// saving a channel's readings.

#include "form/LiveControls.h"
#include "form/TForm1.h"
#include "live/LiveCsv.h"
#include "live/LivePreparation.h"
#include "live/RefreshRates.h"
#include "records/Clock.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramFolder.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// The unit label beside a value: "[°C]", or nothing when the sensor gives no unit.
QString unitLabel(const QString& unit) {
    return unit.isEmpty() ? QString() : QStringLiteral("[") + unit + QStringLiteral("]");
}

}  // namespace

bool TForm1::ModelInfo() {
    QString code;
    DetectModel(state_, code);
    state_.ModelCode = code;
    if (code.isEmpty()) {
        return false;
    }
    AdjustFor(code);
    if (!live_.LiveModelCode.isEmpty() && live_.LiveModelCode != code) {
        // Another module is connected now: nothing of the old preparation may carry over.
        live_.session.reset();
        ResetValues();
        for (int channel = 1; channel <= 2; ++channel) {
            live_.chart(channel).clear();
            live_.reading(channel).start();
            clearStatistics(channel);
            Control(QStringLiteral("LInput%1CurrentValue").arg(channel))
                .setText(QStringLiteral("-"));
        }
        ModelInfo();
        return false;
    }
    const bool two = InputChannels(code) == 2;
    live_.InputChannelCount = two ? 2 : 1;
    live_.Chart1.setEnabled(true);
    live_.Chart2.setEnabled(two);
    Control(QStringLiteral("BReadValue2")).setEnabled(two);
    Control(QStringLiteral("TabSheet6")).setVisible(two);
    FindMyDecs();
    return true;
}

void TForm1::FindMyDecs() {
    const LivePreparation prepared =
        PrepareLiveView(state_.link, state_.link.ComPortName, state_.ParameterTable(),
                        state_.SensorTable(), state_.ModelCode);
    for (int channel = 1; channel <= prepared.channelCount; ++channel) {
        const ChannelPreparation& input = prepared.channel(channel);
        (channel == 1 ? live_.LiveDecimals1 : live_.LiveDecimals2) = input.decimals;
        live_.units[channel == 2 ? 1 : 0] = input.unit;
        live_.chart(channel).setValueFormat(input.decimals, input.unit);
        live_.chart(channel).setRange(input.lowest, input.highest);
        Control(QStringLiteral("LSensor%1OnScreen_dx").arg(channel)).setText(input.sensorShown);
        Control(QStringLiteral("LModelRV%1_dx").arg(channel)).setText(prepared.model);
        Control(QStringLiteral("LInput%1CurrentValue_DIM").arg(channel))
            .setText(unitLabel(input.unit));
    }
    live_.LiveModelCode = prepared.model;
}

void TForm1::ResetValues() {
    live_.LiveModelCode.clear();
    endReading();
    SetStatusPanel(0, QStringLiteral("Status : Ready"));
}

void TForm1::BStartReadValues_Click() {
    if (!PortAvailable() || !ModelInfo()) {
        return;
    }
    const bool two = live_.InputChannelCount == 2;
    Control(QStringLiteral("BReadValue2")).setEnabled(two);
    Control(QStringLiteral("TabSheet6")).setVisible(two);
    DisplayReadValues();
}

void TForm1::DisplayReadValues() {
    FormControl& channels = Control(QStringLiteral("PageControl2"));
    channels.setCurrentIndex(0);
    Control(QStringLiteral("BStartReadValues")).setVisible(false);
    channels.setVisible(true);
    channels.raise();
    for (int channel = 1; channel <= 2; ++channel) {
        clearStatistics(channel);
    }
}

void TForm1::clearStatistics(int channel) {
    for (const char* label : {"LReadValueMax%1", "LReadValueMin%1", "LReadValueAvg%1"}) {
        Control(QString::fromLatin1(label).arg(channel)).setText(QString());
    }
}

void TForm1::CBRefresh1Change() {
    refreshChange(1);
}

void TForm1::CBRefresh2Change() {
    refreshChange(2);
}

void TForm1::refreshChange(int channel) {
    const auto interval =
        RefreshIntervalMs(Control(QStringLiteral("CBRefresh%1").arg(channel)).currentIndex());
    if (!interval) {
        return;
    }
    live_.reading(channel).intervalMs = *interval;
    ReadTimer(channel).setInterval(*interval);
}

void TForm1::AwayFromValues() {
    if (!LiveSessionRunning()) {
        return;
    }
    state_.message(BoxKind::Warning, QStringLiteral("Aquiring of Input Values Session Stopped."));
    ResetValues();
}

void TForm1::BSaveValues1Click() {
    saveLiveValues(1);
}

void TForm1::BSaveValues2Click() {
    saveLiveValues(2);
}

void TForm1::saveLiveValues(int channel) {
    const ChannelReading& reading = live_.reading(channel);
    if (reading.samples.isEmpty()) {
        state_.message(BoxKind::Information,
                       QStringLiteral("Channel %1 has no readings to save yet.").arg(channel));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Save Readings");
    request.folder = ProgramSubfolder(state_.ProgramFolder, QStringLiteral("archive"));
    request.proposedName = TimeStamp() + QStringLiteral("_ch%1").arg(channel);
    request.filter = QStringLiteral("CSV file (*.csv)");
    request.defaultSuffix = QStringLiteral("csv");
    request.confirmOverwrite = true;
    const QString path = state_.dialogs->chooseSaveFile(request);
    if (path.isEmpty()) {
        return;
    }
    const FileWriteResult written =
        SaveLiveValues(path, reading, live_.decimals(channel), live_.unit(channel), *state_.disk);
    if (!written.written) {
        state_.message(BoxKind::Error, QStringLiteral("The readings could not be saved.\r\r") +
                                           QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                           written.reason);
        return;
    }
    Memo(QStringLiteral("Saved channel %1 readings to file ").arg(channel) +
         QFileInfo(path).fileName());
}
