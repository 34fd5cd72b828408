// The start of the program on a program folder and its closing: config.ini read and rewritten,
// the run counter and the welcome, the rescue set, the settings restored into the window.

#include "shell/ProgramFolder.h"
#include "support/ExpectedTexts.h"
#include "support/FormControls.h"
#include "support/FormProbe.h"
#include "support/HttpTestServer.h"
#include "support/ProgramRun.h"
#include "support/WindowBench.h"
#include "window/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Site = QStringLiteral("http://www.norvik.example");

const QString Welcome = QStringLiteral(
    "Welcome to KVC 7345 Configurator for Norvik Isolators Series Q7300 and V7300.\r\r"
    "For a quick start, follow these steps:\r\r"
    "      1. Connect your module to the KPT5532 using Cable LNK0307;\r"
    "      2. Use RS-232 Cable LNK0310 or equivalent to connect the KPT5532 to your computer;\r"
    "      3. Manually choose the COM Port or follow the auto-detect option;\r\r"
    "Norvik thanks you for choosing its products: please visit http://www.norvik.example for "
    "tutorials and updates.");

const QString Rescue = QStringLiteral(
    "Configuration File (config.ini) was not found.\rA rescue set of configuration values will be "
    "used.\rIf problem persists, try reinstalling the KVC7345.");

