#include "reports/ChartView.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/Crayons.h"

namespace {
QColor midnight()
{
    static const QColor colour = Crayons::color(QStringLiteral("Midnight"));
    return colour;
}

QColor silver()
{
    static const QColor colour = Crayons::color(QStringLiteral("Silver"));
    return colour;
}

// The small pictures laid over the charts, drawn here so that none can go missing.
QImage pieFramePicture()
{
    QImage img(124, 142, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The pie's centre lies 62 right of and 78 above the picture's lower left corner.
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(62, 142 - 78), 61, 61);
    return img;
}

QImage colourFramePicture()
{
    QImage img(22, 19, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(0.5, 0.5, 21, 18));
    return img;
}

QImage barPatternPicture()
{
    QImage img(8, 18, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 18);
    g.setColorAt(0, QColor::fromRgb(0x8FB8E8));
    g.setColorAt(1, QColor::fromRgb(0x1F4F9F));
    p.fillRect(img.rect(), g);
    return img;
}

// From the drawing's y-up points to the picture's y-down pixels.
QRectF toDevice(const QRectF& r, double height)
{
    return QRectF(r.x(), height - r.y() - r.height(), r.width(), r.height());
}
} // namespace

ChartView::ChartView() = default;

void ChartView::display()
{
    const auto byCountDescending = [](const ChartEntry& a, const ChartEntry& b) { return a.count > b.count; };
    if (m_chartType == QLatin1String("pie")) {
        std::stable_sort(m_chartData.begin(), m_chartData.end(), byCountDescending);
        m_layout = layoutPie(m_chartData);
        m_frame = m_layout.chartRect;
    } else if (m_chartType == QLatin1String("bar")) {
        std::stable_sort(m_chartData.begin(), m_chartData.end(), byCountDescending);
        m_layout = layoutBar(m_chartData);
    } else if (m_chartType == QLatin1String("line")) {
        m_layout = layoutLine(m_chartData);
    } else {
        m_layout = ChartLayout();
        m_image = QImage();
        return;
    }

    // The picture shows the whole drawing from its origin, one pixel a point.
    const QSize size = m_layout.chartRect.size().toSize();
    m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    QPainter painter(&m_image);
    paint(painter, m_layout);
    painter.end();
    if (m_chartType == QLatin1String("pie"))
        m_frame = QRectF(30, 30, 400, 400);
}

QByteArray ChartView::pngData() const
{
    QByteArray bytes;
    if (m_image.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    return bytes;
}

void ChartView::paint(QPainter& painter, const ChartLayout& layout)
{
    const double height = layout.chartRect.height();
    painter.setRenderHint(QPainter::Antialiasing);

    // Pie wedges, the pie frame after the first of them.
    const QRectF pieBox(layout.pieCentre.x() - layout.pieRadius, height - layout.pieCentre.y() - layout.pieRadius,
                        2 * layout.pieRadius, 2 * layout.pieRadius);
    for (qsizetype i = 0; i < layout.wedges.size(); ++i) {
        const auto& wedge = layout.wedges.at(i);
        QPainterPath path(QPointF(layout.pieCentre.x(), height - layout.pieCentre.y()));
        path.arcTo(pieBox, wedge.startAngle, wedge.spanAngle);
        path.closeSubpath();
        painter.fillPath(path, wedge.color);
        if (i == 0 && layout.hasPieFrame) {
            static const QImage frame = pieFramePicture();
            painter.setOpacity(0.3);
            painter.drawImage(QPointF(layout.pieFrameAt.x(), height - layout.pieFrameAt.y() - frame.height()), frame);
            painter.setOpacity(1.0);
        }
    }

    // Legend swatches with their frames. Edges stay sharp: swatches, axes and bars
    // lie on whole points.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& swatch : layout.swatches) {
        static const QImage frame = colourFramePicture();
        painter.fillRect(toDevice(swatch.rect, height), swatch.color);
        painter.setOpacity(0.3);
        painter.drawImage(QPointF(swatch.rect.x() - 1, height - (swatch.rect.y() - 2) - frame.height()), frame);
        painter.setOpacity(1.0);
    }

    for (const auto& axis : layout.axes)
        painter.fillRect(toDevice(axis, height), midnight());
    if (!layout.bars.isEmpty()) {
        static const QImage pattern = barPatternPicture();
        const QBrush brush(pattern);
        for (const auto& bar : layout.bars)
            painter.fillRect(toDevice(bar, height), brush);
    }

    if (!layout.linePoints.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath line;
        QPainterPath shadow;
        for (qsizetype i = 0; i < layout.linePoints.size(); ++i) {
            const QPointF p = layout.linePoints.at(i);
            const QPointF at(p.x(), height - p.y());
            const QPointF shadowAt(p.x() + 1, height - (p.y() - 1));
            if (i == 0) {
                line.moveTo(at);
                shadow.moveTo(shadowAt);
            } else {
                line.lineTo(at);
                shadow.lineTo(shadowAt);
            }
        }
        painter.strokePath(line, QPen(midnight(), 2));
        painter.strokePath(shadow, QPen(silver(), 2));
    }

    if (!layout.texts.isEmpty()) {
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(font);
        for (const auto& text : layout.texts)
            painter.drawText(QPointF(text.at.x(), height - text.at.y() - metrics.descent()), text.text);
    }
}
