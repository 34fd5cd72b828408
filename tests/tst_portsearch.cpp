#include "link/PortSearch.h"
#include "support/ProgramRun.h"
#include "support/WindowBench.h"

#include <QDir>
#include <QTest>

#include <map>

using modsim::Fault;
using modsim::PtyModule;

namespace {

QStringList numberedNames() {
    return {"COM1",  "COM2",  "COM3",  "COM4",  "COM5",  "COM6",  "COM7",  "COM8",
            "COM9",  "COM10", "COM11", "COM12", "COM13", "COM14", "COM15", "COM16",
            "COM17", "COM18", "COM19", "COM20", "COM21", "COM22", "COM23", "COM24",
            "COM25", "COM26", "COM27", "COM28", "COM29", "COM30", "COM31", "COM32"};
}

QString noModuleText(int count) {
    return QString::number(count) +
           " available serial ports were found on this system,\r"
           "but no valid NV Product was found on any of them.\r\r"
           "Please Verify that:\r\r"
           "     - module is correctly plugged in\r"
           "     - module is correctly power supplied\r"
           "     - no other application is interfering with serial communication.";
}

QString foundQuestion(const QString& port) {
    return "        Valid module was found on " + port +
           "\rDo you wish to save this as Default Port for future use?";
}

QString problems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join('\n');
}

// The window on module "A" plus a second answering module "B", a silent one "S", a symbolic
// link "LA" to A and "LS" to S, and a name "X" that leads nowhere. Rows name ports by these
// letters.
struct PortsBench {
    WindowBench bench{"Q7383D", 6149};
    PtyModule second{"Q7323S", 0, false};
    PtyModule silent{"Q7323S", 0, false};
    QTemporaryDir links;
    bool started = false;

    PortsBench() {
        started = bench.started && second.start() && silent.start() &&
                  bench.module.linkAs(path("LA")) && silent.linkAs(path("LS"));
        silent.engine().setFault(Fault::Silent);
        bench.state.settings.WriteConfig("DEFAULTCOMPORT", "COM9");
    }

    QString path(const QString& letter) const {
        if (letter == "A") {
            return bench.module.portName();
        }
        if (letter == "B") {
            return second.portName();
        }
        if (letter == "S") {
            return silent.portName();
        }
        return QDir(links.path()).filePath(letter);  // LA, LS, and X which is never made
    }

    QStringList paths(const QStringList& letters) const {
        QStringList names;
        for (const QString& letter : letters) {
            names << path(letter);
        }
        return names;
    }

    void searchOnly(const QStringList& letters) { bench.state.SearchedPorts = paths(letters); }
    // The program starts: it lists the ports for the Settings page, with COM9 as the default
    // port and nothing else to ask.
    void startUp() {
        QVERIFY(WriteConfigIni(bench.home.path(),
                               "DEFAULTCOMPORT  = COM9\r\n"
                               "RUNTIMES        = 1\r\n"
                               "AUTOUPDATE      = N\r\n"));
        bench.form->StartUp();
    }
    TForm1& form() { return *bench.form; }
    QString defaultPort() { return bench.state.settings.ReadConfig("DEFAULTCOMPORT"); }
};

}  // namespace

class TestPortSearch : public QObject {
    Q_OBJECT

  private slots:
    void namesToTry_data() {
        QTest::addColumn<QStringList>("systemPorts");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("numbered only") << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("system ports next")
            << QStringList{"/dev/ttyUSB0", "/dev/ttyACM0"} << QStringList{}
            << QStringList{"/dev/ttyUSB0", "/dev/ttyACM0"};
        QTest::newRow("extra names last")
            << QStringList{"/dev/ttyUSB0"} << QStringList{"/dev/pts/7", "/tmp/module"}
            << QStringList{"/dev/ttyUSB0", "/dev/pts/7", "/tmp/module"};
        QTest::newRow("repeats and empty names dropped")
            << QStringList{"COM3", "/dev/ttyACM0"} << QStringList{"", "/dev/ttyACM0", "COM3", ""}
            << QStringList{"/dev/ttyACM0"};
    }

    void namesToTry() {
        QFETCH(QStringList, systemPorts);
        QFETCH(QStringList, extra);
        QFETCH(QStringList, after);
        const QString extraText = extra.join(QDir::listSeparator());
        QCOMPARE(PortNamesToTry(systemPorts, extraText), numberedNames() + after);
    }

