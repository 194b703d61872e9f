#pragma once
#include "catalogue/CatalogueEntry.h"

class Country;
class Regio;
class Area;

// A classification or appellation: an entry hung on a country, region or area,
// linked to that node and to its parents.
class CatalogueLeaf : public CatalogueEntry {
public:
    bool isRemoved() const { return m_isRemoved; }
    void setIsRemoved(bool removed) { m_isRemoved = removed; }

    // Its own country, else its region's.
    std::shared_ptr<Country> country() const;
    void setCountry(const std::shared_ptr<Country>& c) { m_country = c; }
    // Its own region, else its area's.
    std::shared_ptr<Regio> region() const;
    void setRegion(const std::shared_ptr<Regio>& r) { m_region = r; }
    std::shared_ptr<Area> area() const { return m_area.lock(); }
    void setArea(const std::shared_ptr<Area>& a) { m_area = a; }

    QString countryName() const override;
    QString regionName() const override;
    QString areaName() const override;

protected:
    void archiveLinks(Coder& c);

    quint16 m_id = 0;
    bool m_isRemoved = false;

private:
    std::weak_ptr<Country> m_country;
    std::weak_ptr<Regio> m_region;
    std::weak_ptr<Area> m_area;
};
