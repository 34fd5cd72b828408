#pragma once

#include "catalogue/Definitions.h"

#include <QString>

#include <optional>

class SerialLink;

// The load-cell converter's two acquisitions: zero with the cell unloaded, reference with a
// known load.
enum class CalibrationStep { Zero, Reference };

// "Zero" or "Reference", as the status panel names the step.
QString CalibrationWord(CalibrationStep step);

enum class AcquisitionResult { Acquired, ConnectionProblem, PortNotOpened };

// How an acquisition ended, with the text that says so.
struct AcquisitionOutcome {
    AcquisitionResult result = AcquisitionResult::ConnectionProblem;
    QString message;

    bool acquired() const { return result == AcquisitionResult::Acquired; }
};

// What the user is asked to do before the step's acquisition: unload the cell, or set the input
// to the reference.
QString CalibrationInstructionText(CalibrationStep step, const QString& reference);

// The value of calibration field `key` ("CalReference", "CalRange") from its text: a whole
// number within the parameter's limits, or nothing.
std::optional<int> CalibrationValue(const TParameterTable& parameters, const QString& key,
                                    const QString& text);

// Why the reference and range texts cannot be sent ("Calibration Reference must be a whole
// number from 0 to 30000.\rNothing was sent to the module."), or "" when both can.
QString CalibrationValuesProblem(const TParameterTable& parameters, const QString& reference,
                                 const QString& range);

// Sends the reference and the range, then the step's acquisition command, on a session of its
// own on `device`; `shownPort` names the port in the message when it does not open. The module
// settles before a zero and after either acquisition.
AcquisitionOutcome Acquire(SerialLink& link, const QString& device, const QString& shownPort,
                           CalibrationStep step, int reference, int range);
