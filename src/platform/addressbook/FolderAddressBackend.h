#pragma once
#include "platform/addressbook/AddressBookBackend.h"

// One .vcf file per record in a folder, the layout contact and sync tools read.
// Every file is written atomically; the folder is made on the first write.
class FolderAddressBackend : public AddressBookBackend {
public:
    explicit FolderAddressBackend(const QString& folder);
    QString location() const override { return m_folder; }
    QStringList names() const override;
    QByteArray read(const QString& name, QString* error) const override;
    QString write(const QString& name, const QByteArray& bytes) override;
    QString remove(const QString& name) override;

private:
    QString m_folder;
};
