// The configuration history's window on a log the program wrote: its filter, and its buttons
// against what F3, F4 and "kvc7345 diff" do with the same configuration.

#include "support/ConfigurationFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowBench.h"

#include "form/TForm1.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationHistory.h"
#include "shell/FileWriting.h"
#include "shell/ProgramState.h"
#include "window/HistoryDialog.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

// A window with nothing shown, on the program folder of the bench.
struct EmptyWindow {
    explicit EmptyWindow(const QString& folder) {
        state.ProgramFolder = folder;
        state.OnlineOverride = false;
    }
    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    TForm1 form{state};
};

template <class T>
T* part(const HistoryDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

QTableView* table(const HistoryDialog& dialog) {
    return part<QTableView>(dialog, "HistoryTable");
}

// Chooses the row of entry `number` as a click would.
void choose(HistoryDialog& dialog, int number) {
    QTableView* rows = table(dialog);
    for (int row = 0; row < rows->model()->rowCount(); ++row) {
        rows->selectRow(row);
        if (dialog.SelectedNumber() == number) {
            return;
        }
    }
    QFAIL("the entry is not in the table");
}

void press(const HistoryDialog& dialog, const char* button) {
    QPushButton* pushed = part<QPushButton>(dialog, button);
    QVERIFY(pushed->isEnabled());
    QTest::mouseClick(pushed, Qt::LeftButton);
}

QString shipped(const QString& model) {
    return QDir(QStringLiteral(KVC7345_DATA_DIR)).filePath("factorydefaults/" + model + ".NVC");
}

}  // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowBench> bench_;
    QByteArray read_;  // what the read from the module logged: entry 1

  private slots:
    // A read from the simulated module, then two shipped files added as a write adds them.
    void initTestCase() {
        bench_ = std::make_unique<WindowBench>("Q7383D", 6149);
        QVERIFY(bench_->started);
        bench_->form->ReadAll();
        read_ = bench_->configurationLog();
        QVERIFY(!read_.isEmpty());
        const QString log = ConfigurationLogPath(bench_->home.path());
        for (const char* model : {"V7325S", "V7380D"}) {
            QVERIFY(WriteConfigurationBytes(log, FileBytes(shipped(model)), WriteMode::Append,
                                            SystemDisk())
                        .written);
        }
    }

    void filterNarrowsTheRows() {
        EmptyWindow window(bench_->home.path());
        HistoryDialog dialog(window.form);
        dialog.Index();
        QTableView* rows = table(dialog);
        QCOMPARE(rows->model()->rowCount(), 3);
        // Newest first: the shipped files share their date and time, so the later in the log
        // comes first. A click on a header sorts by its column.
        auto models = [rows] {
            QStringList shown;
            for (int row = 0; row < rows->model()->rowCount(); ++row) {
                shown << rows->model()->index(row, 2).data().toString();
            }
            return shown;
        };
        QVERIFY(models().indexOf("V7380D") < models().indexOf("V7325S"));
        rows->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
        QCOMPARE(models(), QStringList({"Q7383D", "V7325S", "V7380D"}));
        QVERIFY(!part<QPushButton>(dialog, "HistoryLoad")->isEnabled());

        auto* filter = part<QLineEdit>(dialog, "HistoryFilter");
        QTest::keyClicks(filter, QStringLiteral("factory"));
        QCOMPARE(rows->model()->rowCount(), 2);
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("q73"));
        QCOMPARE(rows->model()->rowCount(), 1);

        // The chosen entry as "kvc7345 show" prints it; nothing in the window to compare with.
        choose(dialog, 1);
        QCOMPARE(part<QPlainTextEdit>(dialog, "HistoryText")->toPlainText().section('\n', 0, 0),
                 QStringLiteral("Q7383D"));
        QVERIFY(part<QPushButton>(dialog, "HistorySave")->isEnabled());
        QVERIFY(!part<QPushButton>(dialog, "HistoryCompare")->isEnabled());
    }

    // "Save as file..." writes the entry as the log holds it, and "Load into window" gives the
    // window F3 gives on that file, but for the source it names.
    void loadGivesTheWindowOfTheSavedFile() {
        EmptyWindow fromHistory(bench_->home.path());
        HistoryDialog dialog(fromHistory.form);
        dialog.Index();
        choose(dialog, 1);
        const QString saved = QDir(bench_->home.path()).filePath("archive/entry1.NVC");
        fromHistory.dialogs.answerFileDialog(saved);
        press(dialog, "HistorySave");
        QCOMPARE(FileBytes(saved), read_);
        press(dialog, "HistoryLoad");
        QVERIFY2(fromHistory.dialogs.problems().isEmpty(),
                 qPrintable(fromHistory.dialogs.problems().join('\n')));

        EmptyWindow fromFile(bench_->home.path());
        fromFile.dialogs.answerFileDialog(saved);
        QVERIFY(fromFile.form.ReadFromFile(FileSource::Archive));

        const HistoryEntry entry = IndexConfigurationHistory(bench_->home.path()).entries[0];
        const QString source = HistorySourceName(entry);
        QCOMPARE(fromHistory.form.Control("LSourceRight").text(), source);
        QCOMPARE(fromHistory.form.LogLines().last().section(" - ", 1),
                 QStringLiteral("Read Q7383D configuration from file ") + source);
        const auto& controls = fromHistory.form.Controls();
        int compared = 0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const FormControl& control = *controls[i];
            if (control.objectName() == QLatin1String("LSourceRight")) {
                continue;
            }
            const FormControl::Look a = control.look();
            const FormControl::Look b = fromFile.form.Controls()[i]->look();
            const QString name = control.objectName();
            QVERIFY2(a.text == b.text && a.items == b.items && a.index == b.index &&
                         a.enabled == b.enabled && a.visible == b.visible &&
                         a.checked == b.checked && a.hint == b.hint && a.colour == b.colour,
                     qPrintable(name + ": " + a.text + " / " + b.text));
            ++compared;
        }
        QVERIFY(compared > 100);
        QCOMPARE(fromHistory.form.IsModified(), fromFile.form.IsModified());
    }

    // "Compare with window" finds nothing on the configuration just read, then the changed
    // field, as "kvc7345 diff" names it.
    void compareListsAChangedField() {
        TForm1& form = *bench_->form;
        HistoryDialog dialog(form);
        dialog.Index();
        choose(dialog, 1);
        const HistoryEntry entry = IndexConfigurationHistory(bench_->home.path()).entries[0];
        bench_->dialogs.expect(BoxKind::Information,
                               "No differences: the window holds the configuration of " +
                                   HistorySourceName(entry) + ".");
        press(dialog, "HistoryCompare");
        QVERIFY2(bench_->dialogs.problems().isEmpty(),
                 qPrintable(bench_->dialogs.problems().join('\n')));

        const QString before = form.Control("TDownscale1").text();
        QVERIFY(form.Typed("TDownscale1", "-50"));
        form.FieldLeft("TDownscale1");
        const QString after = form.Control("TDownscale1").text();
        QVERIFY(after != before);
        press(dialog, "HistoryCompare");
        const QStringList pane =
            part<QPlainTextEdit>(dialog, "HistoryText")->toPlainText().split('\n');
        QCOMPARE(pane.size(), 2);
        QVERIFY2(pane[1].endsWith("history " + before + ", window " + after), qPrintable(pane[1]));
        QVERIFY(bench_->dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
