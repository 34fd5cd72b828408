#include <QPainter>

#include "window/Pictures.h"

namespace pictures {

QPixmap helpMark(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x12, 0x4E, 0x8C), 1));
    painter.setBrush(QColor(0x2A, 0x6F, 0xC0));
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(6, int(size.height() * 0.8)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

}  // namespace pictures
