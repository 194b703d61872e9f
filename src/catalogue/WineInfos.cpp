#include "catalogue/WineInfos.h"

#include <algorithm>
#include <cstring>

#include "catalogue/Area.h"
#include "catalogue/BuiltInTables.h"
#include "catalogue/Bottle.h"
#include "catalogue/Classification.h"
#include "catalogue/Country.h"
#include "catalogue/RegionClasses.h"
#include "catalogue/Regio.h"
#include "catalogue/WineType.h"
#include "platform/Coder.h"
#include "platform/Strings.h"

namespace {
constexpr const char* kCountryTable = "Countries";

// The built-in country list names two countries otherwise than their classes'
// keys; without these the two would never get their regions.
struct KeyAlias {
    const char* classKey;
    const char* listKey;
};
constexpr KeyAlias kKeyAliases[] = {
    {"Czech", "Czech Republic"},
    {"Tunisia", "Tunesia"},
};

bool classKeyMatches(const char* key, const QString& name)
{
    if (Strings::lookup(kCountryTable, QString::fromUtf8(key)) == name)
        return true;
    for (const KeyAlias& a : kKeyAliases)
        if (std::strcmp(a.classKey, key) == 0
            && Strings::lookup(kCountryTable, QString::fromUtf8(a.listKey)) == name)
            return true;
    return false;
}

// The English words an import may use for the built-in wine types.
struct TypeWord {
    const char* word;
    const char* key;
};
constexpr TypeWord kTypeWords[] = {
    {"red", "Red wine"},
    {"white", "White wine"},
    {"rose", "Rosé wine"},
    {"sparkling", "Sparkling wine"},
};

QString smalltalkString(const QString& s)
{
    QString out = s;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

template <class T>
quint16 idOfName(const QList<std::shared_ptr<T>>& list, const QString& name)
{
    if (name.isEmpty())
        return 0;
    for (const auto& e : list)
        if (e->name() == name)
            return e->typeID();
    return 0;
}
}

std::shared_ptr<WineInfos> WineInfos::create()
{
    auto w = std::make_shared<WineInfos>();
    w->defineCountries();
    w->defineWineTypes();
    w->defineBottles();
    w->sortCountries();
    w->createCountryISOs();
    return w;
}

// ---------------------------------------------------------------- building

std::shared_ptr<Country> WineInfos::addCountryString(const QString& name)
{
    int classIndex = -1;
    const auto classes = RegionClasses::countryClasses();
    for (size_t i = 0; i < classes.size(); ++i)
        for (const char* key : classes[i].keys)
            if (classKeyMatches(key, name))
                classIndex = int(i);

    std::shared_ptr<Country> c;
    if (classIndex >= 0) {
        c = Country::create(QString::fromLatin1(classes[size_t(classIndex)].className));
        c->setColor(RegionClasses::colorFor(classIndex));
        c->setOn(true);
    } else {
        c = Country::create();
    }
    c->setName(name);
    c->setCountryID(nextID(m_orderedCountries));
    m_orderedCountries.append(c);
    m_countries.append(c);
    return c;
}

void WineInfos::defineCountries()
{
    for (const auto& bc : BuiltInTables::countries())
        addCountryString(Strings::lookup(kCountryTable, QString::fromUtf8(bc.key)));
}

void WineInfos::defineWineTypes()
{
    for (const auto& t : BuiltInTables::wineTypes()) {
        auto w = std::make_shared<WineType>();
        w->setName(Strings::tr(QString::fromUtf8(t.key)));
        w->setImage(QString::fromLatin1(t.image));
        w->setTypeID(nextID(m_winetypes));
        m_winetypes.append(w);
    }
}

void WineInfos::defineBottles()
{
    for (const char* key : BuiltInTables::bottleSizes()) {
        auto b = std::make_shared<Bottle>();
        b->setName(Strings::tr(QString::fromUtf8(key)));
        b->setTypeID(nextID(m_bottles));
        m_bottles.append(b);
    }
}

void WineInfos::sortCountries()
{
    std::stable_sort(m_countries.begin(), m_countries.end(),
                     [](const auto& a, const auto& b) { return a->compare(*b) < 0; });
}

// ---------------------------------------------------------------- by ID

std::shared_ptr<Country> WineInfos::country(int countryID) const
{
    return entryAt(m_orderedCountries, countryID);
}

std::shared_ptr<Regio> WineInfos::regio(int countryID, int regioID) const
{
    auto c = country(countryID);
    return c ? entryAt(c->regios(), regioID) : nullptr;
}

std::shared_ptr<Area> WineInfos::area(int countryID, int regioID, int areaID) const
{
    auto r = regio(countryID, regioID);
    return r ? entryAt(r->areas(), areaID) : nullptr;
}

std::shared_ptr<Classification> WineInfos::classification(int countryID, int regioID, int areaID,
                                                          int classificationID) const
{
    if (auto a = area(countryID, regioID, areaID))
        return entryAt(a->classificationsDeep(), classificationID);
    if (auto r = regio(countryID, regioID))
        return entryAt(r->classificationsDeep(), classificationID);
    if (auto c = country(countryID))
        return entryAt(c->classifications(), classificationID);
    return nullptr;
}

std::shared_ptr<WineType> WineInfos::winetype(int typeID) const
{
    return entryAt(m_winetypes, typeID);
}

std::shared_ptr<Bottle> WineInfos::bottle(int bottleID) const
{
    return entryAt(m_bottles, bottleID);
}

QString WineInfos::countryName(int countryID) const
{
    if (countryID == 0)
        return Strings::tr(QStringLiteral("Country"));
    auto c = country(countryID);
    return c ? c->name() : QString("");
}

QString WineInfos::regioName(int countryID, int regioID) const
{
    auto r = regio(countryID, regioID);
    return r ? r->name() : QString("");
}

QString WineInfos::areaName(int countryID, int regioID, int areaID) const
{
    auto a = area(countryID, regioID, areaID);
    return a ? a->name() : QString("");
}

QString WineInfos::classificationName(int countryID, int regioID, int areaID, int classificationID) const
{
    auto c = classification(countryID, regioID, areaID, classificationID);
    return c ? c->name() : QString("");
}

QString WineInfos::winetypeName(int typeID) const
{
    auto t = winetype(typeID);
    return t ? t->name() : QString("");
}

QString WineInfos::bottleName(int bottleID) const
{
    auto b = bottle(bottleID);
    return b ? b->name() : QString("");
}

QString WineInfos::countryCode(int countryID) const
{
    auto c = country(countryID);
    return c ? c->iso3() : QString("");
}

// ---------------------------------------------------------------- built-in or the user's

bool WineInfos::regioIsSystem(int countryID, int regioID) const
{
    auto c = country(countryID);
    return c && countryID <= int(BuiltInTables::countries().size()) && entryAt(c->regios(), regioID)
        && regioID <= c->builtInRegionCount();
}

bool WineInfos::areaIsSystem(int countryID, int regioID, int areaID) const
{
    auto r = regio(countryID, regioID);
    return r && regioIsSystem(countryID, regioID) && entryAt(r->areas(), areaID)
        && areaID <= r->builtInAreaCount();
}

bool WineInfos::classificationIsSystem(int countryID, int regioID, int areaID, int classificationID) const
{
    if (!classification(countryID, regioID, areaID, classificationID))
        return false;
    // The same resolution as classification(): whose list the ID points into.
    auto a = area(countryID, regioID, areaID);
    if (a && !a->classifications().isEmpty())
        return areaIsSystem(countryID, regioID, areaID) && classificationID <= a->builtInClassificationCount();
    auto r = regio(countryID, regioID);
    if (r && !r->classifications().isEmpty())
        return regioIsSystem(countryID, regioID) && classificationID <= r->builtInClassificationCount();
    auto c = country(countryID);
    return countryID <= int(BuiltInTables::countries().size())
        && classificationID <= c->builtInClassificationCount();
}

// ---------------------------------------------------------------- by name

quint16 WineInfos::countryFor(const QString& name) const
{
    if (name.isEmpty())
        return 0;
    for (const auto& c : m_countries)
        if (c->name() == name)
            return c->countryID();
    return 0;
}

quint16 WineInfos::regionFor(const QString& name) const
{
    for (const auto& c : m_countries)
        if (auto r = c->regioForName(name))
            return r->regioID();
    return 0;
}

quint16 WineInfos::regionForIn(const QString& name, int countryID) const
{
    auto c = country(countryID);
    auto r = c ? c->regioForName(name) : nullptr;
    return r ? r->regioID() : 0;
}

quint16 WineInfos::areaFor(const QString& name, int countryID, int regioID) const
{
    auto r = regio(countryID, regioID);
    auto a = r ? r->areaForName(name) : nullptr;
    return a ? a->areaID() : 0;
}

quint16 WineInfos::classificationFor(const QString& name, int countryID, int regioID) const
{
    auto r = regio(countryID, regioID);
    if (!r || name.isEmpty() || isSeparatorName(name))
        return 0;
    for (const auto& c : r->classifications())
        if (c->name() == name)
            return c->classificationID();
    return 0;
}

quint16 WineInfos::winetypeFor(const QString& name) const
{
    for (const TypeWord& w : kTypeWords)
        if (name.compare(QLatin1String(w.word), Qt::CaseInsensitive) == 0)
            return idOfName(m_winetypes, Strings::tr(QString::fromUtf8(w.key)));
    return idOfName(m_winetypes, name);
}

quint16 WineInfos::bottleFor(const QString& name) const
{
    return idOfName(m_bottles, name);
}

void WineInfos::createRegionAreaDictionary(RegionAreaDictionary& dictionary) const
{
    auto addAll = [&dictionary](const auto& list) {
        for (const auto& e : list)
            dictionary.insert(e->name(), e);
    };
    for (const auto& c : m_orderedCountries) {
        dictionary.insert(c->name(), c);
        addAll(c->classifications());
        for (const auto& r : c->regios()) {
            dictionary.insert(r->name(), r);
            addAll(r->classifications());
            addAll(r->areas());
            for (const auto& a : r->areas())
                addAll(a->classifications());
        }
    }
}

// ---------------------------------------------------------------- ISO codes

void WineInfos::createCountryISOs()
{
    // Built-in countries keep their list positions as IDs, so the position finds the code.
    const auto table = BuiltInTables::countries();
    for (qsizetype i = 0; i < m_orderedCountries.size(); ++i)
        m_orderedCountries[i]->setIso3(size_t(i) < table.size() ? QString::fromLatin1(table[size_t(i)].iso3)
                                                                 : QString());
}

quint16 WineInfos::findCountryIDForISO3alpha(const QString& code) const
{
    if (code.isEmpty())
        return 0;
    for (qsizetype i = 0; i < m_orderedCountries.size(); ++i)
        if (m_orderedCountries[i]->iso3().compare(code, Qt::CaseInsensitive) == 0)
            return quint16(i + 1);
    return 0;
}

// ---------------------------------------------------------------- script export

QString WineInfos::brimoraExport()
{
    createCountryISOs();
    QString s = QStringLiteral("\rBrimoraDB kelvan at:'winetypes' put: OrderedCollection new.\r");
    for (const auto& t : m_winetypes)
        s += QStringLiteral("(BrimoraDB kelvan at:'winetypes') add: '%1' .\r").arg(smalltalkString(t->name()));
    s += QStringLiteral("BrimoraDB kelvan at:'countries' put: Dictionary new.\r");
    for (const auto& c : m_orderedCountries) {
        const QString id = QString::number(c->countryID());
        const QString country = QStringLiteral("((BrimoraDB kelvan at:'countries') at:'%1')").arg(id);
        s += QStringLiteral("(BrimoraDB kelvan at:'countries') at:'%1' put: ((Dictionary new)").arg(id);
        s += QStringLiteral(" at:'id' put: %1 ;").arg(id);
        s += QStringLiteral(" at:'iso3' put: '%1' ;").arg(smalltalkString(c->iso3()));
        s += QStringLiteral(" at:'name' put: '%1' ; yourself).\r").arg(smalltalkString(c->name()));
        s += country + QStringLiteral(" at:'classifications' put: OrderedCollection new.\r");
        for (const auto& cl : c->classifications())
            s += QStringLiteral("(%1 at:'classifications') add: '%2' .\r").arg(country, smalltalkString(cl->name()));
        s += country + QStringLiteral(" at:'regions' put: OrderedCollection new.\r");
        for (const auto& r : c->regios())
            s += QStringLiteral("(%1 at:'regions') add: '%2' .\r").arg(country, smalltalkString(r->name()));
        s += QStringLiteral("\r");
    }
    return s;
}

// ---------------------------------------------------------------- archive

void WineInfos::archive(Coder& c)
{
    c.versionOf(className());
    c.objects("orderedCountries", m_orderedCountries);
    c.objects("winetypes", m_winetypes);
    c.objects("bottles", m_bottles);
    if (c.isReading()) {
        m_countries = m_orderedCountries;
        sortCountries();
        createCountryISOs();
    }
}
