// Field states of the parameter controls.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "transfer/SensorRefresh.h"

#include <algorithm>

namespace {

void setFieldState(TForm1& form, const QString& key, FieldKind kind, bool enabled) {
    // A choice with nothing to choose (a parameter this model does not have) stays off, caption
    // and all, whatever the sensor asks for.
    if (const FormControl* list = form.FindControl(QStringLiteral("C") + key);
        enabled && kind == FieldKind::Choice && list != nullptr && list->count() == 0) {
        enabled = false;
    }
    const quint32 colour = enabled ? colours::Black : colours::Silver;
    if (FormControl* caption = form.FindControl(QStringLiteral("L") + key)) {
        caption->setTextColour(colour);
    }
    if (kind != FieldKind::Choice) {
        if (FormControl* value = form.FindControl(QStringLiteral("T") + key)) {
            value->setEnabled(enabled);
        }
        if (FormControl* unit =
                form.FindControl(QStringLiteral("L") + key + QStringLiteral("DIM"))) {
            unit->setTextColour(colour);
        }
    } else if (FormControl* value = form.FindControl(QStringLiteral("C") + key)) {
        value->setEnabled(enabled);
    }
}

}  // namespace

void TForm1::EnableField(const QString& key, FieldKind kind) {
    // Only a parameter the shown model has at its firmware is ever enabled: a handler following
    // a sensor or a choice would otherwise open a field whose value is never written.
    setFieldState(*this, key, kind, showsParameter(key));
}

bool TForm1::showsParameter(const QString& key) const {
    for (const int index : shownFields_) {
        if (Catalogue()[index].Field.compare(key, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

void TForm1::DisableField(const QString& key, FieldKind kind) {
    setFieldState(*this, key, kind, false);
}

void TForm1::ShowField(int index) {
    const TTableEntry& entry = Catalogue()[index];
    shownFields_.insert(index);
    FormControl& caption = Control(QStringLiteral("L") + entry.Field);
    caption.setTextColour(colours::Black);
    caption.setHint(entry.Name);
    caption.setShowHint(true);
    FormControl& value = Control(ControlName(entry));
    value.setEnabled(true);
    value.setTextColour(colours::Black);
    value.setShowHint(true);
    if (entry.FieldType == FieldKind::Choice) {
        value.setHint(QStringLiteral("Hint: ") + entry.Name);
    } else if (FormControl* unit =
                   FindControl(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
        unit->setEnabled(true);
        unit->setTextColour(colours::Black);
    }
    showValue(index);
}

void TForm1::showValue(int index) {
    const TTableEntry& entry = Catalogue()[index];
    if (entry.FieldType == FieldKind::Choice) {
        QStringList items;
        for (const QString& item : entry.Items) {
            if (!item.isEmpty()) {
                items << item;
            }
        }
        const int value = document_.value(index);
        Control(QStringLiteral("C") + entry.Field)
            .setItems(items, value < items.size() ? value : -1);
        return;
    }
    const ParameterLimits& limits = document_.limits(index);
    FormControl& field = Control(QStringLiteral("T") + entry.Field);
    field.setText(ValueText(document_, entry, index));
    field.setHint(QStringLiteral("Range from %1 to %2 (%3)")
                      .arg(limits.minimum)
                      .arg(limits.maximum)
                      .arg(limits.unit));
    if (FormControl* unit =
            FindControl(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
        unit->setText(limits.unit);
    }
}

void TForm1::applyFieldsInUse() {
    // The fields that follow a sensor, a cold-junction mode or an alarm type.
    static const QStringList Followers{QStringLiteral("Lead"),    QStringLiteral("RTDLineRef"),
                                       QStringLiteral("CJCom"),   QStringLiteral("CJRef"),
                                       QStringLiteral("Set"),     QStringLiteral("Hysteresis"),
                                       QStringLiteral("OnDelay"), QStringLiteral("OffDelay"),
                                       QStringLiteral("Divider"), QStringLiteral("Relay")};
    const TParameterTable& catalogue = Catalogue();
    const QSet<int> inUse = ParametersInUse(document_, catalogue);
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = catalogue[i];
        const bool follower =
            std::any_of(Followers.begin(), Followers.end(),
                        [&](const QString& stem) { return entry.Field.startsWith(stem); });
        if (!follower) {
            continue;
        }
        if (inUse.contains(i)) {
            EnableField(entry.Field, entry.FieldType);
        } else {
            DisableField(entry.Field, entry.FieldType);
        }
    }
    // The repeater and the load cell measure a current whatever channel 1's plain list says.
    if (document_.model == QLatin1String("Q7326S") || document_.model == QLatin1String("Q7356S")) {
        Control(QStringLiteral("CInput1")).setEnabled(false);
    }
    // The channel-2 off-delays have no register: an alarm type never opens them.
    if (document_.firmware >= firmware::ExtendedFields ||
        document_.model == QLatin1String("Q7326S")) {
        for (const char* alarm : {"2A", "2B"}) {
            const auto type = IndexOfKey(catalogue, QStringLiteral("Type") + QLatin1String(alarm));
            if (type && inUse.contains(*type)) {
                DisableField(QStringLiteral("OffDelay") + QLatin1String(alarm), FieldKind::Number);
            }
        }
    }
}
