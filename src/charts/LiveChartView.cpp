#include "charts/LiveChartView.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

LiveChartView::LiveChartView(QWidget* parent, const QString& seriesName)
    : QChartView(parent), line_(new QLineSeries(chart())), input_(new QValueAxis(chart())) {
    setRenderHint(QPainter::Antialiasing);
    QChart* drawn = chart();
    drawn->legend()->hide();
    drawn->setMargins(QMargins(4, 4, 4, 4));

    line_->setObjectName(seriesName);
    line_->setColor(QColor(0xDD, 0x83, 0x00));
    drawn->addSeries(line_);

    auto* time = new QValueAxis(drawn);
    time->setTitleText(QStringLiteral("Time"));
    time->setRange(0, 180);  // seconds; the reading restarts the trace after three minutes
    time->setLabelFormat(QStringLiteral("%d"));
    // A label every half minute.
    time->setTickType(QValueAxis::TicksDynamic);
    time->setTickAnchor(0);
    time->setTickInterval(30);
    input_->setTitleText(QStringLiteral("Input"));
    drawn->addAxis(time, Qt::AlignBottom);
    drawn->addAxis(input_, Qt::AlignLeft);
    line_->attachAxis(time);
    line_->attachAxis(input_);
}

void LiveChartView::showInputAxis(const InputAxis& axis) {
    input_->setRange(axis.minimum, axis.maximum);
    input_->setTickType(QValueAxis::TicksDynamic);
    input_->setTickAnchor(axis.tickAnchor);
    input_->setTickInterval(axis.tickInterval);
    input_->setLabelFormat(axis.labelFormat);
    input_->setTitleText(axis.title);
}

void LiveChartView::showPoints(const QList<QPointF>& points) {
    line_->replace(points);
}

void LiveChartView::clearPoints() {
    line_->clear();
}

void LiveChartView::setBackground(QRgb colour) {
    chart()->setBackgroundBrush(QColor::fromRgb(colour));
}
