#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "catalogue/ParameterLayout.h"
#include "form/TForm1.h"
#include "records/ConfigurationFile.h"
#include "records/ReportSheet.h"
#include "shell/ProgramState.h"
#include "support/FormProbe.h"
#include "support/ScriptedDialogs.h"

#include <QLocale>
#include <QTest>

namespace {

const QString MaWarning =
    QStringLiteral("Warning: Current Output limits are within the specified Output range");
const QString MaLog = QStringLiteral("Warning: mA Output limits within chosen output range");
const QString SameSpan = QStringLiteral("Error: Upscale and Downscale Values cannot be the same");
const QString MaOrder =
    QStringLiteral("Error: Low mA limit cannot be greater or equal to High limit");

// The parameters of a Q7383D with firmware 6149, in catalogue order.
const QStringList Q7383DNames =
    QStringLiteral(
        "Sensor 1,Lead 1,Downscale 1,Highscale 1,Cold Junction Compensation 1,"
        "Cold Junction Reference 1,RTD Line Resistance 1,Sensor 2,Lead 2,Downscale 2,Highscale 2,"
        "Cold Junction Compensation 2,Cold Junction Reference 2,RTD Line Resistance 2,Output 1,"
        "Burnout 1,Function 1,Output 2,Burnout 2,Function 2,mA Low Limit (normal operation),"
        "mA High Limit (normal operation),mA Low Limit (burnout),mA High Limit (burnout),"
        "V Low Limit (normal operation),V High Limit (normal operation),V Low Limit (burnout),"
        "V High Limit (burnout)")
        .split(QLatin1Char(','));

// The main window with a model's configuration on screen, as a read leaves it.
class Window {
  public:
    Window(const QString& model, int version) {
        state.ModelCode = model;
        state.ModelVersion = version;
        FormProbe::LayOutFor(form, model);
        state.AdaptCatalogue(model, version);
        configuration = EmptyConfiguration(model, version, state.ParameterTable());
    }

    // Shows every parameter of the model: the values given ("Key=register value"), 0 for the
    // others.
    void show(const QStringList& values = {}) {
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            if (AppliesToModel(state.ParameterTable()[i], state.ModelCode)) {
                configuration.set(i, 0);
            }
        }
        for (const QString& assignment : values) {
            configuration.set(index(assignment.section(QLatin1Char('='), 0, 0)),
                              assignment.section(QLatin1Char('='), 1).toInt());
        }
        form.ShowConfiguration(configuration);
    }

    // Distinct span ends, and output limits in order and outside "4-20 mA".
    void showConsistentTexts() {
        setTexts({"TUpscale1=100", "TDownscale1=0", "TUpscale2=200", "TDownscale2=-50",
                  "TLimitmALow1=3.8", "TLimitmAHigh1=20.5", "TLimitmALowLow1=3.6",
                  "TLimitmAHighHigh1=21.0", "TLimitVLow1=-0.2", "TLimitVHigh1=10.5",
                  "TLimitVLowLow1=-0.5", "TLimitVHighHigh1=11.0"});
    }

    // "TKey=text" gives a number the value that text stands for ("" for none), with the text's
    // decimals.
    void setTexts(const QStringList& changes) {
        for (const QString& change : changes) {
            const int i = index(change.section(QLatin1Char('='), 0, 0).mid(1));
            const QString text = change.section(QLatin1Char('='), 1);
            if (text.isEmpty()) {
                configuration.forget(i);
                continue;
            }
            const int decimals = text.contains(QLatin1Char('.'))
                                     ? int(text.size() - text.indexOf(QLatin1Char('.')) - 1)
                                     : 0;
            ParameterLimits limits = configuration.limits(i);
            limits.decimals = decimals;
            configuration.setLimits(i, limits);
            configuration.set(i, QString(text).remove(QLatin1Char('.')).toInt());
        }
        form.ShowConfiguration(configuration);
    }

    void setUnit(const char* key, const QString& unit) {
        ParameterLimits limits = configuration.limits(index(QLatin1String(key)));
        limits.unit = unit;
        configuration.setLimits(index(QLatin1String(key)), limits);
    }

