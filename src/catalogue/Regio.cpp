#include "catalogue/Regio.h"

#include <cstring>

#include "catalogue/Appelation.h"
#include "catalogue/Area.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/RegionClasses.h"
#include "platform/Coder.h"

Regio::Regio(const QString& className)
    : m_className(className)
{
}

std::shared_ptr<Regio> Regio::create(const QString& className)
{
    auto r = std::make_shared<Regio>(className);
    r->init();
    return r;
}

void Regio::init()
{
    m_regioID = 0;
    m_on = true;
    m_isRemoved = false;
    m_areas.clear();
    m_classifications.clear();
    m_appelations.clear();
    m_name = QStringLiteral("");
    m_description = QStringLiteral("");

    const RegionTables::RegionClass* cls = RegionClasses::regionClass(m_className);
    if (!cls)
        return;
    for (const RegionTables::Entry& e : cls->areas)
        addAreaString(RegionClasses::entryText(e));
    for (const RegionTables::Entry& e : cls->classifications)
        addClassificationString(RegionClasses::entryText(e));
    if (cls->extraArea) {
        if (auto area = areaForName(RegionClasses::regionText(cls->extraArea)))
            for (const RegionTables::Entry& e : cls->extraAreaClassifications)
                area->addClassificationString(RegionClasses::entryText(e));
    }
}

std::shared_ptr<Area> Regio::addAreaString(const QString& name)
{
    auto a = std::make_shared<Area>();
    a->setName(name);
    a->setAreaID(nextID(m_areas));
    a->setRegion(shared_from_this());
    m_areas.append(a);
    return a;
}

std::shared_ptr<Classification> Regio::addClassificationString(const QString& name)
{
    auto c = std::make_shared<Classification>();
    c->setName(name);
    c->setClassificationID(nextID(m_classifications));
    c->setRegion(shared_from_this());
    // Unset while a region class builds itself: the region supplies it later.
    c->setCountry(country());
    m_classifications.append(c);
    return c;
}

std::shared_ptr<Appelation> Regio::addAppelationString(const QString& name)
{
    auto a = std::make_shared<Appelation>();
    a->setName(name);
    a->setAppelationID(nextID(m_appelations));
    a->setRegion(shared_from_this());
    a->setCountry(country());
    m_appelations.append(a);
    return a;
}

std::shared_ptr<Area> Regio::areaForName(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const auto& a : m_areas)
        if (a->name() == name)
            return a;
    return nullptr;
}

QList<std::shared_ptr<Classification>> Regio::classificationsDeep() const
{
    if (!m_classifications.isEmpty())
        return m_classifications;
    if (auto c = country())
        return c->classifications();
    return {};
}

QString Regio::countryName() const
{
    auto c = country();
    return c ? c->name() : QString("");
}

int Regio::builtInAreaCount() const
{
    const RegionTables::RegionClass* cls = RegionClasses::regionClass(m_className);
    return cls ? int(cls->areas.size()) : 0;
}

int Regio::builtInClassificationCount() const
{
    const RegionTables::RegionClass* cls = RegionClasses::regionClass(m_className);
    return cls ? int(cls->classifications.size()) : 0;
}

int Regio::builtInExtraArea() const
{
    const RegionTables::RegionClass* cls = RegionClasses::regionClass(m_className);
    if (!cls || !cls->extraArea)
        return 0;
    // By position in the table, so a later change of language does not matter.
    for (size_t i = 0; i < cls->areas.size(); ++i)
        if (std::strcmp(cls->areas[i].key, cls->extraArea) == 0)
            return int(i) + 1;
    return 0;
}

int Regio::builtInExtraClassificationCount() const
{
    const RegionTables::RegionClass* cls = RegionClasses::regionClass(m_className);
    return cls && builtInExtraArea() > 0 ? int(cls->extraAreaClassifications.size()) : 0;
}

void Regio::archive(Coder& c)
{
    if (m_className != BaseClassName)
        c.versionOf(m_className);
    const int v = c.versionOf(BaseClassName);
    c.io("regioID", m_regioID);
    c.weak("country", m_country);
    c.io("on", m_on);
    c.io("name", m_name);
    c.io("description", m_description);
    // Removing entries came with version 2.
    if (v >= 2)
        c.io("isRemoved", m_isRemoved);
    c.objects("areas", m_areas);
    c.objects("classifications", m_classifications);
    c.objects("appelations", m_appelations);
}
