#include "transfer/ConsistencyRules.h"

#include <QTest>

namespace {

const QString SameSpan = QStringLiteral("Error: Upscale and Downscale Values cannot be the same");
const QString MaOrder =
    QStringLiteral("Error: Low mA limit cannot be greater or equal to High limit");
const QString MaLowBurnout =
    QStringLiteral("Error: Low mA working limit cannot be lower than Low burnout limit");
const QString MaHighBurnout =
    QStringLiteral("Error: High mA working limit cannot be greater than High burnout limit");
const QString VOrder =
    QStringLiteral("Error: Low V working limit cannot be greater or equal to High limit");
const QString VBurnoutOrder =
    QStringLiteral("Error: Low V burnout limit cannot be greater or equal to High limit");
const QString VLowBurnout =
    QStringLiteral("Error: Low V working limit cannot be lower than Low burnout limit");
const QString VHighBurnout =
    QStringLiteral("Error: High V working limit cannot be greater than High burnout limit");
const QString MaWarning =
    QStringLiteral("Warning: Current Output limits are within the specified Output range");
const QString VWarning =
    QStringLiteral("Warning: Voltage Output limits are within the specified Output range");
const QString MaLog = QStringLiteral("Warning: mA Output limits within chosen output range");
const QString VLog = QStringLiteral("Warning: V Output limits within chosen output range");

QString notANumber(const char* name) {
    return QStringLiteral("Error: %1 is not a valid number").arg(QLatin1String(name));
}

// The names the catalogue gives the eight limits, in the order of OutputLimit.
const std::array<QString, OutputLimitCount> LimitNames{
    QStringLiteral("mA Low Limit (normal operation)"),
    QStringLiteral("mA High Limit (normal operation)"),
    QStringLiteral("mA Low Limit (burnout)"),
    QStringLiteral("mA High Limit (burnout)"),
    QStringLiteral("V Low Limit (normal operation)"),
    QStringLiteral("V High Limit (normal operation)"),
    QStringLiteral("V Low Limit (burnout)"),
    QStringLiteral("V High Limit (burnout)")};

// A Q7383D whose limits are all in order and outside both "4-20 mA" and "0-10 V": working
// 3.8..20.5 mA within burnout 3.6..21.0 mA, working -0.2..10.5 V within burnout -0.5..11.0 V.
// Each row changes a few of these with "Name=text" entries; "-Name" disables a field.
ShownConfiguration configuration(const QStringList& changes) {
    ShownConfiguration shown;
    shown.modelCode = QStringLiteral("Q7383D");
    shown.modelVersion = 6149;
    shown.spans = {SpanEnds{QStringLiteral("100.0"), QStringLiteral("0.0"), true},
                   SpanEnds{QStringLiteral("200.0"), QStringLiteral("-50.0"), true}};
    const QStringList texts{"3.8", "20.5", "3.6", "21.0", "-0.2", "10.5", "-0.5", "11.0"};
    for (int i = 0; i < OutputLimitCount; ++i) {
        shown.limits[i] = {LimitNames[i], texts[i], true};
    }
    shown.outputRange = 0;

    for (const QString& change : changes) {
        const QString key = change.section(QLatin1Char('='), 0, 0);
        const QString text = change.section(QLatin1Char('='), 1);
        const bool disable = key.startsWith(QLatin1Char('-'));
        const QString name = disable ? key.mid(1) : key;
        if (name == QLatin1String("Model")) {
            shown.modelCode = text;
        } else if (name == QLatin1String("Version")) {
            shown.modelVersion = text.toInt();
        } else if (name == QLatin1String("Output")) {
            shown.outputRange = text.toInt();
        } else if (name.startsWith(QLatin1String("Upscale")) ||
                   name.startsWith(QLatin1String("Downscale"))) {
            SpanEnds& span = shown.spans[name.right(1).toInt() - 1];
            if (disable) {
                span.upscaleEnabled = false;
            } else if (name.startsWith(QLatin1String("Upscale"))) {
                span.upscale = text;
            } else {
                span.downscale = text;
            }
        } else {
            bool known = false;
            for (int i = 0; i < OutputLimitCount; ++i) {
                if (OutputLimitKey(static_cast<OutputLimit>(i)) == name) {
                    known = true;
                    if (disable) {
                        shown.limits[i].enabled = false;
                    } else {
                        shown.limits[i].text = text;
                    }
                }
            }
            if (!known) {
                qFatal("unknown change %s", qPrintable(change));
            }
        }
    }
    return shown;
}

}  // namespace

