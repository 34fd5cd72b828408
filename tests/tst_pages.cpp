#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <memory>

#include "form/TForm1.h"
#include "shell/MakerSite.h"
#include "shell/ProgramState.h"
#include "support/ScriptedDialogs.h"
#include "window/ChartHost.h"
#include "window/MainWindow.h"
#include "window/Pages.h"
#include "window/ProgramModules.h"
#include "window/WidgetFactory.h"
#include "window/WindowStyle.h"

namespace {

// The text a user reads on a component: label, button, group title, or tab caption of a page.
QString captionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    for (auto* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (const auto* tabs = qobject_cast<const QTabWidget*>(parent)) {
            const int index = tabs->indexOf(const_cast<QWidget*>(widget));
            return index >= 0 ? tabs->tabText(index) : QString();
        }
    }
    return {};
}

}  // namespace

class TestPages : public QObject {
    Q_OBJECT

    std::unique_ptr<QTabWidget> window_;

    template <class W = QWidget>
    W* find(const QString& name) {
        auto* widget = window_->findChild<W*>(name);
        if (!widget) {
            qWarning("no component %s", qPrintable(name));
        }
        return widget;
    }

  private slots:
    void initTestCase() {
        QFont font(QStringLiteral("MS Sans Serif"), 8);  // the main window's font
        font.setStyleHint(QFont::SansSerif);
        QApplication::setFont(font);
        widgets::UseWindowStyle();  // as the main window does
        window_ = std::make_unique<QTabWidget>();
        window_->resize(745, 639);
        window_->addTab(new QWidget, QStringLiteral("Main"));
        const auto page = [this](const char* name, const char* caption) {
            auto* sheet = new QWidget;
            sheet->setObjectName(QString::fromLatin1(name));
            window_->addTab(sheet, QString::fromLatin1(caption));
            return sheet;
        };
        BuildValuesPage(page("TabSheet2", "Values"));
        BuildSettingsPage(page("TabSheet3", "Settings"));
        BuildAboutPage(page("TabSheet4", "About"));
    }

    void componentHasClassAndCaption_data() {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* name, const char* type, const QString& caption) {
            QTest::newRow(name) << QByteArray(type) << caption;
        };
        // Values page.
        row("LStartReadValues", "QLabel",
            "Please connect isolator and click button below to start Input reading session");
        row("BStartReadValues", "QPushButton", "");
        row("PageControl2", "QTabWidget", "");
        row("TabSheet5", "QWidget", "CHANNEL 1");
        row("TabSheet6", "QWidget", "CHANNEL 2");
        for (const QString n : {"1", "2"}) {
            const auto at = [&n](const char* pattern) {
                return QString::fromLatin1(pattern).arg(n);
            };
            row(qPrintable(at("Chart%1")), "ChartHost", "");
            row(qPrintable(at("BReadValue%1")), "QPushButton", "START");
            row(qPrintable(at("CBRefresh%1")), "QComboBox", "");
            row(qPrintable(at("LRefresh%1_sx")), "QLabel", "Refresh rate [ms]:");
            row(qPrintable(at("LModelRV%1_sx")), "QLabel", "Model:");
            row(qPrintable(at("LModelRV%1_dx")), "QLabel", "-");
            row(qPrintable(at("LSensor%1OnScreen_sx")), "QLabel", "Sensor:");
            row(qPrintable(at("LSensor%1OnScreen_dx")), "QLabel", "-");
            row(qPrintable(at("LInput%1CurrentValue_sx")), "QLabel", "Value:");
            row(qPrintable(at("LInput%1CurrentValue")), "QLabel", "-");
            row(qPrintable(at("LInput%1CurrentValue_DIM")), "QLabel", "");
            for (const char* statistic : {"Max", "Min", "Avg"}) {
                const QString name = QStringLiteral("LReadValue%1%2").arg(statistic, n);
                row(qPrintable(name + "_sx"), "QLabel", QString::fromLatin1(statistic) + ':');
                row(qPrintable(name), "QLabel", "");
            }
        }
        row("Lstatus1_sx", "QLabel", "Status:");
        row("Lstatus1_dx", "QLabel", "Idle");
        row("LStatus2_sx", "QLabel", "Status:");
        row("LStatus2_dx", "QLabel", "Idle");

