#pragma once
#include <QDateTime>
#include "model/Property.h"
#include "platform/Archivable.h"

// One purchase of a wine: when, how many bottles of which size, at what price, from whom.
class Purchase : public Archivable {
public:
    static constexpr int Version = 3;
    Purchase();
    // Without the current date, for the archive reader to fill.
    enum BlankTag { Blank };
    explicit Purchase(BlankTag) {}
    QString className() const override { return QStringLiteral("Purchase"); }
    void archive(Coder& c) override;
    // Orders by date.
    bool operator<(const Purchase& other) const { return m_date < other.m_date; }

    KV_PROPERTY(QDateTime, date, setDate)
    KV_VALUE(quint32, number, setNumber, 0)
    KV_VALUE(quint16, bottle, setBottle, 1)
    KV_VALUE(float, price, setPrice, 0.0f)
    KV_PROPERTY(QString, supplier, setSupplier)
};
