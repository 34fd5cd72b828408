// The window driven with real keys: what the user types is what is written and saved, one bad
// entry gives one warning, the clock runs during a read, closing waits for the read, Tab follows
// the groups and the Ctrl keys turn the pages.

#include "catalogue/ValueFormat.h"
#include "form/TForm1.h"
#include "link/ModuleTag.h"
#include "shell/ModuleAccess.h"
#include "support/ExpectedTexts.h"
#include "support/FormProbe.h"
#include "support/WindowBench.h"
#include "window/MainWindow.h"
#include "window/WidgetDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include <utility>

Q_DECLARE_METATYPE(BoxButtons)
Q_DECLARE_METATYPE(BoxAnswer)

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The line of `bytes` that starts with `key`, without its line end ("" when there is none).
QByteArray lineOf(const QByteArray& bytes, const QByteArray& key) {
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith(key)) {
            return line.endsWith('\r') ? line.chopped(1) : line;
        }
    }
    return {};
}

// Reads the module into the window through F1 and closes the status box.
void readWithF1(WindowBench& bench, ConfiguratorWindow& window) {
    // The last operation's result panel is closed first: the F-keys do nothing behind it.
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_F1);
    bench.form->Click(QStringLiteral("BStatus"));
    // The half-second timer enables the tools that need a configuration on screen.
    FormProbe::RefreshTick(*bench.form);
    bench.engine().clearCommands();
}

// Calls `act` with the message box once it is open: the box runs its own event loop, in which
// this looks for it until it is there.
void whenBoxOpens(std::function<void(QWidget*)> act) {
    auto* look = new QTimer;
    look->setInterval(5);
    QObject::connect(look, &QTimer::timeout, [look, act = std::move(act)] {
        if (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box->isVisible()) {
            look->stop();
            look->deleteLater();
            act(box);
        }
    });
    look->start();
}

// Focus for an edit that an off-screen window would not give on its own.
QLineEdit* focusedEdit(ConfiguratorWindow& window, const char* name) {
    auto* field = window.Find<QLineEdit>(QString::fromLatin1(name));
    window.activateWindow();
    field->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    return field;
}

// The main page's groups in the order Tab visits them.
const QStringList GroupsInTabOrder{"GBInput",       "GBOutput",      "GBAlarmA", "GBAlarmB",
                                   "GBChannelTags", "GBCalibration", "GBModbus"};

}  // namespace

class TestWindowInput : public QObject {
    Q_OBJECT

  private slots:
    // Return answers a question with its default button: No where Yes would discard work.
    void returnAnswersWithTheDefaultButton_data() {
        QTest::addColumn<BoxButtons>("buttons");
        QTest::addColumn<BoxAnswer>("answer");
        QTest::newRow("discarding question") << BoxButtons::YesNoDefaultNo << BoxAnswer::No;
        QTest::newRow("plain question") << BoxButtons::YesNo << BoxAnswer::Yes;
    }

    void returnAnswersWithTheDefaultButton() {
        QFETCH(BoxButtons, buttons);
        QFETCH(BoxAnswer, answer);
        WidgetDialogs dialogs;
        whenBoxOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(dialogs.message(BoxKind::Warning, QStringLiteral("Lose changes?"), buttons),
                 answer);
    }

    // A key still held from before (its release never came) repeats into the next box: the
    // box must stay until a fresh press answers it.
    void aRepeatedKeyDoesNotAnswerABox() {
        WidgetDialogs dialogs;
        bool stayedAfterRepeat = false;
        whenBoxOpens([&stayedAfterRepeat](QWidget* box) {
            QWidget* target = box->focusWidget() != nullptr ? box->focusWidget() : box;
            QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(target, &repeated);
            QApplication::processEvents();
            stayedAfterRepeat = box->isVisible();
            QTest::keyClick(target, Qt::Key_Return);
        });
        QCOMPARE(dialogs.message(BoxKind::Warning, QStringLiteral("Closing"), BoxButtons::OkCancel),
                 BoxAnswer::Ok);
        QVERIFY(stayedAfterRepeat);
    }

