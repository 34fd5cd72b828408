// Comparing two configurations value by value: a module against its file, and two files.

#include "records/ConfigurationDifference.h"

#include <QTest>

namespace {

ParameterValue parameter(int index, const QString& name, const QString& text) {
    return {index, name, name.simplified().remove(' '), text, std::nullopt, QString()};
}

// A Q7323S with its input, span and output, and a Q7383D with sensors and tags; they share only
// Highscale 1.
ConfigurationValues q7323s() {
    ConfigurationValues values;
    values.model = "Q7323S";
    values.firmware = 258;
    values.parameters = {parameter(1, "Input 1", "V dc (E)"), parameter(3, "Downscale 1", "-0.500"),
                         parameter(4, "Highscale 1", "10.000"), parameter(7, "Output 1", "0-10 V")};
    values.applicable = {1, 3, 4, 5, 6, 7, 8};
    return values;
}

ConfigurationValues q7383d() {
    ConfigurationValues values;
    values.model = "Q7383D";
    values.firmware = 6149;
    values.tag1 = QString("TT-101          ");
    values.tag2 = QString("                ");
    values.parameters = {parameter(2, "Sensor 1", "Pt 100"), parameter(4, "Highscale 1", "850.0"),
                         parameter(9, "Sensor 2", "Pt 100")};
    values.applicable = {2, 4, 9, 10};
    return values;
}

QStringList lines(const QList<ConfigurationDifference>& found, const SideNames& names) {
    QStringList text;
    for (const ConfigurationDifference& difference : found) {
        text << DifferenceLine(difference, names);
    }
    return text;
}

using Change = std::function<void(ConfigurationValues& file, ConfigurationValues& module)>;

}  // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestConfigDifference : public QObject {
    Q_OBJECT

  private slots:
    void moduleAgainstFile_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("the same") << Change([](auto&, auto&) {}) << QStringList{};
        QTest::newRow("a number") << Change([](auto&, auto& module) {
            module.parameters[2].text = "12.000";
        }) << QStringList{"Highscale 1: file 10.000, module 12.000"};
        QTest::newRow("a choice and a number, in catalogue order")
            << Change([](auto&, auto& module) {
                   module.parameters[3].text = "4-20 mA";
                   module.parameters[1].text = "0.000";
               })
            << QStringList{"Downscale 1: file -0.500, module 0.000",
                           "Output 1: file 0-10 V, module 4-20 mA"};
        QTest::newRow("a choice outside the list shows empty")
            << Change([](auto&, auto& module) { module.parameters[0].text.clear(); })
            << QStringList{"Input 1: file V dc (E), module (empty)"};
        QTest::newRow("a parameter the file lacks")
            << Change([](auto& file, auto&) { file.parameters.removeAt(1); })
            << QStringList{"Downscale 1: only on the module, module -0.500"};
        QTest::newRow("a parameter the module did not send")
            << Change([](auto&, auto& module) { module.parameters.removeLast(); })
            << QStringList{"Output 1: only in the file, file 0-10 V"};
        QTest::newRow("another model is the only difference")
            << Change([](auto&, auto& module) { module = q7383d(); })
            << QStringList{"model: file Q7323S, module Q7383D"};
        QTest::newRow("firmware and additional information are no module's")
            << Change([](auto& file, auto& module) {
                   file.doneBy = "Ann";
                   file.doneFor = "ACME";
                   module.firmware = 259;
               })
            << QStringList{};
    }

    void moduleAgainstFile() {
        QFETCH(Change, change);
        QFETCH(QStringList, expected);
        ConfigurationValues file = q7323s();
        ConfigurationValues module = q7323s();
        change(file, module);
        const auto found = CompareConfigurations(file, module, Comparison::ModuleAgainstFile);
        QCOMPARE(lines(found, FileAndModuleNames()), expected);
    }

    void tags_data() {
        QTest::addColumn<std::optional<QString>>("fileTag");
        QTest::addColumn<std::optional<QString>>("moduleTag");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("blanks the module fills in")
            << std::optional<QString>("TT-101") << std::optional<QString>("TT-101          ")
            << QStringList{};
        QTest::newRow("another tag")
            << std::optional<QString>("TT-102") << std::optional<QString>("TT-101          ")
            << QStringList{"TAG1: file TT-102, module TT-101"};
        QTest::newRow("a blank tag")
            << std::optional<QString>("") << std::optional<QString>("TT-101          ")
            << QStringList{"TAG1: file (empty), module TT-101"};
        // A tag goes only to a module that keeps it.
        QTest::newRow("a module that keeps none")
            << std::optional<QString>("TT-102") << std::optional<QString>() << QStringList{};
        QTest::newRow("a file without tag lines")
            << std::optional<QString>() << std::optional<QString>("TT-101          ")
            << QStringList{};
    }

    void tags() {
        QFETCH(std::optional<QString>, fileTag);
        QFETCH(std::optional<QString>, moduleTag);
        QFETCH(QStringList, expected);
        ConfigurationValues file = q7383d();
        ConfigurationValues module = q7383d();
        file.tag1 = fileTag;
        module.tag1 = moduleTag;
        const auto found = CompareConfigurations(file, module, Comparison::ModuleAgainstFile);
        QCOMPARE(lines(found, FileAndModuleNames()), expected);
    }

    void twoFilesOfOneModel() {
        ConfigurationValues first = q7323s();
        ConfigurationValues second = q7323s();
        QVERIFY(CompareConfigurations(first, second, Comparison::TwoFiles).isEmpty());
        second.firmware = 259;
        second.doneBy = "Ann";
        second.parameters.removeAt(1);
        second.parameters[1].text = "5.000";
        const auto found = CompareConfigurations(first, second, Comparison::TwoFiles);
        QCOMPARE(lines(found, TwoFileNames("a.NVC", "b.NVC")),
                 (QStringList{"firmware: a.NVC 258, b.NVC 259", "DONEBY: a.NVC (empty), b.NVC Ann",
                              "Downscale 1: only in a.NVC, a.NVC -0.500",
                              "Highscale 1: a.NVC 10.000, b.NVC 5.000"}));
        QCOMPARE(found[2].presence, Presence::FirstOnly);
        QCOMPARE(found[2].key, QStringLiteral("Downscale1"));
        QCOMPARE(found[0].key, QString());
    }

    void twoFilesOfTwoModels() {
        const auto found = CompareConfigurations(q7323s(), q7383d(), Comparison::TwoFiles);
        QCOMPARE(lines(found, TwoFileNames("Q7323S.NVC", "Q7383D.NVC")),
                 (QStringList{"model: Q7323S.NVC Q7323S, Q7383D.NVC Q7383D",
                              "firmware: Q7323S.NVC 258, Q7383D.NVC 6149",
                              "TAG1: only for the Q7383D, Q7383D.NVC TT-101",
                              "TAG2: only for the Q7383D, Q7383D.NVC (empty)",
                              "Input 1: only for the Q7323S, Q7323S.NVC V dc (E)",
                              "Sensor 1: only for the Q7383D, Q7383D.NVC Pt 100",
                              "Downscale 1: only for the Q7323S, Q7323S.NVC -0.500",
                              "Highscale 1: Q7323S.NVC 10.000, Q7383D.NVC 850.0",
                              "Output 1: only for the Q7323S, Q7323S.NVC 0-10 V",
                              "Sensor 2: only for the Q7383D, Q7383D.NVC Pt 100"}));
        QCOMPARE(found[5].onlyModel, QStringLiteral("Q7383D"));
        QCOMPARE(found[5].presence, Presence::SecondOnly);
    }

    void aParameterTheOtherFileLacksIsNotAnotherModels() {
        ConfigurationValues first = q7383d();
        ConfigurationValues second = q7383d();
        second.model = "Q7383S";  // a model with entry 9 too, but the file lacks it
        second.applicable.insert(9);
        second.parameters.removeLast();
        const auto found = CompareConfigurations(first, second, Comparison::TwoFiles);
        QCOMPARE(found.last().presence, Presence::FirstOnly);
        QCOMPARE(found.last().onlyModel, QString());
        QCOMPARE(DifferenceLine(found.last(), TwoFileNames("a", "b")),
                 QStringLiteral("Sensor 2: only in a, a Pt 100"));
    }
};

QTEST_GUILESS_MAIN(TestConfigDifference)
#include "tst_configdifference.moc"
