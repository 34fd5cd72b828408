// config.ini as text: its line layout, how lines are read into the settings, the rescue set,
// the shipped file, and the run counter.

#include "shell/FileWriting.h"
#include "shell/SettingsFile.h"
#include "shell/StartUp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "KEY=value" for slots 1, 2, ... up to the first empty key, and "=value" for a slot whose key
// is empty but which is followed by more keys.
QStringList slotsOf(const SettingsStore& store) {
    int last = 0;
    for (int slot = 1; slot <= SettingsStore::SlotCount; ++slot) {
        if (!store.ConfigKeys(slot).isEmpty()) {
            last = slot;
        }
    }
    QStringList filled;
    for (int slot = 1; slot <= last; ++slot) {
        filled << store.ConfigKeys(slot) + QLatin1Char('=') + store.ConfigValues(slot);
    }
    return filled;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void lineLayout_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, const char* key, const char* value,
                            const char* line) {
            QTest::newRow(name) << QString(key) << QString(value) << QString(line);
        };
        row("short key", "DONEBY", "Ann", "DONEBY          = Ann");
        row("fourteen characters", "NOCONFIRMWRITE", "N", "NOCONFIRMWRITE  = N");
        row("fifteen characters", "ABCDEFGHIJKLMNO", "1", "ABCDEFGHIJKLMNO = 1");
        row("longer key unchanged", "ABCDEFGHIJKLMNOPQ", "1", "ABCDEFGHIJKLMNOPQ = 1");
    }

    void lineLayout() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTEST(SettingsLine(key, value), "line");
    }

    void parsing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("program's own lines")
            << QByteArray("ADMINPASSWORD   = quorvel\r\nDEFAULTCOMPORT  = COM3\r\n")
            << QStringList{"ADMINPASSWORD=quorvel", "DEFAULTCOMPORT=COM3"};
        QTest::newRow("single blank before =")
            << QByteArray("DEFAULTCOMPORT = COM3\r\n") << QStringList{"DEFAULTCOMPORT=COM3"};
        QTest::newRow("value keeps a trailing blank")
            << QByteArray("DEFAULTCOMPORT  = COM3 \r\n") << QStringList{"DEFAULTCOMPORT=COM3 "};
        QTest::newRow("value keeps leading blanks")
            << QByteArray("DONEBY          =   Ann\r\n") << QStringList{"DONEBY=  Ann"};
        QTest::newRow("= inside the value")
            << QByteArray("DONEFOR         = a=b\r\n") << QStringList{"DONEFOR=a=b"};
        QTest::newRow("empty value") << QByteArray("DONEBY          = \r\nRUNTIMES        = 4\r\n")
                                     << QStringList{"DONEBY=", "RUNTIMES=4"};
        QTest::newRow("line without = leaves its key empty")
            << QByteArray("ADMINPASSWORD   = quorvel\r\nno setting\r\nRUNTIMES        = 4\r\n")
            << QStringList{"ADMINPASSWORD=quorvel", "=", "RUNTIMES=4"};
        QTest::newRow("empty line ends the reading")
            << QByteArray("ADMINPASSWORD   = quorvel\r\n\r\nRUNTIMES        = 4\r\n")
            << QStringList{"ADMINPASSWORD=quorvel"};
        QTest::newRow("no line end after the last line")
            << QByteArray("POPUPREPORT     = N\r\nRUNTIMES        = 7")
            << QStringList{"POPUPREPORT=N", "RUNTIMES=7"};
        QTest::newRow("LF line ends") << QByteArray("POPUPREPORT     = N\nRUNTIMES        = 7\n")
                                      << QStringList{"POPUPREPORT=N", "RUNTIMES=7"};
        QTest::newRow("Latin-1 byte") << QByteArray("DONEFOR         = 90\xB0 bend\r\n")
                                      << QStringList{QString::fromUtf8("DONEFOR=90\u00B0 bend")};

        QByteArray sixty;
        QStringList fifty;
        for (int i = 1; i <= 60; ++i) {
            sixty +=
                SettingsLine(QStringLiteral("K%1").arg(i), QString::number(i)).toLatin1() + "\r\n";
            if (i <= 50) {
                fifty << QStringLiteral("K%1=%1").arg(i);
            }
        }
        QTest::newRow("more than 50 lines: the first 50") << sixty << fifty;
    }

    void parsing() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, expected);
        SettingsStore store;
        store.WriteConfig(QStringLiteral("LEFTOVER"), QStringLiteral("x"));
        QVERIFY(ParseSettingsText(text, store));
        QCOMPARE(slotsOf(store), expected);
    }

    void noFirstLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\nADMINPASSWORD   = quorvel\r\n");
    }

    void noFirstLine() {
        QFETCH(QByteArray, text);
        SettingsStore store;
        store.WriteConfig(QStringLiteral("KEPT"), QStringLiteral("1"));
        QVERIFY(!ParseSettingsText(text, store));
        QCOMPARE(slotsOf(store), QStringList{"KEPT=1"});
    }

    void handEditedKeyIsWrittenBackClean() {
        SettingsStore store;
        QVERIFY(ParseSettingsText("DEFAULTCOMPORT = COM3\r\nRUNTIMES = 4\r\n", store));
        QCOMPARE(SettingsFileText(store),
                 QByteArray("DEFAULTCOMPORT  = COM3\r\nRUNTIMES        = 4\r\n"));
    }

    void lineWithoutEqualsStopsTheWalk() {
        SettingsStore store;
        QVERIFY(
            ParseSettingsText("ADMINPASSWORD   = quorvel\r\nno setting\r\nDONEBY          = "
                              "Ann\r\n",
                              store));
        // A lookup still finds what stands after the gap, the rewrite stops before it.
        QCOMPARE(store.ReadConfig(QStringLiteral("DONEBY")), QStringLiteral("Ann"));
        QCOMPARE(SettingsFileText(store), QByteArray("ADMINPASSWORD   = quorvel\r\n"));
        // A new key fills the gap, and the rewrite goes on to the end.
        store.WriteConfig(QStringLiteral("AUTOUPDATE"), QStringLiteral("Y"));
        QCOMPARE(SettingsFileText(store), QByteArray("ADMINPASSWORD   = quorvel\r\n"
                                                     "AUTOUPDATE      = Y\r\n"
                                                     "DONEBY          = Ann\r\n"));
    }

    void writtenFileReadsBackUnchanged() {
        SettingsStore written;
        const std::pair<const char*, const char*> settings[] = {
            {"ADMINPASSWORD", "Pass word"},
            {"DEFAULTCOMPORT", "/dev/ttyUSB0"},
            {"DONEBY", " Ann "},
            {"DONEFOR", ""},
            {"DONEFOR2", "a = b"},
            {"ABCDEFGHIJKLMNO", "fifteen"},
            {"WARNNOMODIFY", "Y"},
        };
        for (const auto& [key, value] : settings) {
            written.WriteConfig(QLatin1String(key), QLatin1String(value));
        }
        written.WriteConfig(QStringLiteral("DONEFOR"), QString::fromUtf8("Caf\u00E9 \u00B0C"));

        QTemporaryDir folder;
        const QString path = SettingsFilePath(folder.path());
        QVERIFY(WriteSettingsFile(path, written, SystemDisk()).written);
        const QByteArray bytes = readAll(path);
        QVERIFY(
            bytes.contains("DONEFOR         = Caf\xE9 \xB0"
                           "C\r\n"));
        QVERIFY(bytes.endsWith("WARNNOMODIFY    = Y\r\n"));

        SettingsStore read;
        QCOMPARE(ReadSettingsFile(path, read).status, SettingsFileStatus::Read);
        QCOMPARE(slotsOf(read), slotsOf(written));
        QVERIFY(WriteSettingsFile(path, read, SystemDisk()).written);
        QCOMPARE(readAll(path), bytes);
    }

    void fileStatus_data() {
        QTest::addColumn<QByteArray>("content");  // "(none)": no file; "(folder)": a folder
        QTest::addColumn<SettingsFileStatus>("status");
        QTest::newRow("missing") << QByteArray("(none)") << SettingsFileStatus::Missing;
        QTest::newRow("empty") << QByteArray() << SettingsFileStatus::Empty;
        QTest::newRow("settings") << QByteArray("RUNTIMES        = 3\r\n")
                                  << SettingsFileStatus::Read;
        QTest::newRow("zero bytes") << QByteArray(64, '\0') << SettingsFileStatus::Unreadable;
        QTest::newRow("a folder") << QByteArray("(folder)") << SettingsFileStatus::Unreadable;
    }

    void fileStatus() {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = SettingsFilePath(folder.path());
        if (content == "(folder)") {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("config.ini")));
        } else if (content != "(none)") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        SettingsStore store;
        const SettingsFileRead read = ReadSettingsFile(path, store);
        QTEST(read.status, "status");
        QCOMPARE(read.error.isEmpty(), read.status != SettingsFileStatus::Unreadable);
    }

    void rescueSet() {
        SettingsStore store;
        store.WriteConfig(QStringLiteral("STALE"), QStringLiteral("x"));
        LoadRescueSet(store);
        QCOMPARE(slotsOf(store),
                 (QStringList{"ADMINPASSWORD=quorvel", "DEFAULTCOMPORT=COM1", "PROMPTPASSWORD=N",
                              "POPUPREPORT=N", "FIRSTISVALUES=N", "WARNNOINFO=N", "RUNTIMES=2",
                              "ONLINEPLINK=Y", "DONEBY=", "DONEFOR=", "NOCONFIRMREAD=N",
                              "NOCONFIRMWRITE=N"}));
    }

    void shippedFile() {
        const QString path = SettingsFilePath(QStringLiteral(KVC7345_DATA_DIR));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes, QByteArray("ADMINPASSWORD   = quorvel\r\n"
                                   "DEFAULTCOMPORT  = COM1\r\n"
                                   "PROMPTPASSWORD  = N\r\n"
                                   "POPUPREPORT     = N\r\n"
                                   "FIRSTISVALUES   = N\r\n"
                                   "WARNNOINFO      = N\r\n"
                                   "RUNTIMES        = 0\r\n"
                                   "ONLINEPLINK     = Y\r\n"
                                   "DONEBY          = \r\n"
                                   "DONEFOR         = \r\n"
                                   "NOCONFIRMREAD   = N\r\n"
                                   "NOCONFIRMWRITE  = N\r\n"));
        SettingsStore store;
        QCOMPARE(ReadSettingsFile(path, store).status, SettingsFileStatus::Read);
        QCOMPARE(SettingsFileText(store), bytes);
    }

    void runCount_data() {
        QTest::addColumn<QString>("runtimes");
        QTest::addColumn<int>("count");
        QTest::newRow("first run") << "0" << 0;
        QTest::newRow("counted, blanks around") << " 41 " << 41;
        QTest::newRow("fraction") << "2.5" << 0;
        QTest::newRow("digits then letters") << "12abc" << 0;
        QTest::newRow("beyond int") << "99999999999" << 0;
    }

    void runCount() {
        QFETCH(QString, runtimes);
        QTEST(RunCount(runtimes), "count");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
