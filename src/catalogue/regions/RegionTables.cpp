#include "catalogue/regions/RegionTables.h"
#include <cstring>

namespace RegionTables {

// The tables are filled country by country in RegionTablesData*.cpp.
std::span<const CountryClass> countryClasses()
{
    return {};
}

std::span<const RegionClass> regionClasses()
{
    return {};
}

const RegionClass* findRegionClass(const char* className)
{
    for (const RegionClass& r : regionClasses())
        if (std::strcmp(r.className, className) == 0)
            return &r;
    return nullptr;
}

} // namespace RegionTables
