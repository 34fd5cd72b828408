#include "transfer/ModuleWrite.h"

#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

namespace {

ModuleWriteOutcome stoppedAt(const QString& place, const QString& message) {
    return {ModuleWriteFailure::StoppedAnswering, place, message};
}

ModuleWriteOutcome notOpened(const QString& place, const QString& shownPort,
                             const PortOpenFailure& failure) {
    return {ModuleWriteFailure::PortNotOpened, place, PortNotOpenedText(shownPort, failure)};
}

// Sends the planned commands on one session. Replies are not judged, but a line that stays
// silent means the module is gone: the write stops there, naming the first entry whose reply
// never came.
ModuleWriteOutcome sendParameters(ProgramState& state, const WritePlan& plan,
                                  const QString& shownPort, const TransferProgress& progress) {
    SessionOpening opening = state.link.open(state.link.ComPortName);
    if (!opening) {
        return notOpened(QString(), shownPort, opening.failure);
    }
    ModuleSession& session = *opening.session;
    int repliesRead = 0;
    const int total = static_cast<int>(plan.steps.size());
    int done = 0;
    for (const WriteStep& step : plan.steps) {
        progress.report(++done, total, QStringLiteral("Parameter"));
        if (!step.readsReply) {
            session.send(step.command);
        } else if (session.exchange(step.command).silent()) {
            const QString name = state.ParameterTable()[EntryConfirmedBy(plan, repliesRead)].Name;
            return stoppedAt(name, StoppedAnsweringText(name));
        } else {
            ++repliesRead;
        }
    }
    return {ModuleWriteFailure::None, QString(), QString()};
}

}  // namespace

ModuleWriteOutcome WriteConfigurationToModule(ProgramState& state, const TagTexts& tags,
                                              const WritePlan& plan, const QString& shownPort,
                                              const TransferProgress& progress) {
    int done = 0;
    for (const auto& [channel, text] : tags) {
        progress.report(++done, static_cast<int>(tags.size()), QStringLiteral("Tag"));
        const TagWriteResult tag = WriteTag(state, channel, text);
        const QString place = QStringLiteral("Tag %1").arg(channel);
        if (tag.failure == TagFailure::PortNotOpened) {
            return notOpened(place, shownPort, tag.openFailure);
        }
        if (!tag.written) {
            return stoppedAt(place, StoppedAnsweringText(place));
        }
    }
    return sendParameters(state, plan, shownPort, progress);
}
