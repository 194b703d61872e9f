#pragma once
#include <QLatin1StringView>
#include <QString>

class AddressBook;

// The address-book conventions of the cellar: wineries and suppliers are
// persons in two groups of their own and carry six custom properties.
inline constexpr QLatin1StringView kWineriesGroupName{"Wineries"};
inline constexpr QLatin1StringView kWineSuppliersGroupName{"Wine Suppliers"};

inline constexpr QLatin1StringView kAdditionalProperty{"com.halvobrenn.additionalProperty"}; // string
inline constexpr QLatin1StringView kRegionProperty{"com.halvobrenn.regionProperty"};         // string
inline constexpr QLatin1StringView kRegionIDProperty{"com.halvobrenn.regionIDProperty"};     // integer
inline constexpr QLatin1StringView kCountryIDProperty{"com.halvobrenn.countryIDProperty"};   // integer
inline constexpr QLatin1StringView kVarietiesProperty{"com.halvobrenn.varietiesProperty"};   // string
inline constexpr QLatin1StringView kVineyardsProperty{"com.halvobrenn.vineyardsProperty"};   // string

struct CellarAddressGroups {
    QString wineriesID;
    QString suppliersID;
};

// Run at launch: registers the six custom properties, then finds the groups
// "Wineries" and "Wine Suppliers" (first by the IDs the cellar book keeps, then
// by name) or creates them, saving the book when it made one. Answers their IDs.
CellarAddressGroups prepareCellarAddressBook(AddressBook& book, const QString& knownWineriesID = QString(),
                                             const QString& knownSuppliersID = QString());
