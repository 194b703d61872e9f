#include "platform/addressbook/AddressBook.h"

#include "platform/Log.h"
#include "platform/addressbook/ABGroup.h"
#include "platform/addressbook/ABPerson.h"
#include "platform/addressbook/ABSearchElement.h"
#include "platform/addressbook/FolderAddressBackend.h"
#include "platform/addressbook/VCardCoder.h"

#include <QDir>
#include <QStandardPaths>

AddressBook::AddressBook(std::unique_ptr<AddressBookBackend> backend)
    : m_backend(std::move(backend))
{
    load();
}

AddressBook::~AddressBook()
{
    for (const auto& r : m_records)
        r->m_book = nullptr;
}

QString AddressBook::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/AddressBook");
}

std::unique_ptr<AddressBook> AddressBook::openFolder(const QString& folder)
{
    return std::make_unique<AddressBook>(
        std::make_unique<FolderAddressBackend>(folder.isEmpty() ? defaultFolder() : folder));
}

void AddressBook::load()
{
    for (const QString& name : m_backend->names()) {
        m_usedNames.insert(name.toLower());
        QString error;
        const QByteArray bytes = m_backend->read(name, &error);
        std::shared_ptr<ABRecord> record;
        if (error.isEmpty())
            record = VCardCoder::decode(bytes, name, &error);
        if (record && m_byId.contains(record->uniqueId())) {
            error = QStringLiteral("its UID \"%1\" is already used by another file").arg(record->uniqueId());
            record.reset();
        }
        if (!record) {
            const QString message = QStringLiteral("Address book: skipped \"%1\" in %2: %3")
                                        .arg(name, m_backend->location(), error);
            Log::line(message);
            m_skipped.append(message);
            continue;
        }
        record->m_fileName = name;
        record->m_changed = false;
        record->m_book = this;
        m_byId.insert(record->uniqueId(), record);
        m_records.append(record);
    }
}

std::shared_ptr<ABRecord> AddressBook::recordForUniqueId(const QString& uniqueId) const
{
    return m_byId.value(uniqueId);
}

std::shared_ptr<ABPerson> AddressBook::personForUniqueId(const QString& uniqueId) const
{
    return std::dynamic_pointer_cast<ABPerson>(recordForUniqueId(uniqueId));
}

std::shared_ptr<ABGroup> AddressBook::groupForUniqueId(const QString& uniqueId) const
{
    return std::dynamic_pointer_cast<ABGroup>(recordForUniqueId(uniqueId));
}

QList<std::shared_ptr<ABPerson>> AddressBook::people() const
{
    QList<std::shared_ptr<ABPerson>> out;
    for (const auto& r : m_records)
        if (auto p = std::dynamic_pointer_cast<ABPerson>(r))
            out.append(p);
    return out;
}

QList<std::shared_ptr<ABGroup>> AddressBook::groups() const
{
    QList<std::shared_ptr<ABGroup>> out;
    for (const auto& r : m_records)
        if (auto g = std::dynamic_pointer_cast<ABGroup>(r))
            out.append(g);
    return out;
}

QList<std::shared_ptr<ABPerson>> AddressBook::recordsMatchingSearchElement(const ABSearchElement& element) const
{
    QList<std::shared_ptr<ABPerson>> out;
    for (const auto& r : m_records)
        if (const auto* p = dynamic_cast<const ABPerson*>(r.get()); p && element.matchesRecord(*p))
            out.append(std::static_pointer_cast<ABPerson>(r));
    return out;
}

bool AddressBook::addRecord(const std::shared_ptr<ABRecord>& record)
{
    if (!record || record->m_book || m_byId.contains(record->uniqueId()))
        return false;
    record->m_book = this;
    record->m_changed = true;
    m_byId.insert(record->uniqueId(), record);
    m_records.append(record);
    m_unsaved = true;
    return true;
}

bool AddressBook::removeRecord(const std::shared_ptr<ABRecord>& record)
{
    if (!record || record->m_book != this)
        return false;
    const QString id = record->uniqueId();
    if (std::dynamic_pointer_cast<ABPerson>(record))
        for (const auto& g : groups())
            g->removeMemberId(id);
    m_byId.remove(id);
    m_records.removeOne(record);
    if (!record->m_fileName.isEmpty())
        m_pendingRemovals.append(record->m_fileName);
    // A record removed from its book is new to any book it is added to later.
    record->m_book = nullptr;
    record->m_fileName.clear();
    record->m_changed = true;
    m_unsaved = true;
    return true;
}

QString AddressBook::newFileName(const QString& uniqueId)
{
    QString base;
    for (const QChar c : uniqueId)
        base += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' ? c : QChar(u'_');
    if (base.isEmpty() || base.size() > 100)
        base = base.left(100) + QStringLiteral("record");
    QString name = base + QStringLiteral(".vcf");
    for (int n = 2; m_usedNames.contains(name.toLower()); ++n)
        name = base + u'-' + QString::number(n) + QStringLiteral(".vcf");
    m_usedNames.insert(name.toLower());
    return name;
}

bool AddressBook::save()
{
    QStringList errors;
    QStringList stillPending;
    for (const QString& name : std::as_const(m_pendingRemovals)) {
        const QString error = m_backend->remove(name);
        if (error.isEmpty())
            m_usedNames.remove(name.toLower());
        else {
            errors.append(error);
            stillPending.append(name);
        }
    }
    m_pendingRemovals = stillPending;
    for (const auto& r : std::as_const(m_records)) {
        if (!r->m_changed)
            continue;
        if (r->m_fileName.isEmpty())
            r->m_fileName = newFileName(r->uniqueId());
        const QString error = m_backend->write(r->m_fileName, VCardCoder::encode(*r));
        if (error.isEmpty())
            r->m_changed = false;
        else
            errors.append(error);
    }
    m_lastError = errors.join(u'\n');
    m_unsaved = !errors.isEmpty();
    if (m_unsaved)
        Log::line(QStringLiteral("Address book: saving failed: ") + m_lastError);
    return !m_unsaved;
}