    void typedValueIsValidatedBeforeTheCommand_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F2 writes it") << int(Qt::Key_F2);
        QTest::newRow("F4 saves it") << int(Qt::Key_F4);
    }

    // -2 is below the sensor's minimum: the command must use the clamped value the field then
    // shows, never the raw text.
    void typedValueIsValidatedBeforeTheCommand() {
        QFETCH(int, key);
        WindowBench bench(QStringLiteral("Q7383D"), 6149);
        ConfiguratorWindow window(*bench.form);
        window.show();
        readWithF1(bench, window);

        QLineEdit* field = focusedEdit(window, "TDownscale1");
        const QString held = field->text();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("-9999"));
        QCOMPARE(bench.form->Control(QStringLiteral("TDownscale1")).text(),
                 QStringLiteral("-9999"));
        const QString saved = QDir(bench.home.path()).filePath(QStringLiteral("typed.NVC"));
        bench.dialogs.answerFileDialog(saved);
        QTest::keyClick(field, static_cast<Qt::Key>(key));

        const QString shown = bench.form->Control(QStringLiteral("TDownscale1")).text();
        QCOMPARE(field->text(), shown);
        QVERIFY(shown != QStringLiteral("-9999"));
        // Exactly the minimum warning of the field, before the command went on.
        QCOMPARE(bench.dialogs.shown().size(), 1);
        QVERIFY(bench.dialogs.shown().constFirst().text.startsWith(
            QStringLiteral("Downscale 1 for specified sensor has a minimum allowed value of")));
        if (key == Qt::Key_F2) {
            QVERIFY2(bench.engine().commands().size() > 4, "the write did not run");
            QVERIFY(bench.configurationLog().contains(
                QByteArray("Downscale 1                              = ") + shown.toLatin1()));
        } else {
            QVERIFY(fileBytes(saved).contains(
                QByteArray("Downscale 1                              = ") + shown.toLatin1()));
        }
    }

    void tourWritesTheTypedValueToTheDemoModule_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("temperature converter") << "Q7383D"
                                               << "TDownscale1"
                                               << "12.5";
        QTest::newRow("trip amplifier") << "Q7324S"
                                        << "TDownscale1"
                                        << "2.500";
        QTest::newRow("load cell") << "Q7356S"
                                   << "TCalReference"
                                   << "1234";
    }

    // The README's tour on a demo module, named as the program names it: F1, type a value,
    // F2 without leaving the field, F1 again shows the typed value.
    void tourWritesTheTypedValueToTheDemoModule() {
        QFETCH(QString, model);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        WindowBench bench(model);
        bench.state.DemoPort = bench.port();
        bench.state.DemoPortCaption = QStringLiteral("demo %1 (simulated)").arg(model);
        ConfiguratorWindow window(*bench.form);
        window.show();
        readWithF1(bench, window);

        QLineEdit* edit = focusedEdit(window, field.toLatin1().constData());
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_F2);
        QCOMPARE(bench.form->StatusPanel(0),
                 QStringLiteral("Status: New Configuration Uploaded Correctly"));
        readWithF1(bench, window);
        QCOMPARE(edit->text(), typed);
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join('\n')));
    }

    // The read's result panel in front: the F-keys and the tool bar leave the form alone, and
    // Enter or Escape close the panel.
    void resultPanelTakesTheKeysWhileInFront_data() {
        QTest::addColumn<int>("closingKey");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void resultPanelTakesTheKeysWhileInFront() {
        QFETCH(int, closingKey);
        WindowBench bench(QStringLiteral("Q7383D"));
        ConfiguratorWindow window(*bench.form);
        window.show();
        QTest::keyClick(&window, Qt::Key_F1);
        FormProbe::RefreshTick(*bench.form);  // enables the tools a shown configuration needs
        QVERIFY(bench.form->StatusPanelInFront());
        QTest::keyClick(&window, Qt::Key_F7);
        bench.form->Click(QStringLiteral("TBClear"));
        QVERIFY(!bench.form->ConfigurationEmpty);
        QTest::keyClick(&window, static_cast<Qt::Key>(closingKey));
        QVERIFY(!bench.form->StatusPanelInFront());
        QTest::keyClick(&window, Qt::Key_F7);
        QVERIFY(bench.form->ConfigurationEmpty);
    }

    void tagFieldTakesTypingAtOnce_data() {
        QTest::addColumn<QString>("moduleTag");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tag");
        QTest::newRow("blank tag, typed at the end") << "" << int(Qt::Key_End) << "PUMP 1"
                                                     << "PUMP 1";
        QTest::newRow("blank tag, typed at the start") << "" << int(Qt::Key_Home) << "PUMP 1"
                                                       << "PUMP 1";
        QTest::newRow("short tag, typed at the end") << "AB" << int(Qt::Key_End) << "C"
                                                     << "ABC";
    }

    // The module pads its tag with blanks to 16 characters: the field must not look empty
    // while being full, so typing into it works without selecting all first.
    void tagFieldTakesTypingAtOnce() {
        QFETCH(QString, moduleTag);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(QString, tag);
        WindowBench bench(QStringLiteral("Q7383D"), 6149);
        QVERIFY(WriteTag(bench.state, 1, moduleTag).written);
        ConfiguratorWindow window(*bench.form);
        window.show();
        readWithF1(bench, window);
        QCOMPARE(bench.form->Control(QStringLiteral("TTag1")).text(),
                 moduleTag.leftJustified(TagLength, QLatin1Char(' ')));

        QLineEdit* field = focusedEdit(window, "TTag1");
        QCOMPARE(field->text(), moduleTag);
        QTest::keyClick(field, static_cast<Qt::Key>(key));
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), tag);
        QCOMPARE(bench.form->Control(QStringLiteral("TTag1")).text(), tag);
    }

    void untouchedBlankTagKeepsItsBlanks_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F2 writes it") << int(Qt::Key_F2);
        QTest::newRow("F4 saves it") << int(Qt::Key_F4);
    }

    // A tag only visited goes out exactly as the module gave it: 16 blanks.
    void untouchedBlankTagKeepsItsBlanks() {
        QFETCH(int, key);
        WindowBench bench(QStringLiteral("Q7383D"), 6149);
        ConfiguratorWindow window(*bench.form);
        window.show();
        readWithF1(bench, window);
        focusedEdit(window, "TTag1");
        QLineEdit* other = focusedEdit(window, "TDownscale1");
        const QString saved = QDir(bench.home.path()).filePath(QStringLiteral("blank.NVC"));
        if (key == Qt::Key_F4) {
            bench.dialogs.answerFileDialog(saved);
        }
        QTest::keyClick(other, static_cast<Qt::Key>(key));

        const QString blanks(TagLength, QLatin1Char(' '));
        QCOMPARE(bench.form->Control(QStringLiteral("TTag1")).text(), blanks);
        if (key == Qt::Key_F2) {
            QCOMPARE(bench.form->StatusPanel(0),
                     QStringLiteral("Status: New Configuration Uploaded Correctly"));
            QVERIFY(bench.engine().commands().join(',').contains(
                TagWriteCommands(1, blanks).join(',')));
        } else {
            QCOMPARE(lineOf(fileBytes(saved), "TAG1 "),
                     QByteArray("TAG1                                     = ") + blanks.toLatin1());
        }
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join('\n')));
    }

    // A demo's settings end with its run: the search keeps the port it finds for the run and
    // asks nothing.
    void demoSearchAsksNothing() {
        WindowBench bench(QStringLiteral("Q7383D"));
        bench.state.DemoPort = bench.port();
        bench.state.DemoPortCaption = QStringLiteral("demo Q7383D (simulated)");
        bench.state.SearchedPorts = QStringList{bench.port()};
        ConfiguratorWindow window(*bench.form);
        window.show();
        bench.state.settings.WriteConfig(QStringLiteral("DEFAULTCOMPORT"),
                                         QStringLiteral("/dev/ttyS9"));
        window.Find<QPushButton>(QStringLiteral("BAutoDetect"))->click();
        QCOMPARE(bench.dialogs.shown().size(), 0);
        QCOMPARE(bench.state.settings.ReadConfig(QStringLiteral("DEFAULTCOMPORT")), bench.port());
    }

    // Tab goes from the tool bar through the groups in the order they are read: input, output
    // and limits, alarms, tags, calibration, Modbus; row by row and left to right in a group.
    void tabFollowsTheGroups() {
        WindowBench bench(QStringLiteral("Q7383D"));
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        readWithF1(bench, window);
        window.activateWindow();
        window.widgetNamed(QStringLiteral("TBHelp"))->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QStringList visited;
        int lastPlace = -1;
        QPoint lastSpot;
        for (int press = 0; press < 200; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* stop = QApplication::focusWidget();
            const int place =
                stop != nullptr ? int(GroupsInTabOrder.indexOf(stop->parentWidget()->objectName()))
                                : -1;
            if (place < 0) {
                break;
            }
            visited << stop->objectName();
            const QPoint spot(stop->x(), stop->y());
            QVERIFY2(place > lastPlace ||
                         (place == lastPlace &&
                          std::pair(spot.y(), spot.x()) > std::pair(lastSpot.y(), lastSpot.x())),
                     qPrintable(visited.join(QLatin1Char(' '))));
            lastPlace = place;
            lastSpot = spot;
        }
        QVERIFY2(visited.contains(QStringLiteral("TTag2")) &&
                     visited.contains(QStringLiteral("TDownscale1")),
                 qPrintable(visited.join(QLatin1Char(' '))));
    }

    // Ctrl+Tab and Ctrl+PageDown show the next page, Ctrl+Shift+Tab and Ctrl+PageUp the
    // previous one, through the model and also from a drop-down, whose value stays.
    void ctrlKeysTurnThePages_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("page");
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+Shift+Tab")
            << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 3;
        QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 3;
    }

    void ctrlKeysTurnThePages() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, page);
        WindowBench bench(QStringLiteral("Q7383D"));
        ConfiguratorWindow window(*bench.form);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        readWithF1(bench, window);
        auto* sensor = window.Find<QComboBox>(QStringLiteral("CInputTm1"));
        QVERIFY(sensor->isEnabled());
        const int chosen = sensor->currentIndex();
        window.activateWindow();
        sensor->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), sensor);
        QTest::keyClick(sensor, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(bench.form->Control(QStringLiteral("PageControl1")).currentIndex(), page);
        QCOMPARE(window.Find<QTabWidget>(QStringLiteral("PageControl1"))->currentIndex(), page);
        QCOMPARE(sensor->currentIndex(), chosen);
        QCOMPARE(bench.form->Control(QStringLiteral("CInputTm1")).currentIndex(), chosen);
    }

    void oneBadEntryGivesOneWarning() {
        WindowBench bench(QStringLiteral("Q7383D"), 6149);
        ConfiguratorWindow window(*bench.form);
        window.show();
        readWithF1(bench, window);
        QLineEdit* field = focusedEdit(window, "TDownscale1");
        const QString held = field->text();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("abc"));
        bench.dialogs.expect(BoxKind::Warning,
                             QStringLiteral("Please insert only numeric values."));
        // Leaving the field by the keyboard: one focus loss, one validation.
        focusedEdit(window, "TUpscale1");
        QCOMPARE(bench.dialogs.shown().size(), 1);
        // The field shows again the value the configuration kept.
        QCOMPARE(field->text(), held);
        QVERIFY2(bench.dialogs.problems().isEmpty(),
                 qPrintable(bench.dialogs.problems().join('\n')));
    }

    void clockRunsDuringARead() {
        WindowBench bench(QStringLiteral("Q7383D"), 6149, true);
        ConfiguratorWindow window(*bench.form);
        window.show();
        auto* clock = window.Find<QLabel>(QStringLiteral("StatusBar1Panel3"));
        QStringList seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (seen.isEmpty() || seen.last() != clock->text()) {
                seen << clock->text();
            }
        });
        watch.start(50);
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(!bench.form->ConfigurationEmpty);
        // A paced read takes over two seconds: the one-second clock must have moved meanwhile.
        QVERIFY2(seen.size() >= 2, qPrintable(seen.join(QLatin1Char(' '))));
    }

    void closingDuringAReadWaitsForIt() {
        WindowBench bench(QStringLiteral("Q7383D"), 6149, true);
        const QString ini = QDir(bench.home.path()).filePath(QStringLiteral("config.ini"));
        {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RUNTIMES        = 1\r\n");
        }
        const QByteArray iniBefore = fileBytes(ini);
        const QString systemLog =
            QDir(bench.home.path()).filePath(QStringLiteral("log/system.log"));
        ConfiguratorWindow window(*bench.form);
        window.show();

        bool untouchedWhileReading = true;
        bool closeRefused = false;
        // The paced read runs inside the key click below and lasts over two seconds: any moment
        // of it will do for the close, and the timer can fire only within it.
        QTimer::singleShot(300, &window, [&] {
            closeRefused = !window.close();
            untouchedWhileReading = fileBytes(ini) == iniBefore && !QFile::exists(systemLog);
        });
        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(closeRefused);
        QVERIFY(untouchedWhileReading);
        // The read stopped at the next exchange, long before the whole configuration came.
        QVERIFY(bench.form->ConfigurationEmpty);
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(fileBytes(ini) != iniBefore);
        QVERIFY(QFile::exists(systemLog));
    }
};

QTEST_MAIN(TestWindowInput)
#include "tst_windowinput.moc"
