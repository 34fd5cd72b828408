// The installed program: `cmake --install` into a temporary prefix lays out the program, its
// module, the shipped data, the manual, the desktop entry, the icons, the man page and the
// completion; the program installed there runs and seeds its program folder from that prefix.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Outcome outcome;
    if (process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError()) + process.errorString();
    return outcome;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;
    QString root_;

    QString installed(const QString& relative) const { return QDir(root_).filePath(relative); }

    // The installed program with its own HOME and data folders below `home`, no display.
    Outcome runInstalled(const QString& home, const QStringList& arguments) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("KVC7345_HOME"));
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QDir(home).filePath("data"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return runTool(installed(QStringLiteral("bin/kvc7345")), arguments, environment);
    }

  private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        root_ = prefix_.path();
        const Outcome install =
            runTool(QStringLiteral(KVC7345_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(KVC7345_BUILD_DIR),
                     QStringLiteral("--prefix"), root_});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    void layout_data() {
        QTest::addColumn<QString>("path");
        for (const char* path : {
                 "bin/kvc7345",
                 "bin/kvc7345-modsim",
                 "lib/kvc7345/plugins/kvc7345browser.so",
                 "lib/kvc7345/plugins/kvc7345charts.so",
                 "share/kvc7345/config.ini",
                 "share/kvc7345/DOC0417.pdf",
                 "share/kvc7345/factorydefaults/Q7383D.NVC",
                 "share/applications/kvc7345.desktop",
                 "share/icons/hicolor/scalable/apps/kvc7345.svg",
                 "share/man/man1/kvc7345.1.gz",
                 "share/man/man1/kvc7345-modsim.1.gz",
                 "share/doc/kvc7345/copyright",
                 "share/doc/kvc7345/changelog.gz",
                 "share/metainfo/io.github.norvik.kvc7345.metainfo.xml",
                 "share/bash-completion/completions/kvc7345",
             }) {
            QTest::newRow(path) << QString::fromLatin1(path);
        }
    }

    void layout() {
        QFETCH(QString, path);
        const QFileInfo file(installed(path));
        QVERIFY2(file.isFile(), qPrintable(path));
        QVERIFY(file.size() > 0);
        if (path.startsWith(QLatin1String("bin/"))) {
            QVERIFY(file.isExecutable());
        }
    }

    void shippedDataIsTheRepositorysData() {
        const QDir shipped(QStringLiteral(KVC7345_DATA_DIR));
        QCOMPARE(fileBytes(installed(QStringLiteral("share/kvc7345/config.ini"))),
                 fileBytes(shipped.filePath(QStringLiteral("config.ini"))));
        const QStringList defaults =
            QDir(shipped.filePath(QStringLiteral("factorydefaults"))).entryList(QDir::Files);
        QVERIFY(!defaults.isEmpty());
        QCOMPARE(
            QDir(installed(QStringLiteral("share/kvc7345/factorydefaults"))).entryList(QDir::Files),
            defaults);
        // Only what a program folder is seeded with, and the manual.
        QCOMPARE(QDir(installed(QStringLiteral("share/kvc7345")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"config.ini", "DOC0417.pdf", "factorydefaults"}));
    }

    void iconSizes_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QTest::addRow("%dx%d", size, size) << size;
        }
    }

    void iconSizes() {
        QFETCH(int, size);
        const QString path =
            installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/kvc7345.png").arg(size));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(size, size));
        // Drawn, not blank: the middle of the icon is the module's panel.
        const QImage image = reader.read();
        QVERIFY(qAlpha(image.pixel(size / 2, size / 2)) > 0);
        QVERIFY(qAlpha(image.pixel(0, 0)) == 0);
    }

    void desktopEntry() {
        const QString entry = installed(QStringLiteral("share/applications/kvc7345.desktop"));
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty()) {
            QSKIP("desktop-file-validate is not installed (scripts/install-deps.sh adds it)");
        }
        const Outcome validation = runTool(validator, {entry});
        QVERIFY2(validation.exitCode == 0 && validation.out.isEmpty(),
                 qPrintable(validation.out + validation.err));
        const QStringList lines = QString::fromUtf8(fileBytes(entry)).split(QLatin1Char('\n'));
        for (const char* line :
             {"Name=KVC7345 Configurator", "Exec=kvc7345", "Icon=kvc7345", "Type=Application"}) {
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        }
    }

    // The installed program prints the same catalogue as the one in the build tree.
    void installedProgramRunsParameters() {
        QTemporaryDir home;
        const Outcome installedRun = runInstalled(home.path(), {QStringLiteral("parameters")});
        QCOMPARE(installedRun.exitCode, 0);
        const Outcome built = runTool(QStringLiteral(KVC7345_PROGRAM), {"parameters"});
        QCOMPARE(built.exitCode, 0);
        QCOMPARE(installedRun.out, built.out);
        QVERIFY(installedRun.out.count(QLatin1Char('\n')) >= 70);
    }

    // With no --home, the program folder of an installed program is the per-user data folder,
    // seeded from the prefix's share/kvc7345; with --home, that folder, seeded the same way.
    // The prefix's bin/ stays untouched even though this one can be written.
    void installedProgramSeedsItsFolder_data() {
        QTest::addColumn<bool>("withHome");
        QTest::newRow("per-user data folder") << false;
        QTest::newRow("--home") << true;
    }

    void installedProgramSeedsItsFolder() {
        QFETCH(bool, withHome);
        QTemporaryDir home;
        const QString folder = withHome
                                   ? QDir(home.path()).filePath(QStringLiteral("bench"))
                                   : QDir(home.path()).filePath(QStringLiteral("data/KVC7345"));
        QStringList arguments{
            QStringLiteral("show"),
            installed(QStringLiteral("share/kvc7345/factorydefaults/Q7383D.NVC"))};
        if (withHome) {
            arguments << QStringLiteral("--home") << folder;
        }
        const Outcome shown = runInstalled(home.path(), arguments);
        QVERIFY2(shown.exitCode == 0, qPrintable(shown.err));
        QVERIFY(shown.out.contains(QLatin1String("Q7383D")));
        QCOMPARE(fileBytes(QDir(folder).filePath(QStringLiteral("factorydefaults/Q7383D.NVC"))),
                 fileBytes(installed(QStringLiteral("share/kvc7345/factorydefaults/Q7383D.NVC"))));
        QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("config.ini"))));
        QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("log"))).isDir());
        // The manual stays in the prefix, where an update of the package replaces it.
        QVERIFY(!QFileInfo::exists(QDir(folder).filePath(QStringLiteral("DOC0417.pdf"))));
        QVERIFY(!QFileInfo::exists(installed(QStringLiteral("bin/config.ini"))));
    }

    // The manual is a PDF document of several A4 pages holding the manual's chapters.
    void manualIsAReadablePdf() {
        const QString manual = installed(QStringLiteral("share/kvc7345/DOC0417.pdf"));
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdfinfo.isEmpty() || pdftotext.isEmpty()) {
            QSKIP("poppler-utils is not installed (scripts/install-deps.sh adds it)");
        }
        const Outcome info = runTool(pdfinfo, {manual});
        QCOMPARE(info.exitCode, 0);
        QVERIFY(info.out.contains(QLatin1String("(A4)")));
        int pages = 0;
        for (const QString& line : info.out.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Pages:"))) {
                pages = line.mid(6).trimmed().toInt();
            }
        }
        QVERIFY2(pages >= 5, qPrintable(info.out));
        const Outcome text = runTool(pdftotext, {manual, QStringLiteral("-")});
        QCOMPARE(text.exitCode, 0);
        for (const char* chapter : {"Connecting a module", "dialout", "The main window",
                                    "Live values", "Load-cell calibration", "The Settings page",
                                    "The command line", "The simulated module"}) {
            QVERIFY2(text.out.contains(QLatin1String(chapter)), chapter);
        }
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
