// Taking and putting back the shown configuration.

#include "form/TForm1.h"
#include "shell/ProgramState.h"

WindowSnapshot TForm1::TakeSnapshot() const {
    WindowSnapshot snapshot;
    snapshot.controls.reserve(controls_.size());
    for (const auto& control : controls_) {
        snapshot.controls.push_back(control->look());
    }
    snapshot.statusPanels = statusPanels_;
    snapshot.modifiedShown = modifiedShown_;
    snapshot.shownModel = shownModel_;
    snapshot.shownFields = shownFields_;
    snapshot.configurationEmpty = ConfigurationEmpty;
    snapshot.modelCode = state_.ModelCode;
    snapshot.modelVersion = state_.ModelVersion;
    snapshot.catalogue = state_.Catalogue;
    snapshot.configuration = document_;
    snapshot.baseline = baseline_;
    return snapshot;
}

void TForm1::RestoreSnapshot(const WindowSnapshot& snapshot) {
    state_.ModelCode = snapshot.modelCode;
    state_.ModelVersion = snapshot.modelVersion;
    state_.Catalogue = snapshot.catalogue;
    document_ = snapshot.configuration;
    baseline_ = snapshot.baseline;
    shownFields_ = snapshot.shownFields;
    ConfigurationEmpty = snapshot.configurationEmpty;
    for (std::size_t i = 0; i < controls_.size() && i < snapshot.controls.size(); ++i) {
        controls_[i]->restore(snapshot.controls[i]);
    }
    // The last panel is the clock, which keeps running.
    for (int panel = 0; panel < int(snapshot.statusPanels.size()) - 1; ++panel) {
        SetStatusPanel(panel, snapshot.statusPanels.at(std::size_t(panel)));
    }
    modifiedShown_ = snapshot.modifiedShown;
    shownModel_ = snapshot.shownModel;
}
