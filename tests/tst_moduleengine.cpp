// The simulated module's moving input: where it moves, and how a test pins it; a write it
// ignores.

#include "modsim/ModuleEngine.h"

#include <QSet>
#include <QTest>

using modsim::ModuleEngine;

namespace {

// The E2/E3 answer's data as the module means it: signed, except on the Q7351S.
int inputOf(ModuleEngine& engine, const char* command, bool isUnsigned) {
    const QByteArray reply = engine.handleLine(command).bytes;
    const int word = reply.mid(4, 4).toInt(nullptr, 16);
    return isUnsigned || word < 0x8000 ? word : word - 0x10000;
}

}  // namespace

class TestModuleEngine : public QObject {
    Q_OBJECT

  private slots:
    void parseInputValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("channel");  // 0: refused
        QTest::addColumn<int>("word");
        QTest::newRow("decimal") << "1=1234" << 1 << 1234;
        QTest::newRow("hex") << "2=0xFFFF" << 2 << 0xFFFF;
        QTest::newRow("no channel 3") << "3=1" << 0 << 0;
        QTest::newRow("beyond a word") << "1=65536" << 0 << 0;
        QTest::newRow("negative") << "1=-1" << 0 << 0;
        QTest::newRow("no word") << "1" << 0 << 0;
    }

    void parseInputValue() {
        QFETCH(QString, text);
        QFETCH(int, channel);
        QFETCH(int, word);
        const auto parsed = modsim::ParseInputValue(text);
        QCOMPARE(parsed.has_value(), channel != 0);
        if (parsed) {
            QCOMPARE(parsed->first, channel);
            QCOMPARE(int(parsed->second), word);
        }
    }

    void aPinnedInputAnswersExactly() {
        ModuleEngine engine(QStringLiteral("Q7383D"), 6149);
        engine.setInputValue(2, 0xFFFF);
        QCOMPARE(engine.handleLine("00E30000").bytes, QByteArray("8000FFFF\r\n"));
        engine.setInputValue(2, std::nullopt);
        QVERIFY(engine.handleLine("00E30000").bytes != QByteArray("8000FFFF\r\n"));
    }

    // A module that answers a write as stored, but keeps the old value of that one register.
    void anIgnoredWriteIsAnsweredButNotKept() {
        ModuleEngine engine(QStringLiteral("Q7323S"));
        engine.setRegister(0x04, 20000);
        engine.setIgnoredWrite(0x04);
        QCOMPARE(engine.handleLine("00053A98").bytes, QByteArray("80003A98\r\n"));
        QCOMPARE(engine.handleLine("00070002").bytes, QByteArray("80000002\r\n"));
        QCOMPARE(engine.registerValue(0x04), quint16(20000));
        QCOMPARE(engine.registerValue(0x06), quint16(2));
        QCOMPARE(engine.handleLine("00040000").bytes, QByteArray("80004E20\r\n"));
        // Both writes were received.
        QCOMPARE(engine.registerWrites().size(), std::size_t{2});
        engine.setIgnoredWrite(std::nullopt);
        engine.handleLine("00053A98");
        QCOMPARE(engine.registerValue(0x04), quint16(15000));
    }

    // The input stays inside its sensor's span, in the sensor's decimals, and keeps moving.
    void theInputMovesInsideItsSpan_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        // TC K: -250.0 .. 1350.0 degrees, in tenths.
        QTest::newRow("Q7383D channel 1") << "Q7383D" << QByteArray("00E20000") << -2500 << 13500;
        QTest::newRow("Q7383D channel 2") << "Q7383D" << QByteArray("00E30000") << -2500 << 13500;
        QTest::newRow("load cell") << "Q7356S" << QByteArray("00E20000") << 0 << 10000;
    }

    void theInputMovesInsideItsSpan() {
        QFETCH(QString, model);
        QFETCH(QByteArray, command);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        ModuleEngine engine(model);
        QSet<int> seen;
        for (int i = 0; i < 40; ++i) {
            const int value = inputOf(engine, command.constData(), false);
            QVERIFY2(value >= lowest && value <= highest, qPrintable(QString::number(value)));
            seen << value;
        }
        QVERIFY(seen.size() > 1);
    }
};

QTEST_MAIN(TestModuleEngine)
#include "tst_moduleengine.moc"
