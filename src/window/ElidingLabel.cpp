#include "window/ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace widgets {

bool ElidingLabel::elides() const {
    // Wrapped, rich or picture labels lay themselves out.
    return !wordWrap() && textFormat() != Qt::RichText && !Qt::mightBeRichText(text()) &&
           pixmap().isNull() && !text().contains(QLatin1Char('\n'));
}

QRect ElidingLabel::textRect() const {
    const int inset = margin() + qMax(indent(), 0);
    return contentsRect().adjusted(inset, margin(), -inset, -margin());
}

bool ElidingLabel::isElided() const {
    return elides() && fontMetrics().horizontalAdvance(text()) > textRect().width();
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = textRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room,
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}

bool ElidingLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isElided()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

}  // namespace widgets
