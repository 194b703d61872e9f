#include "reports/barcode/BarcodeFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>

namespace {

// Fonts exist only with a GUI application; without one (command-line tools)
// the typical proportions of a monospaced face stand in.
bool haveFonts()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont fixedFont(double pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    return font;
}

// A device of 72 dots per inch, so that metrics come out in points.
const QImage& pointDevice()
{
    static const QImage image = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(72.0 / 0.0254);
        img.setDotsPerMeterX(dotsPerMeter);
        img.setDotsPerMeterY(dotsPerMeter);
        return img;
    }();
    return image;
}

} // namespace

namespace BarcodeFont {

namespace {
// One metric in points; fallbackRatio of the size stands in when there are no fonts.
double measure(double pointSize, double fallbackRatio, qreal (QFontMetricsF::*metric)() const)
{
    if (pointSize <= 0)
        return 0.0;
    if (!haveFonts())
        return fallbackRatio * pointSize;
    const QImage& device = pointDevice();
    return (QFontMetricsF(fixedFont(pointSize), &device).*metric)();
}
} // namespace

double capHeight(double pointSize)
{
    return measure(pointSize, 0.7, &QFontMetricsF::capHeight);
}

double descent(double pointSize)
{
    return measure(pointSize, 0.2, &QFontMetricsF::descent);
}

QFont fontFor(double pointSize, const QPaintDevice* device)
{
    const int dpi = device ? device->logicalDpiY() : 72;
    return fixedFont(pointSize * 72.0 / (dpi > 0 ? dpi : 72));
}

} // namespace BarcodeFont
