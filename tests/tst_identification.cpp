#include "shell/ModuleAccess.h"
#include "support/ExpectedTexts.h"
#include "support/SimulatedPort.h"

#include "link/PortOpenFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using modsim::Fault;

namespace {

// The texts as the user reads them, written out here on purpose rather than taken from the code.
const QString NotConfigurable = QStringLiteral(
    "This Isolator cannot be configured via software. Please use Verove Rizizivu Dorudoduvovu "
    "(KPT5530)");
const QString NotRecognised = QStringLiteral(
    "Isolator Model Inserted is not recognized as compatible with this Software Version(132).\r"
    "Try downloading latest release at http://kvc.test");

const QStringList IdentifyTraffic{QStringLiteral("00D00000"), QStringLiteral("00d80000"),
                                  QStringLiteral("00d00000")};

QString problems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join(QLatin1Char('\n'));
}

}  // namespace

class TestIdentification : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("KVC7345_SERVER", "http://kvc.test"); }

    void everyModelOfTheTable_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("reply");
        const QList<std::pair<const char*, const char*>> table{
            {"Q7323S", "80000001"}, {"Q7323D", "80000002"}, {"Q7323X", "80000003"},
            {"Q7323Y", "80000004"}, {"Q7324S", "80000005"}, {"Q7381S", "80000006"},
            {"Q7383S", "80000007"}, {"Q7383D", "80000008"}, {"Q7383X", "80000009"},
            {"Q7383Y", "8000000A"}, {"Q7384S", "8000000B"}, {"V7320S", "8000000C"},
            {"V7320D", "8000000D"}, {"V7325S", "80000010"}, {"V7325D", "80000011"},
            {"V7380S", "80000015"}, {"V7380D", "80000016"}, {"V7385S", "80000019"},
            {"V7385D", "8000001A"}, {"Q7351S", "8000001D"}, {"Q7326S", "8000001E"},
            {"Q7356S", "8000001F"},
        };
        for (const auto& [model, reply] : table) {
            QTest::newRow(model) << QString::fromLatin1(model) << QString::fromLatin1(reply);
        }
    }

    void everyModelOfTheTable() {
        QFETCH(QString, model);
        QFETCH(QString, reply);
        SimulatedPort bench(model, 0x1234, false);
        QVERIFY(bench.started);
        bench.engine().setModelReply(reply);
        QString code = QStringLiteral("previous");
        DetectModel(bench.state, code);
        QCOMPARE(code, model);
        QCOMPARE(bench.state.ModelVersion, 0x1234);
        QCOMPARE(bench.engine().commands(), IdentifyTraffic);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void sharedReplyProbe_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("register4A");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("probeTraffic");
        QTest::newRow("4A not zero") << "Q7321S" << 1 << "Q7321S" << QStringList{"004A0000"};
        QTest::newRow("4B echoes 1") << "Q7321S" << 0 << "Q7321S"
                                     << QStringList{"004A0000", "004B0001", "004A0000", "004B0000"};
        QTest::newRow("4B not echoed")
            << "Q7351S" << 0 << "Q7351S" << QStringList{"004A0000", "004B0001", "004A0000"};
    }

    void sharedReplyProbe() {
        QFETCH(QString, model);
        QFETCH(int, register4A);
        QFETCH(QString, expected);
        QFETCH(QStringList, probeTraffic);
        SimulatedPort bench(model, 258, false);
        QVERIFY(bench.started);
        bench.engine().setModelReply(QStringLiteral("80000000"));
        bench.engine().setRegister(0x4A, static_cast<quint16>(register4A));
        QString code;
        DetectModel(bench.state, code);
        QCOMPARE(code, expected);
        QCOMPARE(bench.engine().commands(), IdentifyTraffic + probeTraffic);
        QCOMPARE(bench.engine().registerValue(0x4A), static_cast<quint16>(register4A));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    void probeRegisterIsSetThenRestoredOnQ7321S() {
        SimulatedPort bench(QStringLiteral("Q7321S"), 258, false);
        QVERIFY(bench.started);
        QString code;
        DetectModel(bench.state, code);
        QCOMPARE(code, QStringLiteral("Q7321S"));
        const std::vector<std::pair<int, quint16>> writes{{0x4A, 1}, {0x4A, 0}};
        QCOMPARE(bench.engine().registerWrites(), writes);
    }

    void modelsThatCannotBeUsed_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("warning");
        for (const char* reply : {"8000000E", "8000000F", "80000012", "80000013"}) {
            QTest::newRow(reply) << QString::fromLatin1(reply) << NotConfigurable;
        }
        for (const char* reply : {"80000014", "80000017", "80000018", "8000001B", "8000001C",
                                  "8000001d", "80000020", "8000 008"}) {
            QTest::newRow(reply) << QString::fromLatin1(reply) << NotRecognised;
        }
    }

    void modelsThatCannotBeUsed() {
        QFETCH(QString, reply);
        QFETCH(QString, warning);
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(bench.started);
        bench.engine().setModelReply(reply);
        bench.dialogs.expect(BoxKind::Warning, warning);
        QString code = QStringLiteral("before");
        DetectModel(bench.state, code);
        QCOMPARE(code, QStringLiteral("before"));
        QCOMPARE(bench.state.ModelVersion, 6149);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    void silentModule() {
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(bench.started);
        bench.engine().setFault(Fault::Silent);
        bench.dialogs.expect(BoxKind::Warning, ExpectedPortWarning(bench.port()));
        QString code = QStringLiteral("before");
        DetectModel(bench.state, code);
        QCOMPARE(code, QString());
        QCOMPARE(bench.state.ModelVersion, 0);
        QCOMPARE(bench.engine().commands(),
                 QStringList({QStringLiteral("00D00000"), QStringLiteral("00D00000")}));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    void warningNamesTheDefaultPortSetting() {
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        bench.state.link.ComPortName = QStringLiteral("/dev/kvc7345-absent");
        bench.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), QStringLiteral("COM4"));
        bench.dialogs.expect(BoxKind::Warning,
                             ExpectedPortWarning(QStringLiteral("COM4")) +
                                 "\r\rReason: there is no port /dev/kvc7345-absent on this "
                                 "computer.");
        QVERIFY(!TryPort(bench.state));
        QVERIFY(!TryPortSilent(bench.state));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    // A port that does not open says why below the checklist; one another program holds is
    // "in use", with no cable checklist at all.
    void aPortThatWillNotOpenSaysWhy_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing"
                                 << "%CHECKLIST%\r\rReason: there is no port %PATH% on this "
                                    "computer.";
        QTest::newRow("folder") << "folder"
                                << "%CHECKLIST%\r\rReason: %PATH% is a folder, not a serial port.";
        QTest::newRow("plain file")
            << "file"
            << "%CHECKLIST%\r\rReason: %PATH% is a file, not a serial port.";
        QTest::newRow("held by another") << "held"
                                         << "Default COM Port (%PATH%) defined in Settings is in "
                                            "use by another program.\r\rClose the program that "
                                            "holds it (it may be another KVC7345 window) and try "
                                            "again.";
        QTest::newRow("held by this program")
            << "held here"
            << "Default COM Port (%PATH%) defined in Settings is in use by another "
               "program.\r\rClose the program that holds it (it may be another KVC7345 window) "
               "and try again.";
    }

    void aPortThatWillNotOpenSaysWhy() {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(bench.started);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("port"));
        SerialLink holder;
        SessionOpening held;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == QLatin1String("held")) {
            path = bench.port();
            held = holder.open(path);
            QVERIFY(held);
        } else if (kind == QLatin1String("held here")) {
            path = bench.port();
            held = bench.state.link.open(path);
            QVERIFY(held);
        }
        bench.state.link.ComPortName = path;
        bench.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), path);
        message.replace(QStringLiteral("%CHECKLIST%"), ExpectedPortWarning(path));
        message.replace(QStringLiteral("%PATH%"), path);
        bench.dialogs.expect(BoxKind::Warning, message);
        QVERIFY(!TryPort(bench.state));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QVERIFY(bench.engine().commands().isEmpty());
        held.session.reset();
        QCOMPARE(bench.state.link.openPortCount(), 0);
    }

    void aRefusedDeviceNamesTheDialoutGroup() {
        const QFileInfo device(QStringLiteral("/dev/ttyS0"));
        if (!device.exists() || device.isWritable()) {
            QSKIP("needs a serial device this user may not open (not root, not in dialout)");
        }
        const PortOpenFailure failure =
            DescribeOpenFailure(QStringLiteral("/dev/ttyS0"), QSerialPort::PermissionError,
                                QStringLiteral("Permission denied"));
        QCOMPARE(failure.fault, PortOpenFault::PermissionDenied);
        QVERIFY(failure.reason.contains(QStringLiteral("dialout")));
    }

    void moduleAnsweringOnlyTheSecondProbeIsPresent() {
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(bench.started);
        bench.engine().setFault(Fault::Alternate);
        QVERIFY(TryPortSilent(bench.state));
        QCOMPARE(bench.engine().commands().size(), 2);
        QVERIFY(bench.dialogs.shown().isEmpty());
    }

    void versionThatIsNoNumberEndsTheOperation() {
        SimulatedPort bench(QStringLiteral("Q7383D"), 6149, false);
        QVERIFY(bench.started);
        bench.engine().setFault(Fault::NonHex);
        bench.dialogs.expect(BoxKind::Error,
                             QStringLiteral("'0xXZ?G' is not a valid integer value"));
        QString code = QStringLiteral("before");
        DetectModel(bench.state, code);
        QCOMPARE(code, QString());
        QCOMPARE(bench.state.ModelVersion, 0);
        QCOMPARE(bench.state.link.openPortCount(), 0);
        // The model was never asked for.
        QCOMPARE(bench.engine().commands().last(), QStringLiteral("00d80000"));
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    void workingVersionLimits_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("supported");
        QTest::newRow("Q7383D 6149") << "Q7383D" << 6149 << true;
        QTest::newRow("Q7383D 6150") << "Q7383D" << 6150 << false;
        QTest::newRow("Q7381S 6150") << "Q7381S" << 6150 << false;
        QTest::newRow("Q7351S 258") << "Q7351S" << 258 << true;
        QTest::newRow("Q7351S 259") << "Q7351S" << 259 << false;
        QTest::newRow("Q7356S 7168") << "Q7356S" << 7168 << true;
        QTest::newRow("Q7356S 7169") << "Q7356S" << 7169 << false;
        QTest::newRow("Q7321S 259") << "Q7321S" << 259 << false;
        QTest::newRow("Q7326S 258") << "Q7326S" << 258 << true;
        QTest::newRow("Q7323D 259") << "Q7323D" << 259 << false;
        QTest::newRow("V7385D any") << "V7385D" << 65535 << true;
        QTest::newRow("V7320S any") << "V7320S" << 9999 << true;
    }

    void workingVersionLimits() {
        QFETCH(QString, code);
        QFETCH(int, version);
        QFETCH(bool, supported);
        ScriptedDialogs dialogs;
        ProgramState state(dialogs);
        if (!supported) {
            dialogs.expect(
                BoxKind::Warning,
                QStringLiteral("It was detected that your %1 has a software version (%2) that MAY "
                               "not be configurable by this KVC7345 Version 132\rWork session will "
                               "not be stopped, but we strongly suggest you visit http://kvc.test "
                               "for updates.")
                    .arg(code)
                    .arg(version));
        }
        QCOMPARE(CompareWorkingVersion(state, code, version), supported);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(problems(dialogs)));
    }
};

QTEST_GUILESS_MAIN(TestIdentification)
#include "tst_identification.moc"
