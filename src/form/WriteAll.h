#pragma once

#include "transfer/ModuleWrite.h"

class TForm1;

// What "Save to COM Port (F2)" does: the consistency checks in mode "write", then the write of
// the shown configuration to the connected module: written only when the whole configuration
// was. Nothing happens while another operation keeps the window busy.
ModuleWriteOutcome SaveToModule(TForm1& form);
