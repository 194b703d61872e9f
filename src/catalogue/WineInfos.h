#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

#include "platform/Archivable.h"

class CatalogueEntry;
class Country;
class Regio;
class Area;
class Classification;
class WineType;
class Bottle;

// The reference catalogue: countries with their regions, areas and
// classifications, the wine types and the bottle sizes. Wines keep only IDs,
// each the 1-based position of an entry in its parent's list (0: none), so every
// list is append-only. Every look-up by ID answers none (nullptr, 0 or the empty
// string) for 0 and for an ID beyond its list.
class WineInfos : public Archivable {
public:
    static constexpr int Version = 1;

    // An empty catalogue, as the archive reader makes it.
    WineInfos() = default;
    // A new catalogue with the built-in countries, wine types and bottle sizes.
    static std::shared_ptr<WineInfos> create();

    QString className() const override { return QStringLiteral("WineInfos"); }
    void archive(Coder& c) override;

    // ---- building
    // The country factory: a country of the built-in country class whose key
    // (looked up in "Countries") equals the name, else a plain one; switched on
    // and coloured when of a class; numbered and appended to both lists.
    std::shared_ptr<Country> addCountryString(const QString& name);
    void defineCountries();
    void defineWineTypes();
    void defineBottles();

    // ---- lists
    // Countries in ID order (ID n at index n - 1); never reorder it.
    QList<std::shared_ptr<Country>>& orderedCountries() { return m_orderedCountries; }
    const QList<std::shared_ptr<Country>>& orderedCountries() const { return m_orderedCountries; }
    // The same countries for display, sorted by name; callers may re-sort it.
    QList<std::shared_ptr<Country>>& countries() { return m_countries; }
    const QList<std::shared_ptr<Country>>& countries() const { return m_countries; }
    void sortCountries();
    QList<std::shared_ptr<WineType>>& winetypes() { return m_winetypes; }
    const QList<std::shared_ptr<WineType>>& winetypes() const { return m_winetypes; }
    QList<std::shared_ptr<Bottle>>& bottles() { return m_bottles; }
    const QList<std::shared_ptr<Bottle>>& bottles() const { return m_bottles; }

    // ---- entries by ID
    std::shared_ptr<Country> country(int countryID) const;
    std::shared_ptr<Regio> regio(int countryID, int regioID) const;
    std::shared_ptr<Area> area(int countryID, int regioID, int areaID) const;
    // The classification at that ID in the list the wine's choice resolves to:
    // the area's own, else the region's own, else the country's.
    std::shared_ptr<Classification> classification(int countryID, int regioID, int areaID,
                                                   int classificationID) const;
    std::shared_ptr<WineType> winetype(int typeID) const;
    std::shared_ptr<Bottle> bottle(int bottleID) const;

    // ---- names by ID (the empty string for none)
    // The looked-up "Country" for 0.
    QString countryName(int countryID) const;
    QString regioName(int countryID, int regioID) const;
    QString areaName(int countryID, int regioID, int areaID) const;
    QString classificationName(int countryID, int regioID, int areaID, int classificationID) const;
    QString winetypeName(int typeID) const;
    QString bottleName(int bottleID) const;
    // ISO 3166 alpha-3 code of a country, empty when none.
    QString countryCode(int countryID) const;

    // ---- built-in or the user's
    bool regioIsSystem(int countryID, int regioID) const;
    bool areaIsSystem(int countryID, int regioID, int areaID) const;
    bool classificationIsSystem(int countryID, int regioID, int areaID, int classificationID) const;

    // ---- IDs by name (exact comparison; 0 for none and for the empty name)
    quint16 countryFor(const QString& name) const;
    // The first region of that name, countries searched in display order.
    quint16 regionFor(const QString& name) const;
    quint16 regionForIn(const QString& name, int countryID) const;
    quint16 areaFor(const QString& name, int countryID, int regioID) const;
    // In the region's own classifications; separators never match.
    quint16 classificationFor(const QString& name, int countryID, int regioID) const;
    // "red", "white", "rose" and "sparkling" in any letter case stand for the
    // built-in type names; other names must match exactly.
    quint16 winetypeFor(const QString& name) const;
    quint16 bottleFor(const QString& name) const;

    // Every name of countries, regions, areas and classifications, to its entry.
    using RegionAreaDictionary = QHash<QString, std::shared_ptr<CatalogueEntry>>;
    void createRegionAreaDictionary(RegionAreaDictionary& dictionary) const;

    // Gives every built-in country its ISO 3166 alpha-3 code.
    void createCountryISOs();
    // The country ID whose alpha-3 code matches, ignoring case; 0 when none.
    quint16 findCountryIDForISO3alpha(const QString& code) const;

    // The catalogue's part of the script that the sibling product imports.
    QString brimoraExport();

private:
    QList<std::shared_ptr<Country>> m_orderedCountries;
    QList<std::shared_ptr<Country>> m_countries;
    QList<std::shared_ptr<WineType>> m_winetypes;
    QList<std::shared_ptr<Bottle>> m_bottles;
};
