#pragma once

class TForm1;

// What "Save to COM Port (F2)" does: the consistency checks in mode "write", then the write of
// the shown configuration to the connected module. True only when the whole configuration was
// written. Nothing happens while another operation keeps the window busy.
bool SaveToModule(TForm1& form);
