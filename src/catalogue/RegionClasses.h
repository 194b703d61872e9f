#pragma once
#include <QColor>
#include <QString>
#include <span>

#include "catalogue/regions/RegionTables.h"

// The country and region classes are data: a Country or Regio carries its class
// name, and the class's content comes from the region tables. This is where a
// class name is resolved to its table.
namespace RegionClasses {

// The tables in use: the built-in ones, unless replaced (tests build catalogues
// from small tables of their own). Replacing registers the tables' class names
// for reading, as registerCatalogueClasses does for the built-in ones.
void use(std::span<const RegionTables::CountryClass> countries,
         std::span<const RegionTables::RegionClass> regions);
void useBuiltIn();

std::span<const RegionTables::CountryClass> countryClasses();
// The class of that name; nullptr for a plain "Country" / "Regio" or an unknown name.
const RegionTables::CountryClass* countryClass(const QString& className);
const RegionTables::RegionClass* regionClass(const QString& className);
// Position of a country class in countryClasses(); -1 when none.
int countryClassIndex(const QString& className);

// Registers a restoring factory for every class name of the tables in use.
void registerClassNames();

// The stored name of an entry key, looked up as the entry says.
QString entryText(const RegionTables::Entry& entry);
// The stored name of a region key (strings table "RegionenClassifications").
QString regionText(const char* key);
// The colour a country class gets when the country factory makes it.
QColor colorFor(int countryClassIndex);

} // namespace RegionClasses
