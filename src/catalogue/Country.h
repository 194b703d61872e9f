#pragma once
#include <QColor>
#include <QStringList>

#include "catalogue/CatalogueEntry.h"

class Regio;
class Classification;
class Appelation;

// A country of the catalogue: its regions, country-level classifications,
// appellations and the state names its addresses offer. A country of one of the
// built-in country classes carries that class's name ("CountryItaly"): the name
// is stored with it, brings its built-in content when the country is built and
// chooses its state list.
class Country : public CatalogueEntry, public std::enable_shared_from_this<Country> {
public:
    static constexpr int Version = 3;
    static inline const QString BaseClassName = QStringLiteral("Country");

    // A bare country, as the archive reader makes it: nothing is built.
    explicit Country(const QString& className = BaseClassName);
    // A new country in two steps: made, then init() builds its content.
    static std::shared_ptr<Country> create(const QString& className = BaseClassName);
    // ID 0, off, empty lists, the state list, name and description empty, the
    // colour "Grape"; a country class then adds its regions and classifications.
    void init();

    QString className() const override { return m_className; }
    void archive(Coder& c) override;

    quint16 countryID() const { return m_countryID; }
    void setCountryID(quint16 id) { m_countryID = id; }
    bool on() const { return m_on; }
    void setOn(bool on) { m_on = on; }
    QString description() const { return m_description; }
    void setDescription(const QString& d) { m_description = d; }
    QColor color() const { return QColor::fromRgba(m_color); }
    void setColor(const QColor& color) { m_color = color.rgba(); }
    // The small flag picture's name.
    QString flag() const;
    // ISO 3166 alpha-3 code, set by WineInfos::createCountryISOs; not stored.
    QString iso3() const { return m_iso3; }
    void setIso3(const QString& code) { m_iso3 = code; }

    QList<std::shared_ptr<Regio>>& regios() { return m_regios; }
    const QList<std::shared_ptr<Regio>>& regios() const { return m_regios; }
    QList<std::shared_ptr<Classification>>& classifications() { return m_classifications; }
    const QList<std::shared_ptr<Classification>>& classifications() const { return m_classifications; }
    QList<std::shared_ptr<Appelation>>& appelations() { return m_appelations; }
    const QList<std::shared_ptr<Appelation>>& appelations() const { return m_appelations; }
    QStringList& states() { return m_states; }
    const QStringList& states() const { return m_states; }

    // Replaces the state list: the looked-up "State", then the class's own codes.
    void defineStates();
    // The region factory: a region of the country's class when the name is one
    // of its region keys (as looked up), else a plain region; numbered and appended.
    std::shared_ptr<Regio> addRegioString(const QString& name);
    std::shared_ptr<Classification> addClassificationString(const QString& name);
    std::shared_ptr<Appelation> addAppelationString(const QString& name);
    // The first region of exactly that name; nullptr for the empty name or none.
    std::shared_ptr<Regio> regioForName(const QString& name) const;

    QString countryName() const override { return m_name; }

    // How many of the first regions and classifications are the class's built-in ones.
    int builtInRegionCount() const;
    int builtInClassificationCount() const;

private:
    QString m_className;
    quint16 m_countryID = 0;
    bool m_on = false;
    QString m_description = QStringLiteral("");
    QRgb m_color = 0;
    QString m_iso3;
    QList<std::shared_ptr<Regio>> m_regios;
    QList<std::shared_ptr<Classification>> m_classifications;
    QList<std::shared_ptr<Appelation>> m_appelations;
    QStringList m_states;
};
