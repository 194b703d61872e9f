#pragma once
#include <gtest/gtest.h>
#include <QList>
#include <QStringList>

#include "reports/StatisticsCatalogue.h"

// A small catalogue for the statistics tests: three countries (two of them
// share a name), regions per country and four wine types. Any look-up outside
// the lists fails the running test instead of reading past them.
class FakeCatalogue : public StatisticsCatalogue {
public:
    QStringList countries{QStringLiteral("France"), QStringLiteral("Italy"), QStringLiteral("France")};
    QList<QColor> countryColours{Qt::red, Qt::green, Qt::blue};
    QList<QStringList> regions{{QStringLiteral("Alsace"), QStringLiteral("Bordeaux"), QStringLiteral("Loire")},
                               {QStringLiteral("Piemonte")},
                               {}};
    QStringList types{QStringLiteral("Red"), QStringLiteral("White"), QStringLiteral("Rosé"),
                      QStringLiteral("Sparkling")};

    int countryCount() const override { return int(countries.size()); }
    QString countryName(int id) const override { return inRange(id, countries.size()) ? countries.at(id - 1) : QString(); }
    QColor countryColor(int id) const override
    {
        return inRange(id, countryColours.size()) ? countryColours.at(id - 1) : QColor();
    }
    int regionCount(int countryID) const override
    {
        return inRange(countryID, regions.size()) ? int(regions.at(countryID - 1).size()) : 0;
    }
    QString regionName(int countryID, int regioID) const override
    {
        if (!inRange(countryID, regions.size()) || !inRange(regioID, regions.at(countryID - 1).size()))
            return QString();
        return regions.at(countryID - 1).at(regioID - 1);
    }
    int winetypeCount() const override { return int(types.size()); }
    QString winetypeName(int typeID) const override { return inRange(typeID, types.size()) ? types.at(typeID - 1) : QString(); }

private:
    static bool inRange(int id, qsizetype size)
    {
        if (id >= 1 && id <= size)
            return true;
        ADD_FAILURE() << "catalogue asked for ID " << id << " of " << size;
        return false;
    }
};