    void environmentNamesComeLast() {
        const QString list = QStringList{"/tmp/one", "/tmp/two"}.join(QDir::listSeparator());
        qputenv("KVC7345_PORTS", list.toLocal8Bit());
        const QStringList names = SystemPortNamesToTry();
        qunsetenv("KVC7345_PORTS");
        QCOMPARE(names.mid(0, 32), numberedNames());
        QCOMPARE(names.mid(names.size() - 2), (QStringList{"/tmp/one", "/tmp/two"}));
    }

    void visitPorts_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("maxOpened");
        QTest::addColumn<QStringList>("visited");  // letter, then "+" when a module answered
        QTest::newRow("every port once")
            << QStringList{"A", "LA", "S", "LS", "B"} << 32 << QStringList{"A+", "S", "B+"};
        QTest::newRow("missing names skipped")
            << QStringList{"X", "B", "X"} << 32 << QStringList{"B+"};
        QTest::newRow("at most maxOpened")
            << QStringList{"S", "A", "B"} << 2 << QStringList{"S", "A+"};
        QTest::newRow("nothing") << QStringList{} << 32 << QStringList{};
    }

    void visitPorts() {
        QFETCH(QStringList, names);
        QFETCH(int, maxOpened);
        QFETCH(QStringList, visited);
        PortsBench ports;
        QVERIFY(ports.started);
        std::map<QString, QString> letters;
        for (const char* letter : {"A", "B", "S", "LA", "LS"}) {
            letters[ports.path(letter)] = letter;
        }
        QStringList seen;
        SerialLink& link = ports.bench.state.link;
        const int opened = VisitPorts(
            link, ports.paths(names),
            [&](const PortVisit& port) {
                seen << letters[port.name] + (port.answered ? "+" : "");
                return true;
            },
            maxOpened);
        QCOMPARE(seen, visited);
        QCOMPARE(opened, visited.size());
        QCOMPARE(link.openPortCount(), 0);
    }

    void findTheRightComStopsAtTheFirst_data() {
        QTest::addColumn<BoxAnswer>("answer");
        QTest::addColumn<bool>("stored");
        QTest::newRow("saved") << BoxAnswer::Yes << true;
        QTest::newRow("not saved") << BoxAnswer::No << false;
    }

    void findTheRightComStopsAtTheFirst() {
        QFETCH(BoxAnswer, answer);
        QFETCH(bool, stored);
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly({"X", "S", "A", "B"});
        ports.bench.dialogs.expect(BoxKind::Confirmation, foundQuestion(ports.path("A")),
                                   BoxButtons::YesNo, answer);
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), stored ? ports.path("A") : QString("COM9"));
        QCOMPARE(ports.silent.engine().commands(), QStringList{"00d00000"});
        QCOMPARE(ports.bench.engine().commands(), QStringList{"00d00000"});
        QVERIFY(ports.second.engine().commands().isEmpty());
    }

    void aModuleOnTheDefaultPortIsConfirmed() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly({"B", "A"});
        ports.bench.state.settings.WriteConfig("DEFAULTCOMPORT", ports.path("B"));
        ports.bench.dialogs.expect(BoxKind::Information, "Currently defined Default COM Port (" +
                                                             ports.path("B") + ") is correct.");
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), ports.path("B"));
    }

    void noModuleAnywhere_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("count");
        QTest::newRow("no port at all") << QStringList{} << 0;
        QTest::newRow("nothing that opens") << QStringList{"X", "X"} << 0;
        QTest::newRow("one silent port") << QStringList{"X", "S"} << 1;
        QTest::newRow("one silent port, two names") << QStringList{"LS", "S"} << 1;
    }

    void noModuleAnywhere() {
        QFETCH(QStringList, names);
        QFETCH(int, count);
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly(names);
        ports.bench.dialogs.expect(BoxKind::Error, noModuleText(count), BoxButtons::RetryCancel,
                                   BoxAnswer::Cancel);
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), QString("COM9"));
    }

    void retrySearchesAgain() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly({"S"});
        ports.bench.dialogs.expect(BoxKind::Error, noModuleText(1), BoxButtons::RetryCancel,
                                   BoxAnswer::Retry);
        ports.bench.dialogs.expect(BoxKind::Error, noModuleText(1), BoxButtons::RetryCancel,
                                   BoxAnswer::Cancel);
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.silent.engine().commands(), (QStringList{"00d00000", "00d00000"}));
    }

    void findPortsListsAndSelectsTheLast_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("selected");
        QTest::newRow("two modules")
            << QStringList{"A", "S", "X", "B", "LA"} << QStringList{"A", "S", "B"} << "B";
        QTest::newRow("first answers") << QStringList{"A", "S"} << QStringList{"A", "S"} << "A";
        QTest::newRow("none answers") << QStringList{"S", "LS"} << QStringList{"S"} << "";
        QTest::newRow("no port") << QStringList{"X"} << QStringList{} << "";
    }

    void findPortsListsAndSelectsTheLast() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, listed);
        QFETCH(QString, selected);
        PortsBench ports;
        QVERIFY(ports.started);
        FormControl* choices = ports.form().FindControl("CDefaultComPort");
        choices->addItem("COM1");  // an earlier listing goes away
        choices->addItem("COM2");
        ports.searchOnly(names);
        ports.startUp();
        // Only the ports that opened; nothing is selected when no module answered, not even
        // the default port.
        QCOMPARE(choices->items(), ports.paths(listed));
        QCOMPARE(choices->currentText(), selected.isEmpty() ? QString() : ports.path(selected));
        QVERIFY(ports.bench.dialogs.shown().isEmpty());
    }

    void changeStoresTheChoice_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("stored");
        QTest::newRow("no module: the default stays") << QStringList{"S"} << "COM9";
        QTest::newRow("module's port selected") << QStringList{"S", "B"} << "B";
    }

    void changeStoresTheChoice() {
        QFETCH(QStringList, names);
        QFETCH(QString, stored);
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly(names);
        ports.startUp();
        if (stored == "COM9") {
            ports.bench.dialogs.expect(
                BoxKind::Warning,
                "No port is selected in the list.\r\rThe default COM port stays COM9.");
        }
        ports.form().Click("BChangeDefaultComPort");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), stored == "COM9" ? stored : ports.path(stored));
    }

    // An empty choice would leave the window no way to name a port again.
    void changeRefusesAnEmptyChoice() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.form().Control("CDefaultComPort").setItems({});
        ports.bench.dialogs.expect(
            BoxKind::Warning,
            "No port is selected in the list.\r\rThe default COM port stays COM9.");
        ports.form().Click("BChangeDefaultComPort");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), QStringLiteral("COM9"));
    }

    // The port named on the command line is searched after the system's, and the same device
    // under another name counts as the default port.
    void runPortIsSearchedAndComparedByDevice() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly({"S"});
        ports.bench.state.PortForThisRun = ports.path("A");
        ports.bench.state.settings.WriteConfig("DEFAULTCOMPORT", ports.path("LA"));
        ports.bench.dialogs.expect(BoxKind::Information, "Currently defined Default COM Port (" +
                                                             ports.path("LA") + ") is correct.");
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), ports.path("LA"));
    }

    // A demo's pseudo-terminal is named by what it is, in the lists and the messages.
    void demoPortIsNamedByWhatItIs() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.bench.state.DemoPort = ports.path("A");
        ports.bench.state.DemoPortCaption = "demo Q7383D (simulated)";
        ports.bench.state.PortForThisRun = ports.path("A");
        ports.searchOnly({"S"});
        ports.startUp();
        FormControl& choices = ports.form().Control("CDefaultComPort");
        QCOMPARE(choices.items(), (QStringList{ports.path("S"), "demo Q7383D (simulated)"}));
        QCOMPARE(choices.currentText(), QStringLiteral("demo Q7383D (simulated)"));
        ports.form().Click("BChangeDefaultComPort");
        QCOMPARE(ports.defaultPort(), ports.path("A"));
        QCOMPARE(ports.form().Control("LDefaultComPort").text(),
                 QStringLiteral("demo Q7383D (simulated)"));
    }

    void startButtonSearches() {
        PortsBench ports;
        QVERIFY(ports.started);
        ports.searchOnly({"B"});
        ports.bench.dialogs.expect(BoxKind::Confirmation, foundQuestion(ports.path("B")),
                                   BoxButtons::YesNo, BoxAnswer::Yes);
        ports.form().Click("BAutoDetect");
        QVERIFY2(ports.bench.dialogs.problems().isEmpty(),
                 qPrintable(problems(ports.bench.dialogs)));
        QCOMPARE(ports.defaultPort(), ports.path("B"));
    }
};

QTEST_MAIN(TestPortSearch)
#include "tst_portsearch.moc"
