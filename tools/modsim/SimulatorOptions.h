#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace modsim {

// What kvc7345-modsim does, in one line: its --help and its man page begin with it.
QString SimulatorSummary();

// The options of kvc7345-modsim, one table for its parser and for its man page.
QList<QCommandLineOption> SimulatorOptions();

}  // namespace modsim
