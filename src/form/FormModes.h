#pragma once

// The modes the window's operations pass between them.

#include "transfer/CheckMode.h"

// Where a save goes: appended to the configuration log, or a file the user chooses.
enum class SaveTarget { ConfigurationLog, ChosenFile };

// Which folder a load offers first: the archive of saved files or the factory defaults.
enum class FileSource { Archive, FactoryDefaults };

// What has just filled the window: a read from the module or a loaded file.
enum class TransferSource { Read, Load };

// What keeps the port from an operation: another operation's session, the Values page's reading
// session, or a load-cell calibration waiting in the status panel.
enum class PortHolder { Nobody, Operation, LiveReading, Calibration };
