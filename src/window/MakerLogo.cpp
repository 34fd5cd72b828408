#include <QPainter>
#include <QPainterPath>

#include "window/Pictures.h"

namespace pictures {

namespace {

void shrinkToFit(QFont& font, const QString& text, qreal width) {
    while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(text) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
}

}  // namespace

QPixmap makerLogo(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor blue(0x12, 0x4E, 0x8C);
    const QColor orange(0xDD, 0x83, 0x00);

    // The emblem: a blue square whose white "N" is crossed by an orange signal line.
    const qreal side = size.height() * 0.62;
    const QRectF emblem(size.width() * 0.06, (size.height() - side) / 2, side, side);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawRoundedRect(emblem, side * 0.14, side * 0.14);

    const QRectF letter = emblem.adjusted(side * 0.2, side * 0.18, -side * 0.2, -side * 0.18);
    const qreal stroke = letter.width() * 0.24;
    QPainterPath n;
    n.addRect(QRectF(letter.left(), letter.top(), stroke, letter.height()));
    n.addRect(QRectF(letter.right() - stroke, letter.top(), stroke, letter.height()));
    n.addPolygon(QPolygonF{letter.topLeft(), QPointF(letter.left() + stroke, letter.top()),
                           letter.bottomRight(),
                           QPointF(letter.right() - stroke, letter.bottom())});
    n.setFillRule(Qt::WindingFill);
    painter.setBrush(Qt::white);
    painter.drawPath(n);

    QPainterPath signal;
    const qreal y = emblem.center().y() + side * 0.05;
    signal.moveTo(emblem.left() - side * 0.08, y);
    signal.lineTo(emblem.left() + side * 0.3, y);
    signal.lineTo(emblem.left() + side * 0.42, y - side * 0.22);
    signal.lineTo(emblem.left() + side * 0.58, y + side * 0.22);
    signal.lineTo(emblem.left() + side * 0.7, y);
    signal.lineTo(emblem.right() + side * 0.08, y);
    painter.setPen(QPen(orange, side * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(signal);

    // The name beside it, fitted to the space left.
    const QRectF nameArea(emblem.right() + side * 0.22, emblem.top(),
                          size.width() - emblem.right() - side * 0.3, side * 0.7);
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(qMax(8, int(nameArea.height() * 0.8)));
    const QString name = QStringLiteral("NORVIK");
    shrinkToFit(font, name, nameArea.width());
    painter.setFont(font);
    painter.setPen(blue);
    painter.drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter, name);

    const QRectF taglineArea(nameArea.left(), nameArea.bottom(), nameArea.width(), side * 0.3);
    font.setBold(false);
    font.setPixelSize(qMax(7, int(taglineArea.height() * 0.6)));
    const QString tagline = QStringLiteral("signal conditioning");
    shrinkToFit(font, tagline, taglineArea.width());
    painter.setFont(font);
    painter.setPen(orange);
    painter.drawText(taglineArea, Qt::AlignLeft | Qt::AlignVCenter, tagline);
    return pixmap;
}

}  // namespace pictures
