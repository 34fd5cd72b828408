#include "support/ConfigurationFiles.h"
#include "support/FormControls.h"
#include "support/FormProbe.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include "catalogue/CatalogueLookup.h"
#include "catalogue/ModelLayout.h"
#include "records/ConfigurationFile.h"
#include "transfer/SensorRefresh.h"

#include <QDir>
#include <QTest>

namespace {

// A complete Q7323S configuration, its keys written with one blank before "=".
const QStringList Q7323SLines{
    "DATE = 07.12.2026",      "TIME = 14:22:18",         "SWVERSION = 132",
    "MDVERSION = 258",        "DONEBY = J. Smith",       "DONEFOR = ACME, Inc.",
    "Input 1 = V dc (E)",     "Downscale 1 = 1.500",     "Highscale 1 = 10,000",
    "Burnout Low 1 = -0.500", "Burnout High 1 = 11.000", "Output 1 = 0-10 V",
    "Burnout 1 = UpScale"};

// What every control shows, in the order the window model made them.
std::vector<FormControl::Look> looks(const TForm1& form) {
    std::vector<FormControl::Look> taken;
    for (const auto& control : form.Controls()) {
        taken.push_back(control->look());
    }
    return taken;
}

QString text(const TForm1& form, const QString& name) {
    return ShownTextOf(form.Control(name));
}

int valueOf(const TForm1& form, const QString& key) {
    return form.Configuration().value(IndexOfKey(form.Catalogue(), key).value());
}

// What the open dialog hands the loader besides a file of bytes.
enum class Chosen { File, Missing, Folder, Pipe };

// Makes the named kind of path in `folder`; "" when this system cannot.
QString chosenPath(const QString& folder, Chosen chosen) {
    QDir().mkpath(folder);
    const QDir dir(folder);
    switch (chosen) {
        case Chosen::File:
            return {};
        case Chosen::Missing:
            return dir.filePath("gone.NVC");
        case Chosen::Folder:
            return dir.mkdir("folder.NVC") ? dir.filePath("folder.NVC") : QString();
        case Chosen::Pipe:
            return MakePipe(dir.filePath("pipe.NVC")) ? dir.filePath("pipe.NVC") : QString();
    }
    return {};
}

struct LoadBench : WindowBench {
    LoadBench() : WindowBench("Q7323S") {}

    QString archive() const { return QDir(home.path()).filePath("archive"); }

    // Loads `bytes` as "name" through the open command and its dialog.
    bool load(const QByteArray& bytes, const QString& name = "my.NVC") {
        dialogs.answerFileDialog(PutFile(archive(), name, bytes));
        return form->ReadFromFile(FileSource::Archive);
    }
    int logLines() const { return static_cast<int>(form->LogLines().size()); }
    QString problems() const { return dialogs.problems().join('\n'); }
};

}  // namespace

Q_DECLARE_METATYPE(Chosen)

