#pragma once

#include "catalogue/Definitions.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/ModuleConfiguration.h"
#include "form/FormControl.h"
#include "form/FormModes.h"
#include "form/WindowSnapshot.h"
#include "live/Calibration.h"
#include "live/LiveState.h"
#include "live/RefreshRates.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationLoad.h"
#include "records/LoadRecord.h"
#include "records/ReportSheet.h"
#include "transfer/ModuleRead.h"
#include "transfer/ModuleWrite.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
struct FileLoading;
class QUrl;
struct HistoryEntry;
struct ProgramState;

// How a load names an entry of the configuration history, where it names a loaded file by its
// name: "config.log (7 Dec 2026 10:15:02)".
QString HistorySourceName(const HistoryEntry& entry);

// How far the operation that talks to the module has come, for the progress bar.
struct OperationProgress {
    bool active = false;
    int done = 0;
    int total = 0;
    QString text;  // "Parameter 3 of 41"
};

// The main window without widgets: every control the operations read or set, by name, with its
// state; the log list, the status bar and the run's flags. The window (a separate library) shows
// the model and passes the user's keys, clicks and edits to the entry points below; the event
// handlers and operations they reach are the model's own and work on this model only, so the
// tests run them with no display.
class TForm1 : public QObject, public ControlOwner {
    Q_OBJECT

  public:
    explicit TForm1(ProgramState& state, QObject* parent = nullptr);
    ~TForm1() override;

    // --- What the window passes on from the user ---

    // The start-up as the program runs it, once the window has been shown: FormShow through the
    // gate, port list and password cover included. It ends when FormShow returns, whatever
    // covers the pages; the user's input waits for that end.
    void StartUp();
    // Runs a command of the user's (a click, a key, a page change): refused while another is
    // running and until the start-up has ended; the field being edited is first validated as if
    // it had been left. False when refused.
    bool RunCommand(const std::function<void()>& command);
    // A press of a button or link, a choice the user made in a list, a ticked or cleared box, a
    // page chosen. While the password cover is up, only its own controls are used. False when
    // refused, so the window shows the model's state again.
    void Click(const QString& name);
    bool Choose(const QString& name, int index);
    bool Check(const QString& name, bool checked);
    bool ShowPage(const QString& name, int index);
    // A keystroke changed an edit's text; false when refused.
    bool Typed(const QString& name, const QString& text);
    // The focus entered or left an edit.
    void FieldEntered(const QString& name);
    void FieldLeft(const QString& name);
    // A function key, or Enter and Escape for the status panel. Modifier keys do not matter:
    // Shift+F7 resets like F7. While the status panel is in front, the F-keys do nothing; Enter
    // presses its OK and Escape its OK or Cancel.
    void FormKeyDown(int key);
    // The pointer rests on a control or a line of the log list: status panel 0 shows its hint,
    // nothing when it has none.
    void PointedAt(const QString& hint);
    // The user closes the window. True when it may close now; during an operation a read or a
    // port search stops at its next exchange, a write finishes, and closeNow() follows.
    bool RequestClose();

    // --- What the window shows ---

    ProgramState& state() const { return state_; }
    // The control with that name, letter case ignored; nullptr when there is none.
    FormControl* FindControl(const QString& name) const;
    // The control with that name, which must exist.
    FormControl& Control(const QString& name) const;
    // Every control, in the order they were made.
    const std::vector<std::unique_ptr<FormControl>>& Controls() const { return controls_; }
    // The configuration the window shows: what the last read or load made of it and the edits
    // since. Every field shows what it holds; files, the log, the report and writes take it.
    const ModuleConfiguration& Configuration() const { return document_; }
    // Shows `configuration` in place of the one shown: its tags and every value it holds, on
    // the layout of its model.
    void ShowConfiguration(const ModuleConfiguration& configuration);
    // The catalogue of the shown model at its firmware.
    const TParameterTable& Catalogue() const;
    const QStringList& LogLines() const { return logLines_; }
    // The four panels of the status bar: 0 status, 1 model, 2 modification mark, 3 clock.
    QString StatusPanel(int index) const;
    // The modification mark: the configuration differs from the one last read, loaded, written
    // or saved, or the field being edited shows a text it does not hold yet. Status panel 2
    // shows it as "Modified".
    bool IsModified() const;
    // The status panel (an operation's result, a calibration step) is in front of the page.
    bool StatusPanelInFront() const;
    // The user's input is taken: the start-up has ended and no command is running.
    bool AcceptsInput() const;
    // Progress of the running transfer.
    const OperationProgress& Progress() const { return progress_; }
    // What the last load refused or applied.
    const FileLoadRecord& LastLoad() const { return lastLoad_; }
    // The report sheet of the shown configuration as F6 would print it now: the model,
    // additional information and tags a save would write, and the parameters in use.
    ReportSheet ShownReport() const;

