#pragma once
#include <span>

// The built-in lists of a new catalogue. Their order is stored data: a wine keeps
// its country, wine type and bottle size as 1-based positions in these lists, so
// entries are only ever appended, never reordered or removed.
namespace BuiltInTables {

struct BuiltInCountry {
    const char* key;  // looked up in the strings table "Countries"
    const char* iso3; // ISO 3166 alpha-3
};

struct BuiltInWineType {
    const char* key;   // looked up in the default strings table
    const char* image; // the named picture of the type
};

// Generated from Debian's iso-codes (tools/gen_country_table.py).
std::span<const BuiltInCountry> countries();
std::span<const BuiltInWineType> wineTypes();
// Keys of the bottle sizes, looked up in the default strings table.
std::span<const char* const> bottleSizes();

} // namespace BuiltInTables
