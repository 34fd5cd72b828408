// The tool bar's buttons and what they start.

#include "form/TForm1.h"

void TForm1::TBClearClick() {
    Memo(QStringLiteral("Global reset"));
    ResetAll();
}

void TForm1::TBHistoryClick() {
    emit historyRequested();
}
