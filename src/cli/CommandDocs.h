#pragma once

#include <QString>

// The manual page kvc7345.1 (roff), written from the command table.
QString ManPageText(const QString& version);

// The manual page kvc7345-modsim.1 (roff), written from the simulator's options.
QString SimulatorManPageText(const QString& version);

// The bash completion script for kvc7345, written from the command table.
QString BashCompletionText();
