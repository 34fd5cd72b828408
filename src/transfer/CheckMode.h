#pragma once

// Why a configuration is checked: it arrived (read or load), or it is about to leave the window
// for the module or a file, or for the printed report.
enum class CheckMode { Read, Write, Print };
