// What a command writes never destroys what is not its own: the file it reads, the program
// folder's logs and settings, a pipe or a device. What it cannot write is never passed off as done.

#include "link/PortNames.h"
#include "shell/FileWriting.h"
#include "support/ProgramProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Runs the program through the shell, so that its standard output can be redirected or closed.
ProcessOutcome runRedirected(const QString& home, const QStringList& arguments,
                             const QString& redirection) {
    QStringList quoted;
    for (const QString& argument : arguments) {
        quoted << QStringLiteral("'") + argument + QStringLiteral("'");
    }
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("exec '%1' %2 --home '%3' %4")
                     .arg(ProgramPath(), quoted.join(QLatin1Char(' ')), home, redirection)});
    shell.waitForFinished(60000);
    return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1, QString(),
            QString::fromUtf8(shell.readAllStandardError())};
}

}  // namespace

class TestOutputSafety : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString saved_;

  private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " has not been built"));
        saved_ = home_.filePath(QStringLiteral("saved.NVC"));
        // A Q7323S is among the quickest reads.
        QCOMPARE(RunProgram(home_.path(), {"read", "--demo", "Q7323S", "--out", saved_}).exitCode,
                 0);
        QVERIFY(QFile::link(saved_, home_.filePath(QStringLiteral("link.NVC"))));
        QVERIFY(QFile::copy(home_.filePath(QStringLiteral("log/config.log")),
                            home_.filePath(QStringLiteral("log/config_20261207_101010.log"))));
    }

    void outputThatWouldDestroyAFileIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("because");

        const QString log = QStringLiteral("log/config.log");
        QTest::newRow("the PDF onto the file read")
            << QStringList{"report", "saved.NVC", "--pdf", "saved.NVC"} << "saved.NVC"
            << "is the file this command reads";
        QTest::newRow("the PDF onto a link to the file read")
            << QStringList{"report", "saved.NVC", "--pdf", "./link.NVC"} << "saved.NVC"
            << "is the file this command reads";
        QTest::newRow("a read onto the configuration log")
            << QStringList{"read", "--demo", "Q7383D", "--out", "log/config.log"} << log
            << "is the program's own configuration log";
        QTest::newRow("a read onto the log by another path")
            << QStringList{"read", "--demo", "Q7383D", "--out", "log/../log/config.log"} << log
            << "is the program's own configuration log";
        QTest::newRow("a read onto a rotated copy")
            << QStringList{"read", "--demo", "Q7383D", "--out", "log/config_20261207_101010.log"}
            << "log/config_20261207_101010.log"
            << "is the program's own copy of its";
        QTest::newRow("a read onto the settings")
            << QStringList{"read", "--demo", "Q7383D", "--out", "config.ini"} << "config.ini"
            << "is the program's own settings file";
        QTest::newRow("a read onto the system log")
            << QStringList{"read", "--demo", "Q7383D", "--out", "log/system.log"}
            << "log/system.log"
            << "is the program's own system log";
    }
    void outputThatWouldDestroyAFileIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, kept);
        QFETCH(QString, because);
        const QString keptPath = home_.filePath(kept);
        const QByteArray before = contentOf(keptPath);
        // Relative names are the user's own spelling: resolved from the program folder here.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(home_.path());
        const ProcessOutcome outcome = RunProgram(home_.path(), arguments);
        QDir::setCurrent(previous);
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.err.contains(because), qPrintable(outcome.err));
        QCOMPARE(contentOf(keptPath), before);
    }

    // A pipe and a device node are written into as streams and stay what they were.
    void streamIsWrittenIntoNotReplaced() {
        const QTemporaryDir folder;
        const QString fifo = folder.filePath(QStringLiteral("pdf.fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.start(QStringLiteral("cat"), {fifo});
        QVERIFY(reader.waitForStarted());
        QCOMPARE(RunProgram(home_.path(), {"report", saved_, "--pdf", fifo}).exitCode, 0);
        QVERIFY(reader.waitForFinished(60000));
        QVERIFY(reader.readAllStandardOutput().startsWith("%PDF-1.4"));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());

        if (geteuid() != 0) {
            return;  // only root may make a device node; the pipe has shown the rule
        }
        const QString device = folder.filePath(QStringLiteral("null"));
        QCOMPARE(mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        // A configuration written the way a read writes its file: the entry the fixture logged.
        QCOMPARE(RunProgram(home_.path(), {"history", "show", "1", "--out", device}).exitCode, 0);
        struct stat status {};
        QCOMPARE(stat(QFile::encodeName(device).constData(), &status), 0);
        QVERIFY(S_ISCHR(status.st_mode));
    }

    void unwritableStandardOutputFails_data() {
        QTest::addColumn<QString>("redirection");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << ">/dev/full"
                                   << "No space left on device";
        QTest::newRow("closed") << ">&-"
                                << "Bad file descriptor";
    }
    void unwritableStandardOutputFails() {
        QFETCH(QString, redirection);
        QFETCH(QString, reason);
        const ProcessOutcome outcome = runRedirected(home_.path(), {"show", saved_}, redirection);
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.err.contains("Cannot write standard output: " + reason),
                 qPrintable(outcome.err));
    }

    void calibrationValuesAreCheckedBeforeTheInstruction() {
        const ProcessOutcome outcome =
            RunProgram(home_.path(), {"calibrate", "reference", "--demo", "Q7356S", "--reference",
                                      "40000", "--range", "10"});
        QCOMPARE(outcome.exitCode, 2);
        QVERIFY2(outcome.out.isEmpty(), qPrintable(outcome.out));
        QCOMPARE(outcome.err.count("Calibration Reference must be a whole number"), 1);
    }

    void reasonsNameWhatIsWrong() {
        QCOMPARE(SystemPortLocation("COM2147483648"), QString("/dev/ttyS2147483647"));
        QCOMPARE(SystemPortLocation("COM10"), QString("/dev/ttyS9"));
        QCOMPARE(SystemPortLocation("COM1"), QString("/dev/ttyS0"));

        const QTemporaryDir folder;
        const QString loop = folder.filePath("loop");
        QVERIFY(QFile::link(loop, loop));
        const ProcessOutcome outcome = RunProgram(folder.path(), {"identify", "--port", loop});
        QVERIFY2(outcome.err.contains(loop + " is a link that leads to no port"),
                 qPrintable(outcome.err));

        const FileWriteResult appended =
            AppendToFile(folder.filePath("gone/log/config.log"), "x", SystemDisk());
        QVERIFY(!appended.written);
        QVERIFY2(appended.reason.startsWith("the folder " + folder.filePath("gone/log")),
                 qPrintable(appended.reason));
    }
};

QTEST_GUILESS_MAIN(TestOutputSafety)
#include "tst_outputsafety.moc"
