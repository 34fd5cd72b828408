#pragma once

class CommandSession;
class ParsedArguments;
class QString;

// The commands that run without a window, each given its command line as the parser read it.
// Each returns the process exit status.
int RunIdentify(const ParsedArguments& arguments);
// The parameter catalogue, optionally only the entries of one model, one line per entry.
int RunParameters(const ParsedArguments& arguments);
// The sensor table, one line per sensor and field.
int RunSensors(const ParsedArguments& arguments);

// Reads the module's configuration, prints its parameter lines, optionally saves it.
int RunRead(const ParsedArguments& arguments);

// Loads a configuration file into the off-screen window and prints what the window then holds.
int RunShow(const ParsedArguments& arguments);
// What show prints for `file`, loaded into the session's window; `name` is how messages and the
// JSON document call it. 0 when it loaded, 1 when the window refused it.
int ShowConfigurationFile(CommandSession& session, const QString& file, const QString& name,
                          bool json);

// Lists the configuration history, or with "show N" prints or saves one of its entries.
int RunHistory(const ParsedArguments& arguments);
// Saves the factory-default configuration of every model, read from simulated modules.
int RunDefaults(const ParsedArguments& arguments);

// Loads a configuration file and writes it to the module, as F2 does in the window.
int RunWrite(const ParsedArguments& arguments);

// Reads the module and compares it with a configuration file: 0 agree, 1 differ, 2 failed.
int RunVerify(const ParsedArguments& arguments);
// Compares two configuration files, header first, then the parameters.
int RunDiff(const ParsedArguments& arguments);

// Reads a channel's live input values and prints them as CSV, until --count readings or Ctrl+C.
int RunWatch(const ParsedArguments& arguments);

// Runs the load-cell zero or reference acquisition, after the user's Enter unless --yes.
int RunCalibrate(const ParsedArguments& arguments);

// Loads a configuration file and saves its report sheet as a PDF document.
int RunReport(const ParsedArguments& arguments);

// Prints the list of commands.
int PrintUsage(bool toError);
