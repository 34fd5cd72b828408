// The working session in the main window: the password cover and the password settings, the
// boxes of the Settings page, the half-second refresh, the function keys and the links.

#include "shell/MakerSite.h"
#include "shell/ProgramFolder.h"
#include "support/FormControls.h"
#include "support/FormProbe.h"
#include "support/ProgramRun.h"
#include "support/WindowBench.h"
#include "support/WindowEditing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

const QString Site = QStringLiteral("http://www.norvik.example");

// A program folder whose config.ini holds `lines` (CR LF added) after a run counter past the
// first run, so no welcome interrupts.
QByteArray settingsFile(std::initializer_list<const char*> lines) {
    QByteArray bytes("RUNTIMES        = 5\r\n");
    for (const char* line : lines) {
        bytes += QByteArray(line) + "\r\n";
    }
    return bytes;
}

const char* const PasswordControls[] = {
    "LAdministration1",  "LAdministration2",     "LAdministration3", "TOldPasswordInput",
    "TNewPasswordInput", "TRepeatPasswordInput", "LOldPassword",     "LNewPassword",
    "LRepeatPassword",   "BChangePassword",
};

int enabledPasswordControls(const TForm1& form) {
    int enabled = 0;
    for (const char* name : PasswordControls) {
        enabled += form.FindControl(QLatin1String(name))->isEnabled() ? 1 : 0;
    }
    return enabled;
}

QStringList enabledToolButtons(const TForm1& form) {
    QStringList enabled;
    for (const char* name :
         {"TBOpenCom", "TBSaveCom", "BitBtn3", "TBSaveFile", "BitBtn1", "TBClear"}) {
        if (form.FindControl(QLatin1String(name))->isEnabled()) {
            enabled << QLatin1String(name);
        }
    }
    return enabled;
}

int logLinesEndingWith(const TForm1& form, const QString& text) {
    int lines = 0;
    for (const QString& line : form.LogLines()) {
        lines += line.endsWith(QStringLiteral("] - ") + text) ? 1 : 0;
    }
    return lines;
}

// A stand-in manual in the folder, for the tests where F8 finds it.
void putManual(const QString& folder) {
    QFile manual(QDir(folder).filePath(QStringLiteral("DOC0417.pdf")));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("%PDF-1.4\n");
}

