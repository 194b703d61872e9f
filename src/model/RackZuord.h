#pragma once
#include "model/Property.h"
#include "platform/Archivable.h"

class Rack;
class Wine;

// n bottles of a wine lying in one field (x, y; 1-based, y from the top) of a rack.
class RackZuord : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("RackZuord"); }
    void archive(Coder& c) override;

    std::shared_ptr<Rack> rack() const { return m_rack; }
    void setRack(const std::shared_ptr<Rack>& rack) { m_rack = rack; }
    std::shared_ptr<Wine> wine() const { return m_wine; }
    void setWine(const std::shared_ptr<Wine>& wine) { m_wine = wine; }
    // The rack's rackName, "?" without a rack.
    QString rackName() const;

    KV_VALUE(quint16, x, setX, 0)
    KV_VALUE(quint16, y, setY, 0)
    KV_VALUE(quint32, n, setN, 0)

private:
    std::shared_ptr<Rack> m_rack;
    std::shared_ptr<Wine> m_wine;
};
