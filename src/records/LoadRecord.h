#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the last load of a configuration file did, kept for the command line, which reports on
// standard error what the window shows in its fields.

// A parameter line the load applied: the catalogue entry (1..70), the value as the file writes
// it, and what it stood for (a register value, or the index of a choice).
struct LoadedValue {
    int index = 0;
    QString text;
    int value = 0;
};

struct FileLoadRecord {
    // Why the file itself was refused, in one line; "" when it was not (or the user cancelled).
    QString refusal;
    // In file order.
    QList<LoadedValue> values;
    // What a completed load took otherwise than the file writes it, one line each (LoadNotes).
    QStringList notes;
};
