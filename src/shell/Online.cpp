#include "shell/Online.h"

#include "shell/ProgramState.h"

#include <QNetworkInformation>

bool Online(const ProgramState& state) {
    if (state.OnlineOverride) {
        return *state.OnlineOverride;
    }
    if (QNetworkInformation::instance() == nullptr &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return false;
    }
    const QNetworkInformation* information = QNetworkInformation::instance();
    return information != nullptr &&
           information->reachability() == QNetworkInformation::Reachability::Online;
}
