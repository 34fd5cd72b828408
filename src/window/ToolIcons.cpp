#include "window/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace toolicons {

namespace {

constexpr int Size = 24;

QIcon draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return QIcon(pixmap);
}

// A serial connector: the D-shaped shell with its pins.
void connector(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(150, 160, 175));
    QPainterPath shell;
    shell.moveTo(3, 14);
    shell.lineTo(21, 14);
    shell.lineTo(19, 22);
    shell.lineTo(5, 22);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setBrush(QColor(40, 40, 40));
    for (int x = 7; x <= 17; x += 5) {
        p.drawEllipse(QPointF(x, 17), 1, 1);
    }
}

// A thick arrow pointing down (into the program) or up (out to the module).
void arrow(QPainter& p, bool down, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPolygonF shape;
    if (down) {
        shape << QPointF(9, 1) << QPointF(15, 1) << QPointF(15, 6) << QPointF(19, 6)
              << QPointF(12, 12) << QPointF(5, 6) << QPointF(9, 6);
    } else {
        shape << QPointF(12, 1) << QPointF(19, 7) << QPointF(15, 7) << QPointF(15, 12)
              << QPointF(9, 12) << QPointF(9, 7) << QPointF(5, 7);
    }
    p.drawPolygon(shape);
}

void folder(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(2, 9, 20, 13));
    p.drawRect(QRectF(2, 7, 8, 3));
}

void disk(QPainter& p) {
    p.setPen(QPen(QColor(20, 30, 60), 1));
    p.setBrush(QColor(60, 80, 150));
    p.drawRect(QRectF(4, 9, 16, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 9, 10, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(8, 17, 8, 5));
}

}  // namespace

QIcon LoadFromPort() {
    return draw([](QPainter& p) {
        connector(p);
        arrow(p, true, QColor(30, 140, 40));
    });
}

QIcon SaveToPort() {
    return draw([](QPainter& p) {
        connector(p);
        arrow(p, false, QColor(200, 60, 30));
    });
}

QIcon LoadFromFile() {
    return draw([](QPainter& p) {
        folder(p);
        arrow(p, true, QColor(30, 140, 40));
    });
}

QIcon SaveToFile() {
    return draw([](QPainter& p) {
        disk(p);
        arrow(p, false, QColor(200, 60, 30));
    });
}

QIcon FactoryDefaults() {
    return draw([](QPainter& p) {
        // A factory with a saw-tooth roof and a chimney.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(170, 120, 90));
        QPolygonF building;
        building << QPointF(2, 22) << QPointF(2, 12) << QPointF(8, 8) << QPointF(8, 12)
                 << QPointF(14, 8) << QPointF(14, 12) << QPointF(20, 8) << QPointF(20, 3)
                 << QPointF(22, 3) << QPointF(22, 22);
        p.drawPolygon(building);
        p.setBrush(QColor(250, 230, 140));
        p.drawRect(QRectF(5, 15, 3, 3));
        p.drawRect(QRectF(11, 15, 3, 3));
        p.drawRect(QRectF(17, 15, 3, 3));
    });
}

QIcon PrintReport() {
    return draw([](QPainter& p) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 12, 7));
        p.drawLine(QPointF(8, 18), QPointF(16, 18));
    });
}

QIcon SaveReportPdf() {
    return draw([](QPainter& p) {
        // A sheet with a folded corner and a red "PDF" band.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        const QPointF sheet[] = {{4, 2}, {15, 2}, {20, 7}, {20, 22}, {4, 22}};
        p.drawPolygon(sheet, 5);
        p.drawLine(QPointF(15, 2), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(20, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 30, 30));
        p.drawRect(QRectF(1, 11, 18, 8));
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(7);
        p.setFont(font);
        p.drawText(QRectF(1, 11, 18, 8), Qt::AlignCenter, QStringLiteral("PDF"));
    });
}

QIcon History() {
    return draw([](QPainter& p) {
        // A stack of configuration sheets with a clock before them.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        for (const double offset : {0.0, 3.0, 6.0}) {
            p.setBrush(offset < 6 ? QColor(225, 225, 225) : QColor(Qt::white));
            p.drawRect(QRectF(1.5 + offset, 1.5 + offset, 12, 15));
        }
        p.drawLine(QPointF(10, 11), QPointF(16, 11));
        p.drawLine(QPointF(10, 14), QPointF(14, 14));
        p.setPen(QPen(QColor(30, 60, 130), 1.2));
        p.setBrush(QColor(225, 235, 250));
        p.drawEllipse(QRectF(12, 12, 11, 11));
        p.setPen(QPen(QColor(30, 60, 130), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17.5, 17.5), QPointF(17.5, 14));
        p.drawLine(QPointF(17.5, 17.5), QPointF(20, 18.5));
    });
}

QIcon ResetForm() {
    return draw([](QPainter& p) {
        // A blank form crossed out.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 16, 20));
        p.setPen(QPen(QColor(190, 30, 30), 2.5));
        p.drawLine(QPointF(7, 7), QPointF(17, 17));
        p.drawLine(QPointF(17, 7), QPointF(7, 17));
    });
}

QIcon Help() {
    return draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 180));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    });
}

}  // namespace toolicons