    // The Values page: its reading sessions and charts.
    LiveState& Live() { return live_; }
    const LiveState& Live() const { return live_; }
    // True while a reading session holds the port.
    bool LiveSessionRunning() const;
    // True from a calibration's instruction until its result or its Cancel.
    bool CalibrationPending() const { return calibrationPending_; }

    // --- Operations whose outcome their caller reads ---

    // Reads the connected module's whole configuration into the window; a read that verifies a
    // write is named so in the log list.
    enum class ReadPurpose : std::uint8_t { Show, Verify };
    ModuleReadOutcome ReadAll(ReadPurpose purpose = ReadPurpose::Show);
    // Applies the consistency rules to the shown configuration. True when the caller may go on.
    bool CheckAll(CheckMode mode);
    // Loads a configuration file into the window; true when a file was applied.
    bool ReadFromFile(FileSource source);

    // Window-level flags shared by the operations.
    bool ConfigurationEmpty = true;
    bool TabMarked = false;

  signals:
    void changed(FormControl* control, ControlProperty property);
    void statusPanelChanged(int index);
    void logAppended(const QString& line);
    void progressChanged();
    // A close that waited for an operation may now proceed.
    void closeNow();
    // A channel's session took a reading: the seconds since START at which it arrived and its
    // value in register units.
    void readingTaken(int channel, double seconds, int value);
    // The user asked for the configuration history; the window shows it before returning.
    void historyRequested();

  private:
    // The presenter's own helpers in form/, which run its routines as parts of theirs.
    friend class HistoryBrowser;
    friend ModuleWriteOutcome SaveToModule(TForm1& form);
    // Tests only: tests/support/FormProbe.h runs a timer's tick at the moment a test picks, and
    // leaves the states a read would leave without a module to read.
    friend class FormProbe;

    // What status panel 0 says while the password cover waits for the password.
    static const QString PasswordStatus;

    // The controls report their changes here, through the ControlOwner interface only.
    void controlChanged(FormControl& control, ControlProperty property) override;
    int nextStackPlace(bool front) override;

    // Field states of one parameter (key K): its caption, value control and unit.
    void EnableField(const QString& key, FieldKind kind);
    void DisableField(const QString& key, FieldKind kind);
    // Puts catalogue entry `index` (1..70) into the shown state: the configuration's value,
    // choices, unit and hints, enabled.
    void ShowField(int index);
    // The user's text for number parameter `index`, as leaving its field takes it: a text that is
    // no number is refused with a warning, one beyond the limits becomes the limit with a warning.
    // The field then shows what the configuration holds. False when the text was refused.
    bool EditValue(int index, const QString& text);
    // Appends "[hh:mm:ss] - text" to the log list.
    void Memo(const QString& text);
    // The shown configuration, taken before a load and put back when the user abandons it.
    WindowSnapshot TakeSnapshot() const;
    void SetStatusPanel(int index, const QString& text);
    // The configuration as it stands is the one last read, loaded, written or saved.
    void SetUnmodified();
    // The model of the configuration shown ("-" when none), which a write must find connected.
    // LModel shows it, with the firmware as its hint.
    const QString& ShownModel() const { return shownModel_; }
    void SetShownModel(const QString& model, const QString& hint);

    // The refresh (half a second after a change) and the clock (every second).
    void Timer2Timer();
    void Timer3Timer();

    // Tool bar handlers.
    void TBSaveComClick();
    void TBOpenFileClick();
    void TBSaveFileClick();
    void BitBtn1Click();
    void TBClearClick();
    // Opens the configuration history: the window shows it (historyRequested) while this
    // command holds the gate, so what the history does runs as this command.
    void TBHistoryClick();
    // The status box closes with its OK button.
    void BStatusClick();

    // Clears every parameter field and the module information.
    void ResetAll();
    // The header a save made now writes: the configuration's, with the Settings page's
    // additional information.
    ConfigurationHeader SaveHeader(const QDateTime& moment) const;
    // The parameters the report sheet lists: those of the model whose fields are in use.
    QSet<int> PrintedParameters() const;
    // The report sheet as a PDF file the user chooses; true when it was saved.
    bool SaveReportAsPdf();
    // Writes the shown configuration to a file.
    WriteOutcome SubWriteToFile(const QString& fileName, WriteMode mode);
    // Appends the configuration to the configuration log, or saves it to a file the user
    // chooses.
    void WriteToFile(SaveTarget target);
    // Loads an entry of the configuration history as ReadFromFile loads the file it was.
    bool ReadFromHistory(const HistoryEntry& entry);
    // Appends the log list to the system log (at closing).
    void UpdateLog();

