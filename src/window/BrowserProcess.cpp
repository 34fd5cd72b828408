#include "window/BrowserProcess.h"

#include "window/BrowserLoader.h"

#include <QApplication>
#include <QList>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <thread>

QByteArray BrowserRequestLine(const QUrl& address, const QRect& over) {
    const QRect place = over.isValid() ? over : QRect();
    return QByteArray::number(place.x()) + ' ' + QByteArray::number(place.y()) + ' ' +
           QByteArray::number(place.width()) + ' ' + QByteArray::number(place.height()) + ' ' +
           address.toEncoded() + '\n';
}

bool ShowBrowserRequest(QWidget* browser, QByteArrayView line) {
    const QList<QByteArray> fields = line.trimmed().toByteArray().split(' ');
    if (fields.size() != 5) {
        return false;
    }
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = fields[i].toInt(&ok);
        if (!ok) {
            return false;
        }
    }
    const QUrl address = QUrl::fromEncoded(fields[4]);
    if (!address.isValid()) {
        return false;
    }
    const QRect over(numbers[0], numbers[1], numbers[2], numbers[3]);
    return QMetaObject::invokeMethod(browser, "navigate", Q_ARG(QUrl, address), Q_ARG(QRect, over));
}

int RunBrowserWindow(int argc, char* argv[]) {
    // The web engine shares its graphics contexts; this has to be said before the application
    // object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KVC7345"));
    // Closing the window only hides it; the process ends with its standard input.
    QApplication::setQuitOnLastWindowClosed(false);
    QString why;
    const std::unique_ptr<QWidget> browser(LoadBrowserWindow(nullptr, &why));
    if (browser == nullptr) {
        std::fprintf(stderr,
                     "The internal browser is not available (%s); the desktop opens the page.\n",
                     qPrintable(why));
        return BrowserUnavailableExitCode;
    }
    // Standard input is read by a thread of its own, which hands each line to the window's.
    std::thread reader([&app, window = browser.get()] {
        char line[8192];
        while (std::fgets(line, sizeof line, stdin) != nullptr) {
            QMetaObject::invokeMethod(
                &app, [window, request = QByteArray(line)] { ShowBrowserRequest(window, request); },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    const int code = QApplication::exec();
    reader.join();
    return code;
}

std::unique_ptr<QProcess> StartBrowserProcess(QString* why) {
    auto process = std::make_unique<QProcess>();
    // Its notes go where the program's own go; it writes nothing else.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(BrowserWindowOption)});
    if (!process->waitForStarted()) {
        *why = process->errorString();
        return nullptr;
    }
    return process;
}
