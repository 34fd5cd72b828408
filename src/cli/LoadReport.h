#pragma once

#include <QString>

class TForm1;

// What the commands that load a configuration file add on standard error to the loader's boxes.

// Why the loader refused `file`, when the box it showed does not say.
void PrintLoadRefusal(const TForm1& form, const QString& file);
// The notes of the load: what the window took otherwise than the file writes it, the keys given
// twice and the lines it left out.
void PrintLoadNotes(const TForm1& form);
