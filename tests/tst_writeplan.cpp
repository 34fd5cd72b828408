#include "catalogue/CatalogueLookup.h"
#include "transfer/WritePlan.h"

#include <QTest>

#include <map>

Q_DECLARE_METATYPE(std::optional<int>)

namespace {

using Values = std::map<int, int>;  // catalogue index -> value

const TParameterTable Catalogue = InitialParameterTable();

// A configuration of `model` holding 0 for every parameter but those given, none for `unheld`.
ModuleConfiguration configurationWith(const QString& model, const Values& values,
                                      const QList<int>& unheld = {}) {
    ModuleConfiguration configuration = EmptyConfiguration(model, 258, Catalogue);
    for (int i = 1; i <= TParameterTable::Count; ++i) {
        configuration.set(i, 0);
    }
    for (const auto& [index, value] : values) {
        configuration.set(index, value);
    }
    for (const int index : unheld) {
        configuration.forget(index);
    }
    return configuration;
}

QStringList commandsOf(const WritePlan& plan) {
    QStringList commands;
    for (const WriteStep& step : plan.steps) {
        // A command sent without reading its reply is marked with "!".
        commands << step.command + (step.readsReply ? "" : "!");
    }
    return commands;
}

}  // namespace

Q_DECLARE_METATYPE(Values)

class TestWritePlan : public QObject {
    Q_OBJECT

  private slots:
    void dataWord_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<std::optional<int>>("word");
        QTest::newRow("zero") << 0 << std::optional<int>(0);
        QTest::newRow("-20") << -20 << std::optional<int>(0xFFEC);
        QTest::newRow("-1") << -1 << std::optional<int>(0xFFFF);
        QTest::newRow("largest signed") << 32767 << std::optional<int>(0x7FFF);
        QTest::newRow("smallest signed") << -32768 << std::optional<int>(0x8000);
        QTest::newRow("largest unsigned") << 65535 << std::optional<int>(0xFFFF);
        QTest::newRow("-65536") << -65536 << std::optional<int>(0);
        QTest::newRow("65536 does not fit") << 65536 << std::optional<int>();
        QTest::newRow("-65537 does not fit") << -65537 << std::optional<int>();
    }

    void dataWord() {
        QFETCH(int, value);
        QFETCH(std::optional<int>, word);
        QCOMPARE(DataWord(value), word);
    }

    void commandsInCatalogueOrder_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QList<int>>("confirmedBy");  // entry of reply 0, 1, 2
        QTest::newRow("Q7323X copies Input 1 first")
            << "Q7323X"
            << QStringList{"00110001!", "00010001", "0003FFEC", "000507D0", "000B0000", "000D0000",
                           "0013001E",  "00150000", "00210002", "00070001", "00290000", "00170000"}
            << QList<int>{1, 1, 5};
        QTest::newRow("Q7323D writes Input 2 in its place")
            << "Q7323D" << QStringList{"00010001", "0003FFEC", "000507D0", "000B0000", "000D0000",
                                       "00110000", "0013001E", "00150000", "001B0000", "001D0000",
                                       "00210002", "00070001", "00290000", "00170000"}
            << QList<int>{1, 5, 6};
    }

    void commandsInCatalogueOrder() {
        QFETCH(QString, model);
        QFETCH(QStringList, commands);
        QFETCH(QList<int>, confirmedBy);
        // Input 1 = V dc, Downscale 1 = -20, Highscale 1 = 2000, Downscale 2 = 30,
        // Output 1 = 1-5 V, Burnout 1 = Downscale.
        const WritePlan plan = PlanWrite(
            Catalogue,
            configurationWith(model, {{1, 1}, {5, -20}, {6, 2000}, {15, 30}, {22, 2}, {23, 1}}));
        QVERIFY(plan.complete());
        QCOMPARE(commandsOf(plan), commands);
        for (int reply = 0; reply < confirmedBy.size(); ++reply) {
            QCOMPARE(EntryConfirmedBy(plan, reply), confirmedBy[reply]);
        }
    }

    void incompleteConfigurationSendsNothing_data() {
        QTest::addColumn<QList<int>>("unheld");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("both") << QList<int>{1} << Values{{7, -70000}}
                              << "The configuration shown cannot be written to the Q7323D.\r\r"
                                 "It holds no value for:\r"
                                 "     - Input 1\r\r"
                                 "These values do not fit into a module register:\r"
                                 "     - Burnout Low 1\r"
                                 "\rNothing was written. Read the module or load a complete "
                                 "configuration file.";
    }

    void incompleteConfigurationSendsNothing() {
        QFETCH(QList<int>, unheld);
        QFETCH(Values, values);
        QFETCH(QString, text);
        const WritePlan plan = PlanWrite(Catalogue, configurationWith("Q7323D", values, unheld));
        QVERIFY(!plan.complete());
        QVERIFY(plan.steps.isEmpty());
        QCOMPARE(IncompleteConfigurationText("Q7323D", plan), text);
    }

    void onlyTheModelsParameters() {
        // A parameter of another model is neither sent nor missed.
        const WritePlan plan = PlanWrite(Catalogue, configurationWith("Q7323S", {}, {12}));
        QVERIFY(plan.complete());
        for (const WriteStep& step : plan.steps) {
            QVERIFY(!step.command.startsWith("0011"));
        }
        QVERIFY(PlanWrite(Catalogue, configurationWith("", {})).steps.isEmpty());
    }

    void copiesInput1_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("copies");
        for (const char* model : {"Q7383X", "Q7323X", "Q7323Y", "Q7383Y"}) {
            QTest::newRow(model) << model << true;
        }
        for (const char* model : {"Q7323D", "Q7383D", "Q7323S", "V7320D", "Q7323"}) {
            QTest::newRow(model) << model << false;
        }
    }

    void copiesInput1() {
        QFETCH(QString, model);
        QFETCH(bool, copies);
        QCOMPARE(CopiesInput1ToChannel2(model), copies);
    }
};

QTEST_MAIN(TestWritePlan)
#include "tst_writeplan.moc"
