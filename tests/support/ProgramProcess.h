#pragma once

#include "support/ReplyTiming.h"

#include <QString>
#include <QStringList>

// The program itself run as a separate process, the way a user or a script runs it.
struct ProcessOutcome {
    int exitCode = -1;  // -1 when it did not finish normally
    QString out;
    QString err;
};

// The kvc7345 built beside the test programs.
QString ProgramPath();

// Runs kvc7345 with `arguments` and "--home HOME", with its runtime folder there too. The port
// after --port is a simulator of the test: `timing` says how the program times its replies.
ProcessOutcome RunProgram(const QString& home, const QStringList& arguments,
                          ReplyTiming timing = ReplyTiming::Simulated);
