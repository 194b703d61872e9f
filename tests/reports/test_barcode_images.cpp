#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "model/BottleIdentifier.h"
#include "model/CellarBook.h"
#include "model/Wine.h"
#include "reports/BarcodeImages.h"

TEST(BarcodeImages, WineAndIdentifierPicturesAreCachedUnderTheirNumbers)
{
    QTemporaryDir dir;
    auto book = CellarBook::createNew();
    auto wine = std::make_shared<Wine>();
    for (int i = 0; i < 7; ++i)
        book->addWine(std::make_shared<Wine>());
    book->addWine(wine); // wine ID 8
    BottleIdentifier tag;
    tag.setUbid(4711);

    const QByteArray eps = barcodeImage(*wine);
    EXPECT_TRUE(eps.startsWith("%!PS-Adobe")) << eps.left(20).constData();
    EXPECT_NE(eps, barcodeImage(tag));
    auto w = saveBarcodeImage(*wine, dir.path());
    auto t = saveBarcodeImage(tag, dir.path());
    ASSERT_TRUE(w.ok()) << w.error.toStdString();
    ASSERT_TRUE(t.ok()) << t.error.toStdString();
    EXPECT_EQ(w.path, dir.filePath("Images/Barcodes/wID-8.eps"));
    EXPECT_EQ(t.path, dir.filePath("Images/Barcodes/UBIDs/4711.eps"));
    QFile f(w.path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), eps);
    EXPECT_EQ(saveBarcodeImage(*wine, dir.path()).status, BarcodeFileResult::AlreadyPresent);
}
