// "kvc7345 verify", "write --verify", "diff" and the commands' --json documents, through the
// program itself against simulated modules.

#include "modsim/PtyModule.h"
#include "records/ConfigurationFile.h"
#include "support/ConfigurationFiles.h"
#include "support/ProgramProcess.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using modsim::Fault;
using modsim::PtyModule;

namespace {

// Highscale 1 of the Q7323S: read from register 04, 20.000 in the factory defaults.
constexpr int Highscale1 = 0x04;

QString factoryFile(const QString& model) {
    return QDir(QStringLiteral(KVC7345_DATA_DIR "/factorydefaults")).filePath(model + ".NVC");
}

// The Q7323S factory defaults with `from` replaced by `to` ("" removes the line).
QString editedDefaults(const QTemporaryDir& folder, const QByteArray& from, const QByteArray& to) {
    QByteArray bytes = FileBytes(factoryFile("Q7323S"));
    const qsizetype at = bytes.indexOf(from);
    const qsizetype end = bytes.indexOf("\r\n", at) + 2;
    bytes.replace(at, end - at, to.isEmpty() ? QByteArray() : to + "\r\n");
    return PutFile(folder.path(), "edited.NVC", bytes);
}

QStringList outLines(const ProcessOutcome& outcome) {
    return outcome.out.split('\n', Qt::SkipEmptyParts);
}

QJsonObject jsonOf(const ProcessOutcome& outcome) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qWarning() << "not a JSON object:" << error.errorString() << outcome.out;
        return {};
    }
    return document.object();
}

QString failure(const ProcessOutcome& outcome) {
    return QString("exit %1\nout: %2\nerr: %3").arg(outcome.exitCode).arg(outcome.out, outcome.err);
}

}  // namespace

