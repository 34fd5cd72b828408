#include "catalogue/Definitions.h"
#include "catalogue/RegisterWord.h"
#include "catalogue/SensorLimits.h"
#include "catalogue/ValueFormat.h"
#include "link/RegisterProtocol.h"

#include <QLocale>
#include <QTest>

#include <optional>

class TestValueFormat : public QObject {
    Q_OBJECT

    const TSensorTable sensors = InitialSensorTable();

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formatMyInt_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 decimals") << "C" << 1234 << 0 << "1234";
        QTest::newRow("1 decimal") << "C" << 1234 << 1 << "123.4";
        QTest::newRow("2 decimals") << "C" << 1234 << 2 << "12.34";
        QTest::newRow("3 decimals") << "C" << 1234 << 3 << "1.234";
        QTest::newRow("4 decimals") << "C" << 1234 << 4 << "0.1234";
        QTest::newRow("negative below one") << "C" << -5 << 1 << "-0.5";
        QTest::newRow("zero keeps decimals") << "C" << 0 << 3 << "0.000";
        QTest::newRow("no padding") << "C" << 5 << 0 << "5";
        QTest::newRow("large whole") << "C" << 50000 << 0 << "50000";
        QTest::newRow("leading decimal zeros") << "C" << 7 << 4 << "0.0007";
        QTest::newRow("trailing decimal zeros") << "C" << 100 << 2 << "1.00";
        QTest::newRow("negative 2 decimals") << "C" << -1234 << 2 << "-12.34";
        QTest::newRow("negative 4 decimals") << "C" << -1 << 4 << "-0.0001";
        QTest::newRow("lowest word") << "C" << -32768 << 1 << "-3276.8";
        QTest::newRow("unsigned word") << "C" << 65535 << 3 << "65.535";
        QTest::newRow("general, 5 decimals") << "C" << 1234 << 5 << "0.01234";
        QTest::newRow("general, negative count") << "C" << -7 << -2 << "-700";
        QTest::newRow("comma") << "de_DE" << 1234 << 1 << "123,4";
        QTest::newRow("comma negative") << "de_DE" << -5 << 1 << "-0,5";
        QTest::newRow("comma zero") << "de_DE" << 0 << 3 << "0,000";
        QTest::newRow("comma no grouping") << "de_DE" << 1234567 << 0 << "1234567";
        QTest::newRow("comma general") << "de_DE" << 1234 << 5 << "0,01234";
        QTest::newRow("point no grouping") << "en_US" << 123456 << 2 << "1234.56";
    }
    void formatMyInt() {
        QFETCH(QString, locale);
        QFETCH(int, value);
        QFETCH(int, decimals);
        QLocale::setDefault(QLocale(locale));
        QTEST(FormatMyInt(value, decimals), "text");
    }

    void formatMyIntIntoExtended_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("number");
        QTest::newRow("2 decimals") << "C" << 1234 << 2 << 12.34;
        QTest::newRow("negative") << "C" << -5 << 1 << -0.5;
        QTest::newRow("whole") << "C" << 50000 << 0 << 50000.0;
        QTest::newRow("general") << "C" << 1234 << 5 << 0.01234;
        QTest::newRow("comma") << "de_DE" << 1234 << 1 << 123.4;
        QTest::newRow("comma negative") << "de_DE" << -1234 << 3 << -1.234;
        QTest::newRow("comma thousands") << "de_DE" << 1234567 << 0 << 1234567.0;
    }
    void formatMyIntIntoExtended() {
        QFETCH(QString, locale);
        QFETCH(int, value);
        QFETCH(int, decimals);
        QLocale::setDefault(QLocale(locale));
        QTEST(FormatMyIntIntoExtended(value, decimals), "number");
    }

    void wordToValue_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("value");
        QTest::newRow("FFFF signed") << "FFFF"
                                     << "Q7323S" << -1;
        QTest::newRow("FFFF frequency") << "FFFF"
                                        << "Q7351S" << 65535;
        QTest::newRow("8000 signed") << "8000"
                                     << "V7380D" << -32768;
        QTest::newRow("8000 frequency") << "8000"
                                        << "Q7351S" << 32768;
        QTest::newRow("7FFF") << "7FFF"
                              << "Q7383S" << 32767;
        QTest::newRow("zero") << "0000"
                              << "Q7356S" << 0;
        QTest::newRow("unidentified signed") << "C350"
                                             << "" << -15536;
        QTest::newRow("frequency family only") << "C350"
                                               << "Q7351" << -15536;
    }
    void wordToValue() {
        QFETCH(QString, digits);
        QFETCH(QString, model);
        const std::optional<int> word = ParseHexWord(digits);
        QVERIFY(word);
        QTEST(WordToValue(*word, model), "value");
    }

    void valueToDataDigits_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("digits");
        QTest::newRow("-1") << -1 << "FFFF";
        QTest::newRow("lowest") << -32768 << "8000";
        QTest::newRow("leading zeros") << 255 << "00FF";
        QTest::newRow("upper case") << 0xABCD << "ABCD";
        QTest::newRow("-1999") << -1999 << "F831";
    }
    void valueToDataDigits() {
        QFETCH(int, value);
        QTEST(HexWord(value), "digits");
        // What is written reads back as the same value.
        QCOMPARE(WordToValue(*ParseHexWord(HexWord(value)),
                             value > 32767 ? QStringLiteral("Q7351S") : QStringLiteral("Q7323S")),
                 value);
    }

    void sensorVars_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("function1");
        QTest::addColumn<QString>("function2");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        // clang-format off
        QTest::newRow("Sub, TC B") << 259 << "Upscale1" << "TC B" << "Sub" << "" << -1800 << 1800;
        QTest::newRow("Add, TC B") << 259 << "Upscale1" << "TC B" << "Add" << "" << 50 << 1800;
        QTest::newRow("old firmware") << 100 << "Upscale1" << "TC B" << "Sub" << "" << 50 << 1800;
        QTest::newRow("first Sub firmware") << 103 << "Set1A" << "TC B" << "Sub" << "" << -1800 << 1800;
        QTest::newRow("last plain firmware") << 102 << "Set1A" << "TC B" << "Sub" << "" << 50 << 1800;
        QTest::newRow("Sub, TC K") << 259 << "Downscale1" << "TC K" << "Sub" << "" << -1350 << 1350;
        QTest::newRow("Sub clamps") << 259 << "Upscale1" << "50 KHz" << "Sub" << "" << -1999 << 29999;
        QTest::newRow("channel 2 own list") << 6149 << "Upscale2" << "TC K" << "Sub" << "Add" << -250 << 1350;
        QTest::newRow("channel 2 Sub") << 6149 << "Hysteresis2B" << "TC K" << "Add" << "Sub" << -500 << 500;
        QTest::newRow("Sub is exact") << 259 << "Upscale1" << "TC K" << "sub" << "" << -250 << 1350;
        QTest::newRow("output limit") << 259 << "LimitVLow1" << "E DC" << "Sub" << "" << -11 << 11;
        // clang-format on
    }
    void sensorVars() {
        QFETCH(int, version);
        QFETCH(QString, key);
        QFETCH(QString, sensor);
        QFETCH(QString, function1);
        QFETCH(QString, function2);
        const std::optional<TSensorFieldEntry> limits =
            GetSensorVars(sensors, version, key, sensor, {function1, function2});
        QVERIFY(limits);
        QTEST(limits->Min, "min");
        QTEST(limits->Max, "max");
        // Decimals and unit never follow the function.
        const std::optional<TSensorFieldEntry> plain = GetSensorConsts(sensors, key, sensor);
        QVERIFY(plain);
        QCOMPARE(limits->Dec, plain->Dec);
        QCOMPARE(limits->Dim, plain->Dim);
    }

    void sensorVarsNeedAChannelDigit() {
        // Give a sensor field a key without a channel digit: it is found plainly, but the channel
        // rule leaves the caller's result alone.
        TSensorTable table = InitialSensorTable();
        table[1].Field(1).Name = QStringLiteral("Upscale");
        const FunctionTexts sub{QStringLiteral("Sub"), QStringLiteral("Sub")};
        QVERIFY(GetSensorConsts(table, QStringLiteral("Upscale"), QStringLiteral("TC B")));
        QVERIFY(!GetSensorVars(table, 259, QStringLiteral("Upscale"), QStringLiteral("TC B"), sub));
        QVERIFY(GetSensorVars(table, 259, QStringLiteral("Upscale2"), QStringLiteral("TC B"), sub));
    }

    void sensorLookupsFindNothingForUnknownNames() {
        const FunctionTexts none;
        QVERIFY(!GetSensorConsts(sensors, QStringLiteral("Upscale1"), QStringLiteral("TC Q")));
        QVERIFY(!GetSensorConsts(sensors, QStringLiteral("Upscale3"), QStringLiteral("TC B")));
        QVERIFY(!GetSensorVars(sensors, 259, QStringLiteral("Upscale1"), QString(), none));
        QVERIFY(!GetSensorVars(sensors, 259, QStringLiteral("Hysteresis1C"),
                               QStringLiteral("Pt 100"), none));
    }

    // The lookups read the table they are given: a run's changed limits are what they answer.
    void sensorLookupsReadTheGivenTable() {
        TSensorTable table = InitialSensorTable();
        table[26].Field(1).Max = 85;
        const auto limits =
            GetSensorConsts(table, QStringLiteral("Upscale1"), QStringLiteral("E DC"));
        QVERIFY(limits);
        QCOMPARE(limits->Max, 85);
        QCOMPARE(limits->Dim, QStringLiteral("mV"));
        QCOMPARE(limits->Dec, 2);
    }
};

QTEST_GUILESS_MAIN(TestValueFormat)
#include "tst_valueformat.moc"
