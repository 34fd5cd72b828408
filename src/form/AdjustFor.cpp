// Laying the main window out for a model.

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "catalogue/ModelLayout.h"
#include "form/TForm1.h"
#include "shell/ProgramState.h"

namespace {

constexpr PanelLamps KeepAll{Lamp::Keep, Lamp::Keep, Lamp::Keep, Lamp::Keep,
                             Lamp::Keep, Lamp::Keep, Lamp::Keep, Lamp::Keep,
                             Lamp::Keep, Lamp::Keep, Lamp::Keep, Lamp::Keep};

void setCaption(TForm1& form, const char* group, Lamp flag, const QString& caption) {
    if (flag == Lamp::Keep) {
        return;
    }
    form.FindControl(QString::fromLatin1(group))->setTitle(flag == Lamp::On ? caption : QString());
}

void lightHeading(TForm1& form, const char* name, Lamp flag) {
    if (flag == Lamp::Keep) {
        return;
    }
    FormControl& heading = form.Control(QString::fromLatin1(name));
    const bool lit = flag == Lamp::On;
    heading.setTextColour(lit ? colours::Black : colours::Silver);
    heading.setRaisedFrame(lit);
}

}  // namespace

void TForm1::LightPanels(const PanelLamps& f) {
    const QString inputTag =
        state_.ModelVersion >= firmware::ExtendedFields ? QStringLiteral(" INPUT TAG ") : QString();
    FindControl(QStringLiteral("GBChannelTags"))->setTitle(inputTag);
    const QString input = QStringLiteral(" INPUT ");
    setCaption(*this, "GBInput", f[0], input);
    setCaption(*this, "GBInput", f[1], input);
    setCaption(*this, "GBOutput", f[2], QStringLiteral(" OUTPUT "));
    // Output channel 2 only ever adds the caption.
    if (f[3] == Lamp::On) {
        setCaption(*this, "GBOutput", Lamp::On, QStringLiteral(" OUTPUT "));
    }
    setCaption(*this, "GBChannelTags", f[5], QStringLiteral(" TAG "));
    setCaption(*this, "GBAlarmA", f[6], QStringLiteral(" ALARM CH 1 "));
    setCaption(*this, "GBAlarmA", f[7], QStringLiteral(" ALARM CH 1 "));
    setCaption(*this, "GBAlarmB", f[8], QStringLiteral(" ALARM CH 2 "));
    setCaption(*this, "GBAlarmB", f[9], QStringLiteral(" ALARM CH 2 "));
    setCaption(*this, "GBCalibration", f[10], QStringLiteral(" CALIBRATION "));
    setCaption(*this, "GBModbus", f[11], QStringLiteral(" MODBUS "));

    const std::pair<const char*, int> headings[] = {
        {"PInputChannel1", 0},  {"PInputChannel2", 1},  {"POutputChannel1", 2},
        {"POutputChannel2", 3}, {"POutputLimit1", 4},   {"PAlarmAChannel1", 6},
        {"PAlarmBChannel1", 7}, {"PAlarmAChannel2", 8}, {"PAlarmBChannel2", 9},
    };
    for (const auto& [name, flag] : headings) {
        lightHeading(*this, name, f[flag]);
    }
}

void TForm1::LightSensors(const SensorLamps& f) {
    const char* const selectors[] = {"Input1", "InputTm1", "InputHz1", "Input2", "InputTm2"};
    for (std::size_t i = 0; i < f.size(); ++i) {
        const QString key = QString::fromLatin1(selectors[i]);
        FormControl* selector = FindControl(QStringLiteral("C") + key);
        FormControl* caption = FindControl(QStringLiteral("L") + key);
        const bool shown = f[i] == Lamp::On;
        selector->setVisible(shown);
        selector->setEnabled(shown);
        caption->setVisible(shown);
        if (shown) {
            selector->raise();
            caption->raise();
        }
    }
    // Channel 2 always shows an input row, greyed when the model has no second input.
    if (f[3] != Lamp::On && f[4] != Lamp::On) {
        FindControl(QStringLiteral("CInput2"))->setVisible(true);
        FindControl(QStringLiteral("LInput2"))->setVisible(true);
    }
}

void TForm1::AdjustFor(const QString& model) {
    QString layout = model;
    bool described = false;
    if (const auto eurocard = EurocardRowFor(model)) {
        SetStatusPanel(1, model + eurocard->description);
        layout = eurocard->layoutOf;
        described = true;
    }

    if (const auto row = LayoutRowFor(layout)) {
        LightSensors(row->sensors);
        LightPanels(row->panels);
        if (!described) {
            SetStatusPanel(1, layout + row->description);
        }
        // The alarm type lists name the same outputs (CatalogueFor).
        if (row->relays == RelayTexts::FrequencyOutput) {
            for (const char* name : {"LRelay1A", "LRelay1B"}) {
                FindControl(QString::fromLatin1(name))->setText(QStringLiteral("OC Transistor"));
            }
        } else if (row->relays == RelayTexts::Relay) {
            for (const char* name : {"LRelay1A", "LRelay1B", "LRelay2A"}) {
                FindControl(QString::fromLatin1(name))->setText(QStringLiteral("Relay"));
            }
        }
    }

    using L = Lamp;
    if (layout.contains(QLatin1String("Q738")) && state_.ModelVersion >= firmware::OutputLimits) {
        LightPanels({L::Keep, L::Keep, L::Keep, L::Keep, L::On, L::On, L::Keep, L::Keep, L::Keep,
                     L::Keep, L::Off, L::Off});
    } else {
        LightPanels(KeepAll);
    }

    const bool loadCell = layout.contains(QLatin1String("Q7356S"));
    if (loadCell) {
        LightPanels({L::Off, L::Off, L::On, L::On, L::On, L::On, L::Off, L::Off, L::Off, L::Off,
                     L::On, L::On});
    }
    FindControl(QStringLiteral("BAquireZero"))->setEnabled(loadCell);
    FindControl(QStringLiteral("BAquireReference"))->setEnabled(loadCell);
}
