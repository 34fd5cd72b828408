// Calibrating the load-cell converter from the PC: the reference and the range go first, then
// the acquisition command of the step.

#include "live/Calibration.h"

#include "catalogue/CatalogueLookup.h"
#include "link/Identification.h"
#include "link/RegisterProtocol.h"
#include "link/SerialLink.h"

namespace {

// The module settles this long around an acquisition.
constexpr int SettleMs = 500;

}  // namespace

QString CalibrationWord(CalibrationStep step) {
    return step == CalibrationStep::Zero ? QStringLiteral("Zero") : QStringLiteral("Reference");
}

std::optional<int> CalibrationValue(const TParameterTable& parameters, const QString& key,
                                    const QString& text) {
    const auto index = IndexOfKey(parameters, key);
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (!number || !index || value < parameters[*index].MinValue ||
        value > parameters[*index].MaxValue) {
        return std::nullopt;
    }
    return value;
}

QString CalibrationValuesProblem(const TParameterTable& parameters, const QString& reference,
                                 const QString& range) {
    const bool referenceFits =
        CalibrationValue(parameters, QStringLiteral("CalReference"), reference).has_value();
    if (referenceFits &&
        CalibrationValue(parameters, QStringLiteral("CalRange"), range).has_value()) {
        return {};
    }
    return (referenceFits ? QStringLiteral("Calibration Range")
                          : QStringLiteral("Calibration Reference")) +
           QStringLiteral(
               " must be a whole number from 0 to 30000.\rNothing was sent to the "
               "module.");
}

AcquisitionOutcome Acquire(SerialLink& link, const QString& device, const QString& shownPort,
                           CalibrationStep step, int reference, int range) {
    const bool zero = step == CalibrationStep::Zero;
    if (zero) {
        link.pause(SettleMs);
    }
    SessionOpening opening = link.open(device);
    if (!opening) {
        return {AcquisitionResult::PortNotOpened, PortNotOpenedText(shownPort, opening.failure)};
    }
    ModuleSession& session = *opening.session;
    session.exchange(QStringLiteral("0013") + HexWord(reference));
    session.exchange(QStringLiteral("0015") + HexWord(range));
    const RegisterReply reply =
        session.exchange(zero ? QStringLiteral("00E40000") : QStringLiteral("00E50000"));
    link.pause(SettleMs);
    session.close();
    if (!reply.answered()) {
        return {AcquisitionResult::ConnectionProblem, QStringLiteral("Connection problem.")};
    }
    return {AcquisitionResult::Acquired,
            CalibrationWord(step) + QStringLiteral(" succesfully aquired.")};
}

QString CalibrationInstructionText(CalibrationStep step, const QString& reference) {
    return step == CalibrationStep::Zero
               ? QStringLiteral(
                     "Unload cell before proceeding.\rPress button to continue when "
                     "ready.")
               : QStringLiteral("Set input to ") + reference +
                     QStringLiteral(" before proceeding.\rPress button to continue when ready.");
}
