#pragma once
#include "catalogue/regions/RegionTables.h"

// Internal to the region tables: each data unit hands over its countries, and
// RegionTables.cpp puts them into their fixed order.
namespace RegionTables::Data {

// A country class and the region classes its regions use, in region order.
struct CountryData {
    CountryClass country;
    std::span<const RegionClass> regionClasses;
};

const CountryData& algeria();
const CountryData& argentina();
const CountryData& australia();
const CountryData& austria();
const CountryData& canada();
const CountryData& chile();
const CountryData& china();
const CountryData& cyprus();
const CountryData& czech();
const CountryData& france();
const CountryData& germany();
const CountryData& greece();
const CountryData& hungary();
const CountryData& india();
const CountryData& israel();
const CountryData& italy();
const CountryData& japan();
const CountryData& lebanon();
const CountryData& mexico();
const CountryData& morocco();
const CountryData& newZealand();
const CountryData& portugal();
const CountryData& romania();
const CountryData& slovakia();
const CountryData& southAfrica();
const CountryData& spain();
const CountryData& swiss();
const CountryData& tunisia();
const CountryData& usa();

} // namespace RegionTables::Data
