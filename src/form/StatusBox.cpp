// The status box that operations bring to the front.

#include "form/TForm1.h"
#include "shell/Dialogs.h"

void TForm1::SetStatusBox(const QString& title, const QString& text) {
    Control(QStringLiteral("LStatusTitle")).setText(title);
    Control(QStringLiteral("LStatus")).setText(DisplayText(text));
}

void TForm1::BStatusClick() {
    FormControl& box = Control(QStringLiteral("PStatus"));
    box.lower();
    box.setVisible(false);
    Control(QStringLiteral("PageControl1")).setEnabled(true);
    for (const char* name : {"LInputValue", "LInputValueSx", "BStatus_AquireReference",
                             "BStatus_AquireZero", "BCancelStatus"}) {
        Control(QString::fromLatin1(name)).setVisible(false);
    }
}
