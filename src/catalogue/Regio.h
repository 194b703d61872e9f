#pragma once
#include "catalogue/CatalogueEntry.h"

class Country;
class Area;
class Classification;
class Appelation;

// A wine region of a country: its areas, region-level classifications and
// appellations. A region of one of the built-in region classes carries that
// class's name ("RegioItalyKampanien"), stored with it.
class Regio : public CatalogueEntry, public std::enable_shared_from_this<Regio> {
public:
    static constexpr int Version = 2;
    static inline const QString BaseClassName = QStringLiteral("Regio");

    // A bare region, as the archive reader makes it: nothing is built.
    explicit Regio(const QString& className = BaseClassName);
    // A new region in two steps: made, then init() builds its content.
    static std::shared_ptr<Regio> create(const QString& className = BaseClassName);
    // ID 0, on, not removed, empty lists; a region class then adds its areas
    // and classifications. Name, ID and country are set by the caller afterwards.
    void init();

    QString className() const override { return m_className; }
    void archive(Coder& c) override;

    quint16 regioID() const { return m_regioID; }
    void setRegioID(quint16 id) { m_regioID = id; }
    std::shared_ptr<Country> country() const { return m_country.lock(); }
    void setCountry(const std::shared_ptr<Country>& country) { m_country = country; }
    bool on() const { return m_on; }
    void setOn(bool on) { m_on = on; }
    bool isRemoved() const { return m_isRemoved; }
    void setIsRemoved(bool removed) { m_isRemoved = removed; }
    QString description() const { return m_description; }
    void setDescription(const QString& d) { m_description = d; }

    QList<std::shared_ptr<Area>>& areas() { return m_areas; }
    const QList<std::shared_ptr<Area>>& areas() const { return m_areas; }
    QList<std::shared_ptr<Classification>>& classifications() { return m_classifications; }
    const QList<std::shared_ptr<Classification>>& classifications() const { return m_classifications; }
    QList<std::shared_ptr<Appelation>>& appelations() { return m_appelations; }
    const QList<std::shared_ptr<Appelation>>& appelations() const { return m_appelations; }

    std::shared_ptr<Area> addAreaString(const QString& name);
    std::shared_ptr<Classification> addClassificationString(const QString& name);
    std::shared_ptr<Appelation> addAppelationString(const QString& name);
    // The first area of exactly that name; nullptr for the empty name or none.
    std::shared_ptr<Area> areaForName(const QString& name) const;
    // The region's own classifications, or its country's when it has none.
    QList<std::shared_ptr<Classification>> classificationsDeep() const;

    QString countryName() const override;
    QString regionName() const override { return m_name; }

    // How many of the first areas and classifications are the class's built-in ones.
    int builtInAreaCount() const;
    int builtInClassificationCount() const;
    // The ID of the area that the class gives classifications of its own (0: none)
    // and how many.
    int builtInExtraArea() const;
    int builtInExtraClassificationCount() const;

private:
    QString m_className;
    quint16 m_regioID = 0;
    std::weak_ptr<Country> m_country;
    bool m_on = true;
    bool m_isRemoved = false;
    QString m_description = QStringLiteral("");
    QList<std::shared_ptr<Area>> m_areas;
    QList<std::shared_ptr<Classification>> m_classifications;
    QList<std::shared_ptr<Appelation>> m_appelations;
};
