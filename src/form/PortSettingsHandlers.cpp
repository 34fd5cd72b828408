// The default port: searching every port for a module, listing the ports that open, and the
// manual choice among them.

#include "form/TForm1.h"
#include "link/PortSearch.h"
#include "shell/ProgramState.h"

namespace {

const QString DefaultPortKey = QStringLiteral("DEFAULTCOMPORT");

QString noModuleFoundText(int openedPorts) {
    return QString::number(openedPorts) +
           QStringLiteral(" available serial ports were found on this system,") +
           QStringLiteral("\r") +
           QStringLiteral("but no valid NV Product was found on any of them.") +
           QStringLiteral("\r") + QStringLiteral("\r") + QStringLiteral("Please Verify that:") +
           QStringLiteral("\r") + QStringLiteral("\r") +
           QStringLiteral("     - module is correctly plugged in") + QStringLiteral("\r") +
           QStringLiteral("     - module is correctly power supplied") + QStringLiteral("\r") +
           QStringLiteral("     - no other application is interfering with serial communication.");
}

// The system's names, then the run's own port: a module on a port named on the command line
// (a pseudo-terminal, a demo) is found like any other. A device met under two names is opened
// once.
QStringList searchedPorts(const ProgramState& state) {
    QStringList names = state.SearchedPorts ? *state.SearchedPorts : SystemPortNamesToTry();
    if (!state.PortForThisRun.isEmpty() && !names.contains(state.PortForThisRun)) {
        names << state.PortForThisRun;
    }
    return names;
}

// Two names of one device (COM1 and /dev/ttyS0, a link and its target) are the same port.
bool samePort(const QString& one, const QString& other) {
    if (one == other) {
        return true;
    }
    const QString identity = PortIdentity(one);
    return !identity.isEmpty() && identity == PortIdentity(other);
}

}  // namespace

std::function<bool(int, int)> TForm1::searchProgress() {
    return [this](int place, int total) {
        if (StopRequested()) {
            return false;
        }
        ShowProgress(place, total, QStringLiteral("Port"));
        return true;
    };
}

QString TForm1::FindTheRightCom() {
    for (;;) {
        QString found;
        const int opened = VisitPorts(
            state_.link, searchedPorts(state_),
            [&found](const PortVisit& port) {
                if (port.answered) {
                    found = port.name;
                }
                return found.isEmpty();
            },
            MaxOpenedPorts, searchProgress());
        EndProgress();
        if (StopRequested()) {
            return {};
        }
        if (!found.isEmpty()) {
            SettingsStore& settings = state_.settings;
            if (!state_.DemoPort.isEmpty()) {
                // A demo's settings last only for its run: the port found is this run's default,
                // without a question whose answer would not be kept.
                settings.WriteConfig(DefaultPortKey, found);
            } else if (samePort(found, settings.ReadConfig(DefaultPortKey))) {
                state_.message(BoxKind::Information,
                               QStringLiteral("Currently defined Default COM Port (") +
                                   state_.PortShownAs(settings.ReadConfig(DefaultPortKey)) +
                                   QStringLiteral(") is correct."));
            } else if (state_.message(BoxKind::Confirmation,
                                      QStringLiteral("        Valid module was found on ") +
                                          state_.PortShownAs(found) + QStringLiteral("\r") +
                                          QStringLiteral("Do you wish to save this as Default "
                                                         "Port for future use?"),
                                      BoxButtons::YesNo) == BoxAnswer::Yes) {
                settings.WriteConfig(DefaultPortKey, found);
            }
            return found;
        }
        // Retry gives the user the chance to plug the module in and search once more.
        if (state_.message(BoxKind::Error, noModuleFoundText(opened), BoxButtons::RetryCancel) !=
            BoxAnswer::Retry) {
            return {};
        }
    }
}

void TForm1::FindPorts() {
    // A reading session holds its port; the list is made again another time.
    if (state_.link.lineUse().busy()) {
        return;
    }
    QStringList opened;
    int lastAnswered = -1;
    VisitPorts(
        state_.link, searchedPorts(state_),
        [&](const PortVisit& port) {
            opened << state_.PortShownAs(port.name);
            if (port.answered) {
                lastAnswered = static_cast<int>(opened.size()) - 1;
            }
            return true;
        },
        MaxOpenedPorts, searchProgress());
    EndProgress();
    // Only the ports that opened are offered; the last one a module answered on is selected,
    // none when no module answered.
    Control(QStringLiteral("CDefaultComPort")).setItems(opened, lastAnswered);
}

void TForm1::BAutoDetectClick() {
    if (PortAvailable()) {
        FindTheRightCom();
    }
}

void TForm1::BChangeDefaultComPortClick() {
    // An empty default port would leave nothing in the window able to name one again.
    const QString chosen = Control(QStringLiteral("CDefaultComPort")).currentText();
    if (chosen.isEmpty()) {
        state_.message(BoxKind::Warning,
                       QStringLiteral("No port is selected in the list.\r\rThe default COM port "
                                      "stays ") +
                           state_.PortShownAs(state_.settings.ReadConfig(DefaultPortKey)) +
                           QStringLiteral("."));
        return;
    }
    state_.settings.WriteConfig(DefaultPortKey, state_.PortNamed(chosen));
}
