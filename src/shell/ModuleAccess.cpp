// The module as the run reaches it: the presence probe and identification on the default port,
// with the user told what went wrong, and the tags read and written through the run's link.

#include "shell/ModuleAccess.h"

#include "link/ModelTable.h"
#include "link/RegisterProtocol.h"
#include "shell/ConversionError.h"
#include "shell/MakerSite.h"
#include "shell/ProgramState.h"

namespace {

const QString PresenceProbe = QStringLiteral("00D00000");
const QString ModelQuery = QStringLiteral("00d00000");
const QString VersionQuery = QStringLiteral("00d80000");
const QString ProbeRegisterRead = QStringLiteral("004A0000");
const QString ProbeRegisterSet = QStringLiteral("004B0001");
const QString ProbeRegisterRestorePrefix = QStringLiteral("004B000");

// One exchange on ComPortName in an open-exchange-close of its own.
QString exchangeOnce(ProgramState& state, const QString& command) {
    SessionOpening opening = state.link.open(state.link.ComPortName);
    return opening ? opening.session->exchange(command).text : MakeReply({}, true).text;
}

// What the presence probe found; `openFailure` tells why when the port did not open.
struct ProbeResult {
    bool present = false;
    PortOpenFailure openFailure;
};

// The steps of finding and identifying a module: two presence probes, the firmware, the model.
constexpr int IdentificationSteps = 4;

void tell(ProgramState& state, const QString& doing, int step) {
    if (state.linkActivity) {
        state.linkActivity(doing + QStringLiteral(" on ") +
                               state.PortShownAs(state.link.ComPortName) + QStringLiteral(" ..."),
                           step, IdentificationSteps);
    }
}

ProbeResult probe(ProgramState& state) {
    tell(state, QStringLiteral("Looking for a module"), 0);
    SessionOpening opening = state.link.open(state.link.ComPortName);
    ProbeResult result;
    if (!opening) {
        result.openFailure = opening.failure;
    } else {
        ModuleSession& session = *opening.session;
        result.present = session.exchange(PresenceProbe).answered();
        if (!result.present) {
            tell(state, QStringLiteral("Looking for a module"), 1);
            result.present = session.exchange(PresenceProbe).answered();
        }
    }
    return result;
}

QChar eighth(const QString& reply) {
    return reply.size() >= 8 ? reply[7] : QLatin1Char(' ');
}

}  // namespace

QString UnsupportedVersionText(const QString& code, int version, const QString& softwareVersion) {
    return QStringLiteral("It was detected that your ") + code +
           QStringLiteral(" has a software version (") + QString::number(version) +
           QStringLiteral(") that ") +
           QStringLiteral("MAY not be configurable by this KVC7345 Version ") + softwareVersion +
           QStringLiteral("\r") +
           QStringLiteral("Work session will not be stopped, but we strongly suggest you visit ") +
           MakerWebSite() + QStringLiteral(" for updates.");
}

QString NotRecognisedText(const QString& softwareVersion) {
    return QStringLiteral(
               "Isolator Model Inserted is not recognized as compatible with this Software "
               "Version(") +
           softwareVersion + QStringLiteral(").") + QStringLiteral("\r") +
           QStringLiteral("Try downloading latest release at ") + MakerWebSite();
}

bool TryPortSilent(ProgramState& state) {
    return probe(state).present;
}

bool TryPort(ProgramState& state, PortOpenFailure* openFailure) {
    const ProbeResult found = probe(state);
    if (openFailure != nullptr) {
        *openFailure = found.openFailure;
    }
    if (found.present) {
        return true;
    }
    state.message(BoxKind::Warning, PortProblemText(state.PortShownAs(state.settings.ReadConfig(
                                                        QStringLiteral("DEFAULTCOMPORT"))),
                                                    found.openFailure));
    return false;
}

namespace {

ModuleIdentity::Result versionReading(ProgramState& state, int& version,
                                      PortOpenFailure* openFailure = nullptr) {
    version = 0;
    if (!TryPort(state, openFailure)) {
        return ModuleIdentity::Result::NoModule;
    }
    tell(state, QStringLiteral("Identifying the module"), 2);
    const QString data = ReplyData(exchangeOnce(state, VersionQuery));
    const auto word = ParseHexWord(data);
    if (!word) {
        // The port is closed already; nothing has been changed on the module.
        // Control characters are shown by their codes so the box keeps its single line.
        state.message(BoxKind::Error,
                      InvalidIntegerText(QStringLiteral("0x") + VisibleReply(data)));
        return ModuleIdentity::Result::InvalidFirmwareReply;
    }
    version = *word;
    return ModuleIdentity::Result::Identified;
}

}  // namespace

