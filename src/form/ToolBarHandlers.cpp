// The tool bar's buttons and what they start.

#include "form/TForm1.h"

// Printing arrives with its own subsystem; until then its button is present and does nothing.
void TForm1::BitBtn1Click() {}

void TForm1::TBClearClick() {
    Memo(QStringLiteral("Global reset"));
    Busy = true;
    ResetAll();
    Busy = false;
}
