// The update check and the installer download against a local HTTP server.

#include "support/ConfigurationFiles.h"
#include "support/ExpectedTexts.h"
#include "support/HttpTestServer.h"
#include "support/ProgramRun.h"
#include "support/ScriptedDialogs.h"

#include "form/TForm1.h"
#include "shell/ProgramState.h"
#include "update/UpdateServer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString ScriptPath = "/software/updates/kvc7345.php";
const QString InstallerPath = "/download/sw/kvc7345_amd64.deb";
const QString UpToDate = "The version you are using is updated.";
// "Search for updates" without a version: a warning, never "is updated".
QString unanswered(const QString& reason) {
    return "It was impossible to communicate with the update server, so it is not known whether "
           "a newer version exists.\r\r" +
           reason;
}
const QString Downloaded =
    "New version succesfully downloaded.\r\rTo proceed with the upgrade, press Ok and follow "
    "the instructions.\rPress Cancel to abort the process.";

QString availableOnDemand(const QString& dotted) {
    return "A new version of the KVC7345 (" + dotted +
           ") is available for download.\r\rPress Ok to start downloading or Cancel to continue "
           "with current version";
}

// A window model on a temporary program folder, online, with the maker's server on this
// machine.
struct UpdateBench {
    UpdateBench() {
        qputenv("KVC7345_SERVER", server.address().toLatin1());
        state.ProgramFolder = home.path();
        state.OnlineOverride = true;
        state.NetworkQuietLimit = std::chrono::milliseconds(400);
        form = std::make_unique<TForm1>(state);
    }
    // The program starts with the automatic check on, a run counted before and no ports to
    // list: the check is the start-up's only question.
    void startUp() {
        QVERIFY(WriteConfigIni(home.path(), "RUNTIMES        = 1\r\nAUTOUPDATE      = Y\r\n"));
        state.SearchedPorts = QStringList();
        form->StartUp();
    }
    QString text(const char* name) const { return form->Control(name).text(); }
    QString installer() const { return QDir(home.path()).filePath("kvc7345_setup.deb"); }
    QString problems() const { return dialogs.problems().join('\n'); }
    QString lastLog() const {
        return form->LogLines().isEmpty() ? QString() : form->LogLines().last().section(" - ", 1);
    }

    HttpTestServer server;
    QTemporaryDir home;
    ScriptedDialogs dialogs;
    ProgramState state{dialogs};
    std::unique_ptr<TForm1> form;
};

// A Debian package as far as its start tells: an ar archive with debian-binary first.
QByteArray debianPackage(int size) {
    QByteArray package =
        "!<arch>\ndebian-binary   1700000000  0     0     100644  4         `\n2.0\n";
    for (int i = package.size(); i < size; ++i) {
        package.append(char(i * 7 % 251));
    }
    return package;
}

HttpTestServer::Answer body(const QByteArray& bytes) {
    HttpTestServer::Answer answer;
    answer.body = bytes;
    return answer;
}

}  // namespace

class TestUpdates : public QObject {
    Q_OBJECT

  private slots:
    void addresses() {
        qunsetenv("KVC7345_SERVER");
        QCOMPARE(UpdateScriptAddress().toString(),
                 QString("https://www.nvproducts.example/software/updates/kvc7345.php"));
        qputenv("KVC7345_SERVER", "http://127.0.0.1:8080");
        QCOMPARE(InstallerAddress().toString(),
                 QString("http://127.0.0.1:8080/download/sw/kvc7345_amd64.deb"));
    }

