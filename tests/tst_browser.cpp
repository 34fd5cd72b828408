// The internal browser window: its caption and layout, its close button that only hides it, and
// where it opens.

#include "browser/BrowserWindow.h"

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
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
