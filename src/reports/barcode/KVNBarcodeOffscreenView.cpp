#include "reports/barcode/KVNBarcodeOffscreenView.h"

#include "reports/barcode/BarcodeFont.h"
#include "reports/barcode/KVNBarcode.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

// Numbers in PostScript are always written in the C locale, short and exact enough.
QByteArray psNumber(double v)
{
    if (std::abs(v) < 0.00005)
        return "0";
    QByteArray s = QByteArray::number(v, 'f', 4);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s;
}

// A PostScript string literal; anything outside printable ASCII as an octal escape.
QByteArray psString(const QString& text)
{
    QByteArray out = "(";
    for (QChar ch : text) {
        const ushort c = ch.unicode();
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c >= 32 && c < 127) {
            out += char(c);
        } else {
            const int byte = c < 256 ? c : '?';
            out += '\\';
            out += QByteArray::number(byte, 8).rightJustified(3, '0');
        }
    }
    out += ')';
    return out;
}

QString invalidBarcodeMessage(const KVNBarcode& barcode)
{
    const QString why = barcode.contentError();
    return why.isEmpty() ? QStringLiteral("The barcode has no modules to draw.") : why;
}

} // namespace

KVNBarcodeOffscreenView::KVNBarcodeOffscreenView(const KVNBarcode& barcode)
    : m_barcode(&barcode)
{
}

double KVNBarcodeOffscreenView::quietZone() const
{
    return QuietZoneModules * m_barcode->barWidth();
}

QRectF KVNBarcodeOffscreenView::bounds() const
{
    return QRectF(0, 0, m_barcode->width() + 2 * quietZone(), m_barcode->height());
}

QList<QRectF> KVNBarcodeOffscreenView::barRects() const
{
    const KVNBarcode& bc = *m_barcode;
    const QString modules = bc.completeBarcode();
    const double module = bc.barWidth();
    const double left = quietZone() + bc.firstBar();
    QList<QRectF> rects;
    qsizetype runStart = -1;
    for (qsizetype i = 0; i <= modules.size(); ++i) {
        const bool bar = i < modules.size() && modules.at(i) == QLatin1Char('1');
        if (bar) {
            if (runStart < 0)
                runStart = i;
            continue;
        }
        if (runStart >= 0) {
            // A run takes the vertical extent of its last module.
            const int last = int(i - 1);
            const double bottom = bc.barBottom(last);
            rects.append(QRectF(left + runStart * module, bottom, (i - runStart) * module,
                                bc.barTop(last) - bottom));
            runStart = -1;
        }
    }
    return rects;
}

QList<KVNBarcodeOffscreenView::CaptionLine> KVNBarcodeOffscreenView::captionLines() const
{
    const KVNBarcode& bc = *m_barcode;
    QList<CaptionLine> lines;
    if (!bc.printsCaption())
        return lines;
    const double q = quietZone();
    const QString left = bc.leftCaption();
    const QString right = bc.rightCaption();
    if (!left.isEmpty())
        lines.append({left, q + bc.firstBar() * 0.25, 3.0, false});
    lines.append({bc.caption(), q + bc.width() / 2, 0.0, true});
    if (!right.isEmpty())
        lines.append({right, q + bc.lastBar() + bc.width() * 0.05, 3.0, false});
    return lines;
}

bool KVNBarcodeOffscreenView::checkContent(QString* error) const
{
    const bool ok = !m_barcode->completeBarcode().isEmpty();
    if (error)
        *error = ok ? QString() : invalidBarcodeMessage(*m_barcode);
    return ok;
}

