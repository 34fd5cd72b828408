// Every operation that talks to the module, against every way a module or its line can fail:
// each ends with a clear message, the right outcome, the port closed, the window taking input,
// and the configuration log either as it was or holding one complete new entry.

#include "support/ExpectedTexts.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "form/WriteAll.h"
#include "modsim/ModuleEngine.h"
#include "shell/ModuleAccess.h"

#include <QTest>

#include <map>

namespace {

const QString Model = QStringLiteral("Q7383D");
constexpr int Firmware = 6149;

enum class Operation { Identify, Read, Write, TagRead, TagWrite };

struct Outcome {
    bool completed = false;
    // What the command line prints: the boxes in order, then the status box text of a read or
    // write that began and did not complete.
    QStringList messages;
};

// The status box texts as the status box shows them, one line each.
QString stoppedReading(const QString& at) {
    return QStringLiteral("The module stopped answering\nat ") + at + QStringLiteral(".");
}

QString stoppedWriting(const QString& at) {
    return QStringLiteral("The module stopped answering during the write\nat ") + at +
           QStringLiteral(".\nThe configuration was not completely written.");
}

QString tagNotSent(int channel) {
    return QStringLiteral("The module did not send tag %1 correctly.").arg(channel);
}

Outcome run(WindowBench& bench, Operation operation) {
    TForm1& form = *bench.form;
    Outcome outcome;
    switch (operation) {
        case Operation::Identify:
            outcome.completed =
                IdentifyModule(bench.state).result == ModuleIdentity::Result::Identified;
            break;
        case Operation::Read:
            form.ReadAll();
            outcome.completed = !form.ConfigurationEmpty;
            break;
        case Operation::Write:
            outcome.completed = SaveToModule(form).written();
            break;
        case Operation::TagRead:
            outcome.completed = ReadTag(bench.state, 2).tag.has_value();
            break;
        case Operation::TagWrite:
            outcome.completed = WriteTag(bench.state, 2, QStringLiteral("PUMP 7")).written;
            break;
    }
    for (const ScriptedDialogs::Box& box : bench.dialogs.shown()) {
        outcome.messages << box.text;
    }
    // The tag routines leave the words to the read and the write that use them.
    if (!outcome.completed && outcome.messages.isEmpty()) {
        if (operation == Operation::TagRead) {
            outcome.messages << tagNotSent(2);
        } else if (operation == Operation::TagWrite) {
            outcome.messages << stoppedWriting(QStringLiteral("Tag 2"));
        }
    }
    const bool transfer = operation == Operation::Read || operation == Operation::Write;
    const QString status = ShownText(form, "LStatus");
    if (transfer && !outcome.completed && form.Control("PStatus").isVisible()) {
        outcome.messages << status;
    }
    return outcome;
}

// A configuration log entry begins with the generated header line.
bool isOneCompleteEntry(const QByteArray& added) {
    const QByteArray header = "# THE FOLLOWING FILE WAS GENERATED";
    return added.startsWith(header) && added.count(header) == 1 && added.endsWith("\r\n") &&
           added.contains("\r\n" + Model.toLatin1() + "\r\n") &&
           added.contains("\r\nV High Limit (burnout)   ");  // the model's last parameter
}

// The commands a fault-free run of the operation sends, so a fault can land half-way through.
int cleanTraffic(Operation operation) {
    WindowBench bench(Model, Firmware);
    if (operation == Operation::Write) {
        ReadForWriting(bench);
        TypeInto(*bench.form, "TUpscale1", "12");
    }
    run(bench, operation);
    return static_cast<int>(bench.engine().commands().size());
}

}  // namespace

Q_DECLARE_METATYPE(Operation)

class TestFaultMatrix : public QObject {
    Q_OBJECT

