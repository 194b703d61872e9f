#pragma once
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "reports/ChartData.h"

// What one chart drawing consists of, in points with the y axis pointing up
// and the origin at the drawing's lower left corner. Worked out apart from the
// painting so the figures can be checked directly.
struct ChartLayout {
    struct Wedge {
        double startAngle = 0; // degrees, counter-clockwise from pointing right
        double spanAngle = 0;
        QColor color;
    };
    struct Swatch {
        QRectF rect;
        QColor color;
    };
    struct Text {
        QPointF at; // lower left corner of the text
        QString text;
    };

    // The part of the view the drawing covers; its size is the picture's size.
    QRectF chartRect;

    // Pie: wedges around the centre, the frame picture's lower left corner (when
    // there is a wedge) and the legend swatches, each with its frame picture at
    // (x - 1, y - 2).
    QPointF pieCentre;
    double pieRadius = 0;
    QList<Wedge> wedges;
    bool hasPieFrame = false;
    QPointF pieFrameAt;
    QList<Swatch> swatches;

    // Bars and line: filled axis rectangles, bars (filled with the bar pattern),
    // and the line's points (its shadow runs 1 right and 1 down).
    QList<QRectF> axes;
    QList<QRectF> bars;
    QList<QPointF> linePoints;

    QList<Text> texts;
};

// Each takes the data in drawing order (pie and bar: largest count first).
ChartLayout layoutPie(const ChartData& data);
ChartLayout layoutBar(const ChartData& data);
ChartLayout layoutLine(const ChartData& data);
