#include "catalogue/CatalogueLeaf.h"

#include "catalogue/Area.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "platform/Coder.h"

std::shared_ptr<Country> CatalogueLeaf::country() const
{
    if (auto c = m_country.lock())
        return c;
    auto r = region();
    return r ? r->country() : nullptr;
}

std::shared_ptr<Regio> CatalogueLeaf::region() const
{
    if (auto r = m_region.lock())
        return r;
    auto a = m_area.lock();
    return a ? a->region() : nullptr;
}

QString CatalogueLeaf::countryName() const
{
    auto c = country();
    return c ? c->name() : QString("");
}

QString CatalogueLeaf::regionName() const
{
    auto r = region();
    return r ? r->name() : QString("");
}

QString CatalogueLeaf::areaName() const
{
    auto a = area();
    return a ? a->name() : QString("");
}

void CatalogueLeaf::archiveLinks(Coder& c)
{
    c.weak("country", m_country);
    c.weak("region", m_region);
    c.weak("area", m_area);
}
