#include "reports/ChartLayout.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
// Counts are drawn as they are; a negative one (never made by the statistics)
// is taken as 0 so it cannot turn a wedge or a bar around.
qint64 drawnCount(const ChartEntry& e)
{
    return std::max<qint64>(e.count, 0);
}

qint64 largestCount(const ChartData& data)
{
    qint64 m = 0;
    for (const auto& e : data)
        m = std::max(m, drawnCount(e));
    return m;
}
} // namespace

ChartLayout layoutPie(const ChartData& data)
{
    ChartLayout out;
    const qsizetype n = data.size();
    double total = 0;
    for (const auto& e : data)
        total += double(drawnCount(e));
    const double extra = std::max<double>(10.0 * double(n) - 180.0, 0.0);
    const double height = extra + 204;
    out.chartRect = QRectF(30, 30, 600, height);

    const double cy = std::trunc(height - 62);
    out.pieCentre = QPointF(65, cy);
    out.pieRadius = 60;
    // No wedges for a zero total: there is nothing to divide.
    if (total > 0) {
        double angle = 0;
        for (const auto& e : data) {
            const double span = 360.0 * double(drawnCount(e)) / total;
            out.wedges.append({angle, span, e.color});
            angle += span;
        }
        out.hasPieFrame = true;
        out.pieFrameAt = QPointF(3, cy - 78);
    }

    for (qsizetype i = 0; i < n; ++i) {
        const double x = i % 2 == 0 ? 375 : 130;
        const double y = height - 19 - 20.0 * double(i / 2);
        out.swatches.append({QRectF(x, y, 20, 15), data.at(i).color});
        out.texts.append({QPointF(x + 21, y), QString::number(data.at(i).count)});
        out.texts.append({QPointF(x + 61, y), data.at(i).label});
    }
    return out;
}

ChartLayout layoutBar(const ChartData& data)
{
    ChartLayout out;
    const double n = double(data.size());
    const qint64 largest = largestCount(data);
    out.chartRect = QRectF(0, 0, 600, 36 * n + 18);
    out.axes.append(QRectF(250, 1, 1, 36 * n));
    for (qsizetype i = 0; i < data.size(); ++i) {
        const double y = 36 * n - 18 - 36.0 * double(i);
        // Every bar shows, however small; with no count above 0 all are that small.
        double v = 1;
        if (largest > 0)
            v = std::max(1.0, std::round(double(drawnCount(data.at(i))) * 250.0 / double(largest)));
        out.bars.append(QRectF(250 - v, y, v, 18));
        out.texts.append({QPointF(255, y), QString::number(data.at(i).count)});
        out.texts.append({QPointF(290, y), data.at(i).label});
    }
    return out;
}

ChartLayout layoutLine(const ChartData& data)
{
    ChartLayout out;
    const qsizetype n = std::max<qsizetype>(data.size(), 1);
    const qint64 largest = largestCount(data);
    // Whole-number steps as long as they fit; beyond 500 points they become
    // fractions so the line still spans the axis.
    const double step = n <= 500 ? double(500 / n) : 500.0 / double(n);
    const double scale = largest > 0 ? 225.0 / double(largest) : 0.0;
    out.chartRect = QRectF(0, 0, 550, 250);
    out.axes.append(QRectF(50, 14, 500, 1));
    out.axes.append(QRectF(50, 14, 1, 225));

    if (largest > 0) {
        const double m = double(largest);
        const double values[] = {m, std::round(m * 0.5), 3 * std::round(m * 0.25), std::round(m * 0.25)};
        const QLocale locale;
        for (double value : values)
            out.texts.append({QPointF(30, std::round(value * scale) + 14 - 5), locale.toString(value, 'f', 0)});
    }

    for (qsizetype i = 0; i < data.size(); ++i) {
        const double x = 50 + double(i) * step;
        const double y = std::trunc(std::round(double(drawnCount(data.at(i))) * scale) + 14);
        out.linePoints.append(QPointF(x, y));
    }

    const qsizetype k = std::max<qsizetype>(qsizetype(50.0 / step), 1);
    for (qsizetype i = k; i < data.size(); i += k) {
        const QString& label = data.at(i).label;
        out.texts.append({QPointF(out.linePoints.at(i).x() - 5.0 * double(label.size() / 2), 1), label});
    }
    return out;
}
