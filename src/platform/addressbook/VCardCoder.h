#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

class ABRecord;

// Turns a record into a vCard 4.0 file and back. A person is a card of KIND
// individual or org; a group is a card of KIND group with one MEMBER per
// member. Lines the address book does not understand are kept as they were
// read and written back unchanged.
class VCardCoder {
public:
    // Null with a reason when the bytes are not one well-formed vCard 4.0 card.
    // `fileName` gives a card without UID a stable ID.
    static std::shared_ptr<ABRecord> decode(const QByteArray& bytes, const QString& fileName, QString* error);
    static QByteArray encode(const ABRecord& record);
};
