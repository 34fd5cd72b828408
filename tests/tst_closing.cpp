// The program run as the user runs it, with real message boxes: whatever the start showed (the
// first run's welcome or nothing), a closing that cannot save the settings or the log says so,
// and the program ends only once the user has answered.

#include "RunWindow.h"
#include "support/ConfigurationFiles.h"
#include "support/ProgramRun.h"
#include "window/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

enum class Fault { SettingsInTheWay, LogFolderIsAFile, SystemLogInTheWay };

// Plays the user: answers every box (Cancel where offered, else OK), and once the start is over
// puts the fault in place and closes the main window.
class User : public QObject {
  public:
    User(bool firstRun, Fault fault, QString folder)
        : firstRun_(firstRun), fault_(fault), folder_(std::move(folder)) {
        connect(&tick_, &QTimer::timeout, this, &User::act);
        tick_.start(10);
    }

    QStringList boxes;

  private:
    void act() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (box->isVisible() && !answered_.contains(box)) {
                answered_ << box;
                boxes << box->text();
                QAbstractButton* cancel = box->button(QMessageBox::Cancel);
                (cancel != nullptr ? cancel : box->buttons().first())->click();
            }
            return;
        }
        if (closing_ || (firstRun_ && boxes.isEmpty())) {
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<ConfiguratorWindow*>(widget);
                window != nullptr && window->isVisible()) {
                closing_ = true;
                putFault();
                // Not from inside this tick: the closing's boxes need the ticks to be answered.
                QTimer::singleShot(0, window, &QWidget::close);
            }
        }
    }

    void putFault() const {
        const QDir folder(folder_);
        switch (fault_) {
            case Fault::SettingsInTheWay:
                QFile::remove(folder.filePath("config.ini"));
                folder.mkpath("config.ini/in-the-way");
                break;
            case Fault::LogFolderIsAFile:
                QDir(folder.filePath("log")).removeRecursively();
                PutFile(folder_, "log", "not a folder");
                break;
            case Fault::SystemLogInTheWay:
                folder.mkpath("log/system.log/in-the-way");
                break;
        }
    }

    QTimer tick_;
    bool firstRun_;
    Fault fault_;
    QString folder_;
    bool closing_ = false;
    QList<QMessageBox*> answered_;
};

QByteArray shippedSettings(int runs) {
    QByteArray bytes = FileBytes(QDir(QStringLiteral(KVC7345_DATA_DIR)).filePath("config.ini"));
    return bytes.replace("RUNTIMES        = 0", "RUNTIMES        = " + QByteArray::number(runs));
}

}  // namespace

Q_DECLARE_METATYPE(Fault)

class TestClosing : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qputenv("KVC7345_SERVER", "http://www.norvik.example"); }

    void closingErrorsAreShown_data() {
        QTest::addColumn<int>("runs");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("closingBox");
        const QString settings = QStringLiteral("KVC7345 configuration could not be saved to\n");
        const QString log =
            QStringLiteral("The log of this session could not be added to the system log.\n");
        QTest::newRow("first run, config.ini") << 0 << Fault::SettingsInTheWay << settings;
        QTest::newRow("first run, log folder") << 0 << Fault::LogFolderIsAFile << log;
        QTest::newRow("first run, system.log") << 0 << Fault::SystemLogInTheWay << log;
        QTest::newRow("later run, config.ini") << 5 << Fault::SettingsInTheWay << settings;
        QTest::newRow("later run, log folder") << 5 << Fault::LogFolderIsAFile << log;
    }

    void closingErrorsAreShown() {
        QFETCH(int, runs);
        QFETCH(Fault, fault);
        QFETCH(QString, closingBox);
        QTemporaryDir home;
        QVERIFY(WriteConfigIni(home.path(), shippedSettings(runs)));
        QVERIFY(QDir(home.path()).mkpath("log"));

        User user(runs == 0, fault, home.path());
        QCOMPARE(RunWindow({"--home", home.path()}), 0);

        QCOMPARE(user.boxes.size(), runs == 0 ? 2 : 1);
        if (runs == 0) {
            QVERIFY(user.boxes.first().startsWith("Welcome to KVC 7345 Configurator"));
        }
        QVERIFY2(user.boxes.last().startsWith(closingBox), qPrintable(user.boxes.last()));
    }
};

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
