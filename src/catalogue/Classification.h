#pragma once
#include "catalogue/CatalogueLeaf.h"

// A classification of a country, region or area. One named "-" is a separator.
class Classification : public CatalogueLeaf {
public:
    static constexpr int Version = 2;

    QString className() const override { return QStringLiteral("Classification"); }
    void archive(Coder& c) override;

    quint16 classificationID() const { return m_id; }
    void setClassificationID(quint16 id) { m_id = id; }
    bool isSeparator() const { return isSeparatorName(m_name); }

    QString classificationName() const override { return m_name; }
};
