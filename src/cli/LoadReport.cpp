#include "cli/LoadReport.h"

#include "cli/ConsoleOutput.h"
#include "form/TForm1.h"

void PrintLoadRefusal(const TForm1& form, const QString& file) {
    const QString& why = form.LastLoad().refusal;
    if (!why.isEmpty()) {
        PrintError(file + QStringLiteral(": ") + why);
    }
}

void PrintLoadNotes(const TForm1& form) {
    for (const QString& line : form.LastLoad().notes) {
        PrintError(line);
    }
}
