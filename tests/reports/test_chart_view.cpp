#include <gtest/gtest.h>
#include <QImage>

#include "reports/ChartLayout.h"
#include "reports/ChartView.h"

namespace {

ChartData entries(int n, qint64 (*count)(int) = [](int i) { return qint64(i + 1); })
{
    ChartData out;
    for (int i = 0; i < n; ++i)
        out.append({count(i), QStringLiteral("E%1").arg(i), QColor::fromHsv((i * 37) % 360, 255, 255), 0});
    return out;
}

// The picture's pixel at a point of the drawing (y pointing up).
QColor pixelAt(const QImage& image, double x, double y)
{
    return image.pixelColor(int(x), image.height() - 1 - int(y));
}

const QColor kMidnight = QColor::fromRgb(0x000080);

} // namespace

TEST(ChartView, PieHeightLegendAndFrame)
{
    for (int n : {1, 5, 18})
        EXPECT_EQ(layoutPie(entries(n)).chartRect, QRectF(30, 30, 600, 204)) << n;

    const ChartLayout pie = layoutPie(entries(20));
    EXPECT_EQ(pie.chartRect, QRectF(30, 30, 600, 224));
    EXPECT_EQ(pie.pieCentre, QPointF(65, 162));
    ASSERT_EQ(pie.swatches.size(), 20);
    EXPECT_EQ(pie.swatches[0].rect, QRectF(375, 205, 20, 15));
    EXPECT_EQ(pie.swatches[1].rect, QRectF(130, 205, 20, 15));
    EXPECT_EQ(pie.swatches[18].rect.y(), 25); // the tenth row
    EXPECT_EQ(pie.swatches[19].rect.topLeft(), QPointF(130, 25));
    // Count and label beside each swatch.
    EXPECT_EQ(pie.texts[0].at, QPointF(396, 205));
    EXPECT_EQ(pie.texts[0].text, QStringLiteral("1"));
    EXPECT_EQ(pie.texts[1].at, QPointF(436, 205));
    EXPECT_EQ(pie.texts[1].text, QStringLiteral("E0"));
    EXPECT_EQ(pie.pieFrameAt, QPointF(3, 162 - 78));

    // The wedges go round once, each in proportion to its count.
    double angle = 0;
    for (const auto& w : pie.wedges) {
        EXPECT_DOUBLE_EQ(w.startAngle, angle);
        angle += w.spanAngle;
    }
    EXPECT_NEAR(angle, 360.0, 1e-9);
    EXPECT_NEAR(pie.wedges[19].spanAngle, 360.0 * 20 / 210, 1e-9);
}

TEST(ChartView, PieDrawsSortedWedgesIntoThePicture)
{
    ChartView view;
    EXPECT_EQ(view.chartType(), QStringLiteral("none"));
    ChartData data{{1, QStringLiteral("small"), Qt::blue, 0}, {3, QStringLiteral("large"), Qt::red, 0}};
    view.setChartData(data);
    view.setChartType(QStringLiteral("pie"));
    view.display();
    EXPECT_EQ(view.chartData().first().label, QStringLiteral("large")); // sorted in place
    EXPECT_EQ(view.frame(), QRectF(30, 30, 400, 400));
    EXPECT_EQ(view.chartRect(), QRectF(30, 30, 600, 204));
    const QImage& image = view.image();
    ASSERT_EQ(image.size(), QSize(600, 204));
    // Red covers the first three quarters counter-clockwise from the right: above the
    // centre; blue the last quarter: below right of it.
    const QPointF centre = view.layout().pieCentre;
    EXPECT_EQ(pixelAt(image, centre.x(), centre.y() + 30), QColor(Qt::red));
    EXPECT_EQ(pixelAt(image, centre.x() + 20, centre.y() - 20), QColor(Qt::blue));
    // The larger entry's swatch is the first legend item, at the right; the first row lies at 204 - 19.
    EXPECT_EQ(pixelAt(image, 385, 190), QColor(Qt::red));
    EXPECT_EQ(pixelAt(image, 140, 190), QColor(Qt::blue));
    // The picture survives a round trip through PNG.
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(view.pngData(), "PNG"));
    EXPECT_EQ(decoded.size(), image.size());

    // A single entry fills the whole circle and sits at the right of the legend.
    const ChartLayout single = layoutPie(ChartData{{4, QStringLiteral("all"), Qt::green, 0}});
    ASSERT_EQ(single.wedges.size(), 1);
    EXPECT_DOUBLE_EQ(single.wedges[0].spanAngle, 360.0);
    EXPECT_EQ(single.swatches[0].rect.x(), 375);
}

