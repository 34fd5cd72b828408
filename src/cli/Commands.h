#pragma once

#include <QStringList>

// The commands that run without a window. Each returns the process exit status.
int RunIdentify(const QStringList& arguments);
// The parameter catalogue, optionally only the entries of one model, one line per entry.
int RunParameters(const QStringList& arguments);
// The sensor table, one line per sensor and field.
int RunSensors(const QStringList& arguments);

// Reads the module's configuration, prints its parameter lines, optionally saves it.
int RunRead(const QStringList& arguments);

// Loads a configuration file into the off-screen window and prints what the window then holds.
int RunShow(const QStringList& arguments);
// Saves the factory-default configuration of every model, read from simulated modules.
int RunDefaults(const QStringList& arguments);

// Loads a configuration file and writes it to the module, as F2 does in the window.
int RunWrite(const QStringList& arguments);

// Reads the module and compares it with a configuration file: 0 agree, 1 differ, 2 failed.
int RunVerify(const QStringList& arguments);
// Compares two configuration files, header first, then the parameters.
int RunDiff(const QStringList& arguments);

// Reads a channel's live input values and prints them as CSV, until --count readings or Ctrl+C.
int RunWatch(const QStringList& arguments);

// Runs the load-cell zero or reference acquisition, after the user's Enter unless --yes.
int RunCalibrate(const QStringList& arguments);

// Loads a configuration file and saves its report sheet as a PDF document.
int RunReport(const QStringList& arguments);

// Prints the list of commands.
int PrintUsage(bool toError);
