#pragma once

#include <QString>

// One line of text on standard output or standard error, UTF-8.
void PrintOut(const QString& line);
void PrintError(const QString& line);

// Called first thing: a standard output or error that was closed when the program started is
// taken by /dev/null, so that no file the program opens later gets its number and receives
// what was meant for the terminal. A closed standard output still counts as unwritable.
void GuardStandardStreams();

// The exit status of a command once its output is flushed: when standard output could not take
// every line (a full disk, a closed pipe), says "Cannot write standard output: <reason>" and
// turns a success into 1, since what the command printed is lost.
int FinishStandardOutput(int status);
