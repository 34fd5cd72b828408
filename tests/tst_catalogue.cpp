#include "catalogue/CatalogueLookup.h"
#include "catalogue/Definitions.h"
#include "link/ModelTable.h"
#include "shell/ProgramState.h"
#include "support/ScriptedDialogs.h"

#include <QSet>
#include <QTest>

#include <optional>

namespace {

const QString Degree = QStringLiteral("\u00B0C");

QStringList usedItems(const TTableEntry& entry) {
    QStringList items;
    for (const QString& item : entry.Items) {
        if (!item.isEmpty()) {
            items << item;
        }
    }
    return items;
}

QString rangeText(int min, int max, int dec, const QString& dim) {
    return QStringLiteral("%1..%2 %3 %4").arg(min).arg(max).arg(dec).arg(dim);
}

QString rangeText(const TSensorFieldEntry& field) {
    return rangeText(field.Min, field.Max, field.Dec, field.Dim);
}

// The limits as the catalogue's reference lists them: "sensor", "-" or "min..max dec unit".
QString limitsText(const TTableEntry& entry) {
    if (entry.Changes) {
        return QStringLiteral("sensor");
    }
    if (entry.FieldType == FieldKind::Choice) {
        return QStringLiteral("-");
    }
    return rangeText(entry.MinValue, entry.MaxValue, entry.Decimal, entry.Dimension);
}

QStringList modelCodesOf(const QString& validFor) {
    QStringList codes;
    for (qsizetype i = 0; i < validFor.size(); i += 6) {
        codes << validFor.mid(i, 6);
    }
    return codes;
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

    const TParameterTable table = InitialParameterTable();
    const TSensorTable sensors = InitialSensorTable();

    void addRowPerEntry() {
        QTest::addColumn<int>("index");
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            QTest::addRow("%d %s", i, qPrintable(table[i].Field)) << i;
        }
    }

    void addRowPerModel() {
        QTest::addColumn<QString>("model");
        for (const QString& model : ConfigurableModels()) {
            QTest::newRow(qPrintable(model)) << model;
        }
    }

  private slots:
    void writeCodeIsReadCodePlusOne_data() { addRowPerEntry(); }
    void writeCodeIsReadCodePlusOne() {
        QFETCH(int, index);
        const TTableEntry& entry = table[index];
        const QRegularExpression code(QStringLiteral("^[0-9A-F]{2}$"));
        QVERIFY2(code.match(entry.ReadCommand).hasMatch(), qPrintable(entry.ReadCommand));
        QVERIFY2(code.match(entry.WriteCommand).hasMatch(), qPrintable(entry.WriteCommand));
        QCOMPARE(entry.WriteCommand.toInt(nullptr, 16), entry.ReadCommand.toInt(nullptr, 16) + 1);
    }

    void kindAgreesWithLimitsAndChoices_data() { addRowPerEntry(); }
    void kindAgreesWithLimitsAndChoices() {
        QFETCH(int, index);
        const TTableEntry& entry = table[index];
        if (entry.FieldType == FieldKind::Choice) {
            QVERIFY(!entry.Changes);
            QVERIFY(entry.MinValue == 0 && entry.MaxValue == 0 && entry.Dimension.isEmpty());
            // Choices fill the slots from index 0 without a gap; at least two to choose from.
            const QStringList items = usedItems(entry);
            QVERIFY(items.size() >= 2);
            QVERIFY(entry.Items[static_cast<std::size_t>(items.size() - 1)] == items.last());
        } else {
            QVERIFY(usedItems(entry).isEmpty());
            QVERIFY(entry.Decimal >= 0 && entry.Decimal <= 4);
            if (entry.Changes) {
                QVERIFY(entry.MinValue == 0 && entry.MaxValue == 0 && entry.Decimal == 0);
                QVERIFY(entry.Dimension.isEmpty());
                // The sensor table must know the parameter, or its limits never arrive.
                QVERIFY(FindSensorField(sensors, QStringLiteral("TC K"), entry.Field));
            } else {
                QVERIFY(entry.MinValue < entry.MaxValue);
                QVERIFY(!entry.Dimension.isEmpty());
            }
        }
    }