void KVNBarcodeOffscreenView::drawRect(QPainter& painter) const
{
    const double h = bounds().height();
    painter.save();
    for (const QRectF& r : barRects())
        painter.fillRect(QRectF(r.x(), h - r.y() - r.height(), r.width(), r.height()), Qt::black);
    const QList<CaptionLine> lines = captionLines();
    if (!lines.isEmpty()) {
        const double size = m_barcode->fontSize();
        const QFont font = BarcodeFont::fontFor(size, painter.device());
        const QFontMetricsF metrics(font, painter.device());
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double descent = BarcodeFont::descent(size);
        for (const CaptionLine& line : lines) {
            const double x = line.centred ? line.x - metrics.horizontalAdvance(line.text) / 2 : line.x;
            painter.drawText(QPointF(x, h - line.bottom - descent), line.text);
        }
    }
    painter.restore();
}

QByteArray KVNBarcodeOffscreenView::epsData(QString* error) const
{
    if (!checkContent(error))
        return {};
    const QRectF box = bounds();
    QByteArray eps;
    eps += "%!PS-Adobe-3.0 EPSF-3.0\n";
    eps += "%%BoundingBox: 0 0 " + QByteArray::number(int(std::ceil(box.width() - 1e-9))) + ' '
        + QByteArray::number(int(std::ceil(box.height() - 1e-9))) + '\n';
    eps += "%%HiResBoundingBox: 0 0 " + psNumber(box.width()) + ' ' + psNumber(box.height()) + '\n';
    eps += "%%Creator: Kelvan\n";
    eps += "%%LanguageLevel: 2\n";
    eps += "%%Pages: 1\n";
    eps += "%%EndComments\n";
    eps += "%%Page: 1 1\n";
    eps += "gsave\n0 setgray\n";
    for (const QRectF& r : barRects())
        eps += psNumber(r.x()) + ' ' + psNumber(r.y()) + ' ' + psNumber(r.width()) + ' '
            + psNumber(r.height()) + " rectfill\n";
    const QList<CaptionLine> lines = captionLines();
    if (!lines.isEmpty()) {
        const double size = m_barcode->fontSize();
        const double descent = BarcodeFont::descent(size);
        eps += "/Courier findfont " + psNumber(size) + " scalefont setfont\n";
        for (const CaptionLine& line : lines) {
            const QByteArray text = psString(line.text);
            const QByteArray y = psNumber(line.bottom + descent);
            if (line.centred)
                eps += psNumber(line.x) + ' ' + text + " stringwidth pop 2 div sub " + y + " moveto " + text
                    + " show\n";
            else
                eps += psNumber(line.x) + ' ' + y + " moveto " + text + " show\n";
        }
    }
    eps += "grestore\nshowpage\n%%Trailer\n%%EOF\n";
    return eps;
}

QByteArray KVNBarcodeOffscreenView::pdfData(QString* error) const
{
    if (!checkContent(error))
        return {};
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Kelvan"));
        writer.setResolution(72);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setPageSize(QPageSize(bounds().size(), QPageSize::Point, QString(), QPageSize::ExactMatch));
        QPainter painter(&writer);
        drawRect(painter);
    }
    return pdf;
}

QImage KVNBarcodeOffscreenView::image(double dotsPerInch, QString* error) const
{
    if (!checkContent(error))
        return {};
    if (!(dotsPerInch > 0 && dotsPerInch <= 2400)) {
        if (error)
            *error = QStringLiteral("A barcode picture needs a resolution from 1 to 2400 dots per inch.");
        return {};
    }
    const double scale = dotsPerInch / 72.0;
    const QRectF box = bounds();
    const double w = std::ceil(box.width() * scale);
    const double h = std::ceil(box.height() * scale);
    if (!(w * h <= 64.0 * 1024 * 1024)) {
        if (error)
            *error = QStringLiteral("The barcode picture would be too large at %1 dots per inch.").arg(dotsPerInch);
        return {};
    }
    QImage img(qMax(1, int(w)), qMax(1, int(h)), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.scale(scale, scale);
    drawRect(painter);
    return img;
}

QByteArray KVNBarcodeOffscreenView::pngData(double dotsPerInch, QString* error) const
{
    const QImage img = image(dotsPerInch, error);
    if (img.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return png;
}
