// Keeping the shown configuration consistent while the user edits it: sensor limits, the
// modification mark, typed numbers and the fields that depend on a choice.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/FirmwareVersions.h"
#include "catalogue/SensorLimits.h"
#include "catalogue/ValueFormat.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"

namespace {

const QStringList RtdSensors{
    QStringLiteral("Pt 100"), QStringLiteral("Pt 200"), QStringLiteral("Pt 300"),
    QStringLiteral("Pt 500"), QStringLiteral("Pp 100"), QStringLiteral("Pi 100"),
    QStringLiteral("Pi 50"),  QStringLiteral("Ni 100"), QStringLiteral("Cu 100"),
    QStringLiteral("Cu 53"),  QStringLiteral("Cu 50"),  QStringLiteral("Cu 46")};

// The models whose one sensor list also sets the ranges of the second output.
const QStringList TwoOutputModels{QStringLiteral("Q7323X"), QStringLiteral("Q7323Y"),
                                  QStringLiteral("Q7383X"), QStringLiteral("Q7383Y")};

const QStringList DelayEdits{QStringLiteral("TOnDelay1A"),  QStringLiteral("TOnDelay2A"),
                             QStringLiteral("TOnDelay1B"),  QStringLiteral("TOnDelay2B"),
                             QStringLiteral("TOffDelay1A"), QStringLiteral("TOffDelay2A"),
                             QStringLiteral("TOffDelay1B"), QStringLiteral("TOffDelay2B")};

// The channel-2 off-delays have edits but no catalogue entry; they take the limits of their
// channel-1 counterparts.
struct ExtraDelay {
    QString name;
    int minimum;
    int maximum;
    int decimals;
    QString unit;
};

std::optional<ExtraDelay> extraDelay(const QString& editName) {
    if (editName == QLatin1String("TOffDelay2A")) {
        return ExtraDelay{QStringLiteral("Alarm A Ch 2 Off Delay"), 0, 1000, 1,
                          QStringLiteral("sec")};
    }
    if (editName == QLatin1String("TOffDelay2B")) {
        return ExtraDelay{QStringLiteral("Alarm B Ch 2 Off Delay"), 0, 1000, 1,
                          QStringLiteral("sec")};
    }
    return std::nullopt;
}

QString limitWarning(const QString& name, const char* which, int limit, const QString& unit) {
    return name + QStringLiteral(" for specified sensor has a ") + QLatin1String(which) +
           QStringLiteral(" allowed value of ") + QString::number(limit) + QLatin1Char(' ') + unit;
}

}  // namespace

void TForm1::UpdateLimits(FormControl& sender) {
    Modified(sender);
    for (const QString& name : DelayEdits) {
        if (FindControl(name)->isEnabled()) {
            if (auto* unit =
                    FindControl(QStringLiteral("L") + name.mid(1) + QStringLiteral("DIM"))) {
                unit->setText(QStringLiteral("sec"));
            }
        }
    }

    const QString& model = state_.ModelCode;
    QString sensor = sender.currentText();
    if (model == QLatin1String("Q7326S") || model == QLatin1String("Q7356S")) {
        sensor = QStringLiteral("mA dC (I)");
        FindControl(QStringLiteral("CInput1"))->setEnabled(false);
    }
    const int tag = sender.tag();
    const FunctionTexts functions{FindControl(QStringLiteral("CFunction1"))->currentText(),
                                  FindControl(QStringLiteral("CFunction2"))->currentText()};

    const TParameterTable& catalogue = Catalogue();
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = catalogue[i];
        const bool secondOutput =
            TwoOutputModels.contains(model) && (entry.Field == QLatin1String("Upscale2") ||
                                                entry.Field == QLatin1String("Downscale2"));
        const int channel = secondOutput ? 2 : tag;
        if (!AppliesToModel(entry, model) || entry.FieldType != FieldKind::Number ||
            !entry.Changes || !entry.Field.contains(QString::number(channel))) {
            continue;
        }
        const auto limits = GetSensorVars(state_.SensorTable(), state_.ModelVersion, entry.Field,
                                          sensor, functions);
        if (!limits) {
            continue;  // a sensor the table does not know keeps the limits it had
        }
        document_.setLimits(i, ParameterLimits{limits->Min, limits->Max, limits->Dec, limits->Dim});
        if (const std::optional<int> held = document_.held(i)) {
            qint64 value = *held;
            value = std::min(value, ScaledLimit(limits->Max, limits->Dec));
            value = std::max(value, ScaledLimit(limits->Min, limits->Dec));
            document_.set(i, static_cast<int>(value));
        }
        showValue(i);
    }
    refreshModifiedMark();

    const QString t = QString::number(tag);
    const bool extended = state_.ModelVersion >= firmware::ExtendedFields;
    if (RtdSensors.contains(sensor)) {
        EnableField(QStringLiteral("Lead") + t, FieldKind::Choice);
        if (extended) {
            EnableField(QStringLiteral("RTDLineRef") + t, FieldKind::Number);
        }
    } else {
        DisableField(QStringLiteral("Lead") + t, FieldKind::Choice);
        if (extended) {
            DisableField(QStringLiteral("RTDLineRef") + t, FieldKind::Number);
        }
    }
    if (sensor.contains(QLatin1String("TC")) && extended) {
        EnableField(QStringLiteral("CJCom") + t, FieldKind::Choice);
        if (FindControl(QStringLiteral("CCJCom") + t)->currentText() !=
            QLatin1String("Automatic")) {
            EnableField(QStringLiteral("CJRef") + t, FieldKind::Number);
        }
    } else {
        DisableField(QStringLiteral("CJCom") + t, FieldKind::Choice);
        DisableField(QStringLiteral("CJRef") + t, FieldKind::Number);
    }
}

