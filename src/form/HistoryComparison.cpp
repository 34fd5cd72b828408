#include "form/HistoryComparison.h"

#include "form/TForm1.h"
#include "operations/ConfigurationLogging.h"
#include "operations/FileLoading.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"
#include "shell/Dialogs.h"
#include "shell/ProgramState.h"

namespace {

// The boxes of a load nobody watches: kept for the caller and answered No.
class SilentDialogs final : public Dialogs {
  public:
    BoxAnswer message(BoxKind, const QString& text, BoxButtons buttons) override {
        boxes << DisplayText(text);
        return NegativeAnswer(buttons);
    }
    QString chooseSaveFile(const FileDialogRequest&) override { return {}; }
    QString chooseOpenFile(const FileDialogRequest&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }

    QStringList boxes;
};

}  // namespace

HistoryValuesOutcome HistoryEntryValues(const QByteArray& bytes) {
    HistoryValuesOutcome outcome;
    // A run of its own, so nothing of the window's configuration or catalogue is touched.
    SilentDialogs dialogs;
    ProgramState state(dialogs);
    const FileLoading loading = LoadConfiguration(state, ReadConfigurationBytes(bytes));
    outcome.loaded = loading.loaded();
    outcome.refusal = loading.record.refusal;
    if (outcome.loaded) {
        CheckConfiguration(state, loading.configuration, state.ParameterTable(), CheckMode::Read);
        outcome.values = ValuesOf(loading.configuration, state.ParameterTable());
        outcome.shown = ConfigurationLines(loading.configuration, state.ParameterTable());
    }
    outcome.boxes = dialogs.boxes;
    return outcome;
}

QList<ConfigurationDifference> CompareWithWindow(const ConfigurationValues& entry,
                                                 const TForm1& window) {
    return CompareConfigurations(entry, ValuesOf(window.Configuration(), window.Catalogue()),
                                 Comparison::TwoFiles);
}
