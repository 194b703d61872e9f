#pragma once
#include "catalogue/CatalogueEntry.h"

class Regio;
class Classification;
class Appelation;

// An area within a region: its own classifications and appellations.
class Area : public CatalogueEntry, public std::enable_shared_from_this<Area> {
public:
    static constexpr int Version = 2;

    QString className() const override { return QStringLiteral("Area"); }
    void archive(Coder& c) override;

    quint16 areaID() const { return m_areaID; }
    void setAreaID(quint16 id) { m_areaID = id; }
    std::shared_ptr<Regio> region() const { return m_region.lock(); }
    void setRegion(const std::shared_ptr<Regio>& region) { m_region = region; }
    bool on() const { return m_on; }
    void setOn(bool on) { m_on = on; }
    bool isRemoved() const { return m_isRemoved; }
    void setIsRemoved(bool removed) { m_isRemoved = removed; }
    QString description() const { return m_description; }
    void setDescription(const QString& d) { m_description = d; }

    QList<std::shared_ptr<Classification>>& classifications() { return m_classifications; }
    const QList<std::shared_ptr<Classification>>& classifications() const { return m_classifications; }
    QList<std::shared_ptr<Appelation>>& appelations() { return m_appelations; }
    const QList<std::shared_ptr<Appelation>>& appelations() const { return m_appelations; }

    std::shared_ptr<Classification> addClassificationString(const QString& name);
    std::shared_ptr<Appelation> addAppelationString(const QString& name);
    // The area's own classifications, or its region's classificationsDeep when it has none.
    QList<std::shared_ptr<Classification>> classificationsDeep() const;

    QString countryName() const override;
    QString regionName() const override;
    QString areaName() const override { return m_name; }

    // How many of the first classifications are built-in ones.
    int builtInClassificationCount() const;

private:
    quint16 m_areaID = 0;
    std::weak_ptr<Regio> m_region;
    bool m_on = true;
    bool m_isRemoved = false;
    QString m_description = QStringLiteral("");
    QList<std::shared_ptr<Classification>> m_classifications;
    QList<std::shared_ptr<Appelation>> m_appelations;
};
