#pragma once
#include <QByteArray>
#include "model/Property.h"
#include "platform/Archivable.h"

// The cellar book's copy of a winery's or supplier's address; the address book
// holds the other copy under the same unique ID.
class KVNAddress : public Archivable {
public:
    static constexpr int Version = 1;
    QString className() const override { return QStringLiteral("KVNAddress"); }
    void archive(Coder& c) override;

    KV_PROPERTY(QString, uID, setUID)
    KV_VALUE(bool, isWinery, setIsWinery, false)
    KV_VALUE(bool, isSupplier, setIsSupplier, false)
    KV_PROPERTY(QString, company, setCompany)
    KV_PROPERTY(QString, additionalProperty, setAdditionalProperty)
    KV_PROPERTY(QString, street, setStreet)
    KV_PROPERTY(QString, zip, setZip)
    KV_PROPERTY(QString, city, setCity)
    KV_PROPERTY(QString, state, setState)
    KV_PROPERTY(QString, country, setCountry)
    KV_PROPERTY(QString, phone, setPhone)
    KV_PROPERTY(QString, fax, setFax)
    KV_PROPERTY(QString, email, setEmail)
    KV_PROPERTY(QString, homepage, setHomepage)
    KV_PROPERTY(QString, note, setNote)
    KV_PROPERTY(QString, regionProperty, setRegionProperty)
    KV_VALUE(qint32, countryIDProperty, setCountryIDProperty, 0)
    KV_VALUE(qint32, regionIDProperty, setRegionIDProperty, 0)
    KV_PROPERTY(QByteArray, image, setImage)
};
