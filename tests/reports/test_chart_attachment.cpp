#include <gtest/gtest.h>
#include <QImage>
#include <QTemporaryDir>

#include "platform/AtomicFile.h"
#include "platform/richtext/RichText.h"
#include "reports/ChartAttachment.h"
#include "reports/ChartView.h"

namespace {
ChartView drawn(const QString& type, int entries)
{
    ChartView view;
    ChartData data;
    for (int i = 0; i < entries; ++i)
        data.append({i + 1, QStringLiteral("E%1").arg(i), Qt::darkGreen, 0});
    view.setChartData(data);
    view.setChartType(type);
    view.display();
    return view;
}

QImage pictureOf(const RichText& text)
{
    const auto positions = text.attachmentPositions();
    if (positions.size() != 1)
        return QImage();
    return QImage::fromData(text.attachmentAt(positions.first())->bytes);
}
} // namespace

TEST(ChartAttachment, EachReportKeepsItsOwnPictureAndTheScratchFileHoldsTheLast)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;
    const RichText bars = chartAttachment(drawn(QStringLiteral("bar"), 3), folder.path(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const RichText line = chartAttachment(drawn(QStringLiteral("line"), 12), folder.path(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();

    EXPECT_EQ(bars.length(), 1);
    EXPECT_EQ(pictureOf(bars).size(), QSize(600, 126));
    EXPECT_EQ(pictureOf(line).size(), QSize(550, 250));
    EXPECT_EQ(bars.attachmentAt(0)->size, QSizeF(600, 126));

    const QString scratch = folder.filePath(QStringLiteral("Images/kvcharttemp.tiff"));
    const QImage last(scratch, "TIFF");
    EXPECT_EQ(last.size(), QSize(550, 250));
    // The scratch file holds the same drawing as the report's picture.
    EXPECT_EQ(last.convertToFormat(QImage::Format_ARGB32), pictureOf(line).convertToFormat(QImage::Format_ARGB32));
}

TEST(ChartAttachment, UnwritableScratchFileStillGivesTheChart)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A plain file where the pictures folder should be.
    ASSERT_TRUE(AtomicFile::write(folder.filePath(QStringLiteral("Images")), "not a folder").isEmpty());
    QString error;
    const RichText pie = chartAttachment(drawn(QStringLiteral("pie"), 2), folder.path(), &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(pictureOf(pie).size(), QSize(600, 204));

    // Nothing drawn, nothing attached.
    EXPECT_TRUE(chartAttachment(ChartView(), folder.path(), &error).isEmpty());
}

TEST(ChartAttachment, PictureFileAsAttachment)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("heading.png"));
    const ChartView view = drawn(QStringLiteral("bar"), 1);
    ASSERT_TRUE(AtomicFile::write(path, view.pngData()).isEmpty());
    QString error;
    const RichText heading = chartAttachmentForImagePath(path, &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(heading.attachmentAt(0)->name, QStringLiteral("heading.png"));
    EXPECT_EQ(heading.attachmentAt(0)->bytes, view.pngData());

    EXPECT_TRUE(chartAttachmentForImagePath(folder.filePath(QStringLiteral("missing.png")), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