int DetectModelVersion(ProgramState& state) {
    int version = 0;
    versionReading(state, version);
    return version;
}

ModuleIdentity IdentifyModule(ProgramState& state, const QString& codeBefore) {
    ModuleIdentity identity;
    identity.code = codeBefore;
    identity.result = versionReading(state, state.ModelVersion, &identity.openFailure);
    identity.firmware = state.ModelVersion;
    if (identity.result != ModuleIdentity::Result::Identified || state.ModelVersion == 0) {
        identity.code.clear();
        if (identity.result == ModuleIdentity::Result::Identified) {
            identity.result = ModuleIdentity::Result::NoModule;
        }
        return identity;
    }
    QString& code = identity.code;
    tell(state, QStringLiteral("Identifying the module"), 3);
    const ModelLookup found = LookupModelReply(exchangeOnce(state, ModelQuery));
    switch (found.kind) {
        case ModelReplyKind::Model:
            code = found.code;
            break;
        case ModelReplyKind::Q7321SorQ7351S:
            is60or50(state, code);
            break;
        case ModelReplyKind::NotConfigurable:
            state.message(BoxKind::Warning, NotConfigurableText());
            identity.result = ModuleIdentity::Result::Unrecognised;
            break;
        case ModelReplyKind::NotRecognised:
            state.message(BoxKind::Warning, NotRecognisedText(state.SoftwareVersion));
            identity.result = ModuleIdentity::Result::Unrecognised;
            break;
    }
    if (code.isEmpty()) {
        identity.result = ModuleIdentity::Result::Unrecognised;
    }
    return identity;
}

void DetectModel(ProgramState& state, QString& code) {
    code = IdentifyModule(state, code).code;
}

void is60or50(ProgramState& state, QString& code) {
    SessionOpening opening = state.link.open(state.link.ComPortName);
    if (!opening) {
        code = QStringLiteral("Q7321S");  // nothing to probe: the blank reply's reading
        return;
    }
    ModuleSession& session = *opening.session;
    const QChar kept = eighth(session.exchange(ProbeRegisterRead).text);
    if (kept != QLatin1Char('0')) {
        code = QStringLiteral("Q7321S");
        return;
    }
    // The answer to the unread 4B write is still queued, so it is what this exchange reads.
    session.send(ProbeRegisterSet);
    const QChar echoed = eighth(session.exchange(ProbeRegisterRead).text);
    // No answer may stay owed when the session ends: one arriving after the next session has
    // cleared its input would pass there for the first parameter's value.
    session.read();
    if (echoed == QLatin1Char('1')) {
        session.exchange(ProbeRegisterRestorePrefix + kept);
        code = QStringLiteral("Q7321S");
        return;
    }
    code = QStringLiteral("Q7351S");
}

bool CompareWorkingVersion(ProgramState& state, const QString& code, int version) {
    const bool unsupported = (code == QLatin1String("Q7351S") && version > 258) ||
                             (code == QLatin1String("Q7356S") && version > 7168) ||
                             (code.contains(QLatin1String("Q732")) && version > 258) ||
                             (code.contains(QLatin1String("Q738")) && version > 6149);
    if (unsupported) {
        state.message(BoxKind::Warning,
                      UnsupportedVersionText(code, version, state.SoftwareVersion));
    }
    return !unsupported;
}

namespace {

template <typename Result>
std::optional<ModuleSession> tagSession(ProgramState& state, Result& result) {
    if (!TryPort(state)) {
        result.failure = TagFailure::NoModule;
        return std::nullopt;
    }
    SessionOpening opening =
        state.link.open(state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")));
    if (!opening) {
        result.failure = TagFailure::PortNotOpened;
        result.openFailure = opening.failure;
    }
    return std::move(opening.session);
}

}  // namespace

TagReadResult ReadTag(ProgramState& state, int channel) {
    TagReadResult result;
    std::optional<ModuleSession> session = tagSession(state, result);
    return session ? ReadTagOn(*session, channel) : result;
}

TagWriteResult WriteTag(ProgramState& state, int channel, const QString& text) {
    TagWriteResult result;
    std::optional<ModuleSession> session = tagSession(state, result);
    return session ? WriteTagOn(*session, channel, text) : result;
}
