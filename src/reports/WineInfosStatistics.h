#pragma once
#include <memory>

#include "reports/StatisticsCatalogue.h"

class WineInfos;

// The statistics' view of the reference catalogue.
class WineInfosStatistics : public StatisticsCatalogue {
public:
    explicit WineInfosStatistics(std::shared_ptr<const WineInfos> infos);

    int countryCount() const override;
    QString countryName(int countryID) const override;
    QColor countryColor(int countryID) const override;
    int regionCount(int countryID) const override;
    QString regionName(int countryID, int regioID) const override;
    int winetypeCount() const override;
    QString winetypeName(int typeID) const override;

private:
    std::shared_ptr<const WineInfos> m_infos;
};
