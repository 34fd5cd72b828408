// The tool bar's buttons and what they start.

#include "shell/TForm1.h"

#include <QToolButton>

void TForm1::connectToolBar() {
    const std::pair<const char*, void (TForm1::*)()> handlers[] = {
        {"TBOpenCom", &TForm1::TBOpenComClick}, {"TBSaveCom", &TForm1::TBSaveComClick},
        {"BitBtn3", &TForm1::TBOpenFileClick},  {"TBSaveFile", &TForm1::TBSaveFileClick},
        {"BitBtn2", &TForm1::BitBtn2Click},     {"BitBtn1", &TForm1::BitBtn1Click},
        {"TBClear", &TForm1::TBClearClick},     {"TBHelp", &TForm1::TBHelpClick},
    };
    for (const auto& [name, handler] : handlers) {
        connect(Find<QToolButton>(QString::fromLatin1(name)), &QToolButton::clicked, this, handler);
    }
}

// Printing arrives with its own subsystem; until then its button is present and does nothing.
void TForm1::BitBtn1Click() {}

void TForm1::TBClearClick() {
    Memo(QStringLiteral("Global reset"));
    Busy = true;
    ResetAll();
    Busy = false;
}
