// The reset of the whole window: every parameter field empty and grey, no module shown.

#include "catalogue/Definitions.h"
#include "records/Clock.h"
#include "shell/ProgramState.h"
#include "shell/TForm1.h"
#include "shell/window/WidgetFactory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace widgets;

void TForm1::ResetAll() {
    FindControl(QStringLiteral("LDataSheet"))->setVisible(false);
    SetStatusPanel(1, QString());
    for (const char* group : {"GBInput", "GBOutput", "GBAlarmA", "GBAlarmB", "GBChannelTags"}) {
        Find<QGroupBox>(QString::fromLatin1(group))->setTitle(QString());
    }
    const PanelLamps allOff{};
    LightPanels(allOff);

    auto* model = Find<QLabel>(QStringLiteral("LModel"));
    model->setText(QStringLiteral("-"));
    setHint(model, QString());
    Find<QLabel>(QStringLiteral("LModelTop"))->setText(QString());
    Find<QLabel>(QStringLiteral("LSourceRight"))->setText(QStringLiteral("-"));
    Find<QLabel>(QStringLiteral("LDateLeft"))->setText(QStringLiteral("Date:"));
    Find<QLabel>(QStringLiteral("LDateRight"))->setText(Today());
    for (const char* extra : {"LExtra1Left", "LExtra2Left", "LExtra1Right", "LExtra2Right"}) {
        Find<QLabel>(QString::fromLatin1(extra))->setText(QString());
    }
    ConfigurationEmpty = true;

    for (const char* channel : {"1", "2"}) {
        auto* tag = Find<QLineEdit>(QStringLiteral("TTag") + QLatin1String(channel));
        tag->setEnabled(false);
        tag->clear();
        setTextColour(FindControl(QStringLiteral("LTag") + QLatin1String(channel)), Silver);
    }
    FindControl(QStringLiteral("BAquireZero"))->setEnabled(false);
    FindControl(QStringLiteral("BAquireReference"))->setEnabled(false);

    for (const TTableEntry& entry : state_.ParameterTable) {
        setTextColour(FindControl(QStringLiteral("L") + entry.Field), Silver);
        if (entry.FieldType == FieldKind::Choice) {
            auto* choice = Find<QComboBox>(QStringLiteral("C") + entry.Field);
            choice->setEnabled(false);
            setShowHint(choice, false);
            choice->clear();
        } else {
            auto* field = Find<QLineEdit>(QStringLiteral("T") + entry.Field);
            field->setEnabled(false);
            setShowHint(field, false);
            field->clear();
            if (auto* unit =
                    Find<QLabel>(QStringLiteral("L") + entry.Field + QStringLiteral("DIM"))) {
                unit->setText(QString());
            }
        }
    }
    state_.ConfigurationDate = Today();
}