        // Settings page.
        row("GBAdministration", "QGroupBox", "   SECURITY   ");
        row("CheckBox1", "QCheckBox", "");
        row("LActivatePassword", "QLabel", "Activate Password Restriction");
        row("LAdministration1", "QLabel",
            "A password for accessing this software can be set to avoid unauthorized access. Use "
            "the form below to change Administration Password. ");
        row("LAdministration2", "QLabel", "Note: passwords are Case-Sensitive");
        row("LAdministration3", "QLabel", " (i.e: 'PASSWORD' is different from 'password')");
        row("LOldPassword", "QLabel", "Old:");
        row("TOldPasswordInput", "QLineEdit", "");
        row("LNewPassword", "QLabel", "New:");
        row("TNewPasswordInput", "QLineEdit", "");
        row("BChangePassword", "QPushButton", "Modify");
        row("GBVariousSettings", "QGroupBox", "   VARIOUS   ");
        row("CBViewValueScreen", "QCheckBox", "View 'Values' screen at opening");
        row("CBWarnNoModify", "QCheckBox", "Warn when writing unmodified configuration");
        row("CBViewOnlineLink", "QCheckBox",
            "Show link to online product information when connected to the internet");
        row("CBCloseInfoPositiveRead", "QCheckBox",
            "Automatically close confirm dialog after reading configuration");
        row("CBCloseInfoPositiveWrite", "QCheckBox",
            "Automatically close confirm dialog after writing configuration");
        row("CBAutoCheckUpdate", "QCheckBox", "Automatically check for updates at startup");
        row("CBVerifyWrite", "QCheckBox", "Verify after writing");
        row("GBAdditionalINformation", "QGroupBox", "   ADDITIONAL INFORMATION   ");
        row("LDefaultDoneBy", "QLabel", "Configuration done by: ");
        row("TDefaultDoneBy", "QLineEdit", "");
        row("LDefaultDoneFor", "QLabel", "Configuration done for: ");
        row("TDefaultDoneFor", "QLineEdit", "");
        row("CBDoneByDoneFor", "QCheckBox", "remember next time");
        row("BDoneByDoneFor", "QPushButton", "Save");
        row("CBWarnAdditionalInformation", "QCheckBox",
            "Warn if information is found empty before saving");
        row("BGComPortSettings", "QGroupBox", "   COM PORT SETTINGS   ");
        row("LComPortInfo1", "QLabel",
            "The COM Port is the physical interface between your PC and the KPT 5532 converter, "
            "to which the Isolator has to be connected (figure below).");
        row("LComPortInfo2", "QLabel",
            "The 'COM port discover\" button scans available ports to find a valid NV module; the "
            "\"Manual selection\" option gives the possibility to choose any port among available "
            "ones.");
        row("ImgConnection", "QLabel", "");
        row("LDefaultComPortSx", "QLabel", "Default COM port:");
        row("LDefaultComPort", "QLabel", "-");
        row("LAutoDetectSx", "QLabel", "COM port discover:");
        row("BAutoDetect", "QPushButton", "Start");
        row("LChangeDefaultComPortSx", "QLabel", "Manual selection:");
        row("CDefaultComPort", "QComboBox", "");
        row("BChangeDefaultComPort", "QPushButton", "Change");
        row("LComPortNote", "QLabel",
            "Please remember that the module must be correctly connected and supplied. Please "
            "refer to datasheet or instruction manual for further details.");
        row("BitBtn4", "QPushButton", "Help");

