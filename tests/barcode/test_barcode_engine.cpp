#include <gtest/gtest.h>

#include "reports/barcode/BarcodeDrag.h"
#include "reports/barcode/BarcodeFont.h"
#include "reports/barcode/KVNBarcode.h"
#include "reports/barcode/KVNBarcodeOffscreenView.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>
#include <memory>

namespace {

// A barcode whose module string is given outright, to test drawing alone.
class FixedModules : public KVNBarcode
{
public:
    explicit FixedModules(const QString& modules, bool caption = false)
        : KVNBarcode(QStringLiteral("X"), caption, 2.0, 30.0, 6.0, NoCheckDigit)
        , m_modules(modules)
    {
        calculateWidth();
    }
    QString barcode() const override { return m_modules; }

private:
    QString m_modules;
};

// Parses the rectangles a PostScript body fills, as "x y w h rectfill" lines.
QList<QRectF> epsRects(const QByteArray& eps)
{
    QList<QRectF> rects;
    static const QRegularExpression re(QStringLiteral("^(\\S+) (\\S+) (\\S+) (\\S+) rectfill$"),
                                       QRegularExpression::MultilineOption);
    auto it = re.globalMatch(QString::fromLatin1(eps));
    while (it.hasNext()) {
        const auto m = it.next();
        rects.append(QRectF(m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                            m.captured(4).toDouble()));
    }
    return rects;
}

} // namespace

TEST(BarcodeEngine, BaseBarcodeEncodesEveryCharacterAlike)
{
    KVNBarcode ab(QStringLiteral("AB"));
    EXPECT_EQ(ab.completeBarcode(), "10101010");
    EXPECT_NEAR(ab.width(), 8 * 0.936, 1e-9);
    EXPECT_EQ(ab.height(), 36.0);
    EXPECT_EQ(ab.fontSize(), 6.0);
    EXPECT_TRUE(ab.printsCaption());
    EXPECT_EQ(ab.caption(), "AB");
    EXPECT_TRUE(ab.leftCaption().isEmpty());
    EXPECT_TRUE(ab.rightCaption().isEmpty());
    // A check digit is encoded as one more character.
    KVNBarcode checked(QStringLiteral("AB"), false, 1.0, 20.0, 6.0, 'C');
    EXPECT_EQ(checked.completeBarcode(), "101010101010");
    EXPECT_EQ(checked.width(), 12.0);
    EXPECT_TRUE(checked.isEqual(ab));
}

TEST(BarcodeEngine, CaptionHeightFollowsTheFontsCapHeight)
{
    KVNBarcode bc(QStringLiteral("1"));
    bc.setFontSize(9.0);
    const double cap = BarcodeFont::capHeight(9.0);
    EXPECT_GT(cap, 3.0);
    EXPECT_LT(cap, 9.0);
    EXPECT_NEAR(bc.captionHeight(), 1.35 * cap / 72.0, 1e-12);
    EXPECT_EQ(bc.barBottom(0), bc.captionHeight() * 72.0);
    bc.setPrintsCaption(false);
    EXPECT_EQ(bc.barBottom(0), 0.0);
    EXPECT_EQ(bc.barTop(0), bc.height());
}

TEST(BarcodeEngine, RunsBecomeRectanglesAfterTheQuietZone)
{
    FixedModules bc(QStringLiteral("1100111"));
    KVNBarcodeOffscreenView view(bc);
    EXPECT_EQ(view.quietZone(), 20.0);
    EXPECT_EQ(view.bounds(), QRectF(0, 0, 7 * 2.0 + 40.0, 30.0));
    const QList<QRectF> rects = view.barRects();
    ASSERT_EQ(rects.size(), 2);
    EXPECT_EQ(rects[0], QRectF(20.0, 0, 4.0, 30.0));
    EXPECT_EQ(rects[1], QRectF(20.0 + 4 * 2.0, 0, 6.0, 30.0));

    FixedModules spaces(QStringLiteral("0000"));
    EXPECT_TRUE(KVNBarcodeOffscreenView(spaces).barRects().isEmpty());
    FixedModules single(QStringLiteral("01"));
    ASSERT_EQ(KVNBarcodeOffscreenView(single).barRects().size(), 1);
    EXPECT_EQ(KVNBarcodeOffscreenView(single).barRects()[0].x(), 22.0);
}

