#pragma once

#include "catalogue/ModelLayout.h"
#include "records/ConfigurationFile.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTimer;
class QToolButton;
struct ProgramState;

// The main window: four pages, the tool bar, the parameter groups built from the catalogue,
// the status bar, the status box and the password cover. Its members are the window's event
// handlers and larger operations; the operations of each subsystem are defined in that
// subsystem's folder.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int ClientWidth = 747;
    static constexpr int ClientHeight = 658;

    explicit TForm1(ProgramState& state, QWidget* parent = nullptr);
    ~TForm1() override;

    ProgramState& state() const { return state_; }

    // The component with that objectName, letter case ignored; nullptr when there is none.
    QWidget* FindControl(const QString& name) const;
    template <class T>
    T* Find(const QString& name) const {
        return qobject_cast<T*>(FindControl(name));
    }

    // Field states of one parameter (key K, kind "C" or "T").
    void EnableField(const QString& key, const QString& fieldType);
    void DisableField(const QString& key, const QString& fieldType);
    // Puts catalogue entry `index` (1..70) into the shown state: its value, choices, unit and
    // hints on screen, enabled.
    void ShowField(int index);

    // Appends "[hh:mm:ss] - text" to the log list and keeps the newest line in view.
    void Memo(const QString& text);
    // Keeps the log list's hint equal to the line under the pointer.
    void ListBox1MouseMove(const QPoint& position);

    // The four panels of the status bar: 0 status, 1 model, 2 modification mark, 3 clock.
    QString StatusPanel(int index) const;
    void SetStatusPanel(int index, const QString& text);

    // Window-level flags shared by the operations.
    bool ConfigurationEmpty = true;
    bool Busy = false;
    bool TabMarked = false;

    // Timers and keys.
    void Timer2Timer();
    void Timer3Timer();
    void FormKeyDown(int key);

    // Tool bar handlers.
    void TBOpenComClick();
    void TBSaveComClick();
    void TBOpenFileClick();
    void TBSaveFileClick();
    void BitBtn2Click();
    void BitBtn1Click();
    void TBClearClick();
    void TBHelpClick();

    // The status box closes with its OK button.
    void BStatusClick();

    // Clears every parameter field and the module information.
    void ResetAll();
    // Reads the connected module's whole configuration into the window.
    void ReadAll();
    // Collects the shown configuration into the entry list and the report rows and applies the
    // consistency rules. Mode "read", "write" or "print"; true when the caller may go on.
    bool CheckAll(const QString& mode);
    // Writes the shown configuration (as the last CheckAll collected it) to a file.
    WriteOutcome SubWriteToFile(const QString& fileName, WriteMode mode);
    // "backup" appends the configuration to the configuration log; other targets save to a
    // file the user chooses.
    void WriteToFile(const QString& target);
    // Puts a title and a text ("\r" breaks the line) into the status box.
    void SetStatusBox(const QString& title, const QString& text);

    // Configuration files: "DEFAULTS" loads from the factory defaults, anything else from the
    // archive. True when a file was applied.
    bool ReadFromFile(const QString& source);
    bool InsertDataFromFileToScreen(const QString& model);
    // Appends the log list to the system log (at closing).
    void UpdateLog();

    // Port discovery and writing a configuration to the module.
    QString FindTheRightCom();
    void FindPorts();
    void BAutoDetectClick();
    void BChangeDefaultComPortClick();
    bool WriteAll();

    // Start-up, working session and password.
    void FormShow();
    void FormClose();
    void PageControl1Change(int index);
    void BEnterPasswordClick();
    void BChangePasswordClick();
    void ChangePassword();
    void CheckBox1Click();
    void BDoneByDoneForClick();
    // A yes/no box of the Settings page changed: its setting becomes "Y" or "N".
    void SettingsBoxClick(const QString& boxName);
    void BitBtn4Click();
    void LDataSheetClick();
    void Label5Click();
    void Label1Click();

    // Cleans a tag edit that lost the focus: characters outside 32..126 become "?".
    void CheckTag(QLineEdit* field);

    // The layout for a model (frame, selectors, captions) and its parts.
    void AdjustFor(const QString& model);
    void LightPanels(const PanelLamps& flags);
    void LightSensors(const SensorLamps& flags);

    // Edits and choices keep the catalogue and the dependent fields consistent.
    void UpdateLimits(QComboBox* sender);
    void Modified(QWidget* sender);
    void OnEditLeave(QLineEdit* sender);
    void CCJComClick(QComboBox* sender);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindow();
    QWidget* buildMainPage();
    void buildToolBar(QWidget* page);
    void buildGroups(QWidget* page);
    void buildLogAndInformation(QWidget* page);
    void buildStatusBar(QWidget* client);
    void buildStatusBox(QWidget* client);
    void buildPasswordPanel(QWidget* client);
    void connectToolBar();
    void connectSession();
    void setPasswordFieldsEnabled(bool enabled);
    void buildParameterControls(QWidget* page);
    void indexControls();
    void showHintOf(QWidget* widget);

    ProgramState& state_;
    QHash<QString, QWidget*> controlsByName_;
    QTabWidget* pages_ = nullptr;
    QListWidget* log_ = nullptr;
    QLabel* statusPanels_[4] = {};
    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
    QSet<QObject*> parameterEdits_;
};
