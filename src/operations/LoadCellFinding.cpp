#include "operations/LoadCellFinding.h"

#include "live/LivePreparation.h"
#include "shell/ModuleAccess.h"
#include "shell/ProgramState.h"

bool FindLoadCell(ProgramState& state, const std::function<void(const QString& code)>& identified) {
    if (!TryPortSilent(state)) {
        state.message(BoxKind::Warning, QStringLiteral("Please connect module before continuing."));
        return false;
    }
    QString code = state.ModelCode;
    DetectModel(state, code);
    identified(code);
    if (!IsLoadCell(code)) {
        state.message(BoxKind::Warning,
                      QStringLiteral("This function is only available in Q7356S modules."));
        return false;
    }
    return true;
}