TEST(BarcodeEngine, BitmapShowsBarsOnWhiteWithQuietZones)
{
    FixedModules bc(QStringLiteral("1100111"));
    const QImage img = KVNBarcodeOffscreenView(bc).image(72.0);
    ASSERT_FALSE(img.isNull());
    ASSERT_EQ(img.size(), QSize(54, 30));
    QString row;
    for (int x = 0; x < img.width(); ++x)
        row += qGray(img.pixel(x, 15)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
    EXPECT_EQ(row, QString(20, QLatin1Char('0')) + "11110000111111" + QString(20, QLatin1Char('0')));
    EXPECT_NEAR(img.dotsPerMeterX() * 0.0254, 72.0, 0.1);

    QString error;
    EXPECT_TRUE(KVNBarcodeOffscreenView(bc).image(0.0, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    KVNBarcode huge(QStringLiteral("AB"), false, 1.0, 1e7, 6.0, KVNBarcode::NoCheckDigit);
    EXPECT_TRUE(KVNBarcodeOffscreenView(huge).image(2400.0, &error).isNull()) << "no huge allocation";
    EXPECT_FALSE(error.isEmpty());
}

TEST(BarcodeEngine, EpsIsWellFormedAndMatchesTheGeometry)
{
    FixedModules bc(QStringLiteral("1100111"));
    bc.setHeight(30.5);
    KVNBarcodeOffscreenView view(bc);
    const QByteArray eps = view.epsData();
    ASSERT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
    EXPECT_TRUE(eps.contains("\n%%BoundingBox: 0 0 54 31\n"));
    EXPECT_TRUE(eps.contains("\n%%HiResBoundingBox: 0 0 54 30.5\n"));
    EXPECT_TRUE(eps.contains("\nshowpage\n"));
    EXPECT_TRUE(eps.endsWith("%%EOF\n"));
    EXPECT_EQ(epsRects(eps), view.barRects());
    EXPECT_FALSE(eps.contains("findfont")) << "no caption was asked for";

    // Every line is printable ASCII.
    for (char c : eps)
        ASSERT_TRUE(c == '\n' || (c >= 32 && c < 127)) << int(c);
}

TEST(BarcodeEngine, EpsCaptionIsEscaped)
{
    KVNBarcode bc(QStringLiteral("a(b)\\c"), true);
    const QByteArray eps = KVNBarcodeOffscreenView(bc).epsData();
    EXPECT_TRUE(eps.contains("/Courier findfont 6 scalefont setfont\n"));
    EXPECT_TRUE(eps.contains("(a\\(b\\)\\\\c) show\n")) << eps.constData();
    // The bars stand above the caption band.
    const QList<QRectF> rects = epsRects(eps);
    ASSERT_FALSE(rects.isEmpty());
    EXPECT_NEAR(rects.first().y(), bc.captionHeight() * 72.0, 1e-3);
}

TEST(BarcodeEngine, PdfHasOnePageOfThePicturesSize)
{
    FixedModules bc(QStringLiteral("1100111"));
    const QByteArray pdf = KVNBarcodeOffscreenView(bc).pdfData();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[([\\d. ]+)\\]"));
    const auto all = box.globalMatch(QString::fromLatin1(pdf));
    QStringList boxes;
    for (auto it = all; it.hasNext();)
        boxes.append(it.next().captured(1));
    ASSERT_EQ(boxes.size(), 1) << "one page";
    const QStringList n = boxes.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(n.size(), 4);
    EXPECT_EQ(n[0].toDouble(), 0.0);
    EXPECT_EQ(n[1].toDouble(), 0.0);
    EXPECT_EQ(n[2].toDouble(), 54.0) << "the page is the picture's size";
    EXPECT_EQ(n[3].toDouble(), 30.0);
}

TEST(BarcodeEngine, InvalidContentGivesNoPictureButAnError)
{
    class Refusing : public KVNBarcode
    {
    public:
        Refusing() : KVNBarcode(QStringLiteral("ok!"), false) {}
        QString encodeChar(int c) const override { return c == '!' ? QString() : QStringLiteral("10"); }
    } bc;
    EXPECT_FALSE(bc.isContentValid());
    EXPECT_TRUE(bc.contentError().contains(QStringLiteral("position 3")));
    QString error;
    KVNBarcodeOffscreenView view(bc);
    EXPECT_TRUE(view.epsData(&error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("position 3")));
    EXPECT_TRUE(view.pdfData().isEmpty());
    EXPECT_TRUE(view.image(72).isNull());
    EXPECT_TRUE(view.pngData(72).isEmpty());
}

TEST(BarcodeDrag, FileGoesIntoAPrivateFolder)
{
    const QString folder = BarcodeDrag::folder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_NE(folder, QStringLiteral("/tmp"));
    const QFileInfo info(folder);
    EXPECT_EQ(info.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());

    FixedModules bc(QStringLiteral("1100111"));
    const QByteArray pdf = KVNBarcodeOffscreenView(bc).pdfData();
    QString error;
    std::unique_ptr<QMimeData> data(BarcodeDrag::mimeData(pdf, &error));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(data->data(QStringLiteral("application/pdf")), pdf);
    ASSERT_EQ(data->urls().size(), 1);
    const QString path = data->urls().first().toLocalFile();
    EXPECT_TRUE(path.startsWith(folder + QLatin1Char('/')));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), pdf);
}
