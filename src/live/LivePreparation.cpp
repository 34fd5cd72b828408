// Preparing the Values page for the connected module: which inputs it has, which sensor each
// one uses, and the decimals, units and chart ranges that follow from them.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/SensorLimits.h"
#include "form/TForm1.h"
#include "link/RegisterProtocol.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

#include <QTimer>

#include <algorithm>

namespace {

const QString LoadCellModel = QStringLiteral("Q7356S");
// The sensor's range is widened by this much on both sides of the chart.
constexpr int RangeMargin = 20;
// A module without a readable sensor still gets a chart; this is its range then.
constexpr int FallbackMinimum = 0;
constexpr int FallbackMaximum = 100;

bool hasTwoInputs(const QString& code) {
    return code.size() >= 6 && (code[5] == QLatin1Char('D') || code[5] == QLatin1Char('Y'));
}

// The widest span any sensor of the model offers for `key`: the chart's range when the sensor
// register names no sensor of the list.
std::pair<int, int> widestSpan(const ProgramState& state, const QString& code, const QString& key) {
    std::optional<std::pair<int, int>> widest;
    for (int index = 0; index < TTableEntry::ItemCount; ++index) {
        const QString sensor = GetSensorNameFromIndex(state.ParameterTable, code, index);
        const auto limits =
            sensor.isEmpty() ? std::nullopt : GetSensorConsts(state.SensorTable, key, sensor);
        if (limits) {
            widest = widest ? std::pair{std::min(widest->first, limits->Min),
                                        std::max(widest->second, limits->Max)}
                            : std::pair{limits->Min, limits->Max};
        }
    }
    return widest.value_or(std::pair{FallbackMinimum, FallbackMaximum});
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
    const bool two = hasTwoInputs(code);
    live_.InputChannelCount = two ? 2 : 1;
    live_.Chart1.setEnabled(true);
    live_.Chart2.setEnabled(two);
    Control(QStringLiteral("BReadValue2")).setEnabled(two);
    Control(QStringLiteral("TabSheet6")).setVisible(two);
    FindMyDecs();
    return true;
}

void TForm1::FindMyDecs() {
    SessionOpening opening = state_.link.open(state_.link.ComPortName);
    const QString& code = state_.ModelCode;
    for (int channel = 1; channel <= live_.InputChannelCount; ++channel) {
        const QString command =
            channel == 1 ? QStringLiteral("00000000") : QStringLiteral("00100000");
        const QString reply =
            opening ? opening.session->exchange(command).text : MakeReply({}, true).text;
        const auto index = ParseHexWord(ReplyData(reply));
        const QString sensor =
            index ? GetSensorNameFromIndex(state_.ParameterTable, code, *index) : QString();
        const QString key = QStringLiteral("Upscale%1").arg(channel);
        const auto limits =
            sensor.isEmpty() ? std::nullopt : GetSensorConsts(state_.SensorTable, key, sensor);

        int decimals = 0;
        std::pair<int, int> range;
        QString shownSensor;
        QString unit;
        if (channel == 1 && code == LoadCellModel) {
            range = {-50, 30000};
            shownSensor = QStringLiteral("Load Cell");
        } else if (limits) {
            decimals = limits->Dec;
            range = {limits->Min - RangeMargin, limits->Max + RangeMargin};
            shownSensor = sensor;
            unit = QStringLiteral("[") + limits->Dim + QStringLiteral("]");
        } else {
            // A reply that names no sensor of the list: the chart still covers any input.
            const auto [lowest, highest] = widestSpan(state_, code, key);
            range = {lowest - RangeMargin, highest + RangeMargin};
            shownSensor = QStringLiteral("?");
        }
        (channel == 1 ? live_.LiveDecimals1 : live_.LiveDecimals2) = decimals;
        live_.chart(channel).setRange(range.first, range.second);
        Control(QStringLiteral("LSensor%1OnScreen_dx").arg(channel)).setText(shownSensor);
        Control(QStringLiteral("LModelRV%1_dx").arg(channel)).setText(code);
        Control(QStringLiteral("LInput%1CurrentValue_DIM").arg(channel)).setText(unit);
    }
    live_.LiveModelCode = code;
}

void TForm1::ResetValues() {
    live_.LiveModelCode.clear();
    for (int channel = 1; channel <= 2; ++channel) {
        ReadTimer(channel).stop();
        Control(QStringLiteral("BReadValue%1").arg(channel)).setText(QStringLiteral("START"));
        Control(LiveStatusLabel(channel)).setText(QStringLiteral("Idle"));
    }
    live_.session.reset();
    SetStatusPanel(0, QStringLiteral("Status : Ready"));
}
