#include "transfer/ModuleRead.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/FirmwareVersions.h"
#include "catalogue/RegisterWord.h"
#include "link/RegisterProtocol.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

namespace {

// A register that does not answer "8000" gets this many attempts in all.
constexpr int ReadAttempts = 3;
// A choice register above this is no index: the first choice is shown.
constexpr int LargestChoiceIndex = 200;

const QString Answered = QStringLiteral("8000");

int parametersOf(const TParameterTable& table, const QString& code) {
    int count = 0;
    for (const TTableEntry& entry : table) {
        count += AppliesToModel(entry, code) ? 1 : 0;
    }
    return count;
}

ModuleReadOutcome failed(ModuleReadFailure failure, const QString& message) {
    ModuleReadOutcome outcome;
    outcome.failure = failure;
    outcome.message = message;
    return outcome;
}

ModuleReadOutcome stopped() {
    return failed(ModuleReadFailure::Stopped,
                  QStringLiteral("The window was closed before the read ended."));
}

// The tags, each read in a session of its own as the module expects.
ModuleReadOutcome readTags(ProgramState& state, const QString& model, const QString& shownPort,
                           const TransferProgress& progress) {
    ModuleReadOutcome outcome;
    const int tags = TagsKeptBy(model, state.ModelVersion);
    for (int channel = 1; channel <= tags; ++channel) {
        if (progress.stopped()) {
            return stopped();
        }
        progress.report(channel, tags, QStringLiteral("Tag"));
        const TagReadResult tag = ReadTag(state, channel);
        if (tag.failure == TagFailure::PortNotOpened) {
            return failed(ModuleReadFailure::PortNotOpened,
                          PortNotOpenedText(shownPort, tag.openFailure));
        }
        if (!tag.tag) {
            return failed(ModuleReadFailure::TagNotSent,
                          QStringLiteral("The module did not send tag %1 correctly.").arg(channel));
        }
        outcome.configuration.tag(channel) = tag.tag;
    }
    return outcome;
}

}  // namespace

ModuleReadOutcome ReadConfigurationFromModule(ProgramState& state, const QString& model,
                                              const QString& shownPort,
                                              const TransferProgress& progress) {
    ModuleReadOutcome outcome = readTags(state, model, shownPort, progress);
    if (!outcome.completed()) {
        return outcome;
    }
    const TParameterTable& catalogue = state.ParameterTable();
    ModuleConfiguration& configuration = outcome.configuration;
    const auto tags = configuration.tags;
    configuration = EmptyConfiguration(model, state.ModelVersion, catalogue);
    configuration.tags = tags;
    SessionOpening opening =
        state.link.open(state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    if (!opening) {
        return failed(ModuleReadFailure::PortNotOpened,
                      PortNotOpenedText(shownPort, opening.failure));
    }
    ModuleSession& session = *opening.session;
    const int total = parametersOf(catalogue, model);
    int done = 0;
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        const TTableEntry& entry = catalogue[i];
        if (!AppliesToModel(entry, model)) {
            continue;
        }
        if (progress.stopped()) {
            return stopped();
        }
        progress.report(++done, total, QStringLiteral("Parameter"));
        QString reply;
        for (int attempt = 0; attempt < ReadAttempts && !reply.startsWith(Answered); ++attempt) {
            reply = session.exchange(ReadRegisterCommand(entry.ReadCommand)).text;
        }
        const auto word = ParseHexWord(ReplyData(reply));
        if (!reply.startsWith(Answered)) {
            return failed(ModuleReadFailure::StoppedAnswering,
                          QStringLiteral("The module stopped answering\rat ") + entry.Name +
                              QStringLiteral("."));
        }
        if (!word) {
            return failed(ModuleReadFailure::InvalidValue,
                          QStringLiteral("The module sent an invalid value (") +
                              VisibleReply(ReplyData(reply)) + QStringLiteral(")\rfor ") +
                              entry.Name + QStringLiteral("."));
        }
        configuration.set(i, entry.FieldType == FieldKind::Number
                                 ? WordToValue(*word, model)
                                 : (*word > LargestChoiceIndex ? 0 : *word));
    }
    return outcome;
}
