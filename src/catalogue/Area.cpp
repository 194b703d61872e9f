#include "catalogue/Area.h"

#include "catalogue/Appelation.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "platform/Coder.h"

std::shared_ptr<Classification> Area::addClassificationString(const QString& name)
{
    auto c = std::make_shared<Classification>();
    c->setName(name);
    c->setClassificationID(nextID(m_classifications));
    c->setArea(shared_from_this());
    const auto r = region();
    c->setRegion(r);
    c->setCountry(r ? r->country() : nullptr);
    m_classifications.append(c);
    return c;
}

std::shared_ptr<Appelation> Area::addAppelationString(const QString& name)
{
    auto a = std::make_shared<Appelation>();
    a->setName(name);
    a->setAppelationID(nextID(m_appelations));
    a->setArea(shared_from_this());
    const auto r = region();
    a->setRegion(r);
    a->setCountry(r ? r->country() : nullptr);
    m_appelations.append(a);
    return a;
}

QList<std::shared_ptr<Classification>> Area::classificationsDeep() const
{
    if (!m_classifications.isEmpty())
        return m_classifications;
    if (auto r = region())
        return r->classificationsDeep();
    return {};
}

QString Area::countryName() const
{
    auto r = region();
    return r ? r->countryName() : QString("");
}

QString Area::regionName() const
{
    auto r = region();
    return r ? r->name() : QString("");
}

int Area::builtInClassificationCount() const
{
    auto r = region();
    return r && r->builtInExtraArea() == m_areaID ? r->builtInExtraClassificationCount() : 0;
}

void Area::archive(Coder& c)
{
    const int v = c.versionOf(className());
    c.io("areaID", m_areaID);
    c.weak("region", m_region);
    c.io("on", m_on);
    c.io("name", m_name);
    c.io("description", m_description);
    if (v >= 2)
        c.io("isRemoved", m_isRemoved);
    c.objects("classifications", m_classifications);
    c.objects("appelations", m_appelations);
}