    void keysAreUnique() {
        QSet<QString> keys;
        for (const TTableEntry& entry : table) {
            QVERIFY2(!keys.contains(entry.Field), qPrintable(entry.Field));
            keys.insert(entry.Field);
        }
        QCOMPARE(keys.size(), TParameterTable::Count);
    }

    void modelListsAreKnownCodes_data() { addRowPerEntry(); }
    void modelListsAreKnownCodes() {
        QFETCH(int, index);
        const QString& validFor = table[index].ValidFor;
        QCOMPARE(validFor.size() % 6, 0);
        const QStringList codes = modelCodesOf(validFor);
        for (const QString& code : codes) {
            QVERIFY2(ConfigurableModels().contains(code), qPrintable(code));
            QCOMPARE(codes.count(code), 1);
        }
    }

    void noRegisterReadTwiceForOneModel_data() { addRowPerModel(); }
    void noRegisterReadTwiceForOneModel() {
        QFETCH(QString, model);
        QHash<QString, QString> keyOfCode;
        for (const TTableEntry& entry : table) {
            if (!AppliesToModel(entry, model)) {
                continue;
            }
            QVERIFY2(
                !keyOfCode.contains(entry.ReadCommand),
                qPrintable(keyOfCode.value(entry.ReadCommand) + QLatin1Char(' ') + entry.Field));
            keyOfCode.insert(entry.ReadCommand, entry.Field);
        }
    }

