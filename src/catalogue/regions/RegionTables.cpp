#include "catalogue/regions/RegionTables.h"
#include "catalogue/regions/RegionTablesData.h"
#include <cstring>
#include <vector>

namespace RegionTables {
namespace {

using CountryGetter = const Data::CountryData& (*)();

// The fixed order of the country classes.
constexpr CountryGetter kCountries[] = {
    &Data::algeria, &Data::argentina, &Data::australia, &Data::austria, &Data::canada,
    &Data::chile, &Data::china, &Data::cyprus, &Data::czech, &Data::france,
    &Data::germany, &Data::greece, &Data::hungary, &Data::india, &Data::israel,
    &Data::italy, &Data::japan, &Data::lebanon, &Data::mexico, &Data::morocco,
    &Data::newZealand, &Data::portugal, &Data::romania, &Data::slovakia, &Data::southAfrica,
    &Data::spain, &Data::swiss, &Data::tunisia, &Data::usa,
};

struct Index {
    std::vector<CountryClass> countries;
    std::vector<RegionClass> regionClasses;
};

const Index& index()
{
    static const Index built = [] {
        Index idx;
        idx.countries.reserve(std::size(kCountries));
        for (CountryGetter get : kCountries) {
            const Data::CountryData& data = get();
            idx.countries.push_back(data.country);
            idx.regionClasses.insert(idx.regionClasses.end(), data.regionClasses.begin(),
                                     data.regionClasses.end());
        }
        return idx;
    }();
    return built;
}

} // namespace

std::span<const CountryClass> countryClasses()
{
    return index().countries;
}

std::span<const RegionClass> regionClasses()
{
    return index().regionClasses;
}

const RegionClass* findRegionClass(const char* className)
{
    if (!className)
        return nullptr;
    for (const RegionClass& r : regionClasses())
        if (std::strcmp(r.className, className) == 0)
            return &r;
    return nullptr;
}

} // namespace RegionTables
