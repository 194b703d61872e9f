#include "catalogue/RegionClasses.h"

#include <QHash>
#include <mutex>

#include "catalogue/Country.h"
#include "catalogue/Regio.h"
#include "platform/Archivable.h"
#include "platform/Crayons.h"
#include "platform/Strings.h"

namespace {
constexpr const char* kRegionTable = "RegionenClassifications";

struct Active {
    std::span<const RegionTables::CountryClass> countries;
    std::span<const RegionTables::RegionClass> regions;
    QHash<QString, int> countryIndex;
    QHash<QString, int> regionIndex;
};

Active make(std::span<const RegionTables::CountryClass> countries,
            std::span<const RegionTables::RegionClass> regions)
{
    Active a{countries, regions, {}, {}};
    for (int i = 0; i < int(countries.size()); ++i)
        a.countryIndex.insert(QString::fromLatin1(countries[i].className), i);
    for (int i = 0; i < int(regions.size()); ++i)
        a.regionIndex.insert(QString::fromLatin1(regions[i].className), i);
    return a;
}

Active& active()
{
    static Active a = make(RegionTables::countryClasses(), RegionTables::regionClasses());
    return a;
}
}

namespace RegionClasses {

void use(std::span<const RegionTables::CountryClass> countries,
         std::span<const RegionTables::RegionClass> regions)
{
    active() = make(countries, regions);
    registerClassNames();
}

void useBuiltIn()
{
    use(RegionTables::countryClasses(), RegionTables::regionClasses());
}

std::span<const RegionTables::CountryClass> countryClasses()
{
    return active().countries;
}

int countryClassIndex(const QString& className)
{
    return active().countryIndex.value(className, -1);
}

const RegionTables::CountryClass* countryClass(const QString& className)
{
    const int i = countryClassIndex(className);
    return i < 0 ? nullptr : &active().countries[size_t(i)];
}

const RegionTables::RegionClass* regionClass(const QString& className)
{
    const int i = active().regionIndex.value(className, -1);
    return i < 0 ? nullptr : &active().regions[size_t(i)];
}

void registerClassNames()
{
    // Every class of the tables is stored at version 1 and restored as the base
    // object carrying its class name; reading never builds its content.
    for (const auto& c : active().countries) {
        const QString name = QString::fromLatin1(c.className);
        ClassRegistry::add(name, 1, [name] { return std::make_shared<Country>(name); });
    }
    for (const auto& r : active().regions) {
        const QString name = QString::fromLatin1(r.className);
        ClassRegistry::add(name, 1, [name] { return std::make_shared<Regio>(name); });
    }
}

QString entryText(const RegionTables::Entry& entry)
{
    const QString key = QString::fromUtf8(entry.key);
    switch (entry.lookup) {
    case RegionTables::Lookup::Literal:
        return key;
    case RegionTables::Lookup::Default:
        return Strings::tr(key);
    case RegionTables::Lookup::Table:
        break;
    }
    return Strings::lookup(kRegionTable, key);
}

QString regionText(const char* key)
{
    return Strings::lookup(kRegionTable, QString::fromUtf8(key));
}

QColor colorFor(int countryClassIndex)
{
    // Strong, distinct crayons first; the greys and black and white are left out.
    static const char* const kPalette[] = {
        "Maraschino", "Blueberry", "Clover",    "Tangerine", "Grape",     "Teal",
        "Cayenne",    "Ocean",     "Asparagus", "Magenta",   "Mocha",     "Aqua",
        "Fern",       "Plum",      "Strawberry", "Midnight", "Moss",      "Eggplant",
        "Maroon",     "Salmon",    "Orchid",    "Cantaloupe", "Sky",      "Lavender",
        "Bubblegum",  "Lime",      "Sea Foam",  "Carnation", "Spindrift", "Lemon",
    };
    constexpr int n = int(sizeof(kPalette) / sizeof(kPalette[0]));
    const int i = countryClassIndex < 0 ? 0 : countryClassIndex % n;
    return Crayons::color(QString::fromLatin1(kPalette[i]));
}

} // namespace RegionClasses
