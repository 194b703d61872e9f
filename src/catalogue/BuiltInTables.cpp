#include "catalogue/BuiltInTables.h"

namespace BuiltInTables {

namespace {
// The interchange format numbers white 1, red 2, rose 3 and sparkling 4; its
// importer maps those to 2, 1, 3 and 5, so the order here must keep that.
constexpr BuiltInWineType kWineTypes[] = {
    {"Red wine", "Type_Red"},
    {"White wine", "Type_White"},
    {"Rosé wine", "Type_Rose"},
    {"Sweet wine", "Type_Sweet"},
    {"Sparkling wine", "Type_Sparkling"},
    {"Fortified wine", "Type_Fortified"},
};

// Purchases default to size 1, so "Normal" comes first.
constexpr const char* kBottleSizes[] = {
    "Normal",      // 0.75 l
    "Half bottle", // 0.375 l
    "Piccolo",     // 0.1875 l
    "Litre",
    "Magnum",       // 1.5 l
    "Double Magnum", // 3 l
    "Jeroboam",
    "Rehoboam",
    "Methuselah",
    "Salmanazar",
    "Balthazar",
    "Nebuchadnezzar",
};
}

std::span<const BuiltInWineType> wineTypes()
{
    return kWineTypes;
}

std::span<const char* const> bottleSizes()
{
    return kBottleSizes;
}

} // namespace BuiltInTables