        // About page.
        row("PLogo", "QFrame", "");
        row("ImgLogo", "QLabel", "");
        row("LMakerName", "QLabel", "Norvik");
        row("Label5", "QLabel", MakerWebSite());
        row("Label1", "QLabel", MakerSupportAddress());
        row("GBDisclaimer", "QGroupBox", "   End User License Agreement   ");
        row("Memo1", "QPlainTextEdit", "");
        row("GBUpdateCheck", "QGroupBox", "   Software update   ");
        row("LUpdateInstalledVersionSx", "QLabel", "Installed version:");
        row("LUpdateInstalledVersionDx", "QLabel", "-");
        row("LUpdateServerVersionSx", "QLabel", "Server version:");
        row("LUpdateServerVersionDx", "QLabel", "-");
        row("LUpdateServerVersionDownload", "QLabel", "Click here to update!");
        row("BSearchForUpdates", "QPushButton", "Search for updates");
    }

    void componentHasClassAndCaption() {
        QFETCH(QByteArray, type);
        QFETCH(QString, caption);
        const QWidget* widget = find(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(widget);
        // A kind of component, or a specialisation of it (labels that elide a text too long).
        QVERIFY2(widget->inherits(type.constData()), widget->metaObject()->className());
        QCOMPARE(captionOf(widget), caption);
    }

    void hints() {
        QCOMPARE(widgets::hint(find("TOldPasswordInput")), QStringLiteral("Type in Old Password"));
        QCOMPARE(widgets::hint(find("TNewPasswordInput")), QStringLiteral("Type in New Password"));
        QCOMPARE(widgets::hint(find("LUpdateServerVersionDownload")),
                 QStringLiteral("Download new version and start update process"));
    }

    // Neither password is shown in clear while the other is typed beside it.
    void passwordsAreMasked_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("old") << "TOldPasswordInput";
        QTest::newRow("new") << "TNewPasswordInput";
    }
    void passwordsAreMasked() {
        QFETCH(QString, field);
        auto* secret = find<QLineEdit>(field);
        QCOMPARE(secret->echoMode(), QLineEdit::Password);
        QCOMPARE(secret->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, secret),
                 int('*'));
    }

    void initialStates() {
        QVERIFY(find("PageControl2")->isHidden());
        QVERIFY(find("LUpdateServerVersionDownload")->isHidden());
        QVERIFY(!find("BStartReadValues")->isHidden());
        QVERIFY(find("CheckBox1")->isEnabled());
        for (const char* name :
             {"LAdministration1", "LAdministration2", "LAdministration3", "LOldPassword",
              "TOldPasswordInput", "LNewPassword", "TNewPasswordInput", "BChangePassword"}) {
            const QWidget* widget = find(name);
            QVERIFY2(!widget->isEnabled(), name);
            // Greyed the way the style greys every disabled control.
            QCOMPARE(widget->palette().color(QPalette::Disabled, QPalette::WindowText),
                     QApplication::palette(widget).color(QPalette::Disabled, QPalette::WindowText));
        }
        QVERIFY(find("LDefaultComPort")->font().bold());
        for (const char* name : {"Label5", "Label1", "LUpdateServerVersionDownload"}) {
            const QWidget* link = find(name);
            QCOMPARE(widgets::textColour(link), QColor(Qt::blue));
            QVERIFY2(link->font().underline(), name);
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        }
        auto* memo = find<QPlainTextEdit>("Memo1");
        QVERIFY(memo->isReadOnly());
        QVERIFY(!memo->toPlainText().isEmpty());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void refreshListsHoldTheRates() {
        const QStringList rates{"100", "200", "300",  "400",  "500",  "600",  "700",
                                "800", "900", "1000", "2000", "3000", "4000", "5000"};
        // The rates come from the window model, which the main window shows.
        ScriptedDialogs dialogs;
        ProgramState state(dialogs);
        TForm1 form(state);
        ConfiguratorWindow window(form);
        for (const char* name : {"CBRefresh1", "CBRefresh2"}) {
            auto* list = window.Find<QComboBox>(QString::fromLatin1(name));
            QStringList items;
            for (int i = 0; i < list->count(); ++i) {
                items << list->itemText(i);
            }
            QCOMPARE(items, rates);
        }
    }

    void chartsPlotInputAgainstTime() {
        for (const auto& [view, series] :
             {std::pair{"Chart1", "Series1"}, {"Chart2", "LineSeries1"}}) {
            auto* place = find<ChartHost>(view);
            // Made when first shown, so a run that never shows it never loads the charts.
            QVERIFY(place->findChild<QChartView*>() == nullptr);
            const QChart* chart = qobject_cast<QChartView*>(&place->view())->chart();
            QVERIFY(!chart->legend()->isVisible());
            QVERIFY(chart->title().isEmpty());
            QCOMPARE(chart->series().size(), 1);
            QVERIFY(qobject_cast<QLineSeries*>(chart->series().first()));
            QCOMPARE(chart->series().first()->objectName(), QString::fromLatin1(series));
            QCOMPARE(chart->axes(Qt::Horizontal).first()->titleText(), QStringLiteral("Time"));
            QCOMPARE(chart->axes(Qt::Vertical).first()->titleText(), QStringLiteral("Input"));
        }
    }

    // A module that is missing, or lacks the entry point asked for, gives no function and says
    // why, so the page can show it in the chart's place.
    void moduleEntryPointSaysWhyItIsMissing_data() {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("function");
        QTest::newRow("no such module") << "kvc7345nosuchmodule"
                                        << "kvc7345_create_chart_view";
        QTest::newRow("no such entry point") << "kvc7345charts"
                                             << "kvc7345_no_such_function";
    }
    void moduleEntryPointSaysWhyItIsMissing() {
        QFETCH(QString, module);
        QFETCH(QString, function);
        QString why;
        QVERIFY(ModuleEntryPoint(module, qPrintable(function), &why) == nullptr);
        QVERIFY2(why.contains(module) || why.contains(function), qPrintable(why));
    }

    // The pages are placed by hand: nothing may stick out of its parent or cover a sibling.
    void placementFitsThePages() {
        window_->show();
        for (int page = 1; page < window_->count(); ++page) {
            window_->setCurrentIndex(page);
            QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
            const QWidget* sheet = window_->widget(page);
            QVERIFY(sheet->width() >= PageArea.width() && sheet->height() >= PageArea.height());
            verifyPlacement(sheet);
        }

        auto* channels = find<QTabWidget>("PageControl2");
        window_->setCurrentIndex(1);
        channels->show();
        for (int channel = 0; channel < channels->count(); ++channel) {
            channels->setCurrentIndex(channel);
            QCoreApplication::processEvents();
            verifyPlacement(channels->widget(channel));
        }
        channels->hide();
        window_->hide();
    }

  private:
    static void verifyPlacement(const QWidget* container) {
        const auto named = container->findChildren<QWidget*>(QRegularExpression("^[A-Z]"),
                                                             Qt::FindDirectChildrenOnly);
        for (const QWidget* widget : named) {
            QVERIFY2(container->rect().contains(widget->geometry()),
                     qPrintable(widget->objectName()));
            for (const QWidget* other : named) {
                if (other != widget && !widget->isHidden() && !other->isHidden()) {
                    QVERIFY2(!widget->geometry().intersects(other->geometry()),
                             qPrintable(widget->objectName() + " / " + other->objectName()));
                }
            }
            verifyPlacement(widget);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