void TForm1::Modified(FormControl& sender) {
    if (sender.kind() != ControlKind::Choice) {
        refreshModifiedMark();
        return;
    }
    FormControl* choice = &sender;
    // A choice is taken at once; a list the configuration has no value for shows none chosen.
    if (const auto i = IndexOfControl(Catalogue(), choice->objectName());
        i && choice->currentIndex() >= 0) {
        document_.set(*i, choice->currentIndex());
    }
    refreshModifiedMark();
    const QString name = choice->objectName();
    for (const char* channel : {"1", "2"}) {
        auto* sensorList = FindControl(QStringLiteral("CInputTm") + QLatin1String(channel));
        if (name == QStringLiteral("CFunction") + QLatin1String(channel) &&
            sensorList->isEnabled()) {
            UpdateLimits(*sensorList);
        }
    }

    static const QStringList alarmTypes{QStringLiteral("CType1A"), QStringLiteral("CType1B"),
                                        QStringLiteral("CType2A"), QStringLiteral("CType2B")};
    if (!alarmTypes.contains(name)) {
        return;
    }
    const QString s = name.right(2);
    const QString type = choice->currentText();
    const bool off = type == QLatin1String("Off");
    const bool pulse = type == QLatin1String("Pulse");
    const bool burnout = type == QLatin1String("Burnout");
    const bool thresholds = !off && !pulse && !burnout;

    auto setField = [this](const QString& key, FieldKind kind, bool enabled) {
        if (enabled) {
            EnableField(key, kind);
        } else {
            DisableField(key, kind);
        }
    };
    for (const char* stem : {"Set", "Hysteresis", "OnDelay"}) {
        setField(QLatin1String(stem) + s, FieldKind::Number, thresholds);
    }
    const QString& model = state_.ModelCode;
    if (state_.ModelVersion >= firmware::ExtendedFields || model == QLatin1String("Q7326S")) {
        setField(QStringLiteral("OffDelay") + s, FieldKind::Number, thresholds);
    }
    if (s == QLatin1String("1A") && model == QLatin1String("Q7351S")) {
        setField(QStringLiteral("Divider") + s, FieldKind::Choice, thresholds || pulse);
    }
    setField(QStringLiteral("Relay") + s, FieldKind::Choice, thresholds || burnout);
}

namespace {

// The number typed into a field, checked against its limits: nothing when the text is no number
// (the user has been told), the limit when it lies beyond one (the user has been told).
std::optional<qint64> typedValue(ProgramState& state, const QString& name, const QString& text,
                                 const ParameterLimits& limits) {
    const auto typed = ParseTypedNumber(text, limits.decimals);
    if (!typed) {
        state.message(BoxKind::Warning, QStringLiteral("Please insert only numeric values."));
        return std::nullopt;
    }
    qint64 raw = *typed;
    if (raw > ScaledLimit(limits.maximum, limits.decimals)) {
        state.message(BoxKind::Warning, limitWarning(name, "maximum", limits.maximum, limits.unit));
        raw = ScaledLimit(limits.maximum, limits.decimals);
    }
    if (raw < ScaledLimit(limits.minimum, limits.decimals)) {
        state.message(BoxKind::Warning, limitWarning(name, "minimum", limits.minimum, limits.unit));
        raw = ScaledLimit(limits.minimum, limits.decimals);
    }
    return raw;
}

}  // namespace

bool TForm1::EditValue(int index, const QString& text) {
    const TTableEntry& entry = Catalogue()[index];
    if (entry.FieldType != FieldKind::Number) {
        return false;
    }
    const std::optional<qint64> value =
        typedValue(state_, entry.Name, text, document_.limits(index));
    if (value) {
        document_.set(index, static_cast<int>(*value));
    }
    // A refused text gives way to the value the configuration holds.
    showValue(index);
    refreshModifiedMark();
    return value.has_value();
}

void TForm1::OnEditLeave(FormControl& sender) {
    if (const auto index = IndexOfControl(Catalogue(), sender.objectName())) {
        EditValue(*index, sender.text());
        return;
    }
    // The channel-2 off-delays have no register of their own: their text is only checked.
    const auto extra = extraDelay(sender.objectName());
    if (!extra) {
        return;
    }
    const ParameterLimits limits{extra->minimum, extra->maximum, extra->decimals, extra->unit};
    const std::optional<qint64> value = typedValue(state_, extra->name, sender.text(), limits);
    sender.setText(value ? FormatMyInt(static_cast<int>(*value), limits.decimals)
                         : QStringLiteral("0"));
}

void TForm1::CCJComClick(FormControl& sender) {
    const QString key = QStringLiteral("CJRef") + sender.objectName().right(1);
    if (sender.currentText() == QLatin1String("Fixed")) {
        EnableField(key, FieldKind::Number);
    } else {
        DisableField(key, FieldKind::Number);
    }
}