    // cleanTraffic() of each operation, shared by all its rows.
    std::map<Operation, int> cleanTraffic_;

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        for (const Operation operation : {Operation::Identify, Operation::Read, Operation::Write,
                                          Operation::TagRead, Operation::TagWrite}) {
            cleanTraffic_[operation] = cleanTraffic(operation);
        }
    }

    void init() { QLocale::setDefault(QLocale::c()); }

    void everyFaultEndsCleanly_data() { addRows(false); }
    void everyFaultEndsCleanly() { checkRow(); }

    // Run alone under CTest: a late answer at the real read time-out, or a paced fault that
    // must land between two writes, can be moved by a busy machine.
    void everyFaultAtTheRealLineTimingEndsCleanly_data() { addRows(true); }
    void everyFaultAtTheRealLineTimingEndsCleanly() { checkRow(); }

  private:
    // The rows of a slow module (told by the real read time-out) or a paced one when
    // `realLineTiming`, the others otherwise.
    static void addRows(bool realLineTiming) {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("completes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("paced");

        const QString port = QStringLiteral("%PORT%");
        const QString noModule = ExpectedPortWarning(port);
        const QString noVersion = QStringLiteral("'0x    ' is not a valid integer value");
        const QString nonHexVersion = QStringLiteral("'0xXZ?G' is not a valid integer value");
        // Five characters and the line end: the line end is read as data, and shown by its codes.
        const QString shortVersion = QStringLiteral("'0x1<0D><0A> ' is not a valid integer value");
        // Half-way faults: N is half the commands of a clean run, filled in per operation.
        const QString half = QStringLiteral(":half");
        const auto stoppedReading = [](const char* at) { return ::stoppedReading(at); };
        const auto stoppedWriting = [](const char* at) { return ::stoppedWriting(at); };

        struct Row {
            const char* name;
            Operation operation;
            QString fault;
            bool completes;
            QStringList messages;
            // At the real line timing, for a fault that must land between two writes.
            bool paced = false;
        };
        const QList<Row> rows{
            {"identify silent", Operation::Identify, "silent", false, {noModule}},
            {"identify alternate", Operation::Identify, "alternate", false, {noVersion}},
            {"identify garbage", Operation::Identify, "garbage", false, {noModule}},
            {"identify nonhex", Operation::Identify, "nonhex", false, {nonHexVersion}},
            {"identify short", Operation::Identify, "short", false, {shortVersion}},
            // Each exchange of the identification opens its own port: the extra bytes of an
            // over-long answer are thrown away with it.
            {"identify long", Operation::Identify, "long", true, {}},
            {"identify slow", Operation::Identify, "slow", false, {noModule}},
            {"identify stop-after", Operation::Identify, "stop-after" + half, false, {noVersion}},
            {"identify disconnect-after",
             Operation::Identify,
             "disconnect-after" + half,
             false,
             {noVersion}},

            {"read silent", Operation::Read, "silent", false, {noModule}},
            {"read alternate", Operation::Read, "alternate", false, {noVersion}},
            {"read garbage", Operation::Read, "garbage", false, {noModule}},
            {"read nonhex", Operation::Read, "nonhex", false, {nonHexVersion}},
            {"read short", Operation::Read, "short", false, {shortVersion}},
            {"read long", Operation::Read, "long", false, {tagNotSent(1)}},
            {"read slow", Operation::Read, "slow", false, {noModule}},
            {"read slow half-way",
             Operation::Read,
             "slow" + half,
             false,
             {stoppedReading("Highscale 1")}},
            {"read stop-after",
             Operation::Read,
             "stop-after" + half,
             false,
             {stoppedReading("Highscale 1")}},
            {"read disconnect-after",
             Operation::Read,
             "disconnect-after" + half,
             false,
             {stoppedReading("Highscale 1")}},

            {"write silent", Operation::Write, "silent", false, {noModule}},
            {"write alternate", Operation::Write, "alternate", false, {noVersion}},
            {"write garbage", Operation::Write, "garbage", false, {noModule}},
            // The tag 2 probe is the first to meet the garbage: none of its writes may go out.
            {"write garbage at tag 2",
             Operation::Write,
             "garbage:10",
             false,
             {noModule, stoppedWriting("Tag 2")}},
            {"write nonhex", Operation::Write, "nonhex", false, {nonHexVersion}},
            {"write short", Operation::Write, "short", false, {shortVersion}},
            // Write replies are not judged, only their presence: every command went out.
            {"write long", Operation::Write, "long", true, {}},
            {"write slow", Operation::Write, "slow", false, {noModule}},
            {"write stop-after",
             Operation::Write,
             "stop-after" + half,
             false,
             {stoppedWriting("Highscale 1")}},
            {"write disconnect-after",
             Operation::Write,
             "disconnect-after" + half,
             false,
             {stoppedWriting("Highscale 1")}},

            {"tag read silent", Operation::TagRead, "silent", false, {noModule}},
            {"tag read alternate", Operation::TagRead, "alternate", false, {tagNotSent(2)}},
            {"tag read garbage", Operation::TagRead, "garbage", false, {noModule}},
            {"tag read nonhex", Operation::TagRead, "nonhex", false, {tagNotSent(2)}},
            {"tag read short", Operation::TagRead, "short", false, {tagNotSent(2)}},
            {"tag read long", Operation::TagRead, "long", false, {tagNotSent(2)}},
            {"tag read slow", Operation::TagRead, "slow", false, {noModule}},
            {"tag read stop-after",
             Operation::TagRead,
             "stop-after" + half,
             false,
             {tagNotSent(2)}},
            {"tag read disconnect-after",
             Operation::TagRead,
             "disconnect-after" + half,
             false,
             {tagNotSent(2)}},

            // Tag writes read no replies: only a module that fails the probe, or a line that
            // goes away, can show.
            {"tag write silent", Operation::TagWrite, "silent", false, {noModule}},
            {"tag write alternate", Operation::TagWrite, "alternate", true, {}},
            {"tag write garbage", Operation::TagWrite, "garbage", false, {noModule}},
            {"tag write nonhex", Operation::TagWrite, "nonhex", true, {}},
            {"tag write short", Operation::TagWrite, "short", true, {}},
            {"tag write long", Operation::TagWrite, "long", true, {}},
            {"tag write slow", Operation::TagWrite, "slow", false, {noModule}},
            {"tag write stop-after", Operation::TagWrite, "stop-after" + half, true, {}},
            {"tag write disconnect-after",
             Operation::TagWrite,
             "disconnect-after" + half,
             false,
             {stoppedWriting("Tag 2")},
             true},
        };
        for (const Row& row : rows) {
            if ((row.paced || row.fault.startsWith(QStringLiteral("slow"))) == realLineTiming) {
                QTest::newRow(row.name)
                    << row.operation << row.fault << row.completes << row.messages << row.paced;
            }
        }
    }

    void checkRow() {
        QFETCH(Operation, operation);
        QFETCH(QString, fault);
        QFETCH(bool, completes);
        QFETCH(QStringList, messages);
        QFETCH(bool, paced);

        fault.replace(QStringLiteral("half"), QString::number(cleanTraffic_.at(operation) / 2));
        modsim::Fault kind{};
        int count = 0;
        QVERIFY(modsim::ParseFault(fault, kind, count));
        // A slow module is told by the real line's time-outs.
        WindowBench bench(Model, Firmware, paced,
                          kind == modsim::Fault::Slow ? ReplyTiming::Real : ReplyTiming::Simulated);
        QVERIFY(bench.started);
        if (operation == Operation::Write) {
            ReadForWriting(bench);
            TypeInto(*bench.form, "TUpscale1", "12");
        }
        const QByteArray logBefore = bench.configurationLog();
        bench.engine().setFault(kind, count);

        const Outcome outcome = run(bench, operation);
        for (QString& message : messages) {
            message.replace(QStringLiteral("%PORT%"), bench.port());
        }
        QCOMPARE(outcome.completed, completes);
        QCOMPARE(outcome.messages, messages);
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.state.link.openPortCount(), 0);

        const QByteArray logAfter = bench.configurationLog();
        QVERIFY(logAfter.startsWith(logBefore));
        const QByteArray added = logAfter.mid(logBefore.size());
        const bool transfer = operation == Operation::Read || operation == Operation::Write;
        if (transfer && completes) {
            QVERIFY2(isOneCompleteEntry(added), added.constData());
        } else {
            QVERIFY2(added.isEmpty(), added.constData());
        }
    }
};

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