QByteArray shipped() {
    QFile file(QDir(QStringLiteral(KVC7345_DATA_DIR)).filePath(QStringLiteral("config.ini")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped file with one value changed.
QByteArray shippedWith(const char* line, const char* replacement) {
    QByteArray bytes = shipped();
    bytes.replace(line, replacement);
    return bytes;
}

QString notFoundAtClosing(const QString& folder) {
    return QStringLiteral("config.ini file was not found in \r") + ShownFolder(folder) +
           QStringLiteral("\r\rKVC7345 configuration cannot be updated");
}

QString problems(const ScriptedDialogs& dialogs) {
    return dialogs.problems().join(QLatin1Char('\n'));
}

}  // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;
    QString folder_;

    // A freshly installed program folder: the shipped config.ini and the empty folders.
    void install(const QByteArray& settings) {
        QVERIFY(WriteConfigIni(folder_, settings));
        QCOMPARE(ResolveProgramFolder(folder_), folder_);
    }

  private slots:
    void initTestCase() {
        qputenv("KVC7345_SERVER", Site.toLatin1());
        QLocale::setDefault(QLocale::c());
        QVERIFY(!shipped().isEmpty());
    }

    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        folder_ = QDir(home_->path()).absolutePath();
    }

    void firstRunsCountUp() {
        install(shipped());
        for (int start = 0; start < 3; ++start) {
            ProgramRun run(folder_);
            if (start == 0) {
                run.dialogs.expect(BoxKind::Information, Welcome);
            }
            run.form->StartUp();
            QCOMPARE(run.state.settings.ReadConfig(QStringLiteral("RUNTIMES")),
                     QString::number(start + 1));
            QVERIFY(run.form->RequestClose());
            QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
            // Nothing else of the file changes: it reads back as it was written.
            const QByteArray counted = "RUNTIMES        = " + QByteArray::number(start + 1);
            QCOMPARE(ConfigIniBytes(folder_), shippedWith("RUNTIMES        = 0", counted));
        }
    }

    void windowAfterStart() {
        install(shipped());
        ProgramRun run(folder_);
        run.dialogs.expect(BoxKind::Information, Welcome);
        run.form->StartUp();
        const TForm1& form = *run.form;
        QCOMPARE(form.Control(QStringLiteral("TForm1")).text(),
                 QStringLiteral("Norvik KVC7345 Configurator [1.3.2]"));
        const QStringList& log = form.LogLines();
        QVERIFY(log.size() >= 1);
        QVERIFY(log.first().endsWith(QStringLiteral("] - KVC7345 1.3.2 started")));
        QCOMPARE(form.FindControl(QStringLiteral("LUpdateInstalledVersionDx"))->text(),
                 QStringLiteral("1.3.2"));
        const QString today = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(form.FindControl(QStringLiteral("LDateRight"))->text(), today);
        QCOMPARE(form.Configuration().date, today);
        QVERIFY(form.AcceptsInput());
        QCOMPARE(form.ConfigurationEmpty, true);
        QCOMPARE(run.state.link.ComPortName, QStringLiteral("COM1"));
        QCOMPARE(form.Control(QStringLiteral("PageControl1")).currentIndex(), 0);
        QVERIFY(form.FindControl(QStringLiteral("PasswordPanel"))->isHidden());
        QVERIFY(form.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        for (const char* refresh : {"CBRefresh1", "CBRefresh2"}) {
            QCOMPARE(form.FindControl(QLatin1String(refresh))->currentText(),
                     QStringLiteral("200"));
        }
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
    }

    void rescueSet_data() {
        QTest::addColumn<QByteArray>("settings");  // "(missing)": no config.ini
        QTest::newRow("no config.ini") << QByteArray("(missing)");
        QTest::newRow("empty config.ini") << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\nRUNTIMES        = 0\r\n");
    }

    void rescueSet() {
        QFETCH(QByteArray, settings);
        if (settings != "(missing)") {
            install(settings);
        }
        ProgramRun run(folder_);
        run.dialogs.expect(BoxKind::Error, Rescue);  // and no welcome: the rescue RUNTIMES is 2
        run.form->StartUp();
        // Boxes never ticked before take the next free slots.
        ClickBox(*run.form, QStringLiteral("CBWarnNoModify"));
        ClickBox(*run.form, QStringLiteral("CBAutoCheckUpdate"));
        const SettingsStore& store = run.state.settings;
        QCOMPARE(store.ConfigKeys(12), QStringLiteral("NOCONFIRMWRITE"));
        QCOMPARE(store.ConfigKeys(13), QStringLiteral("WARNNOMODIFY"));
        QCOMPARE(store.ConfigValues(13), QStringLiteral("Y"));
        QCOMPARE(store.ConfigKeys(14), QStringLiteral("AUTOUPDATE"));
        QCOMPARE(store.ConfigValues(14), QStringLiteral("Y"));

        const QByteArray rescued(
            "ADMINPASSWORD   = quorvel\r\n"
            "DEFAULTCOMPORT  = COM1\r\n"
            "PROMPTPASSWORD  = N\r\n"
            "POPUPREPORT     = N\r\n"
            "FIRSTISVALUES   = N\r\n"
            "WARNNOINFO      = N\r\n"
            "RUNTIMES        = 3\r\n"
            "ONLINEPLINK     = Y\r\n"
            "DONEBY          = \r\n"
            "DONEFOR         = \r\n"
            "NOCONFIRMREAD   = N\r\n"
            "NOCONFIRMWRITE  = N\r\n"
            "WARNNOMODIFY    = Y\r\n"
            "AUTOUPDATE      = Y\r\n");
        if (settings == "(missing)") {
            // The settings of this run cannot be kept: the user is told at closing.
            run.dialogs.expect(BoxKind::Plain, notFoundAtClosing(folder_));
        }
        QVERIFY(run.form->RequestClose());
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
        QCOMPARE(ConfigIniBytes(folder_), settings == "(missing)" ? settings : rescued);
    }

    void handEditedFileIsWrittenBackClean() {
        install("DEFAULTCOMPORT = COM3\r\nRUNTIMES = 4\r\n");
        for (int start = 0; start < 2; ++start) {
            ProgramRun run(folder_);
            run.form->StartUp();
            QCOMPARE(run.state.link.ComPortName, QStringLiteral("COM3"));
            FormProbe::RefreshTick(*run.form);
            FormProbe::RefreshTick(*run.form);
            QCOMPARE(run.form->FindControl(QStringLiteral("LDefaultComPort"))->text(),
                     QStringLiteral("COM3"));
            QVERIFY(run.form->RequestClose());
            QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
            QCOMPARE(ConfigIniBytes(folder_), "DEFAULTCOMPORT  = COM3\r\nRUNTIMES        = " +
                                                  QByteArray::number(5 + start) + "\r\n");
        }
    }

    void damagedCounterGreetsAgain_data() {
        QTest::addColumn<QByteArray>("runtimes");
        QTest::newRow("not a number") << QByteArray("RUNTIMES        = many");
        QTest::newRow("empty") << QByteArray("RUNTIMES        = ");
    }

    void damagedCounterGreetsAgain() {
        QFETCH(QByteArray, runtimes);
        install(shippedWith("RUNTIMES        = 0", runtimes));
        ProgramRun run(folder_);
        run.dialogs.expect(BoxKind::Information, Welcome);
        run.form->StartUp();
        QCOMPARE(run.state.settings.ReadConfig(QStringLiteral("RUNTIMES")), QStringLiteral("1"));
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
    }

    void unreadableFileIsLeftAlone() {
        const QByteArray zeros(200, '\0');
        install(zeros);
        ProgramRun run(folder_);
        run.dialogs.expect(
            BoxKind::Error,
            QStringLiteral("Configuration File (config.ini) could not be read:\r") +
                QDir::toNativeSeparators(QDir(folder_).filePath(QStringLiteral("config.ini"))) +
                QStringLiteral("\r(it is not a text file)\rA rescue set of configuration values "
                               "will be used; the file is left as it is and settings changed now "
                               "will not be saved."));
        run.form->StartUp();
        QCOMPARE(run.state.settings.ReadConfig(QStringLiteral("ADMINPASSWORD")),
                 QStringLiteral("quorvel"));
        QVERIFY(run.form->RequestClose());
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
        QCOMPARE(ConfigIniBytes(folder_), zeros);
    }

    void failedSaveCanBeRetried() {
        install(shipped());
        ProgramRun run(folder_);
        run.dialogs.expect(BoxKind::Information, Welcome);
        run.form->StartUp();
        // Something in the way of the new file: a folder where config.ini stood.
        const QString path = QDir(folder_).filePath(QStringLiteral("config.ini"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(folder_).mkpath(QStringLiteral("config.ini/kept")));
        QSaveFile probe(path);
        const bool opened = probe.open(QIODevice::WriteOnly);
        const QString reason = opened && probe.commit() ? QString() : probe.errorString();
        QVERIFY(!reason.isEmpty());
        const QString text = QStringLiteral("KVC7345 configuration could not be saved to\r") +
                             QDir::toNativeSeparators(path) + QStringLiteral("\r(") + reason +
                             QStringLiteral(
                                 ")\rThe file keeps the settings it had before this "
                                 "session.");
        run.dialogs.expect(BoxKind::Error, text, BoxButtons::RetryCancel, BoxAnswer::Retry);
        run.dialogs.expect(BoxKind::Error, text, BoxButtons::RetryCancel, BoxAnswer::Cancel);
        QVERIFY(run.form->RequestClose());
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
        QVERIFY(QFileInfo(QDir(path).filePath(QStringLiteral("kept"))).isDir());
    }

    void settingsBoxesRestored_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("ticked");
        const auto row = [](const char* name, const char* line, const char* box, bool ticked) {
            QTest::newRow(name) << QByteArray(line) << QString(box) << ticked;
        };
        row("online link", "ONLINEPLINK     = Y", "CBViewOnlineLink", true);
        row("online link off", "ONLINEPLINK     = N", "CBViewOnlineLink", false);
        row("warn no info", "WARNNOINFO      = Y", "CBWarnAdditionalInformation", true);
        row("close after read", "NOCONFIRMREAD   = Y", "CBCloseInfoPositiveRead", true);
        row("close after write", "NOCONFIRMWRITE  = Y", "CBCloseInfoPositiveWrite", true);
        row("warn no modify", "WARNNOMODIFY    = Y", "CBWarnNoModify", true);
        row("auto update", "AUTOUPDATE      = Y", "CBAutoCheckUpdate", true);
        row("lower-case y is no", "AUTOUPDATE      = y", "CBAutoCheckUpdate", false);
        row("values page first", "FIRSTISVALUES   = Y", "CBViewValueScreen", true);
        row("verify after writing", "VERIFYWRITE     = Y", "CBVerifyWrite", true);
    }

    void settingsBoxesRestored() {
        QFETCH(QByteArray, line);
        QFETCH(QString, box);
        QFETCH(bool, ticked);
        // The shipped file with the line put in place of its own key, or added at the end.
        QByteArray settings = shippedWith("RUNTIMES        = 0", "RUNTIMES        = 5");
        const QByteArray key = line.left(16);
        const qsizetype at = settings.indexOf(key);
        if (at >= 0) {
            settings.replace(at, settings.indexOf("\r\n", at) - at, line);
        } else {
            settings += line + "\r\n";
        }
        install(settings);
        ProgramRun run(folder_);
        run.form->StartUp();
        QCOMPARE(run.form->FindControl(box)->isChecked(), ticked);
        QCOMPARE(run.form->Control(QStringLiteral("PageControl1")).currentIndex(),
                 box == QLatin1String("CBViewValueScreen") ? 1 : 0);
        QVERIFY(run.form->RequestClose());
        // Ticking at start-up writes the same value back: the file is as it was, but counted.
        QCOMPARE(ConfigIniBytes(folder_),
                 QByteArray(settings).replace("RUNTIMES        = 5", "RUNTIMES        = 6"));
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
    }

    void rememberedInformation_data() {
        QTest::addColumn<QByteArray>("doneBy");
        QTest::addColumn<QByteArray>("doneFor");
        QTest::addColumn<bool>("remember");
        QTest::newRow("both") << QByteArray("Ann Smith") << QByteArray("ACME") << true;
        QTest::newRow("done for only") << QByteArray() << QByteArray("ACME") << true;
        QTest::newRow("neither") << QByteArray() << QByteArray() << false;
    }

    void rememberedInformation() {
        QFETCH(QByteArray, doneBy);
        QFETCH(QByteArray, doneFor);
        install(shippedWith("RUNTIMES        = 0", "RUNTIMES        = 5")
                    .replace("DONEBY          = ", "DONEBY          = " + doneBy)
                    .replace("DONEFOR         = ", "DONEFOR         = " + doneFor));
        ProgramRun run(folder_);
        run.form->StartUp();
        QCOMPARE(run.form->FindControl(QStringLiteral("TDefaultDoneBy"))->text(),
                 QString::fromLatin1(doneBy));
        QCOMPARE(run.form->FindControl(QStringLiteral("TDefaultDoneFor"))->text(),
                 QString::fromLatin1(doneFor));
        QTEST(run.form->FindControl(QStringLiteral("CBDoneByDoneFor"))->isChecked(), "remember");
    }

    void portNamedForTheRun_data() {
        QTest::addColumn<QString>("chosenMeanwhile");
        QTest::addColumn<QByteArray>("savedPort");
        QTest::newRow("kept for the run only") << QString() << QByteArray("COM3");
        QTest::newRow("user chose another port") << "COM5" << QByteArray("COM5");
    }

    void portNamedForTheRun() {
        QFETCH(QString, chosenMeanwhile);
        install(shippedWith("COM1", "COM3").replace("RUNTIMES        = 0", "RUNTIMES        = 5"));
        ProgramRun run(folder_);
        run.state.PortForThisRun = QStringLiteral("/dev/pts/77");
        run.form->StartUp();
        QCOMPARE(run.state.link.ComPortName, QStringLiteral("/dev/pts/77"));
        if (!chosenMeanwhile.isEmpty()) {
            run.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"), chosenMeanwhile);
        }
        FormProbe::RefreshTick(*run.form);
        QVERIFY(run.form->RequestClose());
        QFETCH(QByteArray, savedPort);
        QVERIFY(ConfigIniBytes(folder_).contains("DEFAULTCOMPORT  = " + savedPort + "\r\n"));
    }

    // While the update check waits for the server, nothing the user does reaches the module,
    // and with the password required the cover is up before any page can be used.
    void noInputDuringStartUp() {
        HttpTestServer server;
        HttpTestServer::Answer late;
        late.body = "132";
        late.delayMs = 1000;
        server.answer(QStringLiteral("/software/updates/kvc7345.php"), late);
        qputenv("KVC7345_SERVER", server.address().toLatin1());
        const auto siteAgain = qScopeGuard([] { qputenv("KVC7345_SERVER", Site.toLatin1()); });
        WindowBench bench(QStringLiteral("Q7383D"));
        QVERIFY(WriteConfigIni(bench.home.path(),
                               "ADMINPASSWORD   = Secret\r\n"
                               "DEFAULTCOMPORT  = " +
                                   bench.port().toLatin1() +
                                   "\r\n"
                                   "PROMPTPASSWORD  = Y\r\n"
                                   "RUNTIMES        = 5\r\n"
                                   "AUTOUPDATE      = Y\r\n"));
        bench.state.OnlineOverride = true;
        bench.state.SearchedPorts = QStringList();  // the port list probes nothing
        TForm1& form = *bench.form;
        ConfiguratorWindow window(form);
        auto* pages = window.Find<QTabWidget>(QStringLiteral("PageControl1"));
        const auto clickValuesTab = [pages] {
            QTabBar* tabs = pages->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        };
        bool tried = false;
        QTimer::singleShot(300, &window, [&] {
            clickValuesTab();
            window.Find<QAbstractButton>(QStringLiteral("BStartReadValues"))->click();
            QTest::keyClick(&window, Qt::Key_F1);
            tried = true;
        });
        window.show();
        form.StartUp();
        QVERIFY(tried);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(bench.engine().commands(), QStringList());
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(form.Control(QStringLiteral("PageControl1")).currentIndex(), 0);

        // Input is taken once the start-up has ended, the cover in front of the pages.
        QTRY_VERIFY(form.AcceptsInput());
        QVERIFY(!form.FindControl(QStringLiteral("PasswordPanel"))->isHidden());
        clickValuesTab();
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(bench.engine().commands(), QStringList());
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join(QLatin1Char('\n'))));
    }

    // Every start-up the settings can ask for ends in a window that reads: the first run or a
    // settled one, the password cover or none, the update check off, on without a connection,
    // failing or offering a version the user declines, the Values page first or not. Boxes are
    // answered at once, before the window could paint behind them. The user types the password
    // where asked and presses F1 on the real window; the read reaches the configuration log, and
    // every page has been built without being asked for.
    void everyStartUpEndsInAWindowThatReads_data() {
        QTest::addColumn<bool>("firstRun");
        QTest::addColumn<bool>("password");
        QTest::addColumn<int>("update");
        QTest::addColumn<bool>("valuesFirst");
        const char* updates[] = {"no update check", "update check offline", "update server fails",
                                 "newer declined"};
        for (const bool firstRun : {true, false}) {
            for (const bool password : {false, true}) {
                for (int update = 0; update < 4; ++update) {
                    for (const bool valuesFirst : {false, true}) {
                        QTest::addRow("%s, %s, %s, %s", firstRun ? "first run" : "settled",
                                      password ? "password" : "no password", updates[update],
                                      valuesFirst ? "Values first" : "Main first")
                            << firstRun << password << update << valuesFirst;
                    }
                }
            }
        }
    }

    void everyStartUpEndsInAWindowThatReads() {
        QFETCH(bool, firstRun);
        QFETCH(bool, password);
        QFETCH(int, update);
        QFETCH(bool, valuesFirst);
        enum { NoCheck, Offline, ServerFails, NewerDeclined };
        const auto yes = [](bool flag) { return QByteArray(flag ? "Y" : "N"); };
        HttpTestServer server;
        if (update == NewerDeclined) {
            HttpTestServer::Answer newer;
            newer.body = "140";
            server.answer(QStringLiteral("/software/updates/kvc7345.php"), newer);
        } else {
            server.close();
        }
        qputenv("KVC7345_SERVER", server.address().toLatin1());
        const auto siteAgain = qScopeGuard([] { qputenv("KVC7345_SERVER", Site.toLatin1()); });

        WindowBench bench(QStringLiteral("Q7383D"));
        QVERIFY(bench.started);
        QVERIFY(WriteConfigIni(
            bench.home.path(),
            shipped()
                    .replace("quorvel", "Secret")
                    .replace("COM1", bench.port().toLatin1())
                    .replace("PROMPTPASSWORD  = N", "PROMPTPASSWORD  = " + yes(password))
                    .replace("FIRSTISVALUES   = N", "FIRSTISVALUES   = " + yes(valuesFirst))
                    .replace("RUNTIMES        = 0",
                             firstRun ? "RUNTIMES        = 0" : "RUNTIMES        = 5") +
                "AUTOUPDATE      = " + yes(update != NoCheck) + "\r\n"));
        bench.state.OnlineOverride = update != Offline;
        bench.state.SearchedPorts = QStringList{bench.port()};
        ScriptedDialogs& dialogs = bench.dialogs;
        if (update == ServerFails) {
            dialogs.expect(BoxKind::Plain,
                           ExpectedUpdateUnreachable(QStringLiteral("Connection refused")),
                           BoxButtons::YesNo, BoxAnswer::No);
        } else if (update == NewerDeclined) {
            dialogs.expect(BoxKind::Confirmation,
                           ExpectedUpdateAvailableAtStart(QStringLiteral("1.4.0")),
                           BoxButtons::OkCancelIgnore, BoxAnswer::Cancel);
        }
        if (firstRun) {
            dialogs.expect(BoxKind::Information, QString(Welcome).replace(Site, server.address()));
        }

        TForm1& form = *bench.form;
        ConfiguratorWindow window(form);
        window.show();
        form.StartUp();
        QTRY_VERIFY(form.AcceptsInput());
        QCOMPARE(form.Control(QStringLiteral("CDefaultComPort")).items(),
                 QStringList{bench.port()});
        auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        QTRY_COMPARE(pages->currentIndex(), valuesFirst ? 1 : 0);
        // Built once the window is on screen, with or without the cover in front of them.
        for (const char* onEveryPage : {"BStartReadValues", "CBViewOnlineLink", "LMakerName"}) {
            QTRY_VERIFY2(window.findChild<QWidget*>(QLatin1String(onEveryPage)) != nullptr,
                         onEveryPage);
        }

        auto* cover = window.findChild<QWidget*>(QStringLiteral("PasswordPanel"));
        QCOMPARE(cover->isVisible(), password);
        if (password) {
            QCOMPARE(form.StatusPanel(0),
                     QStringLiteral("Status: Insert password to start working session"));
            auto* entry = window.findChild<QLineEdit*>(QStringLiteral("TEntryPassword"));
            QTest::keyClicks(entry, QStringLiteral("Secret"));
            QTest::keyClick(entry, Qt::Key_Return);
            QVERIFY(!cover->isVisible());
            QCOMPARE(form.StatusPanel(0), QStringLiteral("Status: Ready"));
        }
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : pages, Qt::Key_F1);
        QTRY_VERIFY(bench.configurationLog().contains("Q7383D"));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
    }

    void closingTheWindowSavesTheSettings() {
        install(shippedWith("RUNTIMES        = 0", "RUNTIMES        = 8"));
        ProgramRun run(folder_);
        ConfiguratorWindow window(*run.form);
        window.show();
        run.form->StartUp();
        QVERIFY(window.close());
        QVERIFY(ConfigIniBytes(folder_).contains("RUNTIMES        = 9\r\n"));
        QVERIFY2(run.dialogs.problems().isEmpty(), qPrintable(problems(run.dialogs)));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
