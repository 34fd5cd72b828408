#pragma once

#include "records/ConfigurationValues.h"

#include <QString>
#include <QStringList>

class CommandSession;

// The part of "verify" and "write --verify" that reads the module back.

// Loads `file` into the session's window as the window's open dialog would; false (after saying
// why on standard error) when the window refused it.
bool LoadFileIntoSession(CommandSession& session, const QString& file);

// Reads the module back and compares it with `expected`, the configuration of `file`: one line
// per difference on standard output, or with `json` the document. 0 when the module holds it,
// 1 when it differs, 2 when the read did not complete.
int VerifyModuleHolds(CommandSession& session, const ConfigurationValues& expected,
                      const QString& file, bool json);