    // "Search for updates" with what the script answers.
    void checkOnDemand_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<QString>("unknownBecause");  // "" when the server gave a version
        const QString noVersion = "the server's reply holds no version";
        QTest::newRow("newer") << 200 << QByteArray("140\n") << "1.4.0" << true << "";
        QTest::newRow("the same") << 200 << QByteArray("132") << "1.3.2" << false << "";
        QTest::newRow("13 and a lower digit") << 200 << QByteArray("131") << "1.3.1" << false << "";
        QTest::newRow("short reply") << 200 << QByteArray("14") << "N/A" << false << noVersion;
        QTest::newRow("error page")
            << 200 << QByteArray("<html>Server error</html>") << "N/A" << false << noVersion;
        QTest::newRow("not found") << 404 << QByteArray("404 Not Found") << "N/A" << false
                                   << "the server answered 404 Not Found";
    }
    void checkOnDemand() {
        QFETCH(int, status);
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        QFETCH(bool, newer);
        QFETCH(QString, unknownBecause);
        UpdateBench bench;
        HttpTestServer::Answer answer = body(reply);
        answer.status = status;
        answer.reason = status == 404 ? "Not Found" : "OK";
        bench.server.answer(ScriptPath, answer);
        if (newer) {
            bench.dialogs.expect(BoxKind::Confirmation, availableOnDemand(shown),
                                 BoxButtons::OkCancel, BoxAnswer::Cancel);
        } else if (!unknownBecause.isEmpty()) {
            bench.dialogs.expect(BoxKind::Warning, unanswered(unknownBecause));
        } else {
            bench.dialogs.expect(BoxKind::Information, UpToDate);
        }
        bench.form->Click("BSearchForUpdates");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.text("LUpdateServerVersionDx"), shown);
        QCOMPARE(bench.form->Control("LUpdateServerVersionDx").isBold(), newer);
        QCOMPARE(bench.form->Control("LUpdateServerVersionDownload").isVisible(), newer);
        QCOMPARE(bench.form->Control("BSearchForUpdates").isEnabled(), !newer);
        QCOMPARE(bench.text("BSearchForUpdates"),
                 newer ? QString("Update available!") : QString("Search for updates"));
        QCOMPARE(bench.lastLog() == "Found version 1.4.0 on server, please update.", newer);
        QCOMPARE(bench.server.requests(), QStringList{"GET " + ScriptPath});
        QCOMPARE(bench.server.lastUserAgent(),
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        // Disabled until the program starts again.
        if (newer) {
            bench.form->Click("BSearchForUpdates");
            QCOMPARE(bench.server.requests().size(), 1);
        }
    }

    void serverDownOnDemand() {
        UpdateBench bench;
        bench.server.close();
        bench.dialogs.expect(BoxKind::Warning, unanswered("Connection refused"));
        bench.form->Click("BSearchForUpdates");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.text("LUpdateServerVersionDx"), QString("N/A"));
    }

    // A server that takes the request and never answers: the check gives up, and the window's
    // events kept running all the while.
    void serverNeverAnswers() {
        UpdateBench bench;
        HttpTestServer::Answer silent;
        silent.silent = true;
        bench.server.answer(ScriptPath, silent);
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        bench.dialogs.expect(BoxKind::Warning,
                             unanswered("the server sent nothing for 0.4 seconds"));
        bench.form->Click("BSearchForUpdates");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.text("LUpdateServerVersionDx"), QString("N/A"));
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    }

    // The check at start-up, with AUTOUPDATE "Y".
    void checkAtStartUp_data() {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("autoUpdate");
        QTest::newRow("offline: nothing asked") << false << QByteArray("140") << -1 << "Y";
        QTest::newRow("server down, turn it off")
            << true << QByteArray() << int(BoxAnswer::Yes) << "N";
        QTest::newRow("server down, keep it") << true << QByteArray() << int(BoxAnswer::No) << "Y";
        QTest::newRow("newer, Ignore")
            << true << QByteArray("140") << int(BoxAnswer::Ignore) << "N";
        QTest::newRow("newer, Cancel")
            << true << QByteArray("140") << int(BoxAnswer::Cancel) << "Y";
        QTest::newRow("not newer: nothing asked") << true << QByteArray("132") << -1 << "Y";
    }
    void checkAtStartUp() {
        QFETCH(bool, online);
        QFETCH(QByteArray, reply);
        QFETCH(int, answer);
        QFETCH(QString, autoUpdate);
        UpdateBench bench;
        bench.state.OnlineOverride = online;
        if (reply.isEmpty()) {
            bench.server.close();
            bench.dialogs.expect(BoxKind::Plain, ExpectedUpdateUnreachable("Connection refused"),
                                 BoxButtons::YesNo, BoxAnswer(answer));
        } else {
            bench.server.answer(ScriptPath, body(reply));
            if (answer >= 0) {
                bench.dialogs.expect(BoxKind::Confirmation, ExpectedUpdateAvailableAtStart("1.4.0"),
                                     BoxButtons::OkCancelIgnore, BoxAnswer(answer));
            }
        }
        bench.startUp();
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.state.settings.ReadConfig("AUTOUPDATE"), autoUpdate);
        QCOMPARE(bench.server.requests().isEmpty(), !online || reply.isEmpty());
        const QString expectedLabel = reply.isEmpty() && online  ? "N/A"
                                      : reply == "140" && online ? "1.4.0"
                                                                 : "-";
        QCOMPARE(bench.text("LUpdateServerVersionDx"), expectedLabel);
    }

    // A server that never ends its reply holds the check only so long: a trickle is given up
    // after the total limit, and of a flood only the first line is read.
    void checkOfAnEndlessReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("dripMs");
        QTest::addColumn<qint64>("filler");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a byte at a time") << QByteArray(100, ' ') << 40 << qint64(0)
                                          << "the server took longer than 0.2 seconds to answer";
        QTest::newRow("version, then without end")
            << QByteArray("140\n") << 0 << qint64(64 * 1024 * 1024) << "";
    }
    void checkOfAnEndlessReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, dripMs);
        QFETCH(qint64, filler);
        QFETCH(QString, reason);
        UpdateBench bench;
        bench.state.UpdateCheckLimit = std::chrono::milliseconds(200);
        HttpTestServer::Answer answer = body(reply);
        answer.announcedLength = HttpTestServer::NoLength;
        answer.dripMs = dripMs;
        answer.filler = filler;
        bench.server.answer(ScriptPath, answer);
        if (reason.isEmpty()) {
            bench.dialogs.expect(BoxKind::Confirmation, ExpectedUpdateAvailableAtStart("1.4.0"),
                                 BoxButtons::OkCancelIgnore, BoxAnswer::Cancel);
        } else {
            bench.dialogs.expect(BoxKind::Plain, ExpectedUpdateUnreachable(reason),
                                 BoxButtons::YesNo, BoxAnswer::No);
        }
        bench.startUp();
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(bench.text("LUpdateServerVersionDx"), reason.isEmpty() ? "1.4.0" : "N/A");
        // The check hung up long before the server ran out of bytes.
        if (filler > 0) {
            QVERIFY2(bench.server.bytesSent(ScriptPath) < filler / 4,
                     qPrintable(QString::number(bench.server.bytesSent(ScriptPath))));
        }
    }

    // The installer: used only when it came whole; otherwise the one before stays and nothing
    // is opened.
    void download_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<int>("stallAfter");
        QTest::addColumn<int>("dripMs");
        QTest::addColumn<QString>("reason");
        const QByteArray package = debianPackage(120000);
        QTest::newRow("complete") << 200 << package << qint64(-1) << -1 << 0 << "";
        QTest::newRow("not found")
            << 404 << package << qint64(-1) << -1 << 0 << "the server answered 404 Not Found";
        QTest::newRow("empty") << 200 << QByteArray() << qint64(-1) << -1 << 0
                               << "the server sent an empty file";
        QTest::newRow("truncated") << 200 << package << qint64(123000) << -1 << 0
                                   << "the server sent 120000 of 123000 bytes";
        QTest::newRow("stalls") << 200 << package << qint64(-1) << 1000 << 0
                                << "the server sent nothing for 0.4 seconds";
        QTest::newRow("an HTML page")
            << 200 << QByteArray("<html><body>Page not found</body></html>") << qint64(-1) << -1
            << 0 << "the server sent 40 bytes that are not a Debian package";
        QTest::newRow("another archive")
            << 200 << QByteArray(package).replace(8, 16, "control.tar.gz  ") << qint64(-1) << -1
            << 0 << "the server sent 120000 bytes that are not a Debian package";
        QTest::newRow("too short for an installer")
            << 200 << debianPackage(6000) << qint64(-1) << -1 << 0
            << "the server sent only 6000 bytes, too few for an installer";
        // A byte each 20 ms never lets the quiet limit pass; the whole download is timed.
        QTest::newRow("drips, length announced")
            << 200 << package << qint64(-1) << 100 << 20
            << "the server took longer than 0.3 seconds to send the installer";
        QTest::newRow("drips, no length")
            << 200 << package << HttpTestServer::NoLength << 100 << 20
            << "the server took longer than 0.5 seconds to send the installer";
    }
    void download() {
        QFETCH(int, status);
        QFETCH(QByteArray, sent);
        QFETCH(qint64, announced);
        QFETCH(int, stallAfter);
        QFETCH(int, dripMs);
        QFETCH(QString, reason);
        UpdateBench bench;
        if (dripMs > 0) {
            // 120000 bytes at the least rate take 200 ms, after an allowance of 100 ms.
            bench.state.DownloadAllowance = std::chrono::milliseconds(100);
            bench.state.DownloadMinimumRate = 600000;
            bench.state.DownloadLimitWithoutLength = std::chrono::milliseconds(500);
        }
        HttpTestServer::Answer answer = body(sent);
        answer.status = status;
        answer.reason = status == 200 ? "OK" : "Not Found";
        answer.announcedLength = announced;
        answer.stallAfter = stallAfter;
        answer.dripMs = dripMs;
        bench.server.answer(InstallerPath, answer);
        PutFile(bench.home.path(), "kvc7345_setup.deb", "earlier installer");
        QSignalSpy closing(bench.form.get(), &TForm1::closeNow);

        if (reason.isEmpty()) {
            bench.dialogs.expect(BoxKind::Information, Downloaded, BoxButtons::OkCancel,
                                 BoxAnswer::Ok);
        } else {
            bench.dialogs.expect(BoxKind::Warning,
                                 "The new version could not be downloaded.\r\r" + reason +
                                     "\r\rNothing was started, and an installer downloaded "
                                     "earlier was kept.");
        }
        bench.form->Click("LUpdateServerVersionDownload");
        QVERIFY2(bench.problems().isEmpty(), qPrintable(bench.problems()));
        QCOMPARE(FileBytes(bench.installer()),
                 reason.isEmpty() ? sent : QByteArray("earlier installer"));
        QCOMPARE(
            bench.dialogs.openedUrls(),
            reason.isEmpty() ? QList<QUrl>{QUrl::fromLocalFile(bench.installer())} : QList<QUrl>{});
        QCOMPARE(closing.size(), reason.isEmpty() ? 1 : 0);
        QCOMPARE(bench.lastLog() == "Downloaded New Version!", reason.isEmpty());
        QVERIFY(bench.form->AcceptsInput());
        // Nothing half-written is left beside it.
        QCOMPARE(QDir(bench.home.path()).entryList(QDir::Files), QStringList{"kvc7345_setup.deb"});
    }
};

QTEST_GUILESS_MAIN(TestUpdates)
#include "tst_updates.moc"
