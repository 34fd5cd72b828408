#pragma once

#include <QString>

#include <vector>

// What each command's exit status means, in one table: the man page prints it, and the
// commands return these and no others.
struct ExitStatusEntry {
    QString command;
    QString done;     // status 0
    QString failed;   // status 1
    QString refused;  // status 2
};

const std::vector<ExitStatusEntry>& ExitStatusTable();