QString problems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join(QLatin1Char('\n'));
}

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;
    QString folder_;

    // A started program on a folder with these settings.
    std::unique_ptr<ProgramRun> start(const QByteArray& settings) {
        WriteConfigIni(folder_, settings);
        ResolveProgramFolder(folder_);
        auto run = std::make_unique<ProgramRun>(folder_);
        run->form->StartUp();
        return run;
    }

  private slots:
    void initTestCase() { qputenv("KVC7345_SERVER", Site.toLatin1()); }

    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        folder_ = QDir(home_->path()).absolutePath();
    }

    void passwordCover_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("right password") << "Secret" << true;
        QTest::newRow("letter case counts") << "secret" << false;
        QTest::newRow("nothing typed") << "" << false;
        QTest::newRow("trailing blank") << "Secret " << false;
    }

    void passwordCover() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const auto run = start(settingsFile({"ADMINPASSWORD   = Secret", "PROMPTPASSWORD  = Y"}));
        TForm1& form = *run->form;
        const FormControl* cover = form.FindControl(QStringLiteral("PasswordPanel"));
        QVERIFY(!cover->isHidden());
        QCOMPARE(form.StatusPanel(0),
                 QStringLiteral("Status: Insert password to start working session"));
        // The pages are behind the cover, the status bar with that text in front of it.
        QVERIFY(cover->stackOrder() > form.Control(QStringLiteral("PageControl1")).stackOrder());
        QVERIFY(cover->stackOrder() < form.Control(QStringLiteral("StatusBar1")).stackOrder());
        QVERIFY(form.FindControl(QStringLiteral("CheckBox1"))->isChecked());
        QCOMPARE(enabledPasswordControls(form), 10);
        // Ticking the box behind the cover keeps the password and says nothing.
        QCOMPARE(run->state.settings.ReadConfig(QStringLiteral("ADMINPASSWORD")),
                 QStringLiteral("Secret"));

        // A hint that emptied the status text gives way to what the window waits for.
        form.PointedAt(QString());
        FormProbe::RefreshTick(form);
        QCOMPARE(form.StatusPanel(0),
                 QStringLiteral("Status: Insert password to start working session"));

        form.FindControl(QStringLiteral("TEntryPassword"))->setText(QStringLiteral("wrong"));
        form.Click(QStringLiteral("BEnterPassword"));
        const auto* result = form.FindControl(QStringLiteral("LResultEntry"));
        QCOMPARE(result->text(), QStringLiteral("This password is not correct, please retry."));
        QVERIFY(!cover->isHidden());

        form.FindControl(QStringLiteral("TEntryPassword"))->setText(typed);
        form.Click(QStringLiteral("BEnterPassword"));
        QCOMPARE(cover->isHidden(), accepted);
        QCOMPARE(form.StatusPanel(0),
                 accepted ? QStringLiteral("Status: Ready")
                          : QStringLiteral("Status: Insert password to start working session"));
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
    }

    void passwordChange_data() {
        QTest::addColumn<QString>("oldInput");
        QTest::addColumn<QString>("newInput");
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const int error = static_cast<int>(BoxKind::Error);
        const QString fill = QStringLiteral("Fill both fields please.");
        const QString invalid = QStringLiteral("Provided Old Password is not valid, please retry.");
        const QString differ = QStringLiteral(
            "The new password and its repetition differ: the password is not changed, please "
            "retry.");
        const auto row = [](const char* name, const char* oldInput, const char* newInput,
                            const char* repeated, int kind, const QString& message,
                            const char* stored) {
            QTest::newRow(name) << oldInput << newInput << repeated << kind << message << stored;
        };
        row("both empty", "", "", "", error, fill, "Secret");
        row("new empty", "Secret", "", "", error, fill, "Secret");
        row("old empty", "", "Other", "Other", error, fill, "Secret");
        row("wrong old", "secret", "Other", "Other", error, invalid, "Secret");
        // A typo in either masked field must not become the password that locks the user out.
        row("typo in the repetition", "Secret", "Other", "Othre", error, differ, "Secret");
        row("repetition empty", "Secret", "Other", "", error, differ, "Secret");
        row("letter case of the repetition", "Secret", "Other", "other", error, differ, "Secret");
        row("changed", "Secret", "Other", "Other", static_cast<int>(BoxKind::Information),
            "Password changed", "Other");
    }

    void passwordChange() {
        QFETCH(QString, oldInput);
        QFETCH(QString, newInput);
        QFETCH(QString, repeated);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const auto run = start(settingsFile({"ADMINPASSWORD   = Secret", "PROMPTPASSWORD  = Y"}));
        TForm1& form = *run->form;
        form.FindControl(QStringLiteral("TEntryPassword"))->setText(QStringLiteral("Secret"));
        form.Click("BEnterPassword");
        form.FindControl(QStringLiteral("TOldPasswordInput"))->setText(oldInput);
        form.FindControl(QStringLiteral("TNewPasswordInput"))->setText(newInput);
        form.FindControl(QStringLiteral("TRepeatPasswordInput"))->setText(repeated);
        run->dialogs.expect(static_cast<BoxKind>(kind), message);
        form.Click(QStringLiteral("BChangePassword"));
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
        QTEST(run->state.settings.ReadConfig(QStringLiteral("ADMINPASSWORD")), "stored");
        // The fields keep what was typed.
        QCOMPARE(form.FindControl(QStringLiteral("TNewPasswordInput"))->text(), newInput);
    }

    void restrictionOnAndOff() {
        const auto run = start(settingsFile({"ADMINPASSWORD   = Secret", "PROMPTPASSWORD  = N"}));
        TForm1& form = *run->form;
        QVERIFY(form.FindControl(QStringLiteral("PasswordPanel"))->isHidden());
        QCOMPARE(enabledPasswordControls(form), 0);
        const QString box = QStringLiteral("CheckBox1");
        const QString activated = QStringLiteral(
            "Password request at entry activated.\r\rActually set password: \"quorvel\"");
        const SettingsStore& settings = run->state.settings;

        run->dialogs.expect(BoxKind::Warning, activated);
        ClickBox(form, box);
        QCOMPARE(settings.ReadConfig(QStringLiteral("ADMINPASSWORD")), QStringLiteral("quorvel"));
        QCOMPARE(settings.ReadConfig(QStringLiteral("PROMPTPASSWORD")), QStringLiteral("Y"));
        QCOMPARE(enabledPasswordControls(form), 10);

        ClickBox(form, box);
        QCOMPARE(settings.ReadConfig(QStringLiteral("PROMPTPASSWORD")), QStringLiteral("N"));
        QCOMPARE(enabledPasswordControls(form), 0);

        run->state.settings.WriteConfig(QStringLiteral("ADMINPASSWORD"), QStringLiteral("Again"));
        run->dialogs.expect(BoxKind::Warning, activated);
        ClickBox(form, box);
        QCOMPARE(settings.ReadConfig(QStringLiteral("ADMINPASSWORD")), QStringLiteral("quorvel"));
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));

        FormProbe::RefreshTick(form);  // the refresh writes the default port, an empty one here
        QVERIFY(form.RequestClose());
        QCOMPARE(ConfigIniBytes(folder_), QByteArray("RUNTIMES        = 6\r\n"
                                                     "ADMINPASSWORD   = quorvel\r\n"
                                                     "PROMPTPASSWORD  = Y\r\n"
                                                     "DEFAULTCOMPORT  = \r\n"));
    }

    void settingsBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* box, const char* key) {
            QTest::newRow(box) << QString(box) << QString(key);
        };
        row("CBViewValueScreen", "FIRSTISVALUES");
        row("CBWarnNoModify", "WARNNOMODIFY");
        row("CBViewOnlineLink", "ONLINEPLINK");
        row("CBCloseInfoPositiveRead", "NOCONFIRMREAD");
        row("CBCloseInfoPositiveWrite", "NOCONFIRMWRITE");
        row("CBAutoCheckUpdate", "AUTOUPDATE");
        row("CBWarnAdditionalInformation", "WARNNOINFO");
        row("CBVerifyWrite", "VERIFYWRITE");
    }

    void settingsBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, key);
        const auto run = start(settingsFile({}));
        const FormControl* check = run->form->FindControl(box);
        QVERIFY(!check->isChecked());
        QCOMPARE(run->state.settings.ReadConfig(key), QString());
        ClickBox(*run->form, box);
        QCOMPARE(run->state.settings.ReadConfig(key), QStringLiteral("Y"));
        ClickBox(*run->form, box);
        QCOMPARE(run->state.settings.ReadConfig(key), QStringLiteral("N"));
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
    }

    void rememberedInformation_data() {
        QTest::addColumn<bool>("remember");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("doneBy");
        QTest::addColumn<QString>("doneFor");
        QTest::newRow("remember")
            << true << "Inserted values were saved as default parameters for future use."
            << "Ann Smith"
            << "ACME";
        QTest::newRow("this session only")
            << false
            << "Inserted values will be used for Report Sheets done within this working session."
            << ""
            << "";
    }

    void rememberedInformation() {
        QFETCH(bool, remember);
        QFETCH(QString, message);
        const auto run = start(settingsFile({"DONEBY          = Old", "DONEFOR         = Old"}));
        TForm1& form = *run->form;
        form.FindControl(QStringLiteral("TDefaultDoneBy"))->setText(QStringLiteral("Ann Smith"));
        form.FindControl(QStringLiteral("TDefaultDoneFor"))->setText(QStringLiteral("ACME"));
        form.FindControl(QStringLiteral("CBDoneByDoneFor"))->setChecked(remember);
        run->dialogs.expect(BoxKind::Information, message);
        form.Click(QStringLiteral("BDoneByDoneFor"));
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
        QTEST(run->state.settings.ReadConfig(QStringLiteral("DONEBY")), "doneBy");
        QTEST(run->state.settings.ReadConfig(QStringLiteral("DONEFOR")), "doneFor");
        // The texts stay for this session's files and reports either way.
        QCOMPARE(form.FindControl(QStringLiteral("TDefaultDoneBy"))->text(),
                 QStringLiteral("Ann Smith"));
    }

    void refreshFollowsTheSession() {
        WindowBench bench(QStringLiteral("Q7383D"), 0, false);
        QVERIFY(bench.started);
        QVERIFY(WriteConfigIni(bench.home.path(), settingsFile({"NOCONFIRMREAD   = Y"})));
        bench.state.PortForThisRun = bench.port();
        TForm1& form = *bench.form;
        form.StartUp();
        const FormControl& pages = form.Control(QStringLiteral("PageControl1"));
        QCOMPARE(pages.items().value(0), QStringLiteral("Main"));

        // The running timer fills an emptied status panel.
        form.PointedAt(QString());
        QTRY_COMPARE(form.StatusPanel(0), QStringLiteral("Status : Ready"));
        QCOMPARE(enabledToolButtons(form), (QStringList{"TBOpenCom", "BitBtn3"}));
        QCOMPARE(pages.items().value(0), QStringLiteral("Configuration"));

        form.FormKeyDown(Qt::Key_F1);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
        QVERIFY(!form.ConfigurationEmpty);
        FormProbe::RefreshTick(form);
        QCOMPARE(enabledToolButtons(form), (QStringList{"TBOpenCom", "TBSaveCom", "BitBtn3",
                                                        "TBSaveFile", "BitBtn1", "TBClear"}));
        ChangeAValue(form);
        FormProbe::RefreshTick(form);
        QCOMPARE(pages.items().value(0), QStringLiteral("Configuration *"));

        form.FormKeyDown(Qt::Key_F7);
        QVERIFY(form.ConfigurationEmpty);
        FormProbe::RefreshTick(form);
        QCOMPARE(enabledToolButtons(form), (QStringList{"TBOpenCom", "BitBtn3"}));
        QCOMPARE(form.StatusPanel(2), QString());
        QCOMPARE(pages.items().value(0), QStringLiteral("Configuration"));

        // A key pressed before the refresh's tick finds the tool bar as that tick leaves it: F7
        // right after a read resets, where the still grey button would have lost it.
        form.FormKeyDown(Qt::Key_F1);
        QVERIFY(!form.Control(QStringLiteral("TBClear")).isEnabled());
        form.FormKeyDown(Qt::Key_F7);
        QVERIFY(form.ConfigurationEmpty);
        QVERIFY2(bench.dialogs.problems().isEmpty(), qPrintable(problems(bench.dialogs)));
    }

    void functionKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("configurationShown");
        QTest::addColumn<bool>("helpDisabled");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("resets");
        QTest::newRow("F8 opens the manual")
            << int(Qt::Key_F8) << false << false << false << 1 << 0;
        QTest::newRow("F8 while busy") << int(Qt::Key_F8) << true << false << false << 0 << 0;
        QTest::newRow("F8, button disabled") << int(Qt::Key_F8) << false << false << true << 0 << 0;
        QTest::newRow("F7 resets") << int(Qt::Key_F7) << false << true << false << 0 << 1;
        QTest::newRow("F7 while busy") << int(Qt::Key_F7) << true << true << false << 0 << 0;
        QTest::newRow("F7, nothing shown") << int(Qt::Key_F7) << false << false << false << 0 << 0;
        QTest::newRow("F9 is no tool key") << int(Qt::Key_F9) << false << true << false << 0 << 0;
    }

    void functionKeys() {
        QFETCH(int, key);
        QFETCH(bool, busy);
        QFETCH(bool, configurationShown);
        QFETCH(bool, helpDisabled);
        putManual(folder_);
        const auto run = start(settingsFile({}));
        TForm1& form = *run->form;
        form.ConfigurationEmpty = !configurationShown;
        FormProbe::RefreshTick(form);
        form.FindControl(QStringLiteral("TBHelp"))->setEnabled(!helpDisabled);
        // The window passes a key through the gate; "busy" presses it while another command runs.
        bool taken = false;
        const auto press = [&form, &taken, key] {
            taken = form.RunCommand([&form, key] { form.FormKeyDown(key); });
        };
        busy ? void(form.RunCommand(press)) : press();
        QCOMPARE(taken, !busy);
        QTEST(int(run->dialogs.openedUrls().size()), "opened");
        QTEST(logLinesEndingWith(form, QStringLiteral("Global reset")), "resets");
    }

    void links_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString manual = QStringLiteral("file:///DOC0417.pdf");  // in the program folder
        QTest::newRow("tool bar help") << "TBHelp" << manual;
        QTest::newRow("settings help") << "BitBtn4" << manual;
        QTest::newRow("web site") << "Label5"
                                  << "http://www.norvik.example";
        QTest::newRow("product page") << "LDataSheet"
                                      << "http://www.norvik.example/?pn=Q7383D";
    }

    void links() {
        QFETCH(QString, control);
        QFETCH(QString, address);
        putManual(folder_);
        const auto run = start(settingsFile({}));
        run->state.ModelCode = QStringLiteral("Q7383D");
        run->form->Click(control);
        QCOMPARE(run->dialogs.openedUrls().size(), 1);
        const QUrl opened = run->dialogs.openedUrls().constFirst();
        if (opened.isLocalFile()) {
            address.replace(QStringLiteral("file://"), QStringLiteral("file://") + folder_);
        }
        QCOMPARE(opened.toString(), address);
    }

    // Without the manual anywhere, F8 and both help buttons say where it was looked for and open
    // nothing.
    void missingManual_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("F8") << QString();
        QTest::newRow("tool bar help") << "TBHelp";
        QTest::newRow("settings help") << "BitBtn4";
    }

    void missingManual() {
        QFETCH(QString, control);
        const QDir tests(QCoreApplication::applicationDirPath());
        const QStringList places{
            folder_, QDir::cleanPath(tests.filePath(QStringLiteral("../share/kvc7345"))),
            tests.absolutePath()};
        for (const QString& place : places) {
            QVERIFY2(!QFileInfo::exists(QDir(place).filePath(QStringLiteral("DOC0417.pdf"))),
                     qPrintable(place));
        }
        const auto run = start(settingsFile({}));
        run->dialogs.expect(BoxKind::Warning,
                            QStringLiteral("The manual DOC0417.pdf was not found. It was looked "
                                           "for in:\r  ") +
                                places.join(QStringLiteral("\r  ")));
        if (control.isEmpty()) {
            run->form->FormKeyDown(Qt::Key_F8);
        } else {
            run->form->Click(control);
        }
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
        QVERIFY(run->dialogs.openedUrls().isEmpty());
    }

    // A desktop with no program for PDF documents: the box says where the manual is.
    void manualWithoutViewer() {
        putManual(folder_);
        const auto run = start(settingsFile({}));
        run->dialogs.failOpening();
        const QString manual = QDir(folder_).filePath(QStringLiteral("DOC0417.pdf"));
        run->dialogs.expect(BoxKind::Warning,
                            QStringLiteral("The manual could not be opened: no program for PDF "
                                           "documents was found.\rIt is ") +
                                manual);
        run->form->FormKeyDown(Qt::Key_F8);
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
        QCOMPARE(run->dialogs.openedUrls(), QList<QUrl>{QUrl::fromLocalFile(manual)});
    }

    // The same desktop and the links: the box names the address no program could open.
    void linksWithoutBrowserOrMailProgram_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("warning");
        QTest::newRow("web site") << "Label5"
                                  << "No web browser could open the page.\rIts address is " +
                                         MakerWebSite();
        QTest::newRow("e-mail") << "Label1"
                                << "No e-mail program could be started.\rWrite to " +
                                       MakerSupportAddress();
    }
    void linksWithoutBrowserOrMailProgram() {
        QFETCH(QString, link);
        QFETCH(QString, warning);
        const auto run = start(settingsFile({}));
        run->dialogs.failOpening();
        run->dialogs.expect(BoxKind::Warning, warning);
        run->form->Click(link);
        QVERIFY2(run->dialogs.problems().isEmpty(), qPrintable(problems(run->dialogs)));
    }

    // The program folder comes first, then the installed data folder, then the program's own.
    void manualFolders_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("applicationFolder");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("installed")
            << "/home/ann/.local/share/KVC7345"
            << "/usr/bin"
            << QStringList{"/home/ann/.local/share/KVC7345", "/usr/share/kvc7345", "/usr/bin"};
        QTest::newRow("build tree")
            << "/src/build"
            << "/src/build" << QStringList{"/src/build", "/src/share/kvc7345"};
        QTest::newRow("demo home")
            << "/tmp/demo"
            << "/opt/kvc/bin/"
            << QStringList{"/tmp/demo", "/opt/kvc/share/kvc7345", "/opt/kvc/bin"};
    }

    void manualFolders() {
        QFETCH(QString, programFolder);
        QFETCH(QString, applicationFolder);
        QTEST(ManualFolders(programFolder, applicationFolder), "folders");
    }

    void supportMail() {
        const auto run = start(settingsFile({}));
        run->form->Click(QStringLiteral("Label1"));
        QCOMPARE(run->dialogs.openedUrls().size(), 1);
        const QUrl mail = run->dialogs.openedUrls().constFirst();
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mail.path(), QStringLiteral("support@nvproducts.example"));
        QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject")),
                 QStringLiteral("Support for Software"));
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
