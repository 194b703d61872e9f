#pragma once
#include <QColor>
#include <QString>

// What the statistics need of the reference catalogue. IDs are 1-based
// positions in the catalogue's ordered lists; the statistics never ask for an
// ID outside 1..count, so an implementation may index its lists directly.
class StatisticsCatalogue {
public:
    virtual ~StatisticsCatalogue() = default;

    // Countries in ID order.
    virtual int countryCount() const = 0;
    virtual QString countryName(int countryID) const = 0;
    virtual QColor countryColor(int countryID) const = 0;
    // Regions of a country in ID order.
    virtual int regionCount(int countryID) const = 0;
    virtual QString regionName(int countryID, int regioID) const = 0;
    // Wine types in ID order.
    virtual int winetypeCount() const = 0;
    virtual QString winetypeName(int typeID) const = 0;
};
