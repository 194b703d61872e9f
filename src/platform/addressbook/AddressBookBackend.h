#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Where an address book keeps its records: a flat set of named vCard files.
class AddressBookBackend {
public:
    // A card file larger than this is not read (pictures are the bulk of one).
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    virtual ~AddressBookBackend() = default;
    // Names the store in messages.
    virtual QString location() const = 0;
    // The names of the stored card files, sorted.
    virtual QStringList names() const = 0;
    // Each of these answers an empty string on success, else a message.
    virtual QByteArray read(const QString& name, QString* error) const = 0;
    virtual QString write(const QString& name, const QByteArray& bytes) = 0;
    virtual QString remove(const QString& name) = 0;
};
