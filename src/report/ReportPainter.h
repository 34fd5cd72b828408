#pragma once

#include "records/ReportSheet.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

// The printer's measures for the page being drawn, taken when the page starts.
struct PageMeasures {
    int pixelsPerInch = 0;  // the vertical resolution, used along both axes
    int offsetX = 0;        // the printable area's distance from the paper's left edge
    int offsetY = 0;        // ... and from its top edge, in pixels
    int width = 0;          // the printable area in pixels
    int height = 0;
};

// The measures of a printer or a PDF writer as its page layout gives them.
PageMeasures MeasuresOf(const QPagedPaintDevice& device);

enum class Axis { X, Y };

// A position in centimetres from the paper's edge as a pixel of the printable area: the
// fraction is dropped before the offset is taken off.
int put(const PageMeasures& measures, Axis axis, double centimetres);

// The sans-serif family the report is written in: the first of a few common ones that the
// system has, else the system's own.
QString ReportFontFamily();

// Draws report pages on a painter, positions in centimetres.
class ReportPainter {
  public:
    ReportPainter(QPainter& painter, const PageMeasures& measures);

    void drawline(double x1, double y1, double x2, double y2);
    // Writes `text` with its top-left corner at (x, y) in the current font.
    void writetext(const QString& text, double x, double y);
    void setFont(int pointSize, bool bold);
    // The one-pixel frame: left and top as given, right and bottom as far from the printable
    // area's far edges.
    void drawFrame(const ReportFrame& frame);
    void drawPage(const ReportPage& page);

  private:
    QPainter& painter_;
    PageMeasures measures_;
    QString family_;
};

// Draws every page on the device, a new page between two. Returns "" when the device took them
// all, otherwise what went wrong.
QString PaintReport(QPagedPaintDevice& device, const ReportPages& pages);
