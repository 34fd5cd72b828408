// The configuration history on logs the program wrote itself: reads from its demo module, a
// rotation, then a torn last entry and a foreign line. The index, its damage report, and the
// commands that list, print, save and compare entries.

#include "support/ConfigurationFiles.h"
#include "support/ProgramProcess.h"

#include "form/HistoryComparison.h"
#include "form/TForm1.h"
#include "records/ConfigurationFile.h"
#include "records/ConfigurationHistory.h"
#include "shell/Dialogs.h"
#include "shell/FileWriting.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString shipped(const QString& model) {
    return QDir(QStringLiteral(KVC7345_DATA_DIR)).filePath("factorydefaults/" + model + ".NVC");
}

QStringList lines(const QString& text) {
    return text.split('\n', Qt::SkipEmptyParts);
}

}  // namespace

class TestHistory : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString log_;
    QByteArray firstRead_;  // what the first read logged, rotated away since
    QByteArray shippedBytes_;

  private slots:
    // A read of the demo module, a rotation that the shipped V7325S file starts the new log
    // with, and a second read: three entries over two files. The models are among the quickest
    // to read; the first has a tag.
    void initTestCase() {
        QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " has not been built"));
        QCOMPARE(RunProgram(home_.path(), {"read", "--demo", "Q7383X"}).exitCode, 0);
        log_ = ConfigurationLogPath(home_.path());
        firstRead_ = FileBytes(log_);
        QVERIFY(firstRead_.startsWith(QByteArray(FirstFileLine.data())));

        shippedBytes_ = FileBytes(shipped("V7325S"));
        const WriteOutcome rotated =
            WriteConfigurationBytes(log_, shippedBytes_, WriteMode::Append, SystemDisk(), 1);
        QVERIFY(rotated.written);
        QVERIFY(!rotated.rotatedTo.isEmpty());
        QCOMPARE(RunProgram(home_.path(), {"read", "--demo", "V7385S"}).exitCode, 0);
    }

    void indexNumbersTheCopiesThenTheLog() {
        const ConfigurationHistory history = IndexConfigurationHistory(home_.path());
        QCOMPARE(history.damaged.size(), 0);
        QCOMPARE(history.entries.size(), 3);
        QStringList models;
        for (const HistoryEntry& entry : history.entries) {
            models << entry.model;
        }
        QCOMPARE(models, QStringList({"Q7383X", "V7325S", "V7385S"}));
        QVERIFY(QFileInfo(history.entries[0].file).fileName().startsWith("config_"));
        QCOMPARE(history.entries[2].file, log_);
        QCOMPARE(history.entries[2].offset, shippedBytes_.size());
        QCOMPARE(history.entries[1].date, QStringLiteral("7 Dec 2026"));
        QCOMPARE(history.entries[1].day, QDate(2026, 12, 7));
        QCOMPARE(history.entries[1].doneFor, QStringLiteral("FACTORY DEFAULTS"));
        QCOMPARE(history.entries[1].firmware, 300);

        // Each entry's bytes are the file that was logged, to the byte.
        QCOMPARE(LoadHistoryEntry(history.entries[0]).bytes, firstRead_);
        QCOMPARE(LoadHistoryEntry(history.entries[1]).bytes, shippedBytes_);
        QCOMPARE(FilterHistory(history.entries, " factory "), QList<qsizetype>{1});
        QCOMPARE(FilterHistory(history.entries, "v73").size(), 2);
    }

    // A foreign line inside the middle entry and a last entry cut in a line: both are named
    // where they start and skipped, the entry between them stays whole.
    void damagedEntriesAreReportedAndSkipped() {
        QTemporaryDir folder;
        QByteArray middle = shippedBytes_;
        const qsizetype third = middle.indexOf("Input 1");
        middle.insert(third, "hello from an editor\r\n");
        const QByteArray log = middle + shippedBytes_ + firstRead_.left(firstRead_.size() - 5);
        const QString path = PutFile(folder.filePath("log"), "config.log", log);
        const QByteArray before = FileBytes(path);

        const ConfigurationHistory history = IndexConfigurationHistory(folder.path());
        QCOMPARE(history.entries.size(), 1);
        QCOMPARE(history.entries[0].number, 1);
        QCOMPARE(history.entries[0].offset, middle.size());
        QCOMPARE(LoadHistoryEntry(history.entries[0]).bytes, shippedBytes_);
        QCOMPARE(history.damaged.size(), 2);
        const qint64 foreignLine = middle.left(third).count('\n') + 1;
        QCOMPARE(DamageText(history.damaged[0]),
                 QStringLiteral("%1, line 1 (byte 0): no key line at line %2; skipped")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(foreignLine));
        QCOMPARE(history.damaged[1].offset, middle.size() + shippedBytes_.size());
        QVERIFY2(history.damaged[1].reason.startsWith("the entry is cut off in line "),
                 qPrintable(history.damaged[1].reason));
        QCOMPARE(FileBytes(path), before);

        // A file that is not a log at all is one damaged part.
        const QString other = PutFile(folder.filePath("log"), "config_x.log",
                                      QByteArray("\x7f"
                                                 "ELF\0\1",
                                                 6));
        const ConfigurationHistory mixed = IndexConfigurationLogs({other, path});
        QCOMPARE(mixed.entries.size(), 1);
        QCOMPARE(mixed.damaged.size(), 3);
        QCOMPARE(DamageText(mixed.damaged[0]),
                 QDir::toNativeSeparators(other) +
                     ", line 1 (byte 0): text that belongs to no configuration; skipped");

        // Rotated since it was indexed, the log no longer holds the entry where the index says.
        QVERIFY(WriteConfigurationBytes(path, shippedBytes_, WriteMode::Append, SystemDisk(), 1)
                    .written);
        QCOMPARE(LoadHistoryEntry(history.entries[0]).failure, HistoryLoad::Failure::Changed);
    }

    // "Compare with window": an entry loaded beside the window, compared as diff compares.
    void entryComparesWithTheWindow() {
        const ConfigurationHistory history = IndexConfigurationHistory(home_.path());
        ConsoleDialogs dialogs;
        ProgramState state(dialogs);
        state.ProgramFolder = home_.path();
        TForm1 window(state);
        dialogs.presetFile(shipped("V7325S"));
        QVERIFY(window.ReadFromFile(FileSource::Archive));

        const HistoryValuesOutcome same =
            HistoryEntryValues(LoadHistoryEntry(history.entries[1]).bytes);
        QVERIFY(same.loaded);
        QCOMPARE(CompareWithWindow(same.values, window), QList<ConfigurationDifference>());
        const HistoryValuesOutcome other =
            HistoryEntryValues(LoadHistoryEntry(history.entries[0]).bytes);
        QCOMPARE(other.values.model, QStringLiteral("Q7383X"));
        QCOMPARE(CompareWithWindow(other.values, window).value(0).second, QStringLiteral("V7325S"));
        QVERIFY(!HistoryEntryValues(firstRead_.left(200)).loaded);
    }

    void listSelects_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("all") << QStringList{"history"} << 0 << QStringList{"1", "2", "3"};
        QTest::newRow("a model") << QStringList{"history", "--model", "v7385s"} << 0
                                 << QStringList{"3"};
        // The shipped file is dated 7 Dec 2026; the reads are of today.
        QTest::newRow("since the shipped file's day")
            << QStringList{"history", "--since", "2026-12-07"} << 0 << QStringList{"1", "2", "3"};
        QTest::newRow("since tomorrow")
            << QStringList{"history", "--since",
                           QDate::currentDate().addDays(1).toString(Qt::ISODate)}
            << 1 << QStringList{};
        QTest::newRow("nothing matches")
            << QStringList{"history", "--tag", "TT-101"} << 1 << QStringList{};
        QTest::newRow("not a date")
            << QStringList{"history", "--since", "7.12.2026"} << 2 << QStringList{};
        QTest::newRow("an option of show")
            << QStringList{"history", "--out", "x.NVC"} << 2 << QStringList{};
        QTest::newRow("no such entry") << QStringList{"history", "show", "4"} << 2 << QStringList{};
    }

    void listSelects() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, numbers);
        const ProcessOutcome run = RunProgram(home_.path(), arguments);
        QCOMPARE(run.exitCode, status);
        QStringList shown;
        for (const QString& line : lines(run.out)) {
            shown << line.section('\t', 0, 0);
        }
        QCOMPARE(shown, numbers);
        QCOMPARE(run.err.isEmpty(), status == 0);
    }

    void showPrintsAndSavesAnEntry() {
        const ProcessOutcome printed = RunProgram(home_.path(), {"history", "show", "2"});
        QCOMPARE(printed.exitCode, 0);
        QCOMPARE(lines(printed.out).value(0), QStringLiteral("V7325S"));
        QVERIFY(
            printed.out.contains("DONEFOR                                  = FACTORY DEFAULTS"));

        const QString saved = home_.filePath("archive/entry1.NVC");
        QCOMPARE(RunProgram(home_.path(), {"history", "show", "1", "--out", saved}).exitCode, 0);
        QCOMPARE(FileBytes(saved), firstRead_);
        // The output safety of every command: the log itself is never an output.
        QCOMPARE(RunProgram(home_.path(), {"history", "show", "1", "--out", log_}).exitCode, 2);
    }

    void diffTakesHistoryEntries() {
        const ProcessOutcome same =
            RunProgram(home_.path(), {"diff", "history:2", shipped("V7325S")});
        QVERIFY2(same.exitCode == 0, qPrintable(same.out + same.err));
        const ProcessOutcome other = RunProgram(home_.path(), {"diff", "history:1", "history:3"});
        QCOMPARE(other.exitCode, 1);
        QCOMPARE(lines(other.out).value(0),
                 QStringLiteral("model: history:1 Q7383X, history:3 V7385S"));
        QCOMPARE(RunProgram(home_.path(), {"diff", "history:0", "history:3"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