class TestConsistency : public QObject {
    Q_OBJECT

  private slots:
    void rules_data() {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("logLines");
        QTest::addColumn<bool>("errorFired");
        using L = QStringList;
        const auto row = [](const char* tag, const L& changes, const L& messages, const L& log,
                            bool error) {
            QTest::newRow(tag) << changes << messages << log << error;
        };

        row("4-20 mA, working 3.8..20.5, burnout 3.6..21.0", {}, {}, {}, false);

        // Rule 1: equal span ends, compared as shown texts.
        row("span 1 equal", {"Upscale1=50.0", "Downscale1=50.0"}, {SameSpan}, {}, true);
        row("span 2 equal", {"Upscale2=7", "Downscale2=7"}, {SameSpan}, {}, true);
        row("both spans equal, one error",
            {"Upscale1=50.0", "Downscale1=50.0", "Upscale2=7", "Downscale2=7"}, {SameSpan}, {},
            true);
        row("span 1 equal, Upscale1 disabled", {"Upscale1=50.0", "Downscale1=50.0", "-Upscale1"},
            {}, {}, false);
        row("both equal, Upscale1 disabled",
            {"Upscale1=50.0", "Downscale1=50.0", "-Upscale1", "Upscale2=7", "Downscale2=7"},
            {SameSpan}, {}, true);
        row("same number, different texts", {"Upscale1=50.0", "Downscale1=50"}, {}, {}, false);

        // Rules 2 to 9, each as alone as the others allow: equal burnout limits always leave a
        // working limit outside them, so rules 3 and 7 come with a second error.
        row("rule 2, mA working equal", {"LimitmALow1=20.5"}, {MaOrder}, {}, true);
        row("rule 3, mA burnout equal", {"LimitmALowLow1=3.6", "LimitmAHighHigh1=3.6"},
            {MaOrder, MaHighBurnout}, {}, true);
        row("rule 4, mA working below burnout", {"LimitmALow1=3.5"}, {MaLowBurnout}, {}, true);
        row("rule 4 at the burnout limit", {"LimitmALow1=3.6"}, {}, {}, false);
        row("rule 5, mA working above burnout", {"LimitmAHigh1=21.5"}, {MaHighBurnout}, {}, true);
        row("rule 5 at the burnout limit", {"LimitmAHigh1=21.0"}, {}, {}, false);
        row("rule 6, V working equal", {"LimitVLow1=10.5"}, {VOrder}, {}, true);
        row("rule 7, V burnout equal", {"LimitVLowLow1=11.0", "LimitVHighHigh1=11.0"},
            {VBurnoutOrder, VLowBurnout}, {}, true);
        row("rule 8, V working below burnout", {"LimitVLow1=-0.6"}, {VLowBurnout}, {}, true);
        row("rule 9, V working above burnout", {"LimitVHigh1=11.5"}, {VHighBurnout}, {}, true);
        row("errors in rule order",
            {"Upscale2=7", "Downscale2=7", "LimitVHigh1=11.5", "LimitVLow1=-0.6",
             "LimitmAHigh1=21.5", "LimitmALow1=3.5"},
            {SameSpan, MaLowBurnout, MaHighBurnout, VLowBurnout, VHighBurnout}, {}, true);

        // Rules 10 and 11: a limit strictly inside the chosen range.
        row("4-20 mA, working high 19", {"LimitmAHigh1=19"}, {MaWarning}, {MaLog}, false);
        row("4-20 mA, working low 4.1", {"LimitmALow1=4.1"}, {MaWarning}, {MaLog}, false);
        row("4-20 mA, working 4..20 on the ends", {"LimitmALow1=4.0", "LimitmAHigh1=20.0"}, {}, {},
            false);
        row("4-20 mA, only the burnout pair inside",
            {"LimitmALowLow1=5", "LimitmALow1=20.0", "LimitmAHigh1=20.5"}, {MaWarning}, {MaLog},
            false);
        row("4-20 mA, both pairs inside, one warning",
            {"LimitmALowLow1=5", "LimitmALow1=6", "LimitmAHigh1=19"}, {MaWarning}, {MaLog}, false);
        row("0-20 mA, working low 3.8", {"Output=1"}, {MaWarning}, {MaLog}, false);
        row("4-20 mA, a volt limit inside", {"LimitVHigh1=9"}, {}, {}, false);
        row("1-5 V, working -0.2..10.5", {"Output=2"}, {}, {}, false);
        row("1-5 V, working high 4", {"Output=2", "LimitVHigh1=4"}, {VWarning}, {VLog}, false);
        row("0-5 V, working and burnout high inside",
            {"Output=3", "LimitVHigh1=4.5", "LimitVHighHigh1=4.9"}, {VWarning}, {VLog}, false);
        row("2-10 V, working high 9.9", {"Output=4", "LimitVHigh1=9.9"}, {VWarning}, {VLog}, false);
        row("0-10 V, working -0.2..10.5", {"Output=5"}, {}, {}, false);
        row("0-10 V, working low 0.1", {"Output=5", "LimitVLow1=0.1"}, {VWarning}, {VLog}, false);
        row("0-10 V, a mA limit inside", {"Output=5", "LimitmAHigh1=9"}, {}, {}, false);
        row("no output range chosen", {"Output=-1", "LimitmAHigh1=19"}, {}, {}, false);
        row("error and warning", {"LimitVLow1=-0.6", "LimitmAHigh1=19"}, {VLowBurnout, MaWarning},
            {MaLog}, true);

        // When the limit rules apply at all.
        const L broken{"LimitmALow1=20.5", "LimitVLow1=x", "LimitmAHigh1=19"};
        row("version 6146", L{"Version=6146"} + broken,
            {notANumber("V Low Limit (normal operation)"), MaOrder, MaWarning}, {MaLog}, true);
        row("version 6145 skips the limits", L{"Version=6145"} + broken, {}, {}, false);
        row("Q7381S", L{"Model=Q7381S"} + broken,
            {notANumber("V Low Limit (normal operation)"), MaOrder, MaWarning}, {MaLog}, true);
        row("V7385D skips the limits", L{"Model=V7385D"} + broken, {}, {}, false);
        row("mA working low disabled", L{"-LimitmALow1"} + broken, {}, {}, false);
        row("V working low disabled", L{"-LimitVLow1"} + broken,
            {notANumber("V Low Limit (normal operation)"), MaOrder, MaWarning}, {MaLog}, true);
        row("version 6145, span still checked",
            L{"Version=6145", "Upscale1=1", "Downscale1=1"} + broken, {SameSpan}, {}, true);

        // A limit that holds no number: its own error, and the rules needing it stay silent.
        row("empty working low", {"LimitmALow1="}, {notANumber("mA Low Limit (normal operation)")},
            {}, true);
        row("text in working high, rule 5 would fire otherwise",
            {"LimitmAHigh1=abc", "LimitmAHighHigh1=1"},
            {notANumber("mA High Limit (normal operation)"), MaOrder}, {}, true);
        row("V burnout high not a number, rule 9 silent", {"LimitVHigh1=11.5", "LimitVHighHigh1=-"},
            {notANumber("V High Limit (burnout)")}, {}, true);
        row("comma in a point locale", {"LimitmALowLow1=3,6"},
            {notANumber("mA Low Limit (burnout)")}, {}, true);
        row("infinity", {"LimitmAHighHigh1=inf"}, {notANumber("mA High Limit (burnout)")}, {},
            true);
        row("after the span error, before the limit rules",
            {"Upscale1=5", "Downscale1=5", "LimitmAHighHigh1=", "LimitVLow1=-0.6"},
            {SameSpan, notANumber("mA High Limit (burnout)"), VLowBurnout}, {}, true);
        row("a limit that is no number lies in no range", {"LimitmALow1=x", "LimitmAHigh1=20.5"},
            {notANumber("mA Low Limit (normal operation)")}, {}, true);
        row("the other limit of the pair still counts", {"LimitmALow1=x", "LimitmAHigh1=19"},
            {notANumber("mA Low Limit (normal operation)"), MaWarning}, {MaLog}, true);
    }

