#include "browser/BrowserWindow.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QStyle>
#include <QWebEngineView>

BrowserWindow::BrowserWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool), view_(new QWebEngineView(this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("KVC7345 Internal Browser"));
    setFixedSize(797, 608);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setGeometry(0, 0, 795, 578);

    auto* close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry(718, 580, 75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void BrowserWindow::navigate(const QUrl& address, const QRect& over) {
    view_->setUrl(address);
    if (!isVisible() && over.isValid()) {
        QRect place(QPoint(0, 0), size());
        place.moveCenter(over.center());
        setGeometry(place);
    }
    show();
    raise();
    activateWindow();
}

QUrl BrowserWindow::address() const {
    return view_->url();
}

void BrowserWindow::closeEvent(QCloseEvent* event) {
    // The window stays for the next link; only the program's end removes it.
    hide();
    event->ignore();
}
