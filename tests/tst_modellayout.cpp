#include "catalogue/CatalogueLookup.h"
#include "catalogue/EditValidation.h"
#include "catalogue/ModelLayout.h"

#include <QTest>

namespace {

const TTableEntry& entry(const TParameterTable& table, const char* key) {
    return table[IndexOfKey(table, QString::fromLatin1(key)).value()];
}

// The new sensors (list slots 21..29) the temperature lists offer, as one text.
QString newSensors(const TParameterTable& table, const char* key) {
    QStringList offered;
    for (int i = 21; i <= 29; ++i) {
        if (!entry(table, key).Items[i].isEmpty()) {
            offered << entry(table, key).Items[i];
        }
    }
    return offered.join(QLatin1Char(','));
}

int millivoltMax(const TSensorTable& sensors, int field) {
    return sensors[IndexOfSensor(sensors, QStringLiteral("E DC")).value()].Field(field).Max;
}

}  // namespace

class TestModelLayout : public QObject {
    Q_OBJECT

  private slots:
    void firmwareAdaptation_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("sensors");
        QTest::addColumn<QString>("coldJunction1");
        QTest::addColumn<QString>("coldJunction2");
        QTest::addColumn<QString>("functions");
        QTest::addColumn<QString>("offDelays");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<int>("millivolts");

