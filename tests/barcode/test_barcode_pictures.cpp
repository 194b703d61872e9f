#include <gtest/gtest.h>

#include "reports/barcode/BarcodePictures.h"
#include "reports/barcode/KVNBarcodeOffscreenView.h"
#include "reports/barcode/KVNCode128Barcode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray boundingBoxLine(const QRectF& r)
{
    return "%%BoundingBox: 0 0 " + QByteArray::number(int(std::ceil(r.width() - 1e-9))) + ' '
        + QByteArray::number(int(std::ceil(r.height() - 1e-9))) + '\n';
}

} // namespace

TEST(BarcodePictures, WineAndIdentifierGeometry)
{
    const KVNCode128Barcode wine = wineBarcode(7);
    EXPECT_EQ(wine.content(), "wID-7");
    EXPECT_FALSE(wine.printsCaption());
    EXPECT_EQ(wine.barWidth(), 0.72);
    EXPECT_EQ(wine.fontSize(), 9.0);
    EXPECT_NEAR(wine.height(), wine.captionHeight() * 72.0 + 14.4, 1e-9);
    EXPECT_NEAR(wine.width(), 64.8, 1e-9);
    EXPECT_EQ(wine.barBottom(0), 0.0) << "bars fill the whole height";

    const KVNCode128Barcode tag = identifierBarcode(1234);
    EXPECT_EQ(tag.content(), "1234");
    EXPECT_EQ(tag.codeSet(), KVNCode128Barcode::CodeSetC);
    EXPECT_EQ(tag.barWidth(), 1.08);
    EXPECT_NEAR(tag.height(), tag.captionHeight() * 72.0 + 21.6, 1e-9);
    EXPECT_NEAR(tag.width(), 61.56, 1e-9);

    // The EPS picture carries the symbol plus both quiet zones.
    const QByteArray eps = identifierBarcodeEps(1234);
    const QRectF box = KVNBarcodeOffscreenView(tag).bounds();
    EXPECT_NEAR(box.width(), 61.56 + 2 * 10 * 1.08, 1e-9);
    EXPECT_TRUE(eps.contains(boundingBoxLine(box))) << eps.left(200).constData();
    EXPECT_EQ(eps, KVNBarcodeOffscreenView(tag).epsData());
    EXPECT_TRUE(wineBarcodeEps(7).contains(boundingBoxLine(KVNBarcodeOffscreenView(wine).bounds())));
    EXPECT_NE(wineBarcodeEps(7), wineBarcodeEps(8));
}

TEST(BarcodePictures, PathsInTheDataFolder)
{
    EXPECT_EQ(wineBarcodePath(QStringLiteral("/data"), 12), "/data/Images/Barcodes/wID-12.eps");
    EXPECT_EQ(identifierBarcodePath(QStringLiteral("/data"), 4000000000u), "/data/Images/Barcodes/UBIDs/4000000000.eps");
}

TEST(BarcodePictures, CachedFilesAreWrittenOnceAndNeverReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const BarcodeFileResult first = saveWineBarcode(dir.path(), 7);
    ASSERT_EQ(first.status, BarcodeFileResult::Written) << first.error.toStdString();
    EXPECT_EQ(first.path, dir.filePath("Images/Barcodes/wID-7.eps"));
    EXPECT_EQ(readAll(first.path), wineBarcodeEps(7));

    // A picture already there is the one kept, whatever it holds.
    QFile f(first.path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kept");
    f.close();
    const BarcodeFileResult again = saveWineBarcode(dir.path(), 7);
    EXPECT_EQ(again.status, BarcodeFileResult::AlreadyPresent);
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(readAll(first.path), "kept");

    const BarcodeFileResult tag = saveIdentifierBarcode(dir.path(), 95);
    ASSERT_EQ(tag.status, BarcodeFileResult::Written) << tag.error.toStdString();
    EXPECT_EQ(readAll(dir.filePath("Images/Barcodes/UBIDs/95.eps")), identifierBarcodeEps(95));
    // Nothing but the picture is left in the folder (no temporary files).
    EXPECT_EQ(QDir(dir.filePath("Images/Barcodes/UBIDs")).entryList(QDir::Files), QStringList{"95.eps"});
}

TEST(BarcodePictures, FailuresAreReportedNotHidden)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A file where the folder should be.
    QFile blocker(dir.filePath("Images"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const BarcodeFileResult r = saveIdentifierBarcode(dir.path(), 5);
    EXPECT_EQ(r.status, BarcodeFileResult::Failed);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(QStringLiteral("Images"))) << r.error.toStdString();

    // A folder where the picture should be.
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.filePath("Images/Barcodes/wID-3.eps")));
    const BarcodeFileResult r2 = saveWineBarcode(other.path(), 3);
    EXPECT_EQ(r2.status, BarcodeFileResult::Failed);
    EXPECT_FALSE(r2.error.isEmpty());
}
