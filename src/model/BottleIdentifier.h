#pragma once
#include <QDateTime>
#include "model/Property.h"
#include "platform/Archivable.h"

class RackZuord;
class Used;
class Wine;

// One numbered bottle: its printed tag number, its wine, where it lies, and
// whether it is still in the cellar.
class BottleIdentifier : public Archivable {
public:
    static constexpr int Version = 1;
    BottleIdentifier();
    // Without the current date, for the archive reader to fill.
    enum BlankTag { Blank };
    explicit BottleIdentifier(BlankTag) {}
    QString className() const override { return QStringLiteral("BottleIdentifier"); }
    void archive(Coder& c) override;

    std::shared_ptr<Wine> wine() const { return m_wine; }
    void setWine(const std::shared_ptr<Wine>& wine) { m_wine = wine; }
    std::shared_ptr<RackZuord> rackref() const { return m_rackref; }
    void setRackref(const std::shared_ptr<RackZuord>& place) { m_rackref = place; }
    std::shared_ptr<Used> used() const { return m_used; }
    void setUsed(const std::shared_ptr<Used>& used) { m_used = used; }

    bool status() const { return m_on; }
    // The wine's name; empty without a wine.
    QString winename() const;
    // The wine's vintage as "%d"; empty without a wine.
    QString year() const;
    // "bottle number/bottles bought"; empty without a wine.
    QString bottle() const;
    // The rack's name; empty without a place.
    QString rackname() const;
    // The picture name of the state: "okButton20" in the cellar, "used20" once used.
    QString imageName() const { return m_on ? QStringLiteral("okButton20") : QStringLiteral("used20"); }

    KV_VALUE(quint32, identifierID, setIdentifierID, 0)
    KV_VALUE(quint32, ubid, setUbid, 0)
    KV_VALUE(bool, on, setOn, true)
    KV_VALUE(quint32, bottlenumber, setBottlenumber, 0)
    KV_VALUE(quint16, x, setX, 0)
    KV_VALUE(quint16, y, setY, 0)
    KV_VALUE(quint16, z, setZ, 0)
    KV_PROPERTY(QDateTime, date, setDate)
    KV_PROPERTY(QString, comment, setComment)

private:
    std::shared_ptr<Wine> m_wine;
    std::shared_ptr<RackZuord> m_rackref;
    std::shared_ptr<Used> m_used;
};
