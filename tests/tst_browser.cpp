// The internal browser window: its caption and layout, its close button that only hides it, and
// where it opens, also when the main window asks for it across the process boundary.

#include "browser/BrowserWindow.h"
#include "window/BrowserProcess.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

class TestBrowser : public QObject {
    Q_OBJECT

  private slots:
    void opensAndHides() {
        QWidget main;
        main.show();
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        BrowserWindow browser(&main);
        QCOMPARE(browser.windowTitle(), QString("KVC7345 Internal Browser"));
        QVERIFY(browser.windowFlags().testFlag(Qt::Tool));
        QCOMPARE(browser.size(), QSize(797, 608));
        const auto* view = browser.findChild<QWebEngineView*>("WebBrowser1");
        QVERIFY(view != nullptr);
        QCOMPARE(view->geometry(), QRect(0, 0, 795, 578));
        auto* close = browser.findChild<QPushButton*>("BitBtn1");
        QVERIFY(close != nullptr);
        QCOMPARE(close->pos(), QPoint(718, 580));

        browser.navigate(QUrl("about:blank"));
        QVERIFY(browser.isVisible());
        QCOMPARE(browser.address(), QUrl("about:blank"));
        close->click();
        QVERIFY(browser.isHidden());
        // Shown again by the next link, with its new address.
        browser.navigate(QUrl("data:text/plain,Q7383D"));
        QVERIFY(browser.isVisible());
        QCOMPARE(browser.address(), QUrl("data:text/plain,Q7383D"));
        browser.close();
        QVERIFY(browser.isHidden());
        QVERIFY(main.isVisible());
        QCOMPARE(quitting.size(), 0);
    }

    // The browser opens centred on the main window, not in the screen's corner.
    void opensOverTheMainWindow() {
        QWidget main;
        main.setGeometry(120, 90, 747, 658);
        main.show();
        BrowserWindow browser(&main);
        browser.navigate(QUrl("about:blank"), main.geometry());
        QCOMPARE(browser.geometry().center(), main.geometry().center());
    }

    // The browser process shows what the main window's request line asks for: the address, and
    // the window centred on the main window's rectangle.
    void showsARequestLine() {
        const QRect over(120, 90, 747, 658);
        const QUrl address("data:text/plain,Q7383D%20Messbereich?a=1&b=2");
        BrowserWindow browser;
        QVERIFY(ShowBrowserRequest(&browser, BrowserRequestLine(address, over)));
        QVERIFY(browser.isVisible());
        QCOMPARE(browser.address(), address);
        QCOMPARE(browser.geometry().center(), over.center());
    }

    void refusesWhatIsNoRequest_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QByteArray("\n");
        QTest::newRow("no address") << QByteArray("1 2 3 4\n");
        QTest::newRow("no rectangle") << QByteArray("about:blank\n");
        QTest::newRow("words for numbers") << QByteArray("a b c d about:blank\n");
    }

    void refusesWhatIsNoRequest() {
        QFETCH(QByteArray, line);
        BrowserWindow browser;
        QVERIFY(!ShowBrowserRequest(&browser, line));
        QVERIFY(browser.isHidden());
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
