#pragma once

#include "form/HistoryBrowser.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class HistoryTableModel;
class TForm1;

// The configuration history window: the log's entries in a table (newest first, sorted by a
// click on a header), one filter box, the chosen entry's configuration beside the table, and
// the buttons that load, save or compare it. Everything it does is the browser's; it shows the
// outcomes.
class HistoryDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit HistoryDialog(TForm1& window, QWidget* parent = nullptr);
    ~HistoryDialog() override;

    // Shows the window, reads the index with its progress on screen, then fills the table.
    void Index();
    // The entry of the selected row, 0 when no row is selected.
    int SelectedNumber() const;

  protected:
    void reject() override;

  private:
    void selectionChanged();
    void enableButtons();
    void showText(const QStringList& lines);
    void loadIntoWindow();
    void saveAsFile();
    void compareWithWindow();

    HistoryBrowser browser_;
    HistoryTableModel* model_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* damage_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* compare_ = nullptr;
    bool indexing_ = false;
    int chosenBeforeReset_ = 0;
};
