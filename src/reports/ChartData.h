#pragma once
#include <QColor>
#include <QList>
#include <QString>

// One entry of a chart: a count with its label and colour. The country, region
// and wine-type charts also name the catalogue entry the count stands for, by
// its ID (country ID, region ID within the country, wine-type ID); 0 elsewhere.
struct ChartEntry {
    qint64 count = 0;
    QString label;
    QColor color;
    int catalogueID = 0;
};

// The entries of one chart, in drawing order.
using ChartData = QList<ChartEntry>;
