#include <QPainter>
#include <QPainterPath>

#include "window/Pictures.h"

namespace pictures {

namespace {

const QColor Outline(0x30, 0x30, 0x30);
const QColor Cable(0x20, 0x20, 0x20);

void drawComputer(QPainter& painter, const QRectF& box) {
    const QRectF monitor(box.left(), box.top(), box.width(), box.height() * 0.72);
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(QColor(0xD8, 0xD8, 0xD0));
    painter.drawRoundedRect(monitor, 3, 3);
    painter.setBrush(QColor(0x3A, 0x6E, 0xA5));
    painter.drawRect(monitor.adjusted(5, 5, -5, -5));
    const qreal neck = box.width() * 0.16;
    painter.setBrush(QColor(0xD8, 0xD8, 0xD0));
    painter.drawRect(
        QRectF(box.center().x() - neck / 2, monitor.bottom(), neck, box.height() * 0.14));
    painter.drawRoundedRect(QRectF(box.left() + box.width() * 0.15, box.top() + box.height() * 0.86,
                                   box.width() * 0.7, box.height() * 0.12),
                            2, 2);
}

void drawConverter(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(QColor(0x4A, 0x4F, 0x57));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3C, 0xC8, 0x4B));  // power lamp
    painter.drawEllipse(QRectF(box.right() - 10, box.top() + 5, 5, 5));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("KPT 5532"));
    painter.restore();
}

void drawModule(QPainter& painter, const QRectF& box) {
    painter.setPen(QPen(Outline, 1.5));
    painter.setBrush(QColor(0xF2, 0xF2, 0xEE));
    painter.drawRect(box);
    // Terminal screws along the top and bottom edges, as on a DIN-rail housing.
    painter.setBrush(QColor(0x9A, 0x9A, 0x9A));
    const qreal screw = box.width() / 5;
    for (int i = 0; i < 3; ++i) {
        const qreal x = box.left() + screw * (0.5 + 1.5 * i);
        painter.drawEllipse(QRectF(x, box.top() + 4, screw * 0.8, screw * 0.8));
        painter.drawEllipse(QRectF(x, box.bottom() - 4 - screw * 0.8, screw * 0.8, screw * 0.8));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x5A, 0x9E));
    painter.drawRect(QRectF(box.left() + 3, box.center().y() - 7, box.width() - 6, 14));
}

void drawCable(QPainter& painter, const QPointF& from, const QPointF& to) {
    QPainterPath path(from);
    const qreal middle = (from.x() + to.x()) / 2;
    path.cubicTo(QPointF(middle, from.y()), QPointF(middle, to.y()), to);
    painter.setPen(QPen(Cable, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

}  // namespace

QPixmap connection(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal w = size.width();
    const qreal captionHeight = painter.fontMetrics().height() + 4;
    const qreal h = size.height() - captionHeight;

    const QRectF computer(2, h * 0.12, w * 0.26, h * 0.8);
    const QRectF converter(w * 0.39, h * 0.36, w * 0.25, h * 0.32);
    const QRectF module(w * 0.80, h * 0.08, w * 0.15, h * 0.86);

    drawCable(painter, QPointF(computer.right() - 4, computer.top() + computer.height() * 0.82),
              QPointF(converter.left(), converter.center().y()));
    drawCable(painter, QPointF(converter.right(), converter.center().y()),
              QPointF(module.left(), module.center().y()));
    drawComputer(painter, computer);
    drawConverter(painter, converter);
    drawModule(painter, module);

    painter.setPen(Outline);
    const auto caption = [&](const QRectF& above, const QString& text) {
        const QRectF place(above.center().x() - w * 0.16, h, w * 0.32, captionHeight);
        painter.drawText(place, Qt::AlignCenter, text);
    };
    caption(computer, QStringLiteral("PC"));
    caption(converter, QStringLiteral("Converter"));
    caption(module, QStringLiteral("Module"));
    return pixmap;
}

}  // namespace pictures
