#pragma once
#include <QMap>

#include "platform/addressbook/AddressBookBackend.h"

// Keeps the card files in memory: for tests, which can also look at and
// plant files and make writes fail.
class MemoryAddressBackend : public AddressBookBackend {
public:
    QString location() const override { return QStringLiteral("(memory)"); }
    QStringList names() const override { return m_files.keys(); }
    QByteArray read(const QString& name, QString* error) const override;
    QString write(const QString& name, const QByteArray& bytes) override;
    QString remove(const QString& name) override;

    QMap<QString, QByteArray>& files() { return m_files; }
    void setFailWrites(bool fail) { m_failWrites = fail; }

private:
    QMap<QString, QByteArray> m_files;
    bool m_failWrites = false;
};