class TestVerifyCommand : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " has not been built"));
    }

    void verify_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("changedRegister");  // -1: none
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("agrees") << "Q7323S"
                                << "defaults" << -1 << 0 << QStringList{};
        QTest::newRow("changed behind the program's back")
            << "Q7323S"
            << "defaults" << Highscale1 << 1
            << QStringList{"Highscale 1: file 20.000, module 15.000"};
        // A V7325S reads in a third of a Q7383D's line time.
        QTest::newRow("another model")
            << "V7325S"
            << "defaults" << -1 << 1 << QStringList{"model: file Q7323S, module V7325S"};
        QTest::newRow("a parameter the file lacks")
            << "Q7323S"
            << "without Burnout 1" << -1 << 1
            << QStringList{"Burnout 1: only on the module, module None"};
    }

    void verify() {
        QFETCH(QString, model);
        QFETCH(QString, file);
        QFETCH(int, changedRegister);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        QTemporaryDir home;
        PtyModule module(model, 0, false);
        QVERIFY(module.start());
        if (changedRegister >= 0) {
            module.engine().setRegister(changedRegister, 15000);
        }
        const QString path = file == "defaults" ? factoryFile("Q7323S")
                                                : editedDefaults(home, "Burnout 1 ", QByteArray());
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"verify", path, "--port", module.portName()});
        QVERIFY2(outcome.exitCode == exitCode, qPrintable(failure(outcome)));
        QCOMPARE(outLines(outcome), lines);
        // Verifying only reads.
        QVERIFY(module.engine().registerWrites().empty());
    }

    void aSilentModuleIsNoAnswer() {
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        // No answer comes for a busy machine to hold back: the line's own time-outs tell it.
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"verify", factoryFile("Q7323S"), "--port", module.portName()},
                       ReplyTiming::Real);
        QVERIFY2(outcome.exitCode == 2, qPrintable(failure(outcome)));
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.contains("could not be read"), qPrintable(outcome.err));
    }

    void aFileThatDoesNotLoad() {
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        const QString path = PutFile(home.path(), "broken.NVC", "not a configuration\r\n");
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"verify", path, "--port", module.portName()});
        QVERIFY2(outcome.exitCode == 2, qPrintable(failure(outcome)));
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.contains("Nothing compared: " + path), qPrintable(outcome.err));
        QVERIFY(module.engine().commands().isEmpty());
    }

    void writeThenVerify_data() {
        QTest::addColumn<bool>("ignoresWrite");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("module keeps every value") << false << 0 << QStringList{};
        QTest::newRow("module ignores one register")
            << true << 1 << QStringList{"Highscale 1: file 15.000, module 20.000"};
    }

    void writeThenVerify() {
        QFETCH(bool, ignoresWrite);
        QFETCH(int, exitCode);
        QFETCH(QStringList, differences);
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        if (ignoresWrite) {
            module.engine().setIgnoredWrite(Highscale1);
        }
        const QString path =
            editedDefaults(home, "Highscale 1 ", KeyLine("Highscale 1", "15.000").toLatin1());
        const ProcessOutcome outcome = RunProgram(
            home.path(), {"write", path, "--port", module.portName(), "--yes", "--verify"});
        QVERIFY2(outcome.exitCode == exitCode, qPrintable(failure(outcome)));
        // The write itself went through: the module answered every value.
        QVERIFY(module.engine().registerWrites().size() > 5);
        QCOMPARE(outLines(outcome),
                 QStringList{"Configuration succesfully written to Q7323S."} + differences);
        QCOMPARE(module.engine().registerValue(Highscale1), quint16(ignoresWrite ? 20000 : 15000));
    }

    void writeWithoutVerifyDoesNotReadBack() {
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        module.engine().setIgnoredWrite(Highscale1);
        const QString path =
            editedDefaults(home, "Highscale 1 ", KeyLine("Highscale 1", "15.000").toLatin1());
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"write", path, "--port", module.portName(), "--yes"});
        QVERIFY2(outcome.exitCode == 0, qPrintable(failure(outcome)));
        // The last command is the last write, no read of register 04 after it.
        QVERIFY(!module.engine().commands().last().startsWith("0004"));
    }

    void diff_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("head");  // the first lines
        QTest::newRow("a file with itself") << "Q7383D"
                                            << "Q7383D" << 0 << QStringList{};
        QTest::newRow("two models") << "Q7323S"
                                    << "Q7383D" << 1
                                    << QStringList{"model: Q7323S.NVC Q7323S, Q7383D.NVC Q7383D",
                                                   "firmware: Q7323S.NVC 258, Q7383D.NVC 6149"};
    }

    void diff() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, exitCode);
        QFETCH(QStringList, head);
        QTemporaryDir home;
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"diff", factoryFile(first), factoryFile(second)});
        QVERIFY2(outcome.exitCode == exitCode, qPrintable(failure(outcome)));
        const QStringList lines = outLines(outcome);
        QCOMPARE(lines.mid(0, head.size()), head);
        if (head.isEmpty()) {
            QCOMPARE(lines, QStringList{});
            return;
        }
        // Every parameter either belongs to one of the models only or is shown from both.
        for (const QString& line : lines.mid(head.size())) {
            QVERIFY2(line.contains(": only for the Q7323S, Q7323S.NVC ") ||
                         line.contains(": only for the Q7383D, Q7383D.NVC ") ||
                         line.contains(": Q7323S.NVC "),
                     qPrintable(line));
        }
        QVERIFY(lines.contains("Input 1: only for the Q7323S, Q7323S.NVC mA dC (I)"));
        QVERIFY(lines.contains("TAG1: only for the Q7383D, Q7383D.NVC (empty)"));
        QVERIFY(lines.contains("Highscale 1: Q7323S.NVC 20.000, Q7383D.NVC 1000.0"));
        // Both models have Output 1, at 4-20 mA: an equal value is no difference.
        QVERIFY(lines.filter(QRegularExpression("^Output 1:")).isEmpty());
    }

    void diffOfAFileThatDoesNotLoad() {
        QTemporaryDir home;
        const QString broken = PutFile(home.path(), "broken.NVC", "\r\n");
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"diff", factoryFile("Q7323S"), broken});
        QVERIFY2(outcome.exitCode == 2, qPrintable(failure(outcome)));
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.contains("Nothing compared: " + broken), qPrintable(outcome.err));
    }

    void identifyJson() {
        QTemporaryDir home;
        PtyModule module("Q7383D", 0, false);
        QVERIFY(module.start());
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"identify", "--json", "--port", module.portName()});
        QVERIFY2(outcome.exitCode == 0, qPrintable(failure(outcome)));
        const QJsonObject json = jsonOf(outcome);
        QCOMPARE(json["model"].toString(), QStringLiteral("Q7383D"));
        QCOMPARE(json["firmware"].toInt(), 6149);
        QCOMPARE(json["port"].toString(), module.portName());
    }

    void identifyJsonOfASilentModule() {
        QTemporaryDir home;
        PtyModule module("Q7383D", 0, false);
        QVERIFY(module.start());
        module.engine().setFault(Fault::Silent);
        // No answer comes for a busy machine to hold back: the line's own time-outs tell it.
        const ProcessOutcome outcome = RunProgram(
            home.path(), {"identify", "--json", "--port", module.portName()}, ReplyTiming::Real);
        QCOMPARE(outcome.exitCode, 1);
        // Standard output holds documents only; the failure is a message.
        QCOMPARE(outcome.out, QString());
        QVERIFY2(outcome.err.contains("No module answered on " + module.portName()),
                 qPrintable(outcome.err));
    }

    void readJson() {
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        module.engine().setRegister(Highscale1, 15000);
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"read", "--json", "--port", module.portName()});
        QVERIFY2(outcome.exitCode == 0, qPrintable(failure(outcome)));
        const QJsonObject json = jsonOf(outcome);
        const QJsonObject header = json["header"].toObject();
        QCOMPARE(header["model"].toString(), QStringLiteral("Q7323S"));
        QCOMPARE(header["firmware"].toInt(), 258);
        const QJsonArray parameters = json["parameters"].toArray();
        QStringList names;
        for (const QJsonValue& parameter : parameters) {
            names << parameter["name"].toString();
        }
        QCOMPARE(names, (QStringList{"Input 1", "Downscale 1", "Highscale 1", "Burnout Low 1",
                                     "Burnout High 1", "Output 1", "Burnout 1"}));
        const QJsonObject highscale = parameters[2].toObject();
        QCOMPARE(highscale["key"].toString(), QStringLiteral("Upscale1"));
        QCOMPARE(highscale["value"].toString(), QStringLiteral("15.000"));
        QCOMPARE(highscale["register"].toInt(), 15000);
        QCOMPARE(highscale["unit"].toString(), QStringLiteral("mA"));
        const QJsonObject output = parameters[5].toObject();
        QCOMPARE(output["value"].toString(), QStringLiteral("4-20 mA"));
        QVERIFY(output.contains("register"));
    }

    void showJson() {
        QTemporaryDir home;
        const ProcessOutcome outcome =
            RunProgram(home.path(), {"show", factoryFile("Q7383D"), "--json"});
        QVERIFY2(outcome.exitCode == 0, qPrintable(failure(outcome)));
        const QJsonObject json = jsonOf(outcome);
        const QJsonObject header = json["header"].toObject();
        QCOMPARE(header["model"].toString(), QStringLiteral("Q7383D"));
        QCOMPARE(header["doneBy"].toString(), QStringLiteral("NORVIK SRL"));
        QCOMPARE(header["doneFor"].toString(), QStringLiteral("FACTORY DEFAULTS"));
        QVERIFY(header.contains("tag1"));
        QVERIFY(header.contains("tag2"));
        // The same parameters, in the same order, as the text form prints.
        const ProcessOutcome text = RunProgram(home.path(), {"show", factoryFile("Q7383D")});
        QStringList textLines = outLines(text);
        QStringList jsonLines;
        for (const QJsonValue& parameter : json["parameters"].toArray()) {
            jsonLines << parameter["name"].toString().leftJustified(40) + " = " +
                             parameter["value"].toString();
        }
        QVERIFY(!jsonLines.isEmpty());
        QCOMPARE(textLines.mid(textLines.size() - jsonLines.size()), jsonLines);
    }

    void verifyJson() {
        QTemporaryDir home;
        PtyModule module("Q7323S", 0, false);
        QVERIFY(module.start());
        module.engine().setRegister(Highscale1, 15000);
        const ProcessOutcome outcome = RunProgram(
            home.path(), {"verify", factoryFile("Q7323S"), "--json", "--port", module.portName()});
        QVERIFY2(outcome.exitCode == 1, qPrintable(failure(outcome)));
        const QJsonObject json = jsonOf(outcome);
        QCOMPARE(json["agree"].toBool(true), false);
        QCOMPARE(json["model"].toString(), QStringLiteral("Q7323S"));
        const QJsonArray differences = json["differences"].toArray();
        QCOMPARE(differences.size(), 1);
        const QJsonObject difference = differences[0].toObject();
        QCOMPARE(difference["name"].toString(), QStringLiteral("Highscale 1"));
        QCOMPARE(difference["key"].toString(), QStringLiteral("Upscale1"));
        QCOMPARE(difference["file"].toString(), QStringLiteral("20.000"));
        QCOMPARE(difference["module"].toString(), QStringLiteral("15.000"));
        QVERIFY(!difference.contains("only"));
    }

    void diffJson() {
        QTemporaryDir home;
        const ProcessOutcome outcome = RunProgram(
            home.path(), {"diff", "--json", factoryFile("Q7323S"), factoryFile("Q7383D")});
        QVERIFY2(outcome.exitCode == 1, qPrintable(failure(outcome)));
        const QJsonObject json = jsonOf(outcome);
        QCOMPARE(json["agree"].toBool(true), false);
        const QJsonArray differences = json["differences"].toArray();
        QVERIFY(differences.size() > 2);
        QCOMPARE(differences[0]["name"].toString(), QStringLiteral("model"));
        QCOMPARE(differences[0]["first"].toString(), QStringLiteral("Q7323S"));
        QCOMPARE(differences[0]["second"].toString(), QStringLiteral("Q7383D"));
        // The text form holds the same differences, line for line.
        const ProcessOutcome text =
            RunProgram(home.path(), {"diff", factoryFile("Q7323S"), factoryFile("Q7383D")});
        QStringList lines;
        bool oneSided = false;
        for (const QJsonValue& difference : differences) {
            lines << difference["line"].toString();
            if (difference["only"].toString() == "first") {
                oneSided = true;
                QCOMPARE(difference["onlyModel"].toString(), QStringLiteral("Q7323S"));
                QVERIFY(!difference.toObject().contains("second"));
            }
        }
        QVERIFY(oneSided);
        QCOMPARE(lines, outLines(text));

        const ProcessOutcome same = RunProgram(
            home.path(), {"diff", "--json", factoryFile("Q7323S"), factoryFile("Q7323S")});
        QCOMPARE(same.exitCode, 0);
        QCOMPARE(jsonOf(same)["agree"].toBool(false), true);
        QCOMPARE(jsonOf(same)["differences"].toArray().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVerifyCommand)
#include "tst_verifycommand.moc"
