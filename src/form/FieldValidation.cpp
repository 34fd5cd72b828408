// Keeping the shown configuration consistent while the user edits it: sensor limits, the
// modification mark, typed numbers and the fields that depend on a choice.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/ValueFormat.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

namespace {

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

void TForm1::showDelayUnits() {
    for (const QString& name : DelayEdits) {
        if (FindControl(name)->isEnabled()) {
            if (auto* unit =
                    FindControl(QStringLiteral("L") + name.mid(1) + QStringLiteral("DIM"))) {
                unit->setText(QStringLiteral("sec"));
            }
        }
    }
}

void TForm1::UpdateLimits(FormControl& sender) {
    Modified(sender);
    showDelayUnits();
    for (const int i :
         ApplySensorLimits(document_, *state_.Catalogue, sender.objectName().mid(1))) {
        showValue(i);
    }
    refreshModifiedMark();
    applyFieldsInUse();
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
    if (name.startsWith(QLatin1String("CType"))) {
        applyFieldsInUse();
    }
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

void TForm1::CCJComClick(FormControl&) {
    applyFieldsInUse();
}
