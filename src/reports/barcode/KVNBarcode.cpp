#include "reports/barcode/KVNBarcode.h"

#include "reports/barcode/BarcodeFont.h"

KVNBarcode::KVNBarcode(const QString& content, bool printsCaption)
    : KVNBarcode(content, printsCaption, DefaultBarWidth, DefaultHeight, DefaultFontSize, NoCheckDigit)
{
}

KVNBarcode::KVNBarcode(const QString& content, bool printsCaption, double barWidth, double height,
                       double fontSize, quint8 checkDigit)
    : m_content(content)
    , m_height(height)
    , m_barWidth(barWidth)
    , m_printsCaption(printsCaption)
{
    // Virtual calls in a constructor reach this class only, which is what a
    // subclass expects here: it finishes its own setup and recomputes the width.
    // The check digit is set before the width is taken, so that the width counts it.
    m_checkDigit = checkDigit;
    calculateWidth();
    setFontSize(fontSize);
}

KVNBarcode::~KVNBarcode() = default;

void KVNBarcode::setFontSize(double points)
{
    m_fontSize = points;
    const double cap = BarcodeFont::capHeight(points) / 72.0;
    m_captionHeight = cap + 0.35 * cap;
}

void KVNBarcode::calculateWidth()
{
    m_width = completeBarcode().size() * m_barWidth;
}

QString KVNBarcode::contentError() const
{
    for (qsizetype i = 0; i < m_content.size(); ++i) {
        const int c = m_content.at(i).unicode();
        if (encodeChar(c).isEmpty()) {
            const QString shown = c > 32 && c < 127 ? QStringLiteral("\"%1\" ").arg(m_content.at(i)) : QString();
            return QStringLiteral("The character %1(code %2) at position %3 cannot be encoded in a barcode.")
                .arg(shown)
                .arg(c)
                .arg(i + 1);
        }
    }
    return {};
}

QString KVNBarcode::encodeChar(int) const
{
    return QStringLiteral("1010");
}

QString KVNBarcode::barcode() const
{
    QString modules;
    for (QChar ch : m_content)
        modules += encodeChar(ch.unicode());
    if (m_checkDigit != NoCheckDigit)
        modules += encodeChar(m_checkDigit);
    return modules;
}

QString KVNBarcode::completeBarcode() const
{
    if (!isContentValid())
        return {};
    return initiator() + barcode() + terminator();
}

QString KVNBarcode::leftCaption() const
{
    return m_content.left(digitsToLeft());
}

QString KVNBarcode::rightCaption() const
{
    const int n = digitsToRight();
    return n > 0 ? m_content.right(n) : QString();
}

QString KVNBarcode::caption() const
{
    const int left = digitsToLeft();
    const int right = digitsToRight();
    if (left == 0 && right == 0)
        return m_content;
    return m_content.mid(left, qMax<qsizetype>(0, m_content.size() - left - right));
}

double KVNBarcode::barBottom(int) const
{
    return printsCaption() ? m_captionHeight * 72.0 : 0.0;
}

double KVNBarcode::barTop(int) const
{
    return m_height;
}

QString KVNBarcode::description() const
{
    return QStringLiteral("%1\n content: %2\n check digit: %3\n width: %4\n height: %5\n bar width: %6\n"
                          " font size: %7\n caption height: %8")
        .arg(QLatin1String(className()), m_content)
        .arg(m_checkDigit)
        .arg(m_width)
        .arg(m_height)
        .arg(m_barWidth)
        .arg(m_fontSize)
        .arg(m_captionHeight);
}
