#pragma once
#include "model/Property.h"
#include "platform/Archivable.h"

class Depot;

// A rack of x by y fields, each holding w by h bottles, in a storage place.
class Rack : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Rack"); }
    void archive(Coder& c) override;
    bool operator<(const Rack& other) const { return m_name < other.m_name; }

    std::shared_ptr<Depot> depot() const { return m_depot; }
    void setDepot(const std::shared_ptr<Depot>& depot) { m_depot = depot; }
    // The storage place's name, "/" and the rack's name.
    QString rackName() const;

    KV_VALUE(quint32, rackID, setRackID, 0)
    KV_VALUE(quint16, x, setX, 2)
    KV_VALUE(quint16, y, setY, 6)
    KV_VALUE(quint16, w, setW, 6)
    KV_VALUE(quint16, h, setH, 3)
    KV_VALUE(float, xPos, setXPos, 0.0f)
    KV_VALUE(float, yPos, setYPos, 0.0f)
    KV_VALUE(float, wPos, setWPos, 0.0f)
    KV_VALUE(float, hPos, setHPos, 0.0f)
    KV_VALUE(float, zoom, setZoom, 1.0f)
    KV_VALUE(quint16, type, setType, 0)
    KV_PROPERTY(QString, name, setName)
    KV_PROPERTY(QString, description, setDescription)

private:
    std::shared_ptr<Depot> m_depot;
};
