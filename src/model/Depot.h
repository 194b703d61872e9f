#pragma once
#include "model/Property.h"
#include "platform/Archivable.h"

// A storage place (a cellar, a cupboard) that holds racks.
class Depot : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("Depot"); }
    void archive(Coder& c) override;
    // Orders by name, plain case-sensitive comparison.
    bool operator<(const Depot& other) const { return m_name < other.m_name; }

    KV_VALUE(qint32, depotID, setDepotID, 0)
    KV_PROPERTY(QString, name, setName)
    KV_PROPERTY(QString, description, setDescription)
};
