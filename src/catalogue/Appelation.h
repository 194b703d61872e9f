#pragma once
#include "catalogue/CatalogueLeaf.h"

// An appellation of a country, region or area; removed ones are not offered.
class Appelation : public CatalogueLeaf {
public:
    static constexpr int Version = 1;

    QString className() const override { return QStringLiteral("Appelation"); }
    void archive(Coder& c) override;

    quint16 appelationID() const { return m_id; }
    void setAppelationID(quint16 id) { m_id = id; }
};
