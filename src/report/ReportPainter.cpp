// Drawing the report's pages at their absolute positions on a printer or a PDF writer.

#include "report/ReportPainter.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

PageMeasures MeasuresOf(const QPagedPaintDevice& device) {
    PageMeasures measures;
    measures.pixelsPerInch = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    const QRect printable = layout.paintRectPixels(measures.pixelsPerInch);
    const QRect paper = layout.fullRectPixels(measures.pixelsPerInch);
    measures.offsetX = printable.left() - paper.left();
    measures.offsetY = printable.top() - paper.top();
    measures.width = device.width();
    measures.height = device.height();
    return measures;
}

int put(const PageMeasures& measures, Axis axis, double centimetres) {
    const int pixels = static_cast<int>(std::trunc(measures.pixelsPerInch * centimetres * 0.3937));
    return pixels - (axis == Axis::X ? measures.offsetX : measures.offsetY);
}

QString ReportFontFamily() {
    const QStringList available = QFontDatabase::families();
    for (const char* family :
         {"Liberation Sans", "Arimo", "Arial", "Helvetica", "DejaVu Sans", "FreeSans"}) {
        if (available.contains(QString::fromLatin1(family))) {
            return QString::fromLatin1(family);
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

ReportPainter::ReportPainter(QPainter& painter, const PageMeasures& measures)
    : painter_(painter), measures_(measures), family_(ReportFontFamily()) {
    // A one-pixel black pen, text without a background.
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void ReportPainter::drawline(double x1, double y1, double x2, double y2) {
    painter_.drawLine(put(measures_, Axis::X, x1), put(measures_, Axis::Y, y1),
                      put(measures_, Axis::X, x2), put(measures_, Axis::Y, y2));
}

void ReportPainter::writetext(const QString& text, double x, double y) {
    // QPainter places text on its baseline; the sheet's positions are top-left corners.
    const int top = put(measures_, Axis::Y, y);
    painter_.drawText(QPoint(put(measures_, Axis::X, x), top + painter_.fontMetrics().ascent()),
                      text);
}

void ReportPainter::setFont(int pointSize, bool bold) {
    QFont font(family_);
    // Plain glyphs, no ligatures: the PDF's text then reads back letter for letter.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPointSize(pointSize);
    font.setBold(bold);
    painter_.setFont(font);
}

void ReportPainter::drawFrame(const ReportFrame& frame) {
    const int left = put(measures_, Axis::X, frame.left);
    const int top = put(measures_, Axis::Y, frame.top);
    const int right = measures_.width - left;
    const int bottom = measures_.height - top;
    // The outline covers the pixels from left to right - 1 and from top to bottom - 1.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void ReportPainter::drawPage(const ReportPage& page) {
    for (const ReportItem& item : page) {
        if (const auto* text = std::get_if<ReportText>(&item)) {
            setFont(text->pointSize, text->bold);
            writetext(text->text, text->x, text->y);
        } else if (const auto* line = std::get_if<ReportLine>(&item)) {
            drawline(line->x1, line->y1, line->x2, line->y2);
        } else if (const auto* frame = std::get_if<ReportFrame>(&item)) {
            drawFrame(*frame);
        }
    }
}

QString PaintReport(QPagedPaintDevice& device, const ReportPages& pages) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return QStringLiteral("The printer did not accept the job.");
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return QStringLiteral("The printer did not accept page %1.").arg(i + 1);
        }
        ReportPainter(painter, MeasuresOf(device)).drawPage(pages[i]);
    }
    if (!painter.end()) {
        return QStringLiteral("The job could not be completed.");
    }
    return {};
}
