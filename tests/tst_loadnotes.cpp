// What the command line reports beside a loaded configuration: only the values the file held,
// the parameters it lacks, the numbers the sensor limits changed and the lines left out.

#include "catalogue/CatalogueLookup.h"
#include "records/LoadNotes.h"

#include <QLocale>
#include <QTest>

namespace {

int indexOf(const TParameterTable& table, const char* key) {
    return IndexOfKey(table, QString::fromLatin1(key)).value();
}

// A configuration of `model` holding the entries with these keys.
ModuleConfiguration holding(const TParameterTable& table, const QString& model,
                            const QStringList& keys) {
    ModuleConfiguration configuration = EmptyConfiguration(model, 258, table);
    for (const QString& key : keys) {
        configuration.set(IndexOfKey(table, key).value(), 0);
    }
    return configuration;
}

}  // namespace

class TestLoadNotes : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void missingParametersOfTheModel() {
        const TParameterTable table = InitialParameterTable();
        const QStringList missing = MissingParameters(
            table, holding(table, "Q7323S",
                           {"Input1", "Downscale1", "BurnoutLow1", "BurnoutHigh1", "Output1"}));
        QCOMPARE(missing, (QStringList{"Highscale 1", "Burnout 1"}));
        QCOMPARE(MissingParametersNote("Q7323S", missing),
                 (QStringList{"The file holds no value for these parameters of the Q7323S:",
                              "     - Highscale 1", "     - Burnout 1"}));
        QCOMPARE(MissingParametersNote("Q7323S", {}), QStringList());
    }

    void changedValues_data() {
        QTest::addColumn<QList<int>>("fileValues");  // Highscale 1 lines, in file order
        QTest::addColumn<int>("used");
        QTest::addColumn<QStringList>("notes");
        const QString note =
            "Highscale 1 = %1 in the file is beyond the limits of its sensor: 1350.0 is used.";
        QTest::newRow("clamped") << QList<int>{50000} << 13500 << QStringList{note.arg("5000.0")};
        QTest::newRow("kept") << QList<int>{13500} << 13500 << QStringList{};
        QTest::newRow("the last line counts") << QList<int>{50000, 13500} << 13500 << QStringList{};
        QTest::newRow("the last line clamped")
            << QList<int>{13500, 50000} << 13500 << QStringList{note.arg("5000.0")};
    }

    void changedValues() {
        QFETCH(QList<int>, fileValues);
        QFETCH(int, used);
        QFETCH(QStringList, notes);
        const TParameterTable table = InitialParameterTable();
        const int highscale = indexOf(table, "Upscale1");
        ModuleConfiguration configuration = holding(table, "Q7383S", {});
        configuration.setLimits(highscale, {0, 1350, 1, QStringLiteral("°C")});
        configuration.set(highscale, used);
        QList<LoadedValue> loaded;
        for (const int value : fileValues) {
            loaded.append({highscale, QString::number(value / 10.0, 'f', 1), value});
        }
        // Choices are never changed by the limits, whatever their value says.
        loaded.append({indexOf(table, "Output1"), "4-20 mA", 99});
        QCOMPARE(ChangedValueNotes(table, configuration, loaded), notes);
    }

    void linesLeftOutAtThisFirmware() {
        // As the catalogue starts (firmware 258), Function 1 is no parameter of a Q7383Y.
        const TParameterTable table = InitialParameterTable();
        const QList<LoadedValue> loaded{{indexOf(table, "Function1"), "Sub", 1},
                                        {indexOf(table, "Output1"), "4-20 mA", 0}};
        QCOMPARE(UnusedLineNotes(table, "Q7383Y", 258, loaded),
                 QStringList{"Function 1 = Sub in the file is not a parameter of a Q7383Y with "
                             "firmware 258: it is left out."});
    }
};

QTEST_GUILESS_MAIN(TestLoadNotes)
#include "tst_loadnotes.moc"
