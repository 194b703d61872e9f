#pragma once
#include <QDateTime>
#include "model/Property.h"
#include "platform/Archivable.h"

// One use of a wine: bottles taken out, with the occasion, guests and fare.
class Used : public Archivable {
public:
    static constexpr int Version = 1;
    Used();
    // Without the current date, for the archive reader to fill.
    enum BlankTag { Blank };
    explicit Used(BlankTag) {}
    QString className() const override { return QStringLiteral("Used"); }
    void archive(Coder& c) override;
    bool operator<(const Used& other) const { return m_date < other.m_date; }

    KV_PROPERTY(QDateTime, date, setDate)
    KV_VALUE(quint32, used, setUsed, 0)
    KV_PROPERTY(QString, occasion, setOccasion)
    KV_PROPERTY(QString, guests, setGuests)
    KV_PROPERTY(QString, fare, setFare)
    KV_PROPERTY(QString, comment, setComment)
};
