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

QStringList searchedPorts(const ProgramState& state) {
    return state.SearchedPorts ? *state.SearchedPorts : SystemPortNamesToTry();
}

// Shows which port the search is at, and ends it when the window is closing.
std::function<bool(int, int)> searchProgress(TForm1& form) {
    return [&form](int place, int total) {
        if (form.StopRequested()) {
            return false;
        }
        form.ShowProgress(place, total, QStringLiteral("Port"));
        return true;
    };
}

}  // namespace

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
            MaxOpenedPorts, searchProgress(*this));
        EndProgress();
        if (StopRequested()) {
            return {};
        }
        if (!found.isEmpty()) {
            SettingsStore& settings = state_.settings;
            if (found == settings.ReadConfig(DefaultPortKey)) {
                state_.message(BoxKind::Information,
                               QStringLiteral("Currently defined Default COM Port (") + found +
                                   QStringLiteral(") is correct."));
            } else if (state_.message(BoxKind::Confirmation,
                                      QStringLiteral("        Valid module was found on ") + found +
                                          QStringLiteral("\r") +
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
    if (LiveSessionRunning()) {
        return;
    }
    QStringList opened;
    int lastAnswered = -1;
    VisitPorts(
        state_.link, searchedPorts(state_),
        [&](const PortVisit& port) {
            opened << port.name;
            if (port.answered) {
                lastAnswered = static_cast<int>(opened.size()) - 1;
            }
            return true;
        },
        MaxOpenedPorts, searchProgress(*this));
    EndProgress();
    Control(QStringLiteral("CDefaultComPort")).setItems(opened, lastAnswered);
}

void TForm1::BAutoDetectClick() {
    if (PortFreeForOperation()) {
        FindTheRightCom();
    }
}

void TForm1::BChangeDefaultComPortClick() {
    state_.settings.WriteConfig(DefaultPortKey,
                                Control(QStringLiteral("CDefaultComPort")).currentText());
}
