#include "form/HistoryComparison.h"

#include "form/TForm1.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationValues.h"
#include "shell/Dialogs.h"
#include "shell/FileWriting.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// The boxes of a load nobody watches: kept for the caller and answered No; the open dialog
// answers with the entry's file.
class SilentDialogs final : public Dialogs {
  public:
    explicit SilentDialogs(QString file) : file_(std::move(file)) {}
    BoxAnswer message(BoxKind, const QString& text, BoxButtons buttons) override {
        boxes << DisplayText(text);
        return NegativeAnswer(buttons);
    }
    QString chooseSaveFile(const FileDialogRequest&) override { return {}; }
    QString chooseOpenFile(const FileDialogRequest&) override { return std::exchange(file_, {}); }
    bool openUrl(const QUrl&) override { return false; }

    QStringList boxes;

  private:
    QString file_;
};

}  // namespace

HistoryValuesOutcome HistoryEntryValues(const QByteArray& bytes) {
    HistoryValuesOutcome outcome;
    // The load reads files only: the entry goes into a folder of its own, which is also the
    // program folder of the throwaway window, so nothing of the real one is touched.
    const QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("entry.NVC"));
    const FileWriteResult written = ReplaceFile(file, bytes, SystemDisk());
    if (!folder.isValid() || !written.written) {
        outcome.refusal = written.reason;
        return outcome;
    }
    SilentDialogs dialogs(file);
    ProgramState state(dialogs);
    state.ProgramFolder = folder.path();
    TForm1 form(state);
    outcome.loaded = form.ReadFromFile(FileSource::Archive);
    outcome.refusal = form.LastLoad().refusal;
    outcome.boxes = dialogs.boxes;
    if (outcome.loaded) {
        outcome.values = ValuesOf(form.Configuration(), form.Catalogue());
        outcome.shown = ConfigurationLines(form.Configuration(), form.Catalogue());
    }
    return outcome;
}

QList<ConfigurationDifference> CompareWithWindow(const ConfigurationValues& entry,
                                                 const TForm1& window) {
    return CompareConfigurations(entry, ValuesOf(window.Configuration(), window.Catalogue()),
                                 Comparison::TwoFiles);
}
