#pragma once

#include "catalogue/Definitions.h"
#include "catalogue/ModuleConfiguration.h"
#include "form/FormControl.h"

#include <QSet>
#include <QString>

#include <array>
#include <vector>

// The shown configuration as a value: every control's look, the status panels and the module
// data behind them. A load that the user abandons puts it back, so the window shows what it
// showed before instead of half a file.
struct WindowSnapshot {
    std::vector<FormControl::Look> controls;  // in the order of TForm1::Controls()
    std::array<QString, 4> statusPanels;
    bool modifiedShown = false;
    QString shownModel;
    QSet<int> shownFields;
    bool configurationEmpty = true;

    QString modelCode;
    int modelVersion = 0;
    std::shared_ptr<const ModelCatalogue> catalogue;
    ModuleConfiguration configuration;
    ModuleConfiguration baseline;
};
