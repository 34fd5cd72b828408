#pragma once

#include <QString>

#include <functional>

struct ProgramState;

// Before a load-cell calibration: the module on the line is identified and must be a Q7356S. No
// module answering and another model are said in warnings. `identified` learns the code found
// (possibly "") before the model is judged.
bool FindLoadCell(ProgramState& state, const std::function<void(const QString& code)>& identified);
