#include "platform/addressbook/MemoryAddressBackend.h"

QByteArray MemoryAddressBackend::read(const QString& name, QString* error) const
{
    auto it = m_files.constFind(name);
    if (it == m_files.cend()) {
        *error = QStringLiteral("No file \"%1\"").arg(name);
        return {};
    }
    error->clear();
    return *it;
}

QString MemoryAddressBackend::write(const QString& name, const QByteArray& bytes)
{
    if (m_failWrites)
        return QStringLiteral("Could not write \"%1\"").arg(name);
    m_files.insert(name, bytes);
    return {};
}

QString MemoryAddressBackend::remove(const QString& name)
{
    if (m_failWrites)
        return QStringLiteral("Could not remove \"%1\"").arg(name);
    m_files.remove(name);
    return {};
}