TEST(ChartView, BarsGrowLeftFromTheAxisLargestOnTop)
{
    ChartView view;
    view.setChartData({{2, QStringLiteral("b"), Qt::gray, 0},
                       {1000, QStringLiteral("a"), Qt::gray, 0},
                       {1, QStringLiteral("c"), Qt::gray, 0}});
    view.setChartType(QStringLiteral("bar"));
    view.display();
    const ChartLayout& bar = view.layout();
    EXPECT_EQ(bar.chartRect, QRectF(0, 0, 600, 126));
    EXPECT_EQ(view.frame(), QRectF(0, 0, 400, 400)); // bars leave the frame alone
    ASSERT_EQ(bar.bars.size(), 3);
    EXPECT_EQ(bar.bars[0], QRectF(0, 90, 250, 18));
    EXPECT_EQ(bar.bars[1], QRectF(249, 54, 1, 18)); // 2 × 250 / 1000 rounds to 1
    EXPECT_EQ(bar.bars[2], QRectF(249, 18, 1, 18)); // rounds to 0, still drawn 1 long
    EXPECT_EQ(bar.axes.first(), QRectF(250, 1, 1, 108));
    EXPECT_EQ(bar.texts[0].at, QPointF(255, 90));
    EXPECT_EQ(bar.texts[0].text, QStringLiteral("1000"));
    EXPECT_EQ(bar.texts[1].at, QPointF(290, 90));
    EXPECT_EQ(bar.texts[1].text, QStringLiteral("a"));

    const QImage& image = view.image();
    ASSERT_EQ(image.size(), QSize(600, 126));
    EXPECT_EQ(pixelAt(image, 250, 60), kMidnight);
    EXPECT_GT(pixelAt(image, 10, 99).alpha(), 0);  // inside the long bar
    EXPECT_EQ(pixelAt(image, 200, 60).alpha(), 0); // beside the short one
    EXPECT_GT(pixelAt(image, 249, 60).alpha(), 0);

    // All counts 0: every bar is 1 long, nothing divides by 0.
    const ChartLayout zero = layoutBar(ChartData{{0, QString(), Qt::gray, 0}, {0, QString(), Qt::gray, 0}});
    EXPECT_EQ(zero.bars[0].width(), 1);
    EXPECT_EQ(zero.bars[1].width(), 1);
}

TEST(ChartView, LineStepsScaleAndPointLabels)
{
    const ChartLayout twelve = layoutLine(entries(12));
    EXPECT_EQ(twelve.chartRect, QRectF(0, 0, 550, 250));
    ASSERT_EQ(twelve.axes.size(), 2);
    EXPECT_EQ(twelve.axes[0], QRectF(50, 14, 500, 1));
    EXPECT_EQ(twelve.axes[1], QRectF(50, 14, 1, 225));
    ASSERT_EQ(twelve.linePoints.size(), 12);
    EXPECT_EQ(twelve.linePoints[1].x() - twelve.linePoints[0].x(), 41);
    // Largest count 12 at the top of the axis, 1 at round(1 × 225 / 12) + 14.
    EXPECT_EQ(twelve.linePoints[11], QPointF(50 + 11 * 41, 239));
    EXPECT_EQ(twelve.linePoints[0], QPointF(50, 33));
    // Scale labels M, round(M/2), 3 × round(M/4), round(M/4), then the point labels 1 to 11.
    ASSERT_EQ(twelve.texts.size(), 4 + 11);
    EXPECT_EQ(twelve.texts[0].text, QStringLiteral("12"));
    EXPECT_EQ(twelve.texts[0].at, QPointF(30, 225 + 14 - 5));
    EXPECT_EQ(twelve.texts[1].text, QStringLiteral("6"));
    EXPECT_EQ(twelve.texts[2].text, QStringLiteral("9"));
    EXPECT_EQ(twelve.texts[3].text, QStringLiteral("3"));
    EXPECT_EQ(twelve.texts[3].at.y(), std::round(3 * 225.0 / 12) + 14 - 5);
    EXPECT_EQ(twelve.texts[4].text, QStringLiteral("E1"));
    EXPECT_EQ(twelve.texts[4].at, QPointF(50 + 41 - 5, 1));
    EXPECT_EQ(twelve.texts.last().text, QStringLiteral("E11"));
    EXPECT_EQ(twelve.texts.last().at, QPointF(50 + 11 * 41 - 5, 1)); // "E11": 3 characters, 3 div 2 = 1

    const ChartLayout hundred = layoutLine(entries(100));
    EXPECT_EQ(hundred.linePoints[1].x() - hundred.linePoints[0].x(), 5);
    QStringList pointLabels;
    for (qsizetype i = 4; i < hundred.texts.size(); ++i)
        pointLabels << hundred.texts[i].text;
    EXPECT_EQ(pointLabels, (QStringList{QStringLiteral("E10"), QStringLiteral("E20"), QStringLiteral("E30"),
                                        QStringLiteral("E40"), QStringLiteral("E50"), QStringLiteral("E60"),
                                        QStringLiteral("E70"), QStringLiteral("E80"), QStringLiteral("E90")}));

    ChartView view;
    view.setChartData(entries(12));
    view.setChartType(QStringLiteral("line"));
    view.display();
    ASSERT_EQ(view.image().size(), QSize(550, 250));
    EXPECT_EQ(pixelAt(view.image(), 300, 14), kMidnight);
    EXPECT_EQ(pixelAt(view.image(), 50, 150), kMidnight);
    EXPECT_EQ(view.chartData().first().label, QStringLiteral("E0")); // a line keeps its order
}

