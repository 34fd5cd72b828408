#pragma once

struct ProgramState;

// config.ini of the program folder and the settings in memory: read once at start-up, rewritten
// when the main window closes. Messages go through the program state's dialogs.

// Reads config.ini into the settings, or loads the rescue set when the file is missing, empty
// or unreadable (an unreadable file is then left as it is at closing).
void ScanConfig(ProgramState& state);

// Tells the user that config.ini was not found and loads the rescue set.
void NoConfigFileFound(ProgramState& state);

// Rewrites config.ini from the settings, but only when the file is there: after a start without
// it, the settings of the run are not saved and the user is told so.
void UpdateConfig(ProgramState& state);

// A port named on the command line served this run only: unless the user chose another port
// meanwhile, the default port goes back to the one config.ini holds.
void ForgetPortForThisRun(ProgramState& state);