    void applicableEntriesPerModel_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("count");
        const QList<std::pair<const char*, int>> counts{
            {"Q7321S", 15}, {"Q7323S", 7},  {"Q7323D", 14}, {"Q7323X", 11}, {"Q7323Y", 13},
            {"Q7324S", 19}, {"Q7381S", 15}, {"Q7383S", 6},  {"Q7383D", 12}, {"Q7383X", 10},
            {"Q7383Y", 10}, {"Q7384S", 18}, {"V7320S", 19}, {"V7320D", 36}, {"V7325S", 7},
            {"V7325D", 12}, {"V7380S", 18}, {"V7380D", 36}, {"V7385S", 6},  {"V7385D", 12},
            {"Q7351S", 15}, {"Q7326S", 20}, {"Q7356S", 11},
        };
        for (const auto& [model, count] : counts) {
            QTest::newRow(model) << QString::fromLatin1(model) << count;
        }
    }
    void applicableEntriesPerModel() {
        QFETCH(QString, model);
        QFETCH(int, count);
        QVERIFY(ConfigurableModels().contains(model));
        const auto applicable = std::count_if(table.begin(), table.end(), [&](const auto& entry) {
            return AppliesToModel(entry, model);
        });
        QCOMPARE(applicable, count);
    }

    // A model's configuration must fit the configuration file's entry list, with room left for
    // the entries that the firmware adaptation adds.
    void noModelHasMoreThan36Entries() {
        for (const QString& model : ConfigurableModels()) {
            const auto applicable = std::count_if(table.begin(), table.end(), [&](const auto& e) {
                return AppliesToModel(e, model);
            });
            QVERIFY2(applicable <= 36, qPrintable(model));
        }
    }

    void catalogueSpotChecks_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("models");
        QTest::addColumn<QString>("choices");
        // clang-format off
        QTest::newRow("2") << 2 << "InputHz1" << "Input Sensor 1" << "00" << "-" << "Q7351S"
            << "50 Hz;500 Hz;5 KHz;50 KHz";
        QTest::newRow("6") << 6 << "Upscale1" << "Highscale 1" << "04" << "sensor"
            << "Q7351SQ7384SV7380DQ7383YQ7383SQ7383DQ7383XQ7323YQ7323SQ7323DQ7323XQ7324SQ7326S"
               "V7320SV7320DV7325SV7325DV7380SV7385SV7385D" << "";
        QTest::newRow("10") << 10 << "CJRef1" << "Cold Junction Reference 1" << "0C"
            << "-60..100 1 " + Degree << "" << "";
        QTest::newRow("22") << 22 << "Output1" << "Output 1" << "20" << "-"
            << "Q7351SQ7384SV7380DQ7383YQ7383SQ7383DQ7383XQ7323YQ7323SQ7323DQ7324SQ7326SQ7323X"
               "V7320SV7320DV7325SV7325DV7380SV7385SV7385D"
            << "4-20 mA;0-20 mA;1-5 V;0-5 V;2-10 V;0-10 V";
        QTest::newRow("27") << 27 << "Function2" << "Function 2" << "2A" << "-" << "Q7323Y"
            << "Ch A;Ch B;Add;Sub;High Ch;Low Ch";
        QTest::newRow("35") << 35 << "LimitVHighHigh1" << "V High Limit (burnout)" << "CA"
            << "sensor" << "" << "";
        QTest::newRow("41") << 41 << "Divider1A" << "Alarm A Ch 1 Divider" << "3A" << "-"
            << "Q7351S" << "1;10;100;1 K;10 K;100 K;1000 K";
        QTest::newRow("43") << 43 << "BurnoutOperation1A" << "Alarm A Ch 1 Burnout Operation"
            << "3A" << "-" << "Q7381SQ7384SV7380DQ7324SQ7326SQ7321SV7320SV7320DV7380S"
            << "Nor;Lock;On;Off";
        QTest::newRow("48") << 48 << "OffDelay1B" << "Alarm B Ch 1 Off Delay" << "4C"
            << "0..1000 1 sec" << "Q7326S" << "";
        QTest::newRow("55") << 55 << "Divider2A" << "Alarm A Ch 2 Divider" << "5A" << "-" << ""
            << "1;10;100;1 K;10 K;100 K;1000 K";
        QTest::newRow("66") << 66 << "ModbusAddress" << "Modbus Address" << "F0"
            << "1..255 0 address" << "Q7356S" << "";
        QTest::newRow("70") << 70 << "OutputV" << "Output V" << "28" << "-" << "Q7356S"
            << "1-5 V;0-5 V;2-10 V;0-10 V";
        // clang-format on
    }
    void catalogueSpotChecks() {
        QFETCH(int, index);
        const TTableEntry& entry = table[index];
        QTEST(entry.Field, "key");
        QTEST(entry.Name, "name");
        QTEST(entry.ReadCommand, "read");
        QTEST(limitsText(entry), "limits");
        QTEST(entry.ValidFor, "models");
        QTEST(usedItems(entry).join(QLatin1Char(';')), "choices");
    }

    void temperatureSensorLists() {
        const QStringList channel1 = usedItems(table[3]);
        QCOMPARE(channel1.size(), TTableEntry::ItemCount);
        QCOMPARE(channel1.first(), QStringLiteral("TC B"));
        QCOMPARE(channel1.at(10), QStringLiteral("TC Lr"));
        QCOMPARE(channel1.at(20), QStringLiteral("E DC"));
        QCOMPARE(channel1.at(21), QStringLiteral("Pt 200"));
        QCOMPARE(channel1.last(), QStringLiteral("Ni 120"));
        QCOMPARE(usedItems(table[13]), channel1);
        QCOMPARE(usedItems(table[1]), usedItems(table[12]));
    }

    // Every text an input list offers must have limits in the sensor table, and nothing else.
    void sensorTableHoldsExactlyTheInputChoices() {
        QSet<QString> names;
        for (const TSensorEntry& sensor : sensors) {
            QVERIFY2(!names.contains(sensor.Name), qPrintable(sensor.Name));
            names.insert(sensor.Name);
        }
        QSet<QString> choices;
        for (const int list : {1, 2, 3}) {
            for (const QString& item : usedItems(table[list])) {
                choices.insert(item);
            }
        }
        QCOMPARE(names, choices);
    }

    void everySensorFieldIsACatalogueKey() {
        for (int f = 1; f <= TSensorEntry::FieldCount; ++f) {
            const QString key = sensors[1].Field(f).Name;
            QVERIFY2(IndexOfKey(table, key), qPrintable(key));
            for (const TSensorEntry& sensor : sensors) {
                QCOMPARE(sensor.Field(f).Name, key);
            }
        }
    }

    // "50 Hz" has different limits in every group, so it shows which group each field takes.
    void sensorFieldGroups_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("limits");
        const QString span = QStringLiteral("0..50 3 Hz");
        const QString burnout = QStringLiteral("-5..25 3 Hz");
        const QString hysteresis = QStringLiteral("0..5 3 Hz");
        const QString coldJunction = QStringLiteral("-60..100 1 ") + Degree;
        const QString line = QStringLiteral("-5..20 2 Ohm");
        const QString current = QStringLiteral("0..22 3 mA");
        const QString voltage = QStringLiteral("0..11 3 V");
        // clang-format off
        const QList<std::pair<const char*, QString>> fields{
            {"Upscale1", span}, {"Upscale2", span}, {"Downscale1", span}, {"Downscale2", span},
            {"BurnoutLow1", burnout}, {"BurnoutLow2", burnout}, {"BurnoutHigh1", burnout},
            {"BurnoutHigh2", burnout}, {"Set1A", span}, {"Set2A", span}, {"Set1B", span},
            {"Set2B", span}, {"Hysteresis1A", hysteresis}, {"Hysteresis2A", hysteresis},
            {"Hysteresis1B", hysteresis}, {"Hysteresis2B", hysteresis}, {"CJRef1", coldJunction},
            {"CJRef2", coldJunction}, {"RTDLineRef1", line}, {"RTDLineRef2", line},
            {"LimitmALow1", current}, {"LimitmAHigh1", current}, {"LimitmALowLow1", current},
            {"LimitmAHighHigh1", current}, {"LimitVLow1", voltage}, {"LimitVHigh1", voltage},
            {"LimitVLowLow1", voltage}, {"LimitVHighHigh1", voltage}};
        // clang-format on
        QCOMPARE(fields.size(), TSensorEntry::FieldCount);
        for (int f = 1; f <= TSensorEntry::FieldCount; ++f) {
            const auto& [key, limits] = fields.at(f - 1);
            QTest::addRow("%d %s", f, key) << f << QString::fromLatin1(key) << limits;
        }
    }
    void sensorFieldGroups() {
        QFETCH(int, field);
        const std::optional<int> s = IndexOfSensor(sensors, QStringLiteral("50 Hz"));
        QVERIFY(s);
        const TSensorFieldEntry& entry = sensors[*s].Field(field);
        QTEST(entry.Name, "key");
        QTEST(rangeText(entry), "limits");
    }

    void sensorSpotChecks_data() {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("limits");
        // clang-format off
        QTest::newRow("TC B span") << "TC B" << 1 << "Downscale2" << "50..1800 1 " + Degree;
        QTest::newRow("TC U hysteresis") << "TC U" << 10 << "Hysteresis1B" << "0..400 1 " + Degree;
        QTest::newRow("TC Lr burnout") << "TC Lr" << 11 << "BurnoutHigh1" << "-5..25 1 mA";
        QTest::newRow("Pt 200") << "Pt 200" << 16 << "Set1A" << "-150..400 1 " + Degree;
        QTest::newRow("Pot RTD line") << "Pot" << 25 << "RTDLineRef1" << "0..100 1 %";
        QTest::newRow("E DC span") << "E DC" << 26 << "Upscale1" << "-20..80 2 mV";
        QTest::newRow("mA dC (I)") << "mA dC (I)" << 28 << "Set2B" << "-4..24 3 mA";
        QTest::newRow("50 KHz") << "50 KHz" << 32 << "Hysteresis2B" << "0..5000 0 Hz";
        QTest::newRow("TC S1 burnout") << "TC S1" << 33 << "BurnoutLow1" << "-50..25 1 mA";
        QTest::newRow("Cu 46 burnout") << "Cu 46" << 34 << "BurnoutHigh2" << "-200..650 1 " + Degree;
        QTest::newRow("Pt 500") << "Pt 500" << 35 << "Upscale1" << "-200..75 1 " + Degree;
        QTest::newRow("Ni 120") << "Ni 120" << 36 << "Upscale2" << "-75..300 1 " + Degree;
        // clang-format on
    }
    void sensorSpotChecks() {
        QFETCH(QString, sensor);
        QFETCH(QString, key);
        QTEST(IndexOfSensor(sensors, sensor).value_or(0), "row");
        const std::optional<TSensorFieldEntry> field = FindSensorField(sensors, sensor, key);
        QVERIFY(field);
        QTEST(rangeText(*field), "limits");
    }

    void degreeSignIsOneCharacter() {
        QCOMPARE(table[20].Dimension.size(), 2);
        QCOMPARE(table[20].Dimension.front(), QChar(0x00B0));
        QCOMPARE(sensors[4].Field(1).Dim, Degree);
        // Latin-1 files hold it as the single byte B0.
        QCOMPARE(sensors[4].Field(1).Dim.toLatin1().toHex(), QByteArray("b043"));
    }

    void entryByKeyOrControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("byKey");
        QTest::addColumn<int>("byControl");
        QTest::newRow("key") << "Input1" << 1 << 0;
        QTest::newRow("last key") << "OutputV" << 70 << 0;
        QTest::newRow("choice list") << "CInput1" << 0 << 1;
        QTest::newRow("edit") << "TDownscale1" << 0 << 5;
        QTest::newRow("alarm edit") << "THysteresis2B" << 0 << 60;
        QTest::newRow("case differs") << "tdownscale1" << 0 << 0;
        QTest::newRow("key case differs") << "input1" << 0 << 0;
        QTest::newRow("label") << "LInput1" << 0 << 0;
        QTest::newRow("unit label") << "LDownscale1DIM" << 0 << 0;
        QTest::newRow("prefix only") << "C" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0;
    }
    void entryByKeyOrControl() {
        QFETCH(QString, name);
        QTEST(IndexOfKey(table, name).value_or(0), "byKey");
        QTEST(IndexOfControl(table, name).value_or(0), "byControl");
    }

    void controlNameFollowsKind() {
        QCOMPARE(ControlName(table[3]), QStringLiteral("CInputTm1"));
        QCOMPARE(ControlName(table[39]), QStringLiteral("TOnDelay1A"));
    }

    void appliesToModel_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("applies");
        QTest::newRow("listed last") << 13 << "V7380D" << true;
        QTest::newRow("listed first") << 43 << "Q7381S" << true;
        QTest::newRow("not listed") << 13 << "Q7383S" << false;
        QTest::newRow("empty model") << 22 << "" << false;
        QTest::newRow("empty list") << 9 << "Q7383D" << false;
        QTest::newRow("lower case") << 24 << "q7323y" << false;
    }
    void appliesToModel() {
        QFETCH(int, index);
        QFETCH(QString, model);
        QTEST(AppliesToModel(table[index], model), "applies");
    }

    void sensorNameFromIndex_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("frequency") << "Q7351S" << 3 << "50 KHz";
        QTest::newRow("frequency empty slot") << "Q7351S" << 4 << "";
        QTest::newRow("analog") << "Q7323D" << 0 << "mA dC (I)";
        QTest::newRow("load cell") << "Q7356S" << 1 << "V dc (E)";
        QTest::newRow("repeater") << "Q7326S" << 0 << "mA dC (I)";
        QTest::newRow("analog empty slot") << "V7325D" << 2 << "";
        QTest::newRow("temperature") << "Q7383S" << 21 << "Pt 200";
        QTest::newRow("temperature last") << "V7380D" << 29 << "Ni 120";
        QTest::newRow("beyond the list") << "Q7383S" << 30 << "";
        QTest::newRow("negative") << "Q7383S" << -1 << "";
        QTest::newRow("unknown family") << "Q7399S" << 0 << "";
        QTest::newRow("no model") << "" << 0 << "";
    }
    void sensorNameFromIndex() {
        QFETCH(QString, model);
        QFETCH(int, index);
        QTEST(GetSensorNameFromIndex(table, model, index), "name");
    }

    // The name comes from the list as it stands now, as firmware adaptation leaves it.
    void sensorNameFollowsTheCurrentList() {
        TParameterTable patched = InitialParameterTable();
        patched[3].Items[21].clear();
        QCOMPARE(GetSensorNameFromIndex(patched, QStringLiteral("Q7383S"), 21), QString());
        QCOMPARE(GetSensorNameFromIndex(patched, QStringLiteral("Q7383S"), 22),
                 QStringLiteral("Pt 300"));
    }

    void unknownSensorOrKeyFindsNothing() {
        QVERIFY(!IndexOfSensor(sensors, QStringLiteral("TC X")));
        QVERIFY(!IndexOfSensor(sensors, QStringLiteral("tc b")));
        QVERIFY(!FindSensorField(sensors, QStringLiteral("TC X"), QStringLiteral("Upscale1")));
        QVERIFY(!FindSensorField(sensors, QStringLiteral("TC B"), QStringLiteral("CalRange")));
        QVERIFY(!FindSensorField(sensors, QStringLiteral("TC B"), QStringLiteral("upscale1")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