    // Port discovery and writing a configuration to the module.
    QString FindTheRightCom();
    void FindPorts();
    ModuleWriteOutcome WriteAll();

    // Start-up, working session and password.
    // The password cover is up: the window waits for the password, and the status bar says so.
    bool PasswordCoverUp() const;
    void FormShow();
    void FormClose();
    // At start-up, when the automatic check is on and the computer is online.
    void CheckForUpdatesAtStartUp();
    // The default port setting changed: the port in use and its label follow.
    void DefaultPortChanged();

    // Cleans a tag edit that lost the focus: characters outside 32..126 become "?".
    void CheckTag(FormControl& field);
    // The layout for a model (frame, selectors, captions) and its parts.
    void AdjustFor(const QString& model);
    // Edits and choices keep the catalogue and the dependent fields consistent.
    void UpdateLimits(FormControl& sender);
    void Modified(FormControl& sender);
    void OnEditLeave(FormControl& sender);
    void CCJComClick(FormControl& sender);

    // The Values page: live input values.
    // The timer of a channel's reading session (1 or 2).
    QTimer& ReadTimer(int channel) const;
    void BStartReadValues_Click();
    void Timer_ReadValue1Timer();
    void Timer_ReadValue2Timer();
    // Load-cell calibration.
    void BAquireZeroClick();
    void BAquireReferenceClick();
    void BStatus_AquireZeroClick();
    void BStatus_AquireReferenceClick();
    void BCancelStatusClick();

    // Who keeps the port from an operation now: the line's owner answers for the sessions, the
    // status panel for a calibration waiting in it.
    PortHolder HolderOfPort() const;

    // Set when the window is closing: reads and port searches stop at the next exchange.
    bool StopRequested() const { return stopRequested_; }
    void ShowProgress(int done, int total, const QString& what);
    void EndProgress();
    // Shows which port a search is at, and ends it when the window is closing.
    std::function<bool(int, int)> searchProgress();
    // Runs a request to the maker's server while the window's events run.
    template <class Request>
    auto withServer(Request request);

    // The handlers the controls reach through connectHandlers, and the steps of the operations
    // that only the presenter's own routines take.
    void RestoreSnapshot(const WindowSnapshot& snapshot);
    void TBOpenComClick();
    // Prints the report sheet of the last print-mode check, after the print dialog.
    void MyPrint();
    void TBSaveReportPdfClick();
    void TBHelpClick();
    // Puts a title and a text ("\r" breaks the line) into the status box.
    void SetStatusBox(const QString& title, const QString& text);
    // ReadFromFile, with `entry` in place of the open dialog's first answer when given.
    bool loadConfiguration(FileSource source, const HistoryEntry* entry);
    // A loaded configuration takes the place of the shown one.
    void showLoaded(const QString& fileName, const FileLoading& loading);
    // After the lines: the layout follows the firmware the file brought, and the data sheet
    // link names the model.
    void finishShowing();
    void showHeader(const LoadedLine& line);
    // After a read or a load: the fields show the limits its sensors set (`limitsSet`), the
    // dependent fields follow their choices, then the read-mode check runs.
    void RefreshAfterTransfer(TransferSource source, const QList<int>& limitsSet);
    void BChangeDefaultComPortClick();
    void PageControl1Change();
    void BChangePasswordClick();
    void ChangePassword();
    void CheckBox1Click();
    void BDoneByDoneForClick();
    // A yes/no box of the Settings page changed: its setting follows it.
    void SettingsBoxClick(const QString& boxName);
    void BitBtn4Click();
    void LDataSheetClick();
    void Label5Click();
    void Label1Click();
    void CBAutoCheckUpdateClick();
    void LightPanels(const PanelLamps& flags);
    void LightSensors(const SensorLamps& flags);
    // Identifies the module and prepares the live view; true when prepared for an unchanged
    // model.
    bool ModelInfo();
    // Reads the channels' sensors and fits labels, decimals and chart ranges to them.
    void FindMyDecs();
    // Ends any reading session and forgets the preparation.
    void ResetValues();
    void DisplayReadValues();
    void BReadValue1Click();
    void BReadValue2Click();
    // One input-value exchange on the session's port; nothing when the reply was no reading
    // (skipped, or the session has then ended with a warning) or the session was stopped
    // meanwhile.
    std::optional<int> ReadCh(int channel);
    void CBRefresh1Change();
    void CBRefresh2Change();
    // The Values page was left: a running session stops with a message.
    void AwayFromValues();
    // Saves the readings of channel 1's or 2's running or last session as CSV, to a file the
    // user chooses.
    void BSaveValues1Click();
    void BSaveValues2Click();
    // True when an operation may talk to the module now. Otherwise false, after saying why when
    // the user can free the port (STOP, or the calibration's OK or Cancel); another operation
    // still running is refused silently.
    bool PortAvailable();
    // A command runs: the gate's own (a save dialog holds no line), or an operation's session
    // holds the line.
    bool CommandRunning() const;
    // Validates the field being edited as if it had been left; what is written, saved, logged
    // and printed is then what the user sees.
    void CommitEditing();
    void BitBtn2Click();
    void BAutoDetectClick();
    void BEnterPasswordClick();
    void BSearchForUpdatesClick();
    // Downloads the installer; after the user's OK hands it to the system and closes the window.
    void LUpdateServerVersionDownloadClick();

