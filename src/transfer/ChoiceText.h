#pragma once

#include "catalogue/Definitions.h"

#include <QString>

// The text of a choice parameter's current value as the catalogue stores it: `Items[Value]`, or
// "" when the value lies outside the items (a module may answer with any register value) or
// names an unused slot.
QString ChoiceText(const TTableEntry& entry);