    int index(const QString& key) const { return IndexOfKey(state.ParameterTable(), key).value(); }

    // The texts of the log list's lines, without their time stamps.
    QStringList logLines() const {
        QStringList lines;
        for (const QString& line : form.LogLines()) {
            lines << line.section(QStringLiteral("] - "), 1);
        }
        return lines;
    }

    EntryList entries() const {
        return ConfigurationEntries(form.Configuration(), form.Catalogue());
    }

    QStringList fileNames() const {
        QStringList names;
        for (int j = 1; j <= EntryList::Slots; ++j) {
            names << entries().FileNames(j);
        }
        return names;
    }

    // The report sheet's rows as "name|value|unit".
    QStringList reportRows() const {
        QStringList rows;
        const ReportSheet sheet = form.ShownReport();
        for (const ReportRow& row : sheet.rows) {
            rows << row.name + '|' + row.value + '|' + row.unit;
        }
        return rows;
    }

    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    TForm1 form{state};
    ModuleConfiguration configuration;
};

QStringList padded(QStringList texts, int size) {
    while (texts.size() < size) {
        texts << QString();
    }
    return texts;
}

}  // namespace

class TestCheckAll : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void entryListHoldsTheModelsParameters_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("version");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Q7383D 6149") << "Q7383D" << 6149 << Q7383DNames;
        QTest::newRow("Q7383D 6145")
            << "Q7383D" << 6145 << Q7383DNames.mid(0, Q7383DNames.indexOf("Function 2") + 1);
        QTest::newRow("Q7321S")
            << "Q7321S" << 300
            << QStringLiteral(
                   "Input 1,Burnout Low 1,Burnout High 1,Alarm A Ch 1 Type,Alarm A Ch 1 Set,"
                   "Alarm A Ch 1 Hysteresis,Alarm A Ch 1 On Delay,Alarm A Ch 1 Relay,"
                   "Alarm A Ch 1 Burnout Operation,Alarm B Ch 1 Type,Alarm B Ch 1 Set,"
                   "Alarm B Ch 1 Hysteresis,Alarm B Ch 1 On Delay,Alarm B Ch 1 Relay,"
                   "Alarm B Ch 1 Burnout Operation")
                   .split(QLatin1Char(','));
    }

    void entryListHoldsTheModelsParameters() {
        QFETCH(QString, model);
        QFETCH(int, version);
        QFETCH(QStringList, names);

        Window window(model, version);
        window.show();
        window.showConsistentTexts();
        QCOMPARE(window.fileNames(), padded(names, EntryList::Slots));
        for (int j = names.size() + 1; j <= EntryList::Slots; ++j) {
            QCOMPARE(window.entries().FileValues(j), QString());
        }
    }

    // Numbers with their decimals, choices as their items.
    void entryValues() {
        Window window(QStringLiteral("Q7383D"), 6149);
        window.show({"InputTm1=11", "Lead1=1", "Output1=0", "Burn1=2", "Output2=5"});
        window.showConsistentTexts();
        window.setTexts({"TDownscale1=-12.5", "TCJRef1="});

        QVERIFY(window.form.CheckAll(CheckMode::Read));
        const auto value = [&window](const char* name) {
            return window.entries().FileValues(Q7383DNames.indexOf(name) + 1);
        };
        QCOMPARE(value("Sensor 1"), QStringLiteral("Pt 100"));
        QCOMPARE(value("Lead 1"), QStringLiteral("4 wire"));
        QCOMPARE(value("Downscale 1"), QStringLiteral("-12.5"));
        QCOMPARE(value("Highscale 1"), QStringLiteral("100"));
        QCOMPARE(value("Cold Junction Reference 1"), QString());
        QCOMPARE(value("Highscale 2"), QStringLiteral("200"));
        QCOMPARE(value("Output 1"), QStringLiteral("4-20 mA"));
        QCOMPARE(value("Burnout 1"), QStringLiteral("UpScale"));
        QCOMPARE(value("Output 2"), QStringLiteral("0-10 V"));
        QCOMPARE(value("mA High Limit (burnout)"), QStringLiteral("21.0"));
        QCOMPARE(value("V Low Limit (normal operation)"), QStringLiteral("-0.2"));
        QCOMPARE(window.dialogs.problems(), QStringList());
    }

    void choiceValueOutsideItems_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "None";
        QTest::newRow("last") << 2 << "UpScale";
        QTest::newRow("empty slot") << 3 << "";
        QTest::newRow("last slot") << 29 << "";
        QTest::newRow("past the items") << 30 << "";
        QTest::newRow("register 200") << 200 << "";
        QTest::newRow("negative") << -1 << "";
    }

    void choiceValueOutsideItems() {
        QFETCH(int, value);
        QFETCH(QString, text);

        Window window(QStringLiteral("Q7383D"), 6149);
        window.show({QStringLiteral("Burn2=%1").arg(value)});
        window.showConsistentTexts();
        QVERIFY(window.form.CheckAll(CheckMode::Print));
        QCOMPARE(window.entries().FileNames(19), QStringLiteral("Burnout 2"));
        QCOMPARE(window.entries().FileValues(19), text);
        QVERIFY(window.reportRows().contains("Burnout 2|" + text + '|'));
        QCOMPARE(window.dialogs.problems(), QStringList());
    }

    // The parameters in use make report rows, in catalogue order: a TC sensor leaves out its
    // channel's lead and line resistance, an RTD its cold junction, "Automatic" the reference.
    // A number's unit is its limits', a choice has none.
    void reportRows() {
        Window window(QStringLiteral("Q7383D"), 6149);
        window.show({"InputTm1=3", "Lead1=0", "InputTm2=11", "Lead2=1", "Output1=0", "Burn1=1",
                     "Function1=2", "Output2=3", "Burn2=0", "Function2=5"});
        window.setUnit("Downscale1", QStringLiteral("°C"));
        window.setUnit("Upscale1", QStringLiteral("°C"));
        window.setUnit("Upscale2", QStringLiteral("Ohm"));
        window.showConsistentTexts();

        QVERIFY(window.form.CheckAll(CheckMode::Print));
        const QStringList expected{"Sensor 1|TC K|",
                                   "Downscale 1|0|°C",
                                   "Highscale 1|100|°C",
                                   "Cold Junction Compensation 1|Automatic|",
                                   "Sensor 2|Pt 100|",
                                   "Lead 2|4 wire|",
                                   "Downscale 2|-50|",
                                   "Highscale 2|200|Ohm",
                                   "RTD Line Resistance 2|0.00|Ohm",
                                   "Output 1|4-20 mA|",
                                   "Burnout 1|Downscale|",
                                   "Function 1|Add|",
                                   "Output 2|0-5 V|",
                                   "Burnout 2|None|",
                                   "Function 2|Low Ch|",
                                   "mA Low Limit (normal operation)|3.8|",
                                   "mA High Limit (normal operation)|20.5|",
                                   "mA Low Limit (burnout)|3.6|",
                                   "mA High Limit (burnout)|21.0|",
                                   "V Low Limit (normal operation)|-0.2|",
                                   "V High Limit (normal operation)|10.5|",
                                   "V Low Limit (burnout)|-0.5|",
                                   "V High Limit (burnout)|11.0|"};
        QCOMPARE(window.reportRows(), expected);
        // The entry list still holds every parameter.
        QCOMPARE(window.entries().FileNames(28), QStringLiteral("V High Limit (burnout)"));
    }

    void modes_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<QString>("box");  // "" when none
        QTest::addColumn<BoxButtons>("buttons");
        QTest::addColumn<BoxAnswer>("answer");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("log");

        const QStringList none;
        const QStringList warn{"TLimitmAHigh1=19"};
        const QStringList fail{"TLimitmALow1=20.5"};
        const QString warned = "\r" + MaWarning + "\r";
        const QString failed = "\r" + MaOrder + "\r";
        const auto Ok = BoxButtons::Ok;
        const auto OkCancel = BoxButtons::OkCancel;
        const auto row = [](const char* tag, int version, const QStringList& changes,
                            CheckMode mode, const QString& box, BoxButtons buttons,
                            BoxAnswer answer, bool result, const QStringList& log) {
            QTest::newRow(tag) << version << changes << mode << box << buttons << answer << result
                               << log;
        };

        const std::pair<const char*, CheckMode> modes[] = {
            {"read", CheckMode::Read}, {"write", CheckMode::Write}, {"print", CheckMode::Print}};
        for (const auto& [name, mode] : modes) {
            row(qPrintable(QStringLiteral("clean, %1").arg(name)), 6149, none, mode, "", Ok,
                BoxAnswer::Ok, true, {});
            row(qPrintable(QStringLiteral("error, %1").arg(name)), 6149, fail, mode, failed, Ok,
                BoxAnswer::Ok, false, {});
        }
        row("warning, read", 6149, warn, CheckMode::Read, "", Ok, BoxAnswer::Ok, true, {MaLog});
        row("warning, write, OK", 6149, warn, CheckMode::Write,
            warned + "Press Cancel to stop writing", OkCancel, BoxAnswer::Ok, true, {MaLog});
        row("warning, write, Cancel", 6149, warn, CheckMode::Write,
            warned + "Press Cancel to stop writing", OkCancel, BoxAnswer::Cancel, false, {MaLog});
        row("warning, print, OK", 6149, warn, CheckMode::Print,
            warned + "Press Cancel to stop printing", OkCancel, BoxAnswer::Ok, true, {MaLog});
        row("warning, print, Cancel", 6149, warn, CheckMode::Print,
            warned + "Press Cancel to stop printing", OkCancel, BoxAnswer::Cancel, false, {MaLog});
        row("both spans equal and a warning, write", 6149,
            {"TUpscale1=5", "TDownscale1=5", "TUpscale2=5", "TDownscale2=5", "TLimitmAHigh1=19"},
            CheckMode::Write, "\r" + SameSpan + "\r" + MaWarning + "\r", Ok, BoxAnswer::Ok, false,
            {MaLog});
        row("limit holding no number, write", 6149, {"TLimitVHighHigh1="}, CheckMode::Write,
            "\rError: V High Limit (burnout) is not a valid number\r", Ok, BoxAnswer::Ok, false,
            {});
        row("firmware 6145 with limits, write", 6145, {"TLimitmALow1=20.5", "TLimitmAHigh1=19"},
            CheckMode::Write, "", Ok, BoxAnswer::Ok, true, {});
    }

    void modes() {
        QFETCH(int, version);
        QFETCH(QStringList, changes);
        QFETCH(CheckMode, mode);
        QFETCH(QString, box);
        QFETCH(BoxButtons, buttons);
        QFETCH(BoxAnswer, answer);
        QFETCH(bool, result);
        QFETCH(QStringList, log);

        Window window(QStringLiteral("Q7383D"), version);
        window.show({"Output1=0"});
        window.showConsistentTexts();
        window.setTexts(changes);
        if (!box.isEmpty()) {
            window.dialogs.expect(BoxKind::Information, box, buttons, answer);
        }

        QCOMPARE(window.form.CheckAll(mode), result);
        QCOMPARE(window.dialogs.problems(), QStringList());
        QCOMPARE(window.dialogs.shown().size(), box.isEmpty() ? 0 : 1);
        QCOMPARE(window.logLines(), log);
    }

    // The output range the user picks is the one the limits are checked against.
    void outputRangeFromTheList() {
        Window window(QStringLiteral("Q7383D"), 6149);
        window.show({"Output1=0"});
        window.showConsistentTexts();
        window.form.Choose(QStringLiteral("COutput1"), 1);  // 0-20 mA
        QVERIFY(window.form.CheckAll(CheckMode::Read));
        QCOMPARE(window.logLines(), QStringList{MaLog});
    }
};

QTEST_MAIN(TestCheckAll)
#include "tst_checkall.moc"