TEST(ChartView, EmptyAndDegenerateChartsDrawWithoutDividingByZero)
{
    const ChartLayout emptyPie = layoutPie({});
    EXPECT_EQ(emptyPie.chartRect.height(), 204);
    EXPECT_TRUE(emptyPie.wedges.isEmpty());
    EXPECT_FALSE(emptyPie.hasPieFrame);
    const ChartLayout zeroPie = layoutPie(ChartData{{0, QStringLiteral("x"), Qt::red, 0}});
    EXPECT_TRUE(zeroPie.wedges.isEmpty());
    EXPECT_EQ(zeroPie.swatches.size(), 1);

    const ChartLayout emptyBar = layoutBar({});
    EXPECT_EQ(emptyBar.chartRect, QRectF(0, 0, 600, 18));
    EXPECT_TRUE(emptyBar.bars.isEmpty());

    const ChartLayout emptyLine = layoutLine({});
    EXPECT_EQ(emptyLine.axes.size(), 2);
    EXPECT_TRUE(emptyLine.linePoints.isEmpty());
    EXPECT_TRUE(emptyLine.texts.isEmpty());
    const ChartLayout flat = layoutLine(entries(3, [](int) { return qint64(0); }));
    ASSERT_EQ(flat.linePoints.size(), 3);
    for (const auto& p : flat.linePoints)
        EXPECT_EQ(p.y(), 14);
    // More points than the axis has points: the line still ends on the axis.
    const ChartLayout dense = layoutLine(entries(1000));
    EXPECT_GT(dense.linePoints.last().x(), 500);
    EXPECT_LE(dense.linePoints.last().x(), 550);

    for (const char* type : {"pie", "bar", "line"}) {
        ChartView view;
        view.setChartType(QString::fromLatin1(type));
        view.display();
        EXPECT_FALSE(view.image().isNull()) << type;
        EXPECT_FALSE(view.pngData().isEmpty()) << type;
    }
    ChartView unknown;
    unknown.setChartData(entries(3));
    unknown.setChartType(QStringLiteral("donut"));
    unknown.display();
    EXPECT_TRUE(unknown.image().isNull());
    EXPECT_TRUE(unknown.pngData().isEmpty());
}

TEST(ChartView, SortingKeepsEqualCountsInOrder)
{
    ChartView view;
    view.setChartData({{2, QStringLiteral("a"), Qt::red, 0},
                       {5, QStringLiteral("b"), Qt::red, 0},
                       {2, QStringLiteral("c"), Qt::red, 0},
                       {2, QStringLiteral("d"), Qt::red, 0}});
    view.setChartType(QStringLiteral("bar"));
    view.display();
    QStringList order;
    for (const auto& e : view.chartData())
        order << e.label;
    EXPECT_EQ(order, (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
}
