// The refresh a configuration needs once a read or a load has put it on screen.

#include "form/TForm1.h"
#include "shell/ProgramState.h"

void TForm1::RefreshAfterTransfer(TransferSource source) {
    const QString& model = state_.ModelCode;
    const bool loaded = source == TransferSource::Load;
    if (loaded) {
        state_.AdaptCatalogue(model, state_.ModelVersion);
        Control(QStringLiteral("LDataSheet")).setVisible(false);
    }
    auto list = [this](const char* name) -> FormControl& {
        return Control(QString::fromLatin1(name));
    };

    // Limits follow the sensors.
    for (const char* name : {"CInputTm1", "CInputTm2", "CInputHz1"}) {
        if (list(name).isEnabled()) {
            UpdateLimits(list(name));
        }
    }
    // A load asks whether channel 1's plain selector is shown, a read whether it is enabled.
    if (loaded ? list("CInput1").isVisible() : list("CInput1").isEnabled()) {
        UpdateLimits(list("CInput1"));
    }
    if (list("CInput2").isEnabled()) {
        UpdateLimits(list("CInput2"));
    }
    // A loaded Q7323X gets a second pass over channel 1, whose sensor also sets the limits of
    // its second output.
    if (loaded && model == QLatin1String("Q7323X")) {
        UpdateLimits(list("CInput1"));
    }

    // Cold junction and alarm fields follow their choices.
    for (const char* name : {"CCJCom1", "CCJCom2"}) {
        if (list(name).isEnabled()) {
            CCJComClick(list(name));
        }
    }
    for (const char* name : {"CType1A", "CType2A", "CType1B", "CType2B"}) {
        if (list(name).isEnabled()) {
            Modified(list(name));
        }
    }
    CheckAll(CheckMode::Read);
}
