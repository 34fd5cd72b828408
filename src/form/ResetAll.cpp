// The reset of the whole window: every parameter field empty and grey, no module shown.

#include "catalogue/Definitions.h"
#include "form/TForm1.h"
#include "records/Clock.h"
#include "shell/ProgramState.h"

void TForm1::ResetAll() {
    FindControl(QStringLiteral("LDataSheet"))->setVisible(false);
    SetStatusPanel(1, QString());
    for (const char* group : {"GBInput", "GBOutput", "GBAlarmA", "GBAlarmB", "GBChannelTags"}) {
        FindControl(QString::fromLatin1(group))->setTitle(QString());
    }
    const PanelLamps allOff{};
    LightPanels(allOff);

    SetShownModel(QStringLiteral("-"), QString());
    FindControl(QStringLiteral("LModelTop"))->setText(QString());
    FindControl(QStringLiteral("LSourceRight"))->setText(QStringLiteral("-"));
    FindControl(QStringLiteral("LDateLeft"))->setText(QStringLiteral("Date:"));
    FindControl(QStringLiteral("LDateRight"))->setText(Today());
    for (const char* extra : {"LExtra1Left", "LExtra2Left", "LExtra1Right", "LExtra2Right"}) {
        FindControl(QString::fromLatin1(extra))->setText(QString());
    }
    ConfigurationEmpty = true;
    shownFields_.clear();

    for (const char* channel : {"1", "2"}) {
        auto* tag = FindControl(QStringLiteral("TTag") + QLatin1String(channel));
        tag->setEnabled(false);
        tag->clear();
        FindControl(QStringLiteral("LTag") + QLatin1String(channel))
            ->setTextColour(colours::Silver);
    }
    FindControl(QStringLiteral("BAquireZero"))->setEnabled(false);
    FindControl(QStringLiteral("BAquireReference"))->setEnabled(false);

    for (const TTableEntry& entry : Catalogue()) {
        FindControl(QStringLiteral("L") + entry.Field)->setTextColour(colours::Silver);
        if (entry.FieldType == FieldKind::Choice) {
            auto* choice = FindControl(QStringLiteral("C") + entry.Field);
            choice->setEnabled(false);
            choice->setShowHint(false);
            choice->clear();
        } else {
            auto* field = FindControl(QStringLiteral("T") + entry.Field);
            field->setEnabled(false);
            field->setShowHint(false);
            field->clear();
            if (auto* unit =
                    FindControl(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
                unit->setText(QString());
            }
        }
    }
    document_ = ModuleConfiguration();
    document_.date = Today();
    baseline_ = document_;
}
