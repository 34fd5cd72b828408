#include "cli/LoadReport.h"

#include "cli/ConsoleOutput.h"

void PrintLoadRefusal(const FileLoadRecord& load, const QString& file) {
    if (!load.refusal.isEmpty()) {
        PrintError(file + QStringLiteral(": ") + load.refusal);
    }
}

void PrintLoadNotes(const FileLoadRecord& load) {
    for (const QString& line : load.notes) {
        PrintError(line);
    }
}
