#include "reports/WineInfosStatistics.h"

#include "catalogue/Country.h"
#include "catalogue/WineInfos.h"

WineInfosStatistics::WineInfosStatistics(std::shared_ptr<const WineInfos> infos) : m_infos(std::move(infos)) {}

int WineInfosStatistics::countryCount() const
{
    return m_infos ? int(m_infos->orderedCountries().size()) : 0;
}

QString WineInfosStatistics::countryName(int countryID) const
{
    return m_infos->countryName(countryID);
}

QColor WineInfosStatistics::countryColor(int countryID) const
{
    const auto country = m_infos->country(countryID);
    return country ? country->color() : QColor();
}

int WineInfosStatistics::regionCount(int countryID) const
{
    const auto country = m_infos ? m_infos->country(countryID) : nullptr;
    return country ? int(country->regios().size()) : 0;
}

QString WineInfosStatistics::regionName(int countryID, int regioID) const
{
    return m_infos->regioName(countryID, regioID);
}

int WineInfosStatistics::winetypeCount() const
{
    return m_infos ? int(m_infos->winetypes().size()) : 0;
}

QString WineInfosStatistics::winetypeName(int typeID) const
{
    return m_infos->winetypeName(typeID);
}
