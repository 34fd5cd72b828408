#pragma once

#include "records/ConfigurationDifference.h"

#include <QList>

class TForm1;

// Reading the module back to see whether it holds a configuration: after a write, or against a
// file. The read is the window's own (F1), so the window then shows what the module holds.

struct ReadBackResult {
    bool read = false;  // false: the read did not complete, and the status box says why
    QString why;        // what the status box says of a read that began and stopped
    ConfigurationValues module;
    QList<ConfigurationDifference> differences;  // the expected configuration first
};

ReadBackResult ReadBackAndCompare(TForm1& form, const ConfigurationValues& expected);

// The warning's text for the differences found after a write.
QString WriteDifferencesText(const QString& model, const QList<ConfigurationDifference>& found);