        const QString all = "Pt 200,Pt 300,TC A1,TC A2,TC A3,TC S1,Cu 46";
        QTest::newRow("Q7383D 256") << "Q7383D" << 256 << ""
                                    << ""
                                    << ""
                                    << "Q7383YQ7323Y"
                                    << "Q7326S"
                                    << "" << 80;
        QTest::newRow("Q7383D 257") << "Q7383D" << 257 << "Pt 200,Pt 300"
                                    << ""
                                    << ""
                                    << "Q7383YQ7323Y"
                                    << "Q7326S"
                                    << "" << 80;
        QTest::newRow("Q7383D 259") << "Q7383D" << 259 << "Pt 200,Pt 300,TC A1,TC A2,TC A3"
                                    << "Q7383SQ7383DQ7384S"
                                    << "Q7383D"
                                    << "Q7383YQ7323YQ7383D"
                                    << "Q7326SQ7384S"
                                    << "" << 85;
        QTest::newRow("Q7383D 6145") << "Q7383D" << 6145 << all << "Q7383SQ7383DQ7384S"
                                     << "Q7383D"
                                     << "Q7383YQ7323YQ7383D"
                                     << "Q7326SQ7384S"
                                     << "" << 85;
        QTest::newRow("Q7383S 6146") << "Q7383S" << 6146 << all << "Q7383SQ7383DQ7384S"
                                     << "Q7383D"
                                     << "Q7383YQ7323YQ7383D"
                                     << "Q7326SQ7384S"
                                     << "Q7383SQ7383DQ7384S" << 85;
        QTest::newRow("Q7383D 6147") << "Q7383D" << 6147 << all + ",Pt 500"
                                     << "Q7383SQ7383DQ7384S"
                                     << "Q7383D"
                                     << "Q7383YQ7323YQ7383D"
                                     << "Q7326SQ7384S"
                                     << "Q7383SQ7383DQ7384S" << 85;
        QTest::newRow("Q7383D 6149") << "Q7383D" << 6149 << all + ",Pt 500,Ni 120"
                                     << "Q7383SQ7383DQ7384S"
                                     << "Q7383D"
                                     << "Q7383YQ7323YQ7383D"
                                     << "Q7326SQ7384S"
                                     << "Q7383SQ7383DQ7384S" << 85;
        QTest::newRow("V7385D") << "V7385D" << 300 << ""
                                << "V7380SV7380D"
                                << "V7380D"
                                << "Q7383YQ7323YQ7383D"
                                << ""
                                << "" << 80;
    }

    void firmwareAdaptation() {
        QFETCH(QString, model);
        QFETCH(int, version);
        QFETCH(QString, sensors);
        QFETCH(QString, coldJunction1);
        QFETCH(QString, coldJunction2);
        QFETCH(QString, functions);
        QFETCH(QString, offDelays);
        QFETCH(QString, limits);
        QFETCH(int, millivolts);

        TParameterTable table = InitialParameterTable();
        TSensorTable sensorTable = InitialSensorTable();
        // Whatever module came before must not matter.
        AddNewSensors(table, sensorTable, QStringLiteral("Q7383D"), 6149);
        AddNewSensors(table, sensorTable, model, version);

        QCOMPARE(newSensors(table, "InputTm1"), sensors);
        QCOMPARE(newSensors(table, "InputTm2"), sensors);
        for (const char* key : {"CJCom1", "CJRef1", "RTDLineRef1"}) {
            QCOMPARE(entry(table, key).ValidFor, coldJunction1);
        }
        for (const char* key : {"CJCom2", "CJRef2", "RTDLineRef2"}) {
            QCOMPARE(entry(table, key).ValidFor, coldJunction2);
        }
        QCOMPARE(entry(table, "Function1").ValidFor, functions);
        QCOMPARE(entry(table, "Function2").ValidFor, functions);
        QCOMPARE(entry(table, "OffDelay1A").ValidFor, offDelays);
        QCOMPARE(entry(table, "OffDelay1B").ValidFor, offDelays);
        QCOMPARE(entry(table, "LimitVHighHigh1").ValidFor, limits);
        QCOMPARE(millivoltMax(sensorTable, 1), millivolts);
        // Field 21 (LimitmALow1) is the last one widened; field 22 keeps its 22 mA.
        QCOMPARE(millivoltMax(sensorTable, 21), millivolts == 85 ? 85 : 22);
        QCOMPARE(millivoltMax(sensorTable, 22), 22);
    }

    void unchangedVersionTakesTheStartingCatalogue() {
        TParameterTable table = InitialParameterTable();
        TSensorTable sensors = InitialSensorTable();
        AddNewSensors(table, sensors, QStringLiteral("Q7383D"), 6149);
        AddNewSensors(table, sensors, QStringLiteral("Q7383D"), 258);
        const TParameterTable start = InitialParameterTable();
        for (const char* key : {"CJCom1", "CJRef2", "Function1", "OffDelay1A", "InputTm1"}) {
            QCOMPARE(entry(table, key).ValidFor, entry(start, key).ValidFor);
        }
        QCOMPARE(newSensors(table, "InputTm1"),
                 QStringLiteral("Pt 200,Pt 300,TC A1,TC A2,TC A3,TC S1,Cu 46"));
        QCOMPARE(millivoltMax(sensors, 1), 80);
        QCOMPARE(entry(table, "LimitmALow1").ValidFor, QString());
    }

    void loadCellLimitsFollowFirmware_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("working");
        QTest::newRow("7167") << 7167 << "";
        QTest::newRow("7168") << 7168 << "Q7356S";
    }

    void loadCellLimitsFollowFirmware() {
        QFETCH(int, version);
        QFETCH(QString, working);
        TParameterTable table = InitialParameterTable();
        TSensorTable sensors = InitialSensorTable();
        AddNewSensors(table, sensors, QStringLiteral("Q7356S"), version);
        for (const char* key : {"LimitmALow1", "LimitmAHigh1", "LimitVLow1", "LimitVHigh1"}) {
            QCOMPARE(entry(table, key).ValidFor, working);
        }
        QCOMPARE(entry(table, "LimitmALowLow1").ValidFor, QString());
    }

    void parametersOfSomeFirmware_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("has");
        // Firmware-dependent parameters count whichever version gives them.
        QTest::newRow("Q7383Y Function 1 (256, 257, 259 on)") << "Q7383Y"
                                                              << "Function1" << true;
        QTest::newRow("Q7383D cold junction 2 (259 on)") << "Q7383D"
                                                         << "CJRef2" << true;
        QTest::newRow("Q7383S output limits (6146 on)") << "Q7383S"
                                                        << "LimitmALowLow1" << true;
        QTest::newRow("Q7384S off-delay (259 on)") << "Q7384S"
                                                   << "OffDelay1A" << true;
        QTest::newRow("Q7356S working limits (7168 on)") << "Q7356S"
                                                         << "LimitVHigh1" << true;
        QTest::newRow("V7380D cold junction 2") << "V7380D"
                                                << "CJCom2" << true;
        QTest::newRow("Q7323S own input") << "Q7323S"
                                          << "Input1" << true;
        // Never a parameter of the model, whatever its firmware.
        QTest::newRow("Q7323S temperature sensor") << "Q7323S"
                                                   << "InputTm1" << false;
        QTest::newRow("Q7323S cold junction") << "Q7323S"
                                              << "CJCom1" << false;
        QTest::newRow("Q7356S burnout limits") << "Q7356S"
                                               << "LimitmALowLow1" << false;
        QTest::newRow("Q7383S second channel") << "Q7383S"
                                               << "CJRef2" << false;
        QTest::newRow("unknown model") << "Q7399Z"
                                       << "Input1" << false;
    }

    void parametersOfSomeFirmware() {
        QFETCH(QString, model);
        QFETCH(QString, key);
        QFETCH(bool, has);
        const TParameterTable table = InitialParameterTable();
        QCOMPARE(ParametersOfModel(model).contains(IndexOfKey(table, key).value()), has);
    }

    void layoutRows() {
        // Every configurable model has a row, directly or through its Eurocard twin.
        for (const char* model : {"Q7321S", "Q7351S", "Q7356S", "Q7383Y", "V7385D", "V7325S"}) {
            const QString code = QString::fromLatin1(model);
            const auto eurocard = EurocardRowFor(code);
            QVERIFY2(LayoutRowFor(eurocard ? eurocard->layoutOf : code).has_value(), model);
        }
        QCOMPARE(EurocardRowFor(QStringLiteral("V7385S"))->layoutOf, QStringLiteral("Q7383S"));
        QVERIFY(!LayoutRowFor(QStringLiteral("Q7399Z")).has_value());
    }

    void typedNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<qint64>("scaled");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("comma") << "12,34" << 1 << qint64(123) << true;
        QTest::newRow("point") << "12.34" << 1 << qint64(123) << true;
        QTest::newRow("negative truncates to zero") << "-0.05" << 1 << qint64(0) << true;
        QTest::newRow("0.29 two decimals") << "0.29" << 2 << qint64(29) << true;
        QTest::newRow("4.35 two decimals") << "4.35" << 2 << qint64(435) << true;
        QTest::newRow("more decimals wanted") << "1.5" << 3 << qint64(1500) << true;
        QTest::newRow("empty is zero") << "" << 0 << qint64(0) << true;
        QTest::newRow("leading blanks and sign") << "  -7" << 0 << qint64(-7) << true;
        QTest::newRow("plus sign") << "+7,9" << 0 << qint64(7) << true;
        QTest::newRow("two points") << "1.2.3" << 1 << qint64(0) << false;
        QTest::newRow("comma and point") << "1,2.3" << 1 << qint64(0) << false;
        QTest::newRow("trailing blank") << "5 " << 0 << qint64(0) << false;
        QTest::newRow("letter") << "1e3" << 0 << qint64(0) << false;
        QTest::newRow("sign alone") << "-" << 0 << qint64(0) << false;
        QTest::newRow("far too long") << "1234567890123" << 0 << qint64(0) << false;
    }

    void typedNumbers() {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(qint64, scaled);
        QFETCH(bool, numeric);
        const auto result = ParseTypedNumber(typed, decimals);
        QCOMPARE(result.has_value(), numeric);
        if (numeric) {
            QCOMPARE(*result, scaled);
        }
    }
};

QTEST_GUILESS_MAIN(TestModelLayout)
#include "tst_modellayout.moc"
