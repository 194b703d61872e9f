#pragma once
#include <span>

// The built-in content of the wine countries, as ordered tables. The catalogue's
// country and region classes read these when a new catalogue is built. The order
// of every list is stored data: the n-th entry gets ID n, separators included.
namespace RegionTables {

// How an entry's key becomes its stored name.
enum class Lookup : unsigned char {
    Table,   // looked up in the strings table "RegionenClassifications"
    Literal, // the text itself, never looked up
    Default, // looked up in the default strings table
};

struct Entry {
    const char* key;
    Lookup lookup = Lookup::Table;
};

// A region class: its areas, then its region-level classifications in order.
// A region class may also give one of its own areas classifications of its own,
// added after the region's list (found by the looked-up area key).
struct RegionClass {
    const char* className; // e.g. "RegioItalyKampanien"
    std::span<const Entry> areas;
    std::span<const Entry> classifications;
    const char* extraArea = nullptr; // key of the area that gets its own classifications
    std::span<const Entry> extraAreaClassifications = {};
};

// One region of a country class: its key and the region class that fills it
// (nullptr for a plain region with no areas and no classifications).
struct RegionEntry {
    const char* key;
    const char* regionClass = nullptr;
};

// A country class: the keys by which the country factory chooses it (looked up in
// the strings table "Countries"), its regions in order, then its country-level
// classifications in order, and its own list of state codes (empty for most).
struct CountryClass {
    const char* className; // e.g. "CountryItaly"
    std::span<const char* const> keys;
    std::span<const RegionEntry> regions;
    std::span<const Entry> classifications;
    std::span<const char* const> stateCodes = {};
};

// Every country class, in a fixed order.
std::span<const CountryClass> countryClasses();
// Every region class.
std::span<const RegionClass> regionClasses();
// The region class of that name, nullptr when there is none.
const RegionClass* findRegionClass(const char* className);

} // namespace RegionTables
