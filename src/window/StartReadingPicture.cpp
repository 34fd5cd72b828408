#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "window/Pictures.h"

namespace pictures {

QPixmap startReading(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A small oscilloscope screen showing a trace...
    const QRectF screen(2, 2, size.width() * 0.86, size.height() * 0.78);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    painter.setBrush(QColor(0x1E, 0x2A, 0x33));
    painter.drawRoundedRect(screen, 8, 8);

    const QRectF plot = screen.adjusted(10, 10, -10, -10);
    painter.setPen(QPen(QColor(0x3C, 0x55, 0x66), 1));
    for (int i = 1; i < 4; ++i) {
        const qreal y = plot.top() + plot.height() * i / 4;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (int i = 1; i < 6; ++i) {
        const qreal x = plot.left() + plot.width() * i / 6;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }

    QPainterPath trace;
    constexpr int Steps = 120;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = qreal(i) / Steps;
        const qreal wave = 0.55 * qSin(t * 2.6 * M_PI) + 0.25 * qSin(t * 7.0 * M_PI + 0.6);
        const QPointF point(plot.left() + t * plot.width(),
                            plot.center().y() - wave * plot.height() / 2.2);
        if (i == 0) {
            trace.moveTo(point);
        } else {
            trace.lineTo(point);
        }
    }
    painter.setPen(QPen(QColor(0xDD, 0x83, 0x00), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);

    // ...and a round "play" sign over its lower right corner.
    const qreal diameter = size.height() * 0.42;
    const QRectF disc(size.width() - diameter - 2, size.height() - diameter - 2, diameter,
                      diameter);
    painter.setPen(QPen(QColor(0x1B, 0x6B, 0x1F), 2));
    painter.setBrush(QColor(0x2E, 0xA0, 0x37));
    painter.drawEllipse(disc);
    const QPointF c = disc.center();
    const qreal r = diameter * 0.24;
    const QPolygonF play{QPointF(c.x() - r * 0.7, c.y() - r), QPointF(c.x() - r * 0.7, c.y() + r),
                         QPointF(c.x() + r, c.y())};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(play);
    return pixmap;
}

}  // namespace pictures
