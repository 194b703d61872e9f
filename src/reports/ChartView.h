#pragma once
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include "reports/ChartData.h"
#include "reports/ChartLayout.h"

class QPainter;

// Draws one chart from chart data as a pie with a legend ("pie"), as
// horizontal bars ("bar") or as a line ("line"), straight into a picture.
class ChartView {
public:
    ChartView();

    void setChartData(const ChartData& data) { m_chartData = data; }
    const ChartData& chartData() const { return m_chartData; }
    // "pie", "bar" or "line"; "none" until set. Any other type draws nothing.
    void setChartType(const QString& type) { m_chartType = type; }
    const QString& chartType() const { return m_chartType; }
    // The view's placement; a pie sets it while drawing and leaves it at (30, 30, 400, 400).
    const QRectF& frame() const { return m_frame; }
    void setFrame(const QRectF& frame) { m_frame = frame; }

    // Draws the chart by its type. Pie and bar charts first sort the data by
    // count, largest first (stable, so equal counts keep their order).
    void display();

    // What the last display drew and where: chartRect's size is the picture's size.
    const ChartLayout& layout() const { return m_layout; }
    const QRectF& chartRect() const { return m_layout.chartRect; }
    // The picture of the last display (null when nothing was drawn), one pixel a point.
    const QImage& image() const { return m_image; }
    QByteArray pngData() const;

    // Paints a layout into a painter whose device is the drawing's size.
    static void paint(QPainter& painter, const ChartLayout& layout);

private:
    ChartData m_chartData;
    QString m_chartType = QStringLiteral("none");
    QRectF m_frame = QRectF(0, 0, 400, 400);
    ChartLayout m_layout;
    QImage m_image;
};