    enum class StartUpStage : std::uint8_t { NotBegun, Running, Ended };

    // The gate itself: refuses a command while another runs. The start-up's steps pass it
    // directly; everything of the user's passes RunCommand.
    bool runGated(const std::function<void()>& command);
    bool runUserCommand(const QString& name, const std::function<void()>& command);
    // Opens an address by the desktop (or the internal browser); a warning names it when no
    // program could.
    enum class LinkOpening { Desktop, InternalBrowser };
    void OpenLink(const QUrl& url, LinkOpening opening = LinkOpening::Desktop);
    // The check after a successful write when VERIFYWRITE is "Y": the module is read back, a
    // difference is a warning listing the parameters while the window keeps what was written,
    // and the outcome goes to the log list. True when the module holds what was written.
    bool VerifyWrittenConfiguration(const ModuleConfiguration& written);
    // The model and firmware shown have the parameter whose field is `key` ("CJRef1").
    bool showsParameter(const QString& key) const;
    // The password cover is up and the control is not on it, or the status panel is in front
    // and the control is a tool-bar command.
    bool behindCover(const QString& name) const;
    FormControl& add(const QString& name, ControlKind kind);
    void buildControls();
    void buildParameterControls();
    void connectHandlers();
    void setPasswordFieldsEnabled(bool enabled);
    bool validatesOnLeave(const QString& name) const;
    void readValueClick(int channel);
    void readValueTick(int channel);
    // Empties a channel's maximum, minimum and average labels.
    void clearStatistics(int channel);
    void saveLiveValues(int channel);
    void acquireStep1(CalibrationStep step);
    void acquireStep2(CalibrationStep step);
    void refreshChange(int channel);
    // Stops both channels' sessions and frees the port.
    void endReading();
    void endSessionAfterFailure();
    void turnAquiringDots();
    // Something the refresh (Timer2Timer) looks at may have changed: its next tick is due.
    void refreshSoon();

    // Shows the configuration's value of a number or choice, and its unit and hint.
    void showValue(int index);
    // Status panel 2 and the page caption follow IsModified.
    void refreshModifiedMark();
    // The fields that follow a sensor, a cold-junction mode or an alarm type are enabled when
    // the configuration has them in use (ParametersInUse), and greyed otherwise.
    void applyFieldsInUse();
    // The delay edits in use show their unit.
    void showDelayUnits();

    ProgramState& state_;
    ModuleConfiguration document_;
    // The configuration as last read, loaded, written or saved: the modified mark compares.
    ModuleConfiguration baseline_;
    std::vector<std::unique_ptr<FormControl>> controls_;
    QHash<QString, FormControl*> controlsByName_;
    QStringList logLines_;
    std::array<QString, 4> statusPanels_;
    bool modifiedShown_ = false;
    QString shownModel_ = QStringLiteral("-");
    OperationProgress progress_;
    QTimer* timer2_ = nullptr;
    bool refreshing_ = false;
    QTimer* timer3_ = nullptr;
    std::array<QTimer*, 2> readTimers_{};
    LiveState live_;
    int shownPage_ = 0;
    bool calibrationPending_ = false;
    int commandDepth_ = 0;
    int frontPlace_ = 0;
    int backPlace_ = 0;
    bool stopRequested_ = false;
    bool closePending_ = false;
    StartUpStage startUp_ = StartUpStage::NotBegun;
    // The catalogue entries a read or a load has put on screen since the last reset.
    QSet<int> shownFields_;
    FileLoadRecord lastLoad_;
    // The edits that validate their text when they are left (lower-case names).
    QSet<QString> leaveValidated_;
    // The edit whose text has not been validated since the user entered or typed into it.
    QString pendingEdit_;
};