    void rules() {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, logLines);
        QFETCH(bool, errorFired);

        const CheckFindings found = ApplyConsistencyRules(configuration(changes), QLocale::c());
        QCOMPARE(found.messages, messages);
        QCOMPARE(found.logLines, logLines);
        QCOMPARE(found.errorFired, errorFired);
    }

    // The limits are written with the user's decimal separator.
    void limitNotation_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("number");
        QTest::newRow("C, point") << "C"
                                  << "." << true;
        QTest::newRow("C, comma") << "C"
                                  << "," << false;
        QTest::newRow("de_DE, comma") << "de_DE"
                                      << "," << true;
        QTest::newRow("de_DE, point") << "de_DE"
                                      << "." << false;
        QTest::newRow("fr_FR, comma") << "fr_FR"
                                      << "," << true;
        QTest::newRow("en_GB, point") << "en_GB"
                                      << "." << true;
    }

    void limitNotation() {
        QFETCH(QString, locale);
        QFETCH(QString, separator);
        QFETCH(bool, number);

        QStringList changes;
        const QStringList texts{"3.8", "20.5", "3.6", "21.0", "-0.2", "10.5", "-0.5", "11.0"};
        for (int i = 0; i < OutputLimitCount; ++i) {
            changes << OutputLimitKey(static_cast<OutputLimit>(i)) + QLatin1Char('=') +
                           QString(texts[i]).replace(QLatin1Char('.'), separator);
        }
        const CheckFindings found = ApplyConsistencyRules(configuration(changes), QLocale(locale));
        QCOMPARE(found.messages.isEmpty(), number);
        QCOMPARE(found.errorFired, !number);
        if (!number) {
            QCOMPARE(found.messages.size(), 8);
        }
    }

    void outputLimitKeys() {
        const QStringList expected{"LimitmALow1",      "LimitmAHigh1",   "LimitmALowLow1",
                                   "LimitmAHighHigh1", "LimitVLow1",     "LimitVHigh1",
                                   "LimitVLowLow1",    "LimitVHighHigh1"};
        QStringList keys;
        for (int i = 0; i < OutputLimitCount; ++i) {
            keys << OutputLimitKey(static_cast<OutputLimit>(i));
        }
        QCOMPARE(keys, expected);
    }

    void decision_data() {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("errorFired");
        QTest::addColumn<CheckMode>("mode");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<BoxButtons>("buttons");

        const QStringList none;
        const QStringList warnings{MaWarning};
        const QStringList errors{SameSpan, MaOrder};
        const QStringList both{VLowBurnout, MaWarning};
        const QString warned = "\r" + MaWarning + "\r";
        const QString failed = "\r" + SameSpan + "\r" + MaOrder + "\r";
        const auto Ok = BoxButtons::Ok;
        const auto OkCancel = BoxButtons::OkCancel;

        const std::pair<const char*, CheckMode> modes[] = {
            {"read", CheckMode::Read}, {"write", CheckMode::Write}, {"print", CheckMode::Print}};
        for (const auto& [name, mode] : modes) {
            QTest::addRow("nothing, %s", name) << none << false << mode << false << "" << Ok;
            QTest::addRow("errors, %s", name) << errors << true << mode << true << failed << Ok;
        }
        QTest::newRow("warning, read") << warnings << false << CheckMode::Read << false << "" << Ok;
        QTest::newRow("warning, write") << warnings << false << CheckMode::Write << true
                                        << warned + "Press Cancel to stop writing" << OkCancel;
        QTest::newRow("warning, print") << warnings << false << CheckMode::Print << true
                                        << warned + "Press Cancel to stop printing" << OkCancel;
        QTest::newRow("error and warning, write")
            << both << true << CheckMode::Write << true
            << "\r" + VLowBurnout + "\r" + MaWarning + "\r" << Ok;
        QTest::newRow("error and warning, read")
            << both << true << CheckMode::Read << true
            << "\r" + VLowBurnout + "\r" + MaWarning + "\r" << Ok;
    }

    void decision() {
        QFETCH(QStringList, messages);
        QFETCH(bool, errorFired);
        QFETCH(CheckMode, mode);
        QFETCH(bool, shown);
        QFETCH(QString, text);
        QFETCH(BoxButtons, buttons);

        const auto box = DecisionFor(CheckFindings{messages, {}, errorFired}, mode);
        QCOMPARE(box.has_value(), shown);
        if (box) {
            QCOMPARE(box->text, text);
            QCOMPARE(box->buttons, buttons);
        }
    }
};

QTEST_APPLESS_MAIN(TestConsistency)
#include "tst_consistency.moc"
