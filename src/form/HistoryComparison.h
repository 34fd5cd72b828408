#pragma once

#include "records/ConfigurationDifference.h"
#include "records/ConfigurationValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TForm1;

// A configuration of the history as the window would hold it, for "Compare with window": the
// entry is loaded as F3 loads a file, but in a run state of its own, so the main window
// stays as it is. The differences follow the rules of "kvc7345 diff".

struct HistoryValuesOutcome {
    bool loaded = false;
    QString refusal;    // why the load refused the entry, in one line
    QStringList boxes;  // the texts of the boxes the load would have shown, answered No
    ConfigurationValues values;
    QStringList shown;  // as "kvc7345 show" prints it, when loaded
};

// `bytes` as LoadHistoryEntry gives them.
HistoryValuesOutcome HistoryEntryValues(const QByteArray& bytes);

// How the entry differs from what `window` shows: the entry first, the header (model,
// firmware, DONEBY, DONEFOR, tags) then the parameters, as "kvc7345 diff history:N" lists them.
QList<ConfigurationDifference> CompareWithWindow(const ConfigurationValues& entry,
                                                 const TForm1& window);
