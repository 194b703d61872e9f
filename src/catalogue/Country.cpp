#include "catalogue/Country.h"

#include "catalogue/Appelation.h"
#include "catalogue/Classification.h"
#include "catalogue/RegionClasses.h"
#include "catalogue/Regio.h"
#include "platform/Coder.h"
#include "platform/Crayons.h"
#include "platform/Log.h"
#include "platform/Strings.h"

Country::Country(const QString& className)
    : m_className(className)
{
}

std::shared_ptr<Country> Country::create(const QString& className)
{
    auto c = std::make_shared<Country>(className);
    c->init();
    return c;
}

void Country::init()
{
    m_countryID = 0;
    m_on = false;
    m_regios.clear();
    m_classifications.clear();
    m_appelations.clear();
    m_states.clear();
    defineStates();
    m_name = QStringLiteral("");
    m_description = QStringLiteral("");
    m_color = Crayons::color(QStringLiteral("Grape")).rgba();

    const RegionTables::CountryClass* cls = RegionClasses::countryClass(m_className);
    if (!cls)
        return;
    for (const RegionTables::RegionEntry& r : cls->regions)
        addRegioString(RegionClasses::regionText(r.key));
    for (const RegionTables::Entry& e : cls->classifications)
        addClassificationString(RegionClasses::entryText(e));
}

QString Country::flag() const
{
    return QStringLiteral("Flag%1_18").arg(m_countryID);
}

void Country::defineStates()
{
    Log::line(QStringLiteral("WineInfos defineStates"));
    QStringList states{Strings::tr(QStringLiteral("State"))};
    if (const RegionTables::CountryClass* cls = RegionClasses::countryClass(m_className))
        for (const char* code : cls->stateCodes)
            states.append(QString::fromLatin1(code));
    m_states = std::move(states);
}

std::shared_ptr<Regio> Country::addRegioString(const QString& name)
{
    QString regionClass = Regio::BaseClassName;
    if (const RegionTables::CountryClass* cls = RegionClasses::countryClass(m_className)) {
        // Looked-up texts are compared, so the class is found in every language.
        for (const RegionTables::RegionEntry& r : cls->regions)
            if (r.regionClass && RegionClasses::regionText(r.key) == name)
                regionClass = QString::fromLatin1(r.regionClass);
    }
    auto regio = Regio::create(regionClass);
    regio->setName(name);
    regio->setRegioID(nextID(m_regios));
    regio->setCountry(shared_from_this());
    m_regios.append(regio);
    return regio;
}

std::shared_ptr<Classification> Country::addClassificationString(const QString& name)
{
    auto c = std::make_shared<Classification>();
    c->setName(name);
    c->setClassificationID(nextID(m_classifications));
    c->setCountry(shared_from_this());
    m_classifications.append(c);
    return c;
}

std::shared_ptr<Appelation> Country::addAppelationString(const QString& name)
{
    auto a = std::make_shared<Appelation>();
    a->setName(name);
    a->setAppelationID(nextID(m_appelations));
    a->setCountry(shared_from_this());
    m_appelations.append(a);
    return a;
}

std::shared_ptr<Regio> Country::regioForName(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (const auto& r : m_regios)
        if (r->name() == name)
            return r;
    return nullptr;
}

int Country::builtInRegionCount() const
{
    const RegionTables::CountryClass* cls = RegionClasses::countryClass(m_className);
    return cls ? int(cls->regions.size()) : 0;
}

int Country::builtInClassificationCount() const
{
    const RegionTables::CountryClass* cls = RegionClasses::countryClass(m_className);
    return cls ? int(cls->classifications.size()) : 0;
}

void Country::archive(Coder& c)
{
    // A country class adds no fields; asking for its version records the class.
    if (m_className != BaseClassName)
        c.versionOf(m_className);
    const int v = c.versionOf(BaseClassName);
    c.io("countryID", m_countryID);
    c.io("on", m_on);
    c.io("name", m_name);
    c.io("description", m_description);
    quint32 color = m_color;
    c.io("color", color);
    m_color = color;
    c.objects("regios", m_regios);
    c.objects("classifications", m_classifications);
    c.objects("appelations", m_appelations);
    if (v >= 3) {
        c.strings("states", m_states);
    } else if (c.isReading()) {
        // Older catalogues kept no states: the country's class gives them.
        defineStates();
    }
}