class TestFileLoad : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("KVC7345_SERVER", "http://www.maker.test"); }
    void init() { QLocale::setDefault(QLocale::c()); }

    // The fields the window enables are the parameters the configuration has in use, which the
    // report and the command line take: for every model's factory configuration.
    void enabledFieldsAreTheParametersInUse_data() {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(KVC7345_DATA_DIR "/factorydefaults").entryList({"*.NVC"})) {
            QTest::newRow(qPrintable(name)) << QString(KVC7345_DATA_DIR "/factorydefaults/" + name);
        }
    }

    void enabledFieldsAreTheParametersInUse() {
        QFETCH(QString, file);
        LoadBench bench;
        QVERIFY(bench.load(FileBytes(file)));
        const TForm1& form = *bench.form;
        const QSet<int> inUse = ParametersInUse(form.Configuration(), form.Catalogue());
        for (int i = 1; i <= TParameterTable::Count; ++i) {
            const TTableEntry& entry = form.Catalogue()[i];
            if (AppliesToModel(entry, form.Configuration().model)) {
                QVERIFY2(form.Control(ControlName(entry)).isEnabled() == inUse.contains(i),
                         qPrintable(entry.Field));
            }
        }
    }

    void aFileFillsTheWindow() {
        LoadBench bench;
        bench.dialogs.answerFileDialog(
            PutFile(bench.archive(), "my.NVC", ConfigurationFileBytes("Q7323S", Q7323SLines)));
        bench.form->Click("BitBtn3");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));

        const FileDialogRequest request = bench.dialogs.fileRequests().value(0);
        QCOMPARE(request.folder, bench.archive());
        QCOMPARE(request.filter, QStringLiteral("NV Configuration File (*.nvc)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("NVC"));

        const TForm1& form = *bench.form;
        QCOMPARE(text(form, "LModel"), QStringLiteral("Q7323S"));
        QCOMPARE(text(form, "LModelTop"), QStringLiteral("Q7323S"));
        QCOMPARE(ToolTipOf(form.Control("LModel")), QStringLiteral("SW Rev. 258"));
        QCOMPARE(bench.state.ModelVersion, 258);
        // Texts load as written, points and commas included.
        QCOMPARE(text(form, "LDateLeft"), QStringLiteral("Created:"));
        QCOMPARE(text(form, "LDateRight"), QStringLiteral("07.12.2026"));
        QCOMPARE(form.Configuration().date, QStringLiteral("07.12.2026"));
        QCOMPARE(text(form, "LExtra1Left"), QStringLiteral("By:"));
        QCOMPARE(text(form, "LExtra1Right"), QStringLiteral("J. Smith"));
        QCOMPARE(text(form, "LExtra2Left"), QStringLiteral("For:"));
        QCOMPARE(text(form, "LExtra2Right"), QStringLiteral("ACME, Inc."));
        QCOMPARE(text(form, "LSourceRight"), QStringLiteral("my.NVC"));

        QCOMPARE(text(form, "CInput1"), QStringLiteral("V dc (E)"));
        QCOMPARE(valueOf(form, "Input1"), 1);
        QCOMPARE(text(form, "TDownscale1"), QStringLiteral("1.500"));
        QCOMPARE(valueOf(form, "Downscale1"), 1500);
        QCOMPARE(text(form, "TUpscale1"), QStringLiteral("10.000"));
        QCOMPARE(valueOf(form, "Upscale1"), 10000);
        QCOMPARE(text(form, "TBurnoutLow1"), QStringLiteral("-0.500"));
        QCOMPARE(text(form, "COutput1"), QStringLiteral("0-10 V"));
        QCOMPARE(text(form, "CBurn1"), QStringLiteral("UpScale"));
        QVERIFY(form.FindControl("TUpscale1")->isEnabled());
        QCOMPARE(ToolTipOf(form.Control("TUpscale1")), QStringLiteral("Range from -2 to 12 (V)"));
        QCOMPARE(text(form, "LUpscale1DIM"), QStringLiteral("V"));

        // The parameter lines applied, as the file holds them.
        const QList<LoadedValue>& loaded = bench.form->LastLoad().values;
        QCOMPARE(loaded.size(), 7);
        QCOMPARE(loaded[0].index, IndexOfKey(form.Catalogue(), "Input1").value());
        QCOMPARE(loaded[0].text, QStringLiteral("V dc (E)"));
        QCOMPARE(loaded[0].value, 1);
        QCOMPARE(loaded[2].text, QStringLiteral("10,000"));
        QCOMPARE(loaded[2].value, 10000);
        QCOMPARE(bench.form->LastLoad().refusal, QString());

        // A save writes the configuration as the window shows it.
        const EntryList entries = ConfigurationEntries(form.Configuration(), form.Catalogue());
        QCOMPARE(entries.FileNames(3), QStringLiteral("Highscale 1"));
        QCOMPARE(entries.FileValues(3), QStringLiteral("10.000"));
        QVERIFY(!form.ConfigurationEmpty);
        QVERIFY(form.AcceptsInput());
        QCOMPARE(form.StatusPanel(2), QString());
        QCOMPARE(bench.lastLogText(), QStringLiteral("Read Q7323S configuration from file my.NVC"));
    }

    void emptyHeaderValuesDoNotEndTheList() {
        LoadBench bench;
        QVERIFY(bench.load(ConfigurationFileBytes(
            "Q7383D", {"DATE = 7/12/26", "MDVERSION = 6149", "DONEBY = ", "DONEFOR = ", "TAG1 = ",
                       "TAG2 = ", "Sensor 1 = Pt 100", "Downscale 1 = -50.0"})));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(text(*bench.form, "CInputTm1"), QStringLiteral("Pt 100"));
        QCOMPARE(text(*bench.form, "TDownscale1"), QStringLiteral("-50.0"));
        QVERIFY(bench.form->FindControl("TTag2")->isEnabled());
        // Empty additional information leaves the strip as the reset left it.
        QCOMPARE(text(*bench.form, "LExtra1Left"), QString());
    }

    void aTagLineEnablesTheTagField() {
        LoadBench bench;
        QVERIFY(
            bench.load(ConfigurationFileBytes("Q7323S", {"MDVERSION = 258", "TAG1 = AB.C, D"})));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QVERIFY(bench.form->FindControl("TTag1")->isEnabled());
        QCOMPARE(bench.form->FindControl("LTag1")->colour(), colours::Black);
        QCOMPARE(text(*bench.form, "TTag1"), QStringLiteral("AB.C, D"));
        QVERIFY(!bench.form->FindControl("TTag2")->isEnabled());
    }

    // What loading took otherwise than the file writes it follows the load in the log list.
    void loadNotesFollowInTheLogList() {
        LoadBench bench;
        QStringList lines = Q7323SLines;
        lines.replaceInStrings("Downscale 1 = 1.500", "Downscale 1 = 1.5");
        lines << "TAG1 = ABCDEFGHIJKLMNOPQRST"
              << "Output 1 = 0-10 V";
        QVERIFY(bench.load(ConfigurationFileBytes("Q7323S", lines)));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(text(*bench.form, "TTag1"), QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(text(*bench.form, "TDownscale1"), QStringLiteral("0.015"));
        QStringList texts;
        for (const QString& line : bench.form->LogLines()) {
            texts << line.section(" - ", 1);
        }
        const qsizetype read = texts.indexOf("Read Q7323S configuration from file my.NVC");
        QVERIFY(read >= 0);
        QCOMPARE(texts.mid(read + 1),
                 (QStringList{"Output 1 is given on lines 17 and 20 of the file: line 20 is used.",
                              "TAG1 = ABCDEFGHIJKLMNOPQRST in the file is longer than the 16 "
                              "characters of a tag: ABCDEFGHIJKLMNOP is used.",
                              "Downscale 1 = 1.5 in the file is written with 1 decimal where the "
                              "parameter has 3 decimals: 0.015 is used."}));
    }

    void onlyTheFirstSixCharactersNameTheModel() {
        LoadBench bench;
        QVERIFY(
            bench.load(ConfigurationFileBytes("Q7383Y followed by more", {"MDVERSION = 6149"})));
        QCOMPARE(bench.state.ModelCode, QStringLiteral("Q7383Y"));
        QCOMPARE(text(*bench.form, "LModel"), QStringLiteral("Q7383Y"));
        QCOMPARE(bench.lastLogText(), QStringLiteral("Read Q7383Y configuration from file my.NVC"));
    }

    void aHeaderWithoutParametersStillRefreshes() {
        LoadBench bench;
        QVERIFY(bench.load(ConfigurationFileBytes("Q7323S", Q7323SLines.mid(0, 6))));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QVERIFY(!bench.form->FindControl("COutput1")->isEnabled());
        QVERIFY(!bench.form->ConfigurationEmpty);
        // Every parameter of the model has its slot; those the file lacks have no value.
        const EntryList entries =
            ConfigurationEntries(bench.form->Configuration(), bench.form->Catalogue());
        QCOMPARE(entries.FileNames(7), QStringLiteral("Burnout 1"));
        QCOMPARE(entries.FileNames(2), QStringLiteral("Downscale 1"));
        QCOMPARE(entries.FileValues(2), QString());
    }

    void abandonedFileLeavesTheWindowAsBefore_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        const QString noNumber = "the value of %1 is not a number it can take: %2";
        QTest::newRow("no blank before =") << "Input 1= V dc (E)"
                                           << "the key \"Input \" names no parameter";
        QTest::newRow("unknown key") << "Input 9 = V dc (E)"
                                     << "the key \"Input 9\" names no parameter";
        QTest::newRow("number with exponent")
            << "Downscale 1 = 4.5e1" << noNumber.arg("Downscale 1", "4.5e1");
        QTest::newRow("number word") << "Downscale 1 = four" << noNumber.arg("Downscale 1", "four");
        QTest::newRow("word above 65535")
            << "Highscale 1 = 65.536" << noNumber.arg("Highscale 1", "65.536");
        QTest::newRow("below -32768")
            << "Downscale 1 = -3276.9" << noNumber.arg("Downscale 1", "-3276.9");
        QTest::newRow("empty number") << "Highscale 1 = "
                                      << "the value of Highscale 1 is empty";
        QTest::newRow("line without =") << "Burnout 1 UpScale"
                                        << "a line holds no key before its \" = \"";
    }

    // Abort on a line the loader refuses: the window shows again what it showed before the
    // load, not the lines applied up to the refused one.
    void abandonedFileLeavesTheWindowAsBefore() {
        QFETCH(QString, line);
        QFETCH(QString, reason);
        LoadBench bench;
        QVERIFY(bench.load(FileBytes(KVC7345_DATA_DIR "/factorydefaults/Q7383D.NVC"), "good.NVC"));
        const QStringList names{"LModel",   "LSourceRight", "CInputTm1", "TDownscale1",
                                "COutput1", "LDateLeft",    "GBInput"};
        QStringList shown;
        for (const QString& name : names) {
            shown << text(*bench.form, name);
        }
        const std::vector<FormControl::Look> before = looks(*bench.form);

        bench.dialogs.expect(BoxKind::Error, InvalidFile(reason), BoxButtons::AbortRetry,
                             BoxAnswer::Abort);
        QVERIFY(!bench.load(
            ConfigurationFileBytes("Q7323S", {"MDVERSION = 258", "Output 1 = 0-10 V", line}),
            "broken.NVC"));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.form->LastLoad().refusal, reason);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(text(*bench.form, names[i]), shown[i]);
        }
        QCOMPARE(bench.state.ModelCode, QStringLiteral("Q7383D"));
        QVERIFY(!bench.form->ConfigurationEmpty);
        QVERIFY(bench.form->AcceptsInput());
        const std::vector<FormControl::Look> after = looks(*bench.form);
        for (std::size_t i = 0; i < before.size(); ++i) {
            QCOMPARE(after[i].text, before[i].text);
            QCOMPARE(after[i].items, before[i].items);
            QCOMPARE(after[i].enabled, before[i].enabled);
        }
        QCOMPARE(bench.logLines(), 1);  // the good file's load only
    }

    // The window's clock ticks behind the boxes of a refused load; the caption keeps one mark.
    void refusedLoadsLeaveOneModificationMark() {
        LoadBench bench;
        QVERIFY(bench.load(FileBytes(KVC7345_DATA_DIR "/factorydefaults/Q7323S.NVC"), "good.NVC"));
        FormProbe::RefreshTick(*bench.form);
        ChangeAValue(*bench.form);
        FormProbe::RefreshTick(*bench.form);
        bench.dialogs.whileOpen([&bench] { FormProbe::RefreshTick(*bench.form); });
        const QByteArray broken =
            ConfigurationFileBytes("Q7323S", {"MDVERSION = 258", "Burnout 1 UpScale"});
        const QString reason = QStringLiteral("a line holds no key before its \" = \"");
        const QString changed =
            "Parameters were modified.\rDo you wish to acquire new data and lose changes?";
        for (const BoxAnswer answer : {BoxAnswer::Retry, BoxAnswer::Abort, BoxAnswer::Abort}) {
            bench.dialogs.expect(BoxKind::Warning, changed, BoxButtons::YesNoDefaultNo,
                                 BoxAnswer::Yes);
            bench.dialogs.expect(BoxKind::Error, InvalidFile(reason), BoxButtons::AbortRetry,
                                 answer);
        }
        bench.dialogs.answerFileDialog(PutFile(bench.archive(), "broken.NVC", broken));
        QVERIFY(!bench.load(broken, "broken.NVC"));
        QVERIFY(!bench.load(broken, "broken.NVC"));
        FormProbe::RefreshTick(*bench.form);
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.form->Control("PageControl1").items().value(0),
                 bench.form->IsModified() ? QString("Configuration *") : QString("Configuration"));
    }

    void numbersAtTheRegisterLimitsLoad_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("65535") << "Calibration Range = 65535"
                               << "CalRange" << 65535;
        QTest::newRow("-32768") << "Calibration Reference = -32768"
                                << "CalReference" << -32768;
    }

    void numbersAtTheRegisterLimitsLoad() {
        QFETCH(QString, line);
        QFETCH(QString, key);
        QFETCH(int, value);
        LoadBench bench;
        QVERIFY(bench.load(ConfigurationFileBytes("Q7356S", {"MDVERSION = 7168", line})));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(valueOf(*bench.form, key), value);
        QCOMPARE(text(*bench.form, "T" + key), QString::number(value));
    }

    void choiceTextsMatchExactly() {
        LoadBench bench;
        bench.dialogs.expect(BoxKind::Warning, UnrecognisedValue("Input 1", "v dc (e)"),
                             BoxButtons::OkRetry, BoxAnswer::Ok);
        QVERIFY(!bench.load(ConfigurationFileBytes(
            "Q7323S", {"MDVERSION = 258", "Output 1 = 0-10 V", "Input 1 = v dc (e)"})));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        // OK leaves a reset window.
        QCOMPARE(text(*bench.form, "LModel"), QStringLiteral("-"));
        QVERIFY(!bench.form->FindControl("COutput1")->isEnabled());
        QCOMPARE(bench.logLines(), 0);
    }

    void retryOffersAnotherFileFromTheArchive_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::newRow("unknown key")
            << "Input 9 = V dc (E)" << InvalidFile("the key \"Input 9\" names no parameter");
        QTest::newRow("unknown choice") << "Input 1 = TC K" << UnrecognisedValue("Input 1", "TC K");
    }

    void retryOffersAnotherFileFromTheArchive() {
        QFETCH(QString, line);
        QFETCH(QString, box);
        LoadBench bench;
        const bool choice = !box.startsWith(InvalidFileText);
        bench.dialogs.expect(choice ? BoxKind::Warning : BoxKind::Error, box,
                             choice ? BoxButtons::OkRetry : BoxButtons::AbortRetry,
                             BoxAnswer::Retry);
        const QString defaults = QDir(bench.home.path()).filePath("factorydefaults");
        bench.dialogs.answerFileDialog(PutFile(
            defaults, "bad.NVC", ConfigurationFileBytes("Q7323S", {"MDVERSION = 258", line})));
        bench.dialogs.answerFileDialog(
            PutFile(bench.archive(), "good.NVC", ConfigurationFileBytes("Q7323S", Q7323SLines)));
        QVERIFY(bench.form->ReadFromFile(FileSource::FactoryDefaults));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.dialogs.fileRequests().size(), 2);
        QCOMPARE(bench.dialogs.fileRequests()[0].folder, defaults);
        QCOMPARE(bench.dialogs.fileRequests()[1].folder, bench.archive());
        QCOMPARE(text(*bench.form, "COutput1"), QStringLiteral("0-10 V"));
        QCOMPARE(bench.lastLogText(),
                 QStringLiteral("Read Q7323S configuration from file good.NVC"));
        QCOMPARE(bench.logLines(), 1);
        QVERIFY(bench.form->AcceptsInput());
    }

    void choicesFollowTheFileFirmware_data() {
        QTest::addColumn<bool>("firmwareFirst");
        QTest::newRow("MDVERSION before the sensor") << true;
        QTest::newRow("MDVERSION after the sensor") << false;
    }

    void choicesFollowTheFileFirmware() {
        QFETCH(bool, firmwareFirst);
        LoadBench bench;
        // A V7380S connected before: its sensor list has no Pt 200.
        bench.state.ModelVersion = 300;
        bench.state.AdaptCatalogue("V7380S", 300);
        QStringList lines{"Sensor 1 = Pt 200"};
        if (firmwareFirst) {
            lines.prepend("MDVERSION = 6149");
        } else {
            // Lines apply in file order: the sensor meets the firmware connected before.
            lines.append("MDVERSION = 6149");
            bench.dialogs.expect(BoxKind::Warning, UnrecognisedValue("Sensor 1", "Pt 200"),
                                 BoxButtons::OkRetry, BoxAnswer::Ok);
        }
        QCOMPARE(bench.load(ConfigurationFileBytes("Q7383S", lines)), firmwareFirst);
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        if (firmwareFirst) {
            QCOMPARE(text(*bench.form, "CInputTm1"), QStringLiteral("Pt 200"));
        }
    }

    void unsupportedFirmwareWarnsAndLoads() {
        LoadBench bench;
        bench.dialogs.expect(
            BoxKind::Warning,
            "It was detected that your Q7323S has a software version (259) that MAY not be "
            "configurable by this KVC7345 Version 132\rWork session will not be stopped, but we "
            "strongly suggest you visit http://www.maker.test for updates.");
        QVERIFY(
            bench.load(ConfigurationFileBytes("Q7323S", {"MDVERSION = 259", "Output 1 = 0-5 V"})));
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(text(*bench.form, "COutput1"), QStringLiteral("0-5 V"));
    }

    void refusedFilesChangeNothing_data() {
        QTest::addColumn<Chosen>("chosen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");  // the refusal noted, or how the box ends
        auto file = [](const char* name, const QByteArray& bytes, const QString& reason) {
            QTest::newRow(name) << Chosen::File << bytes << reason;
        };
        auto other = [](const char* name, Chosen chosen, const QString& reason) {
            QTest::newRow(name) << chosen << QByteArray() << reason;
        };
        // The complete Q7323S file with one line replaced.
        auto changed = [](const QString& from, const QString& to) {
            QStringList lines = Q7323SLines;
            lines.replaceInStrings(from, to);
            return ConfigurationFileBytes("Q7323S", lines);
        };
        const QString noModel = "its model line names no model this program configures: ";
        const QString noFirmware = "it has no MDVERSION line (the firmware of the module)";
        const QString badFirmware = "its MDVERSION is not a firmware version (1 to 65535): ";
        const QByteArray whole = ConfigurationFileBytes("Q7323S", {});
        QStringList many;
        for (int i = 0; i < 81; ++i) {
            many << "Output 1 = 0-5 V";
        }

        file("four lines", whole.left(whole.indexOf("Q7323S")), "it has no model line (line 5)");
        file("short model line", ConfigurationFileBytes("Q7323", {}),
             "its model line (line 5) is shorter than a model code");
        file("81 key lines", ConfigurationFileBytes("Q7323S", many),
             "it is too long for a configuration file");
        file("far too large",
             ConfigurationFileBytes("Q7323S", {"DONEBY = " + QString(1 << 20, 'x')}),
             "it is too long for a configuration file");
        file("NUL byte", changed("J. Smith", "Jo").replace("Jo", QByteArray("Jo") + '\0' + "hn"),
             "it holds NUL bytes, so it is not a text file");
        file("model XXXXXX", ConfigurationFileBytes("XXXXXX", Q7323SLines), noModel + "XXXXXX");
        file("no MDVERSION", changed("MDVERSION = 258", "SWVERSION = 132"), noFirmware);
        file("negative MDVERSION", changed("MDVERSION = 258", "MDVERSION = -258"),
             badFirmware + "-258");
        file("line of another model",
             ConfigurationFileBytes("Q7323S", Q7323SLines + QStringList{"Sensor 1 = TC K"}),
             "Sensor 1 is not a parameter of a Q7323S");
        other("missing file", Chosen::Missing, "gone.NVC: ");
        other("folder", Chosen::Folder, "folder.NVC: it is a folder, not a file");
        other("pipe", Chosen::Pipe, "pipe.NVC: it is not a regular file (a device or a pipe)");
    }

    // The file is judged before the window changes: what was shown stays, marks included.
    void refusedFilesChangeNothing() {
        QFETCH(Chosen, chosen);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        LoadBench bench;
        QVERIFY(bench.load(ConfigurationFileBytes("Q7323S", Q7323SLines), "shown.NVC"));
        ChangeAValue(*bench.form);
        bench.dialogs.expect(BoxKind::Warning,
                             "Parameters were modified.\rDo you wish to acquire new data and lose "
                             "changes?",
                             BoxButtons::YesNoDefaultNo, BoxAnswer::Yes);
        if (chosen == Chosen::File) {
            bench.dialogs.expect(BoxKind::Error, InvalidFile(reason), BoxButtons::AbortRetry,
                                 BoxAnswer::Abort);
            QVERIFY(!bench.load(bytes, "bad.NVC"));
            QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
            QCOMPARE(bench.form->LastLoad().refusal, reason);
        } else {
            const QString path = chosenPath(bench.archive(), chosen);
            if (path.isEmpty()) {
                QSKIP("This system makes no pipes.");
            }
            bench.dialogs.answerFileDialog(path);
            // No writer ever opens the pipe: only refusing it without opening returns.
            QVERIFY(!bench.form->ReadFromFile(FileSource::Archive));
            QCOMPARE(bench.dialogs.shown().size(), 2);
            const QString box = bench.dialogs.shown().last().text;
            QCOMPARE(bench.dialogs.shown().last().kind, BoxKind::Error);
            QVERIFY2(box.startsWith("The configuration file could not be read.\r\r" +
                                    QDir::toNativeSeparators(bench.archive())) &&
                         box.contains(reason),
                     qPrintable(box));
            QCOMPARE(bench.form->LastLoad().refusal, QString());
        }
        QCOMPARE(text(*bench.form, "LSourceRight"), QStringLiteral("shown.NVC"));
        QCOMPARE(text(*bench.form, "COutput1"), QStringLiteral("0-10 V"));
        QCOMPARE(text(*bench.form, "LModel"), QStringLiteral("Q7323S"));
        QCOMPARE(bench.form->StatusPanel(2), QStringLiteral("Modified"));
        QVERIFY(!bench.form->ConfigurationEmpty);
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.logLines(), 1);
    }

    void keepingChangesLoadsNothing() {
        LoadBench bench;
        QVERIFY(bench.load(ConfigurationFileBytes("Q7323S", Q7323SLines)));
        ChangeAValue(*bench.form);
        bench.dialogs.expect(BoxKind::Warning,
                             "Parameters were modified.\rDo you wish to acquire new data and lose "
                             "changes?",
                             BoxButtons::YesNoDefaultNo, BoxAnswer::No);
        bench.form->Click("BitBtn2");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.dialogs.fileRequests().size(), 1);
        QCOMPARE(bench.form->StatusPanel(2), QStringLiteral("Modified"));
        QVERIFY(bench.form->AcceptsInput());
    }

    void cancelledDialogLoadsNothing() {
        LoadBench bench;
        bench.dialogs.answerFileDialog(QString());
        QVERIFY(!bench.form->ReadFromFile(FileSource::Archive));
        QCOMPARE(text(*bench.form, "LSourceRight"), QStringLiteral("-"));
        QVERIFY(bench.form->AcceptsInput());
        QCOMPARE(bench.logLines(), 0);
    }

    void onlineLink_data() {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("shown");
        QTest::newRow("online, link wanted") << true << "Y" << true;
        QTest::newRow("online, link not wanted") << true << "N" << false;
        QTest::newRow("online, lower-case y") << true << "y" << false;
        QTest::newRow("offline") << false << "Y" << false;
    }

    void onlineLink() {
        QFETCH(bool, online);
        QFETCH(QString, setting);
        QFETCH(bool, shown);
        LoadBench bench;
        bench.state.OnlineOverride = online;
        bench.state.settings.WriteConfig("ONLINEPLINK", setting);
        QVERIFY(bench.load(ConfigurationFileBytes("Q7323S", Q7323SLines)));
        QCOMPARE(!bench.form->FindControl("LDataSheet")->isHidden(), shown);
        if (shown) {
            QCOMPARE(text(*bench.form, "LDataSheet"), QStringLiteral("Q7323S Online information"));
        }
    }
};

QTEST_MAIN(TestFileLoad)
#include "tst_fileload.moc"
